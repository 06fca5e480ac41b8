#include "ListeFormuTabani.h"

#include "Ayarlar.h"
#include "IlerlemeGosterFormu.h"
#include "SutunluListe.h"
#include "Simgeler.h"

#include <QShowEvent>

void ListeFormuTabanı::DüzenliListe(SütunluListe* liste, const QString& listeAdı, const QString& eskiAdı) {
  liste_ = liste;
  listeAdı_ = listeAdı;
  eskiAdı_ = eskiAdı;
}

void ListeFormuTabanı::Yükle() {
  if (!yüklü_) Form_Load();
}

void ListeFormuTabanı::Form_Load() {
  yüklü_ = true;
  // As designed first, so that a layout never saved still gives every column its place.
  liste_->TasarımaDön();
  liste_->BaşlıkResimleriAyarla(Resim(QStringLiteral("YUKARI")), Resim(QStringLiteral("ASAGI")));
  const QString bölüm = QStringLiteral("Listeler\\") + listeAdı_, eski = QStringLiteral("Listeler\\") + eskiAdı_;
  if (!eskiAdı_.isEmpty() && Ayarlar::BölümVar(eski)) {
    if (!Ayarlar::BölümVar(bölüm)) Ayarlar::BölümüYaz(bölüm, Ayarlar::TümünüOku(eski));
    Ayarlar::BölümüSil(eski);
  }
  liste_->DüzeniYükle(listeAdı_);
}

void ListeFormuTabanı::Form_Unload() {
  liste_->DüzeniKaydet(listeAdı_);
  yüklü_ = false;
}

void ListeFormuTabanı::done(int sonuç) {
  if (yüklü_) Form_Unload();
  QDialog::done(sonuç);
}

void ListeFormuTabanı::showEvent(QShowEvent* olay) {
  // Shown without a list built first (or again after closing): load from the design.
  if (!olay->spontaneous()) Yükle();
  QDialog::showEvent(olay);
}

İlerlemeKaldırıcı::~İlerlemeKaldırıcı() { form_.Kaldır(); }
