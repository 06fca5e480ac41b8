#include "ListeFormuTabani.h"

#include "Ayarlar.h"
#include "IlerlemeGosterFormu.h"
#include "ListeRaporu.h"
#include "ListeyiSiralaModulu.h"
#include "OrtakYordamlarModulu.h"
#include "SikiListeGorunumu.h"
#include "Simgeler.h"

#include <QShowEvent>

namespace {

ListeyiSıralaModülü::SütunTürü SıralamaTürü(HücreTürü tür) {
  using ListeyiSıralaModülü::SütunTürü;
  switch (tür) {
    case HücreTürü::Miktar: return SütunTürü::Sayı;
    case HücreTürü::Tarih: return SütunTürü::Tarih;
    default: return SütunTürü::Metin;
  }
}

}  // namespace

void ListeSütunuTıklandı(SıkıListeGörünümü& liste, int başlıkIndex) {
  if (başlıkIndex < 1 || başlıkIndex > liste.SütunSayısı()) return;
  ListeyiSıralaModülü::SütunTıklandı(liste, başlıkIndex, SıralamaTürü(liste.SütununTürü(başlıkIndex)));
}

void ListeyiAktar(const SıkıListeGörünümü& liste, const QString& sayfaAdı, const QString& başlık) {
  std::vector<ListeyiSıralaModülü::SütunTürü> türler;
  for (int i = 1; i <= liste.SütunSayısı(); ++i) türler.push_back(SıralamaTürü(liste.SütununTürü(i)));
  ListeRaporu::MSExceleAktar(liste, sayfaAdı, başlık, türler);
}

void ListeFormuTabanı::DüzenliListe(SıkıListeGörünümü* liste, const QString& listeAdı, const QString& eskiAdı) {
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
  OrtakYordamlarModülü::ListeDüzeniniKaydet(*liste_, listeAdı_, *this);
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
