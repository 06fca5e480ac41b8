#include "FirmaIslemleriFormu.h"

#include "FirmaVerileri.h"
#include "FormYoneticisi.h"
#include "ListeSecimi.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceListeOgesi.h"
#include "TurkceMetin.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace OrtakYordamlarModülü;
using AlanAileleri::Aile;
using TanımVerileri::Sonuç;

namespace {
bool Satıcılar(const QString& firmaTürü) { return &FirmaVerileri::Firmalar(firmaTürü) == &FirmaVerileri::Satıcılar; }
}  // namespace

FirmaİşlemleriFormu& FirmaİşlemleriFormunuHazırla(const QString& firmaTürü) {
  auto& form = Form<FirmaİşlemleriFormu>();
  form.FirmaTürü = firmaTürü;
  form.setWindowTitle(Satıcılar(firmaTürü) ? QStringLiteral("Satıcı Firma İşlemleri")
                                           : QStringLiteral("Alıcı Firma İşlemleri"));
  return form;
}

FirmaİşlemleriFormu::FirmaİşlemleriFormu()
    : TanımFormu(
          {
              QStringLiteral("Firma İşlemleri"),
              QStringLiteral("Firma Listesi "),
              QStringLiteral("Firma Bilgileri "),
              QStringLiteral("Firma Bul :"),
              {},
              {},
              {},
              {},
              QStringLiteral("&Yeni Firma Ekle"),
              QStringLiteral("Firma Bilgilerini D&eğiştir"),
              QStringLiteral("Firmayı &Sil"),
              {},
              QStringLiteral("Firma listeniz BOŞ! Lütfen, önce firma ekleyiniz."),
              QStringLiteral("Lütfen, listeden bir firma SEÇİNİZ!"),
              {},  // by the kind, at load
              QStringLiteral("Seçilen firmayı SİLMEK istediğinizden emin misiniz?"),
              QStringLiteral("Değiştirdiğiniz firma, bu arada başka bir bilgisayardan silinmiş! "
                             "Değişiklikler kaydedilemedi."),
          },
          FirmaVerileri::Satıcılar, true) {
  // No search: the whole kind is listed, and a find box under the list selects as it is typed.
  for (QWidget* w : std::initializer_list<QWidget*>{AramaKutusu, AramaSeçeneği[0], AramaSeçeneği[1], AraDüğmesi,
                                                    Etiket[1]})
    w->hide();
  // The form puts each entry in its place: a new one where it sorts, a changed one where it was.
  FirmaListesi->setSortingEnabled(false);
  FirmaListesi->setFixedHeight(Piksel(4155));
  FirmaBulKutusu = new QLineEdit(Altlık[0]);
  FirmaBulKutusu->setMaxLength(255);
  auto* arama = static_cast<QVBoxLayout*>(Altlık[0]->layout());
  arama->removeWidget(Etiket[0]);
  arama->addWidget(Etiket[0]);
  arama->addWidget(FirmaBulKutusu);
  Etiket[0]->setBuddy(FirmaBulKutusu);
  AlanAileleri::Bağla(FirmaBulKutusu, Etiket[0], Aile::Metin);
  connect(FirmaBulKutusu, &QLineEdit::textChanged, this, [this] { FirmaBulKutusu_Change(); });

  FirmaAdıKutusu = SatırEkle(QStringLiteral("&Firma Adı :"), Aile::Metin, 255);
  TelefonuKutusu = SatırEkle(QStringLiteral("&Telefonu :"), Aile::Telefon, 14);
  FaksıKutusu = SatırEkle(QStringLiteral("F&aksı :"), Aile::Telefon, 14);
  AdresiKutusu = ÇokSatırEkle(QStringLiteral("Adre&si :"), Aile::Metin, 255);
  AlanAileleri::SeçmedenGir(AdresiKutusu);
  BirinciYetkiliAdıKutusu = SatırEkle(QStringLiteral("&Birinci Yetkili :"), Aile::Metin, 255);
  BirinciYetkiliTelefonuKutusu = SatırEkle(QStringLiteral("Telefonu :"), Aile::Telefon, 14);
  İkinciYetkiliAdıKutusu = SatırEkle(QStringLiteral("İkinci Yetkili :"), Aile::Metin, 255);
  İkinciYetkiliTelefonuKutusu = SatırEkle(QStringLiteral("Telefonu :"), Aile::Telefon, 14);
  AçıklamaKutusu = ÇokSatırEkle(QStringLiteral("Açıklama :"), Aile::Metin);
  BilgiDüzeni->setColumnMinimumWidth(1, Piksel(2715));
  Kur();
  setTabOrder(FirmaListesi, FirmaBulKutusu);
  setTabOrder(FirmaBulKutusu, FirmaAdıKutusu);
}

std::vector<QWidget*> FirmaİşlemleriFormu::KayıtAlanları() const {
  return {FirmaAdıKutusu,         TelefonuKutusu,           FaksıKutusu,
          AdresiKutusu,           BirinciYetkiliAdıKutusu,  BirinciYetkiliTelefonuKutusu,
          İkinciYetkiliAdıKutusu, İkinciYetkiliTelefonuKutusu, AçıklamaKutusu};
}

const TanımVerileri::Tanım& FirmaİşlemleriFormu::EtkinTanım() const { return FirmaVerileri::Firmalar(FirmaTürü); }

QWidget* FirmaİşlemleriFormu::ListeBoşkenOdak(bool gözatta) const {
  return gözatta ? static_cast<QWidget*>(FirmaListesi) : EkleDüğmesi;
}

void FirmaİşlemleriFormu::Form_Load() {
  TanımFormu::Form_Load();
  metinler_.girişVar = QStringLiteral("Bu firma") +
                       (Satıcılar(FirmaTürü) ? QStringLiteral("dan GİRİŞ") : QStringLiteral("ya ÇIKIŞ ")) +
                       QStringLiteral(" işlemi yapıldığı için, önce bu işlem(ler)i silmeniz gerekir!");
  {
    const QSignalBlocker engel(FirmaBulKutusu);
    FirmaBulKutusu->clear();
  }
  HataYakala([&] {
    for (const auto& f : FirmaVerileri::Listele(*Ortak::Veritabanı, EtkinTanım()))
      FirmaListesi->addItem(new TürkçeListeÖğesi(f.metin, f.no));
  });
  FirmaListesi->setFocus();
}

void FirmaİşlemleriFormu::FirmaBulKutusu_Change() {
  SatırıSeç(FirmaListesi, ListedeAra(FirmaListesi, FirmaBulKutusu->text()));
}

void FirmaİşlemleriFormu::KaydıYükle(qint64 no) {
  const auto b = FirmaVerileri::Oku(*Ortak::Veritabanı, EtkinTanım(), no);
  FirmaAdıKutusu->setText(b.FirmaAdi);
  TelefonuKutusu->setText(b.Telefonu);
  FaksıKutusu->setText(b.Faksi);
  AdresiKutusu->setPlainText(b.Adresi);
  BirinciYetkiliAdıKutusu->setText(b.BirinciYetkiliAdi);
  BirinciYetkiliTelefonuKutusu->setText(b.BirinciYetkiliTelefonu);
  İkinciYetkiliAdıKutusu->setText(b.IkinciYetkiliAdi);
  İkinciYetkiliTelefonuKutusu->setText(b.IkinciYetkiliTelefonu);
  AçıklamaKutusu->setPlainText(b.Aciklama);
  EskiDeğer = FirmaAdıKutusu->text();
}

void FirmaİşlemleriFormu::Kaydet() {
  // Telephones are kept in their mask, also one whose box still has the focus.
  const auto telefon = [](const QLineEdit* kutu) { return AlanAileleri::TelefonMaskesi(kutu->text()); };
  const FirmaVerileri::FirmaBilgisi b{FirmaAdıKutusu->text(),          telefon(TelefonuKutusu),
                                      telefon(FaksıKutusu),            AdresiKutusu->toPlainText(),
                                      BirinciYetkiliAdıKutusu->text(), telefon(BirinciYetkiliTelefonuKutusu),
                                      İkinciYetkiliAdıKutusu->text(),  telefon(İkinciYetkiliTelefonuKutusu),
                                      AçıklamaKutusu->toPlainText()};
  const auto s = FirmaVerileri::Kaydet(*Ortak::Veritabanı, EtkinTanım(), b,
                                      KayıtKipi == YeniKayıt ? 0 : SeçiliKayıtNo, &deneme_);
  const bool kaydedildi = KayıtSonucu(
      s, {
             {Sonuç::AdBoş, QStringLiteral("FİRMA ADI boş bırakılamaz!"), FirmaAdıKutusu},
             {Sonuç::AdVar,
              QStringLiteral("Girmeye çalıştığınız FİRMA ADI daha önce girilmiş!\n\nLütfen, değiştirip yeniden deneyiniz."),
              FirmaAdıKutusu},
         });
  if (kaydedildi) KayıtSonrası(s.no);
}

int FirmaİşlemleriFormu::ListeyeKoy(qint64 no, const QString& ad) {
  // A changed one keeps its place until the list is loaded again; a new one goes to its
  // alphabetical place.
  int sayaç = 0;
  while (sayaç < FirmaListesi->count() && no != FirmaListesi->item(sayaç)->data(Qt::UserRole).toLongLong()) ++sayaç;
  if (sayaç < FirmaListesi->count()) {
    delete FirmaListesi->takeItem(sayaç);
  } else {
    sayaç = 0;
    while (sayaç < FirmaListesi->count() && TürkçeMetin::Karşılaştır(FirmaListesi->item(sayaç)->text(), ad) <= 0)
      ++sayaç;
  }
  FirmaListesi->insertItem(sayaç, new TürkçeListeÖğesi(ad, no));
  return sayaç;
}

void FirmaİşlemleriFormu::KayıtSonrası(qint64 no) {
  SeçiliKayıtNo = no;
  FirmaListesi->setCurrentRow(ListeyeKoy(no, FirmaAdıKutusu->text()));
  KapatİptalDüğmesi_Click();
}

void FirmaİşlemleriFormu::ÖncekiDenemeEklendi(qint64 no) {
  // Listed as stored; the selection, and so the fields the user is typing in, stay as they are.
  const QSignalBlocker engel(FirmaListesi);
  HataYakala([&] { ListeyeKoy(no, FirmaVerileri::Oku(*Ortak::Veritabanı, EtkinTanım(), no).FirmaAdi); });
}
