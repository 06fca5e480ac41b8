#include "ListeFormuTabani.h"

#include "IlerlemeGosterFormu.h"
#include "SutunluListe.h"
#include "Simgeler.h"

#include <QShowEvent>

void ListeFormuTabanı::DüzenliListe(SütunluListe* liste, const QString& listeAdı) {
  liste_ = liste;
  listeAdı_ = listeAdı;
}

void ListeFormuTabanı::Yükle() {
  if (!yüklü_) Form_Load();
}

void ListeFormuTabanı::Form_Load() {
  yüklü_ = true;
  // As designed first, so that a layout never saved still gives every column its place.
  liste_->TasarımaDön();
  liste_->BaşlıkResimleriAyarla(Resim(QStringLiteral("YUKARI")), Resim(QStringLiteral("ASAGI")));
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
