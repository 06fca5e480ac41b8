// The entry fields the three vouchers share: the date, the quantity's keys and its weight check;
// and the question they ask when closed with rows left.
#include "Ayarlar.h"
#include "KosuDosyalari.h"
#include "GirisIslemleriFormu.h"
#include "HataliDisk.h"
#include "KilitliDosya.h"
#include "KritikStokVerileri.h"
#include "Platform.h"
#include "SayiSigmasi.h"
#include "StokBakiyesi.h"
#include "StoktanFisTestOrtami.h"
#include "TarihKutusu.h"

namespace {

class FişAlanlarıTesti : public StoktanFişTesti {
protected:
  void SetUp() override {
    StoktanFişTesti::SetUp();
    ÖrnekTanımlar();
    Alıcı("BORA");
    Giriş(somun, merkez, 999999999999999.0);
    Ortak::TanımSayıları = {2, 3, 2};
  }
  void TearDown() override {
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<GirişİşlemleriFormu>();
    StoktanFişTesti::TearDown();
  }
  struct Fiş {
    std::function<FişFormu&()> aç;
    std::vector<const char*> seçimler;  // typed into the find boxes, left to right
  };
  std::vector<Fiş> Fişler() {
    return {{[this]() -> FişFormu& { return Aç<GirişİşlemleriFormu>(1); }, {"AKI", "SOM", "MER"}},
            {[this]() -> FişFormu& { return Aç<ÇıkışİşlemleriFormu>(2); }, {"MER", "SOM", "BOR"}},
            {[this]() -> FişFormu& { return Aç<DepodanDepoyaTransferFormu>(8); }, {"MER", "SOM", "Ş"}}};
  }
  qint64 KişiSayısı() { return Tablo("SELECT GirisCikisYapanNo FROM GirisCikisYapanlarTablosu").size(); }
};

TEST_F(FişAlanlarıTesti, TarihTekDurakMiktarTuşlarıVeAğırlıkSınırı) {
  for (const Fiş& fiş : Fişler()) {
    FişFormu& f = fiş.aç();
    const std::string ad = f.windowTitle().toStdString();
    // The date is one stop: Tab leaves it from whichever part the arrows moved to.
    f.TarihAlanı->setFocus();
    QTest::keyClick(f.TarihAlanı, Qt::Key_Right);
    QTest::keyClick(f.TarihAlanı, Qt::Key_Tab);
    EXPECT_EQ(f.focusWidget(), f.MiktarKutusu) << ad;

    // The keypad's decimal key types the comma, once; the main keyboard's point is the grouping mark.
    const std::pair<std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>>, const char*> tuşlar[] = {
        {{{Qt::Key_2, {}}, {Qt::Key_Period, Qt::KeypadModifier}, {Qt::Key_5, {}}, {Qt::Key_Period, Qt::KeypadModifier}},
         "2,5"},
        {{{Qt::Key_1, {}}, {Qt::Key_Period, {}}, {Qt::Key_0, {}}, {Qt::Key_0, {}}, {Qt::Key_0, {}}}, "1000"}};
    for (const auto& [basılan, beklenen] : tuşlar) {
      f.MiktarKutusu->clear();
      for (const auto& [tuş, değiştirici] : basılan) QTest::keyClick(f.MiktarKutusu, tuş, değiştirici);
      EXPECT_EQ(f.MiktarKutusu->text(), beklenen) << ad;
    }

    // A weight too large to keep is refused with the add checks: no new person, no line. The stock's
    // weight, as large, is left unshown rather than raised as an error.
    mesajlar.clear();
    for (size_t i = 0; i < fiş.seçimler.size(); ++i) Bul(*f.Seçiciler[i], fiş.seçimler[i]);
    f.KişiKutusu->setEditText(QStringLiteral("YENİ KİŞİ"));
    if (f.NedenKutusu) f.NedenKutusu->setCurrentIndex(0);
    Yaz(f.MiktarKutusu, "999999999999999");
    const qint64 kişiler = KişiSayısı();
    Tıkla(f.ListeyeEkleDüğmesi);
    ASSERT_EQ(mesajlar.size(), 1u) << ad;
    EXPECT_EQ(mesajlar[0].metin, OrtakYordamlarModülü::BüyükMiktarMetni) << ad;
    EXPECT_EQ(f.focusWidget(), f.MiktarKutusu) << ad;
    EXPECT_EQ(KişiSayısı(), kişiler) << ad;
    EXPECT_FALSE(f.Çalışma->Dolu()) << ad;
    f.close();
  }
}

// Another workstation holds the file when the product is chosen: once the user goes on, the
// choice is let go with nothing of it shown, and no line is added from it.
TEST_F(FişAlanlarıTesti, OkunamayanÜrünBırakılırOndanSatırEklenmez) {
  for (const Fiş& fiş : Fişler()) {
    FişFormu& f = fiş.aç();
    const std::string ad = f.windowTitle().toStdString();
    Bul(*f.Seçiciler[0], fiş.seçimler[0]);
    Bul(*f.Seçiciler[2], fiş.seçimler[2]);
    f.KişiKutusu->setEditText(QStringLiteral("ALİ VELİ"));
    if (f.NedenKutusu) f.NedenKutusu->setCurrentIndex(0);
    Yaz(f.MiktarKutusu, "5");
    QListWidget* ürünler = f.Seçiciler[1]->Liste;
    const auto somunu = ürünler->findItems(QStringLiteral("SOMUN"), Qt::MatchExactly);
    ASSERT_EQ(somunu.size(), 1) << ad;
    mesajlar.clear();
    {
      KilitliDosya kilit(vt->Yol());
      Cevapla({Platform::Cevap::Evet});
      QTest::mouseClick(ürünler->viewport(), Qt::LeftButton, {}, ürünler->visualItemRect(somunu[0]).center());
    }
    ASSERT_EQ(mesajlar.size(), 1u) << ad;
    EXPECT_FALSE(f.Seçiciler[1]->SeçiliNo()) << ad;
    EXPECT_EQ((f.ÜrünKoduKutusu ? f.ÜrünKoduKutusu->text() : QString()) + f.MevcutÜrünSayısıKutusu->text() +
                  f.MevcutÜrünAğırlığıKutusu->text(),
              QString())
        << ad;
    Tıkla(f.ListeyeEkleDüğmesi);
    EXPECT_EQ(SonMesaj(), QStringLiteral("Lütfen, listeden bir ÜRÜN seçiniz!")) << ad;
    EXPECT_FALSE(f.Çalışma->Dolu()) << ad;
    f.close();
  }
}

// The largest figure the quantity field is let keep: the line's cells, the total, the stored row,
// and the weights the lists and the critical form read from the file, all to the hundredth; one
// digit more is refused at the add.
TEST_F(FişAlanlarıTesti, EnBüyükMiktarVeAğırlıklarıKuruşuKuruşunaTutulur) {
  const qint64 tel = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES ('T', 'TEL', 1)", {});
  auto& f = static_cast<GirişİşlemleriFormu&>(Fişler()[0].aç());
  Bul(*f.Seçiciler[0], "AKI");
  Bul(*f.Seçiciler[1], "TEL");
  Bul(*f.Seçiciler[2], "ŞUB");
  f.KişiKutusu->setEditText(QStringLiteral("ALİ VELİ"));
  for (const char* miktar : {"999999999999999", "10000000000000", "9999999999999,99"}) {
    mesajlar.clear();
    Yaz(f.MiktarKutusu, miktar);
    Tıkla(f.ListeyeEkleDüğmesi);
  }
  EXPECT_EQ(SonMesaj(), QString());
  ASSERT_EQ(f.Çalışma->Satırlar().size(), 1u);
  const QString enBüyük = QStringLiteral("9.999.999.999.999,99");
  EXPECT_EQ(f.Çalışma->Satırlar()[0].mid(9), QStringList({enBüyük, enBüyük}));
  EXPECT_EQ(f.ToplamAğırlıkKutusu->text(), enBüyük);
  f.ListeyiStoğaEkleDüğmesi_Click();
  EXPECT_EQ(vt->KayıtKümesiAç("SELECT GirisMiktari FROM GirisIslemleriTablosu WHERE UrunNo= ?", {tel}).Miktar("GirisMiktari"),
            TürkçeMetin::EnBüyükMiktar);
  // Hundredths times ten-thousandths pass 64 bits here: the file's weights are exact all the same.
  const QString satır = QStringLiteral("SELECT %1 AS a FROM UrunBilgileriTablosu u WHERE UrunNo= ?")
                            .arg(QString::fromStdString(StokBakiyesi::Ağırlık("999999999999999")));
  EXPECT_EQ(vt->KayıtKümesiAç(satır, {tel}).Miktar("a"), TürkçeMetin::EnBüyükMiktar);
  EXPECT_EQ(KritikStokVerileri::ToplamAğırlık(*vt, şube), TürkçeMetin::EnBüyükMiktar);
  f.close();
}

}  // namespace

namespace {

// The add already counts the warehouse's stock and the lines listed for it: a line that would take
// the stock past the largest figure kept is refused with the add's message, nothing listed.
TEST_F(FişAlanlarıTesti, StoğuTamTutulamayacakSatırEklenirkenReddedilir) {
  const qint64 tel = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES ('T', 'TEL', 1)", {});
  Giriş(tel, şube, 9'999'999'999'999.0);
  Giriş(tel, merkez, 5);
  struct Adım {
    int fiş;
    std::vector<const char*> seçimler;
    const char* miktar;
    bool eklenir;
  };
  const Adım adımlar[] = {{0, {"AKI", "TEL", "ŞUB"}, "0,99", true},
                          {0, {"YIL", "TEL", "ŞUB"}, "0,01", false},
                          {2, {"MER", "TEL", "Ş"}, "1", false}};
  for (const Adım& a : adımlar) {
    FişFormu& f = Fişler()[static_cast<size_t>(a.fiş)].aç();
    const std::size_t önce = f.Çalışma->Satırlar().size();
    for (size_t i = 0; i < a.seçimler.size(); ++i) Bul(*f.Seçiciler[i], a.seçimler[i]);
    f.KişiKutusu->setEditText(QStringLiteral("ALİ VELİ"));
    Yaz(f.MiktarKutusu, a.miktar);
    mesajlar.clear();
    Tıkla(f.ListeyeEkleDüğmesi);
    EXPECT_EQ(SonMesaj(), a.eklenir ? QString() : OrtakYordamlarModülü::BüyükMiktarMetni) << a.miktar;
    EXPECT_EQ(f.Çalışma->Satırlar().size(), önce + (a.eklenir ? 1 : 0)) << a.miktar;
  }
}

// The largest figure kept shows whole in the stock on hand and its weight, in the quantity field,
// in the working list's cells and in the total, on all three vouchers.
TEST_F(FişAlanlarıTesti, EnBüyükSayıKutulardaVeSütunlardaBütünGörünür) {
  const qint64 tel = Ekle("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES ('T', 'TEL', 1)", {});
  Giriş(tel, şube, 9999999999999.99);
  const std::vector<const char*> seçimler[] = {{"AKI", "TEL", "ŞUB"}, {"ŞUB", "TEL", "BOR"}, {"ŞUB", "TEL", "MER"}};
  const auto fişler = Fişler();
  for (size_t i = 0; i < fişler.size(); ++i) {
    FişFormu& f = fişler[i].aç();
    SCOPED_TRACE(f.windowTitle().toStdString());
    for (size_t s = 0; s < seçimler[i].size(); ++s) Bul(*f.Seçiciler[s], seçimler[i][s]);
    EXPECT_TRUE(KutudaBütün(*f.MevcutÜrünSayısıKutusu, EnBüyükSayı));
    EXPECT_TRUE(KutudaBütün(*f.MevcutÜrünAğırlığıKutusu, EnBüyükSayı));
    // An entry of the largest figure goes where nothing is on hand: over it, it would pass what is kept.
    if (i == 0) Bul(*f.Seçiciler[2], "MER");
    f.KişiKutusu->setEditText(QStringLiteral("ALİ VELİ"));
    if (f.NedenKutusu) f.NedenKutusu->setCurrentIndex(0);
    mesajlar.clear();
    Yaz(f.MiktarKutusu, "9999999999999,99");
    Tıkla(f.ListeyeEkleDüğmesi);
    EXPECT_EQ(SonMesaj(), QString());
    ListeGörünümü& l = *f.Çalışma->Liste;
    ASSERT_EQ(l.SatırSayısı(), 1);
    int sayılar = 0;
    for (int k = 0; k < l.SütunSayısı(); ++k) {
      if (l.SütunHizası(k + 1) != SütunluListe::Hiza::Sağ) continue;
      ++sayılar;
      EXPECT_EQ(l.AltÖğe(1, k), EnBüyükSayı) << k;
      EXPECT_TRUE(HücredeBütün(l, l.indexFromItem(l.Satır(1), k))) << k;
    }
    EXPECT_EQ(sayılar, 2);  // the quantity and its weight
    EXPECT_TRUE(KutudaBütün(*f.Çalışma->ToplamAğırlıkKutusu, EnBüyükSayı));
    f.MiktarKutusu->setText(EnBüyükSayı);
    EXPECT_TRUE(KutudaBütün(*f.MiktarKutusu, EnBüyükSayı));
    f.Çalışma->Temizle();
    f.close();
  }
}

// Closed with rows left, each voucher asks in its own words. Rows of a commit whose outcome the disk
// hid may be stored already: the question says so and that the program will still tell; rows added
// since are not saved. Where the settings could not keep the try (the exit voucher here), it does
// not promise a restart will tell.
TEST_F(FişAlanlarıTesti, KapatmaSorusuSonucuBilinmeyenSatırlarıDoğruSöyler) {
  Giriş(civata, merkez, 10);
  const struct {
    std::vector<const char*> ilk, sonraki;  // two lines, typed into the find boxes
    const char *soru, *bilinmeyen, *eklenen;
  } durumlar[] = {
      {{"AKI", "CİV", "MER"}, {"YIL", "CİV", "MER"},
       "Listenizde stoğa EKLENMEMİŞ ürünler var, devam ederseniz bu ürünler stoğa eklenmeyecek!\n\n"
       "Bu ürünleri stoğa eklemeden devam etmek istediğinize emin misiniz?",
       "stoğa eklenip eklenmedikleri henüz bilinmiyor", "eklediğiniz ürünler ise stoğa eklenmeyecek!"},
      {{"MER", "CİV", "BOR"}, {"MER", "SOM", "BOR"},
       "Listenizde stoktan ÇIKILMAMIŞ ürünler var, devam ederseniz bu ürünler stoktan düşülmeyecek!\n\n"
       "Bu ürünleri stoktan çıkmadan devam etmek istediğinize emin misiniz?",
       "stoktan düşülüp düşülmedikleri henüz bilinmiyor", "eklediğiniz ürünler ise stoktan düşülmeyecek!"},
      {{"MER", "CİV", "Ş"}, {"MER", "SOM", "Ş"},
       "Listenizde transfer EDİLMEMİŞ ürünler var, devam ederseniz bu ürünler transfer edilmeyecek!\n\n"
       "Bu ürünleri transfer etmeden devam etmek istediğinize emin misiniz?",
       "aktarılıp aktarılmadıkları henüz bilinmiyor", "eklediğiniz ürünler ise transfer edilmeyecek!"},
  };
  for (size_t i = 0; i < std::size(durumlar); ++i) {
    const auto& d = durumlar[i];
    FişFormu& f = Fişler()[i].aç();
    SCOPED_TRACE(f.windowTitle().toStdString());
    // Adds a line, then asks to close and answers `cevap`: the question.
    const auto ekleKapat = [&](const std::vector<const char*>& seçimler, int cevap) {
      for (size_t s = 0; s < seçimler.size(); ++s) Bul(*f.Seçiciler[s], seçimler[s]);
      f.KişiKutusu->setEditText(QStringLiteral("ALİ VELİ"));
      if (f.NedenKutusu) f.NedenKutusu->setCurrentIndex(0);
      Yaz(f.MiktarKutusu, "1");
      Tıkla(f.ListeyeEkleDüğmesi);
      mesajlar.clear();
      Cevapla({cevap});
      Tıkla(f.KapatDüğmesi);
      EXPECT_EQ(mesajlar.size() == 1 ? mesajlar[0].stil : 0, 36);
      return SonMesaj();
    };
    EXPECT_EQ(ekleKapat(d.ilk, Platform::Cevap::Hayır), QString::fromUtf8(d.soru));
    const bool saklanamaz = i == 1;
    // A file where the runs' folder is: nothing can be kept there.
    const QString klasör = KoşuDosyaları::Klasör(), yedek = klasör + QStringLiteral(".yedek");
    if (saklanamaz) {
      İşlemİzleri::KoşuDosyasındaTut = true;
      ASSERT_TRUE(QDir().mkpath(klasör) && QDir().rename(klasör, yedek));
      ASSERT_TRUE(QFile(klasör).open(QIODevice::WriteOnly));
    }
    {
      HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 1, {}, HatalıDisk::BaşlıkOkunamaz);
      Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
      Tıkla(f.ListeDüğmeleri[0]);
    }
    if (saklanamaz) {
      ASSERT_TRUE(QFile::remove(klasör) && QDir().rename(yedek, klasör));
    }
    İşlemİzleri::KoşuDosyasındaTut = false;
    const QString bilinmeyen = ekleKapat(d.ilk, Platform::Cevap::Hayır);  // refused: a line listed already
    EXPECT_TRUE(bilinmeyen.contains(QString::fromUtf8(d.bilinmeyen)) &&
                bilinmeyen.contains(QStringLiteral("program bunu yine de öğrenip size bildirecek")) &&
                !bilinmeyen.contains(QString::fromUtf8(d.eklenen)))
        << bilinmeyen.toStdString();
    EXPECT_EQ(bilinmeyen.contains(QStringLiteral("program yeniden açıldığında")), !saklanamaz);
    EXPECT_EQ(bilinmeyen.contains(QStringLiteral("ondan önce kapanırsa bildiremeyecek")), saklanamaz);
    const QString ikisi = ekleKapat(d.sonraki, Platform::Cevap::Evet);
    EXPECT_TRUE(ikisi.contains(QString::fromUtf8(d.bilinmeyen)) && ikisi.contains(QString::fromUtf8(d.eklenen)))
        << ikisi.toStdString();
    EXPECT_FALSE(f.isVisible());
  }
}

}  // namespace
