// The exit voucher driven as a user does, on a real file.
#include "Platform.h"
#include "StoktanFisTestOrtami.h"

#include "ListeGorunumu.h"
#include "Platform.h"

#include <QHeaderView>
#include <QRadioButton>

namespace {

class ÇıkışFişiTesti : public StoktanFişTesti {
protected:
  void SetUp() override {
    StoktanFişTesti::SetUp();
    ÖrnekTanımlar();
    bora = Alıcı("BORA");
    cem = Alıcı("CEM");
    Giriş(civata, merkez, 10);
    Giriş(pul, merkez, 1);
    Çıkış(pul, merkez, 1);
  }
  // One line typed in order: warehouse, product, customer, person, quantity, reason.
  void Satır(ÇıkışİşlemleriFormu& f, const char* depo, const char* ürün, const char* firma, const char* miktar,
             int neden) {
    Bul(f.DepoSeçici(), depo);
    Bul(f.ÜrünSeçici(), ürün);
    Bul(f.FirmaSeçici(), firma);
    f.ÇıkışıYapanKutusu()->setEditText(QStringLiteral("ALİ VELİ"));
    Yaz(f.ÇıkışMiktarıKutusu(), miktar);
    f.ÇıkışNedeniKutusu()->setCurrentIndex(neden);
    Tıkla(f.ListeyeEkleDüğmesi);
  }
  qint64 bora = 0, cem = 0;
};

TEST_F(ÇıkışFişiTesti, DokuzRetSırasıylaStokListedekilerDüşülerekDenetlenir) {
  auto& f = Aç<ÇıkışİşlemleriFormu>(2);
  EXPECT_EQ(f.ÜrünListesi()->count(), 0);
  const auto miktar = [&](const char* m) { return [&f, m] { Yaz(f.ÇıkışMiktarıKutusu(), m); }; };
  Yürüt(f, {
      {[] {}, "Lütfen, ürünün bulunduğu DEPOYU listeden seçiniz!", f.DepoListesi()},
      {[&] { Bul(f.DepoSeçici(), "MER"); }, "Lütfen, listeden bir ÜRÜN seçiniz!", f.ÜrünListesi()},
      {[&] { Bul(f.ÜrünSeçici(), "PUL"); }, "Lütfen, listeden bir FİRMA seçiniz!", f.FirmaListesi()},
      {[&] { Bul(f.FirmaSeçici(), "BOR"); },
       "Bu ürünün stokta MEVCUDU kalmamış!\n\nLütfen, başka bir ürün seçiniz.", f.ÜrünListesi()},
      {[&] { Bul(f.ÜrünSeçici(), "civ"); }, "Lütfen, ÇIKIŞI YAPANI giriniz!", f.ÇıkışıYapanKutusu()},
      {[&] { QTest::keyClicks(f.ÇıkışıYapanKutusu(), "ali veli"); }, "Lütfen, ÇIKIŞ MİKTARINI giriniz!",
       f.ÇıkışMiktarıKutusu()},
      {miktar("0,00"), "Lütfen, ÇIKIŞ MİKTARINI giriniz!", f.ÇıkışMiktarıKutusu()},
      {miktar("10,01"), "Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!", f.ÇıkışMiktarıKutusu(),
       "10,00"},
      {[] {}, "Lütfen ÇIKIŞ NEDENİ'ni belirtiniz.", f.ÇıkışNedeniKutusu(), "10,00"},
      {[&] { Yaz(f.ÇıkışMiktarıKutusu(), "6"), f.ÇıkışNedeniKutusu()->setCurrentIndex(6); }, nullptr,
       f.DepoListesi(), ""},
      // The same customer, product and warehouse again.
      {[&] { Bul(f.DepoSeçici(), "MER"), Bul(f.ÜrünSeçici(), "civ"), Bul(f.FirmaSeçici(), "BOR"); },
       "Bu ÇIKIŞ İŞLEMİ listeye daha önce eklenmiş!\n\nLütfen, firmayı, ürünü ya da depoyu değiştiriniz.",
       f.FirmaListesi()},
      // Another customer: only what the first line leaves may go.
      {[&] { Bul(f.FirmaSeçici(), "CEM"), Yaz(f.ÇıkışMiktarıKutusu(), "4,01"); },
       "Çıkış yapacağınız MİKTAR stok mevcudundan fazla olamaz!", f.ÇıkışMiktarıKutusu(), "4,00"},
      {[&] { f.ÇıkışNedeniKutusu()->setCurrentIndex(0); }, nullptr, f.DepoListesi(), ""},
  });
  // After an add nothing is chosen and the products of no warehouse are shown.
  EXPECT_EQ(f.ÜrünListesi()->count(), 0);
  EXPECT_EQ(f.ÇıkışNedeniKutusu()->currentIndex(), -1);
  EXPECT_EQ(f.ÇıkışıYapanKutusu()->currentText(), QStringLiteral("ALİ VELİ"));
  auto* liste = f.ÇıkışıYapılacakÜrünListesi();
  ASSERT_EQ(liste->SatırSayısı(), 2);
  QStringList ilk;
  for (int k = 0; k < 12; ++k) ilk << liste->AltÖğe(1, k);
  EXPECT_EQ(ilk, (QStringList{QString::number(bora), QString::number(civata), QString::number(merkez),
                              QString::number(ali), "6", TürkçeMetin::TarihMetni(Platform::Bugün()), "BORA",
                              "C-10", "CİVATA", "MERKEZ", "6,00", "2,00"}));
  EXPECT_EQ(ListeGörünümü::SatırEtiketi(liste->Satır(2)), QStringLiteral("%1-%2-%3").arg(cem).arg(civata).arg(merkez));
  EXPECT_EQ(f.Çalışma->ToplamAğırlıkKutusu->text(), QStringLiteral("3,33"));
}

TEST_F(ÇıkışFişiTesti, BaşkaİstasyonStokDüşerseHiçbirŞeyYazılmazSonraSıralıListeYazılır) {
  auto& f = Aç<ÇıkışİşlemleriFormu>(2);
  Satır(f, "MER", "civ", "BOR", "6", 5);
  Satır(f, "MER", "civ", "CEM", "4", 0);
  ASSERT_EQ(f.ÇıkışıYapılacakÜrünListesi()->SatırSayısı(), 2);
  const QString çıkışlar = QStringLiteral("SELECT AliciFirmaNo, CikisNedeni, CikisMiktari, GirisIslemNo "
                                          "FROM CikisIslemleriTablosu WHERE UrunNo = %1 ORDER BY IslemNo")
                               .arg(civata);

  // Meanwhile another workstation issues one of the ten.
  auto başka = Veritabanı::Aç(vt->Yol());
  başka->Çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, CikisNedeni, CikisMiktari) "
                                 "VALUES (?, ?, 0, 1)"),
                  {civata, merkez});
  Tıkla(f.ListeyiStoktanÇıkDüğmesi());
  EXPECT_TRUE(SonMesaj().startsWith(QStringLiteral("MERKEZ deposundaki CİVATA"))) << SonMesaj().toStdString();
  EXPECT_EQ(f.ÇıkışıYapılacakÜrünListesi()->SatırSayısı(), 2);
  EXPECT_EQ(Tablo(çıkışlar).size(), 1);

  başka->Çalıştır(QStringLiteral("DELETE FROM CikisIslemleriTablosu WHERE UrunNo = ?"), {civata});
  // Sorted by customer, descending: CEM's line is written first.
  QHeaderView* başlık = f.ÇıkışıYapılacakÜrünListesi()->header();
  for (int i = 0; i < 2; ++i)
    QTest::mouseClick(başlık->viewport(), Qt::LeftButton, {}, QPoint(başlık->sectionViewportPosition(6) + 5, 5));
  mesajlar.clear();
  Tıkla(f.ListeyiStoktanÇıkDüğmesi());
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_FALSE(f.ListeyiStoktanÇıkDüğmesi()->isEnabled());
  EXPECT_EQ(Tablo(çıkışlar), (QStringList{QStringLiteral("%1|0|4|").arg(cem), QStringLiteral("%1|5|6|").arg(bora)}));
  EXPECT_EQ(FişVerileri::MevcutStok(*vt, civata, merkez), 0);
}

TEST_F(ÇıkışFişiTesti, DepolarYenidenYüklenincekiÜrünStokGöstermezEklenmez) {
  auto& f = Aç<ÇıkışİşlemleriFormu>(2);
  Bul(f.DepoSeçici(), "MER");
  // Its find box is entered with the text left unselected, by its access key as by Tab.
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QTest::keyClick(&f, Qt::Key_B, Qt::AltModifier);
  EXPECT_EQ(f.focusWidget(), f.DepoSeçici().BulKutusu);
  EXPECT_EQ(f.DepoSeçici().BulKutusu->selectedText(), QString());
  QTest::mouseClick(f.DepoSeçici().Seçenek[1], Qt::LeftButton);
  EXPECT_EQ(f.DepoListesi()->item(0)->text(), QStringLiteral("M1"));
  ASSERT_EQ(f.ÜrünListesi()->count(), 2);  // the last warehouse's products stay
  Bul(f.ÜrünSeçici(), "civ");
  EXPECT_EQ(f.MevcutÜrünSayısıKutusu->text(), QString());
  Tıkla(f.ListeyeEkleDüğmesi);
  EXPECT_EQ(SonMesaj(), QStringLiteral("Lütfen, ürünün bulunduğu DEPOYU listeden seçiniz!"));
}

}  // namespace
