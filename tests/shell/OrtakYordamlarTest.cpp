#include "KabukTestOrtami.h"
#include "OrtakYordamlarModulu.h"
#include "Platform.h"

#include <QListWidget>

namespace {

using OrtakYordamlarTesti = KabukTestOrtamı;
using namespace OrtakYordamlarModülü;

TEST_F(OrtakYordamlarTesti, ListedeAraTürkçeHarfleriKatlar) {
  QListWidget liste;
  liste.addItems({"ARMUT", "IŞIK", "İNCİR", "ıhlamur"});
  EXPECT_EQ(ListedeAra(&liste, "i"), 2);
  EXPECT_EQ(ListedeAra(&liste, "ı"), 1);
  EXPECT_EQ(ListedeAra(&liste, "IH"), 3);
  EXPECT_EQ(ListedeAra(&liste, "a"), 0);
  EXPECT_EQ(ListedeAra(&liste, "z"), -1);
}
}  // namespace

namespace {

using HataİşleYordamıTesti = KabukTestOrtamı;
using namespace OrtakYordamlarModülü;

TEST_F(HataİşleYordamıTesti, AğVeErişimHatalarıProgramıBitirir) {
  for (int numara : {3043, 3044, 3051}) {
    mesajlar.clear();
    EXPECT_THROW(HataİşleYordamı(numara, "x"), ProgramSonlandı);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].stil, 48);
    EXPECT_EQ(mesajlar[0].metin, numara == 3051
                                     ? "Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!"
                                     : "Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
  }
}

// Nothing was written and the file is sound: the user is told what to do, the program goes on.
TEST_F(HataİşleYordamıTesti, DoluDiskVeSaltOkunurKlasörSöylenirProgramSürer) {
  for (int numara : {3026, 3027}) {
    mesajlar.clear();
    EXPECT_NO_THROW(HataİşleYordamı(numara, "Diskte yer kalmadı. Lütfen, yer açıp yeniden deneyiniz."));
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].stil, 48);
    EXPECT_EQ(mesajlar[0].metin, "Diskte yer kalmadı. Lütfen, yer açıp yeniden deneyiniz.");
  }
  EXPECT_TRUE(bitişler.empty());
}

TEST_F(HataİşleYordamıTesti, Hata3356SessizGeçer) {
  EXPECT_NO_THROW(HataİşleYordamı(3356, "x"));
  EXPECT_TRUE(mesajlar.empty());
}

TEST_F(HataİşleYordamıTesti, DiğerHatalarSorarEvetDevamEder) {
  bool teslim = false;
  Ortak::ExcelUygulaması = [&] { teslim = true; };
  Cevapla({Platform::Cevap::Evet});
  EXPECT_NO_THROW(HataİşleYordamı(3260, "Kilitli"));
  EXPECT_TRUE(teslim);
  EXPECT_FALSE(Ortak::ExcelUygulaması);
  ASSERT_EQ(mesajlar.size(), 1u);
  EXPECT_EQ(mesajlar[0].stil, 20);
  EXPECT_EQ(mesajlar[0].başlık, "Hata oluştu!");
  EXPECT_EQ(mesajlar[0].metin.split('\n'),
            (QStringList{"Program, aşağıdaki hata nedeniyle doğru çalışmayabilir! ",
                         "Yine de devam etmek istiyor musunuz?", "", "Hata Kodu: 3260", "", "Hata Mesajı: Kilitli"}));
  Cevapla({Platform::Cevap::Hayır});
  EXPECT_THROW(HataİşleYordamı(3001, "x"), ProgramSonlandı);
}

TEST_F(HataİşleYordamıTesti, HataYakalaOlayınKalanınıBırakır) {
  int adım = 0;
  Cevapla({Platform::Cevap::Evet});
  const bool tamam = HataYakala([&] {
    adım = 1;
    Ortak::Veritabanı->Çalıştır("INSERT INTO OlmayanTablo VALUES (1)");
    adım = 2;
  });
  EXPECT_FALSE(tamam);
  EXPECT_EQ(adım, 1);
  EXPECT_EQ(mesajlar.size(), 1u);
}

TEST_F(HataİşleYordamıTesti, AdAramaları) {
  vt->Çalıştır("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi) VALUES ('A', 'ÇELİK BORU')");
  const qint64 u = vt->SonEklenenNo();
  vt->Çalıştır("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES ('D', 'MERKEZ')");
  EXPECT_EQ(ÜrünAdıGetir(u), "ÇELİK BORU");
  EXPECT_EQ(DepoAdıGetir(vt->SonEklenenNo()), "MERKEZ");
  EXPECT_THROW(ÜrünAdıGetir(u + 100), VeritabanıHatası);
}

}  // namespace

#include "Ayarlar.h"

#include <QComboBox>

namespace {

using SonKullanılanlarTesti = KabukTestOrtamı;

QStringList Öğeler(const QComboBox& k) {
  QStringList s;
  for (int i = 0; i < k.count(); ++i) s << k.itemText(i);
  return s;
}

TEST_F(SonKullanılanlarTesti, OnAdetSınırıVeKayıtSırası) {
  QComboBox kutu;
  kutu.setEditable(true);
  for (int i = 1; i <= 9; ++i) {
    kutu.setEditText(QStringLiteral("B%1").arg(i));
    OrtakYordamlarModülü::SonKullanılanlarıKaydet(&kutu, "BirimTurleri");
  }
  kutu.setEditText("KOLİ");
  OrtakYordamlarModülü::SonKullanılanlarıKaydet(&kutu, "BirimTurleri");
  EXPECT_EQ(kutu.count(), 10);
  EXPECT_EQ(kutu.itemText(0), "KOLİ");
  EXPECT_EQ(Ayarlar::Oku("BirimTurleri", "Sira-10"), "KOLİ");

  // Differs only in letter case (Turkish pairs): nothing changes.
  kutu.setEditText("koli");
  OrtakYordamlarModülü::SonKullanılanlarıKaydet(&kutu, "BirimTurleri");
  kutu.setEditText("");
  OrtakYordamlarModülü::SonKullanılanlarıKaydet(&kutu, "BirimTurleri");
  EXPECT_EQ(kutu.count(), 10);

  kutu.setEditText("PALET");
  OrtakYordamlarModülü::SonKullanılanlarıKaydet(&kutu, "BirimTurleri");
  const QStringList beklenen{"PALET", "KOLİ", "B9", "B8", "B7", "B6", "B5", "B4", "B3", "B2"};
  EXPECT_EQ(Öğeler(kutu), beklenen);
  QStringList kayıtlı;
  for (const auto& [anahtar, değer] : Ayarlar::TümünüOku("BirimTurleri")) kayıtlı << değer;
  EXPECT_EQ(kayıtlı, beklenen);

  QComboBox yeni;
  OrtakYordamlarModülü::SonKullanılanlarıYükle(&yeni, "BirimTurleri");
  EXPECT_EQ(Öğeler(yeni), beklenen);
  QComboBox boş;
  OrtakYordamlarModülü::SonKullanılanlarıYükle(&boş, "YokBolum");
  EXPECT_EQ(boş.count(), 0);
}

}  // namespace
