#include "Ayarlar.h"
#include "TestOrtami.h"
#include "TurkceMetin.h"

#include <QDir>
#include <QFile>

#include <limits>

namespace {

using namespace TürkçeMetin;

TEST(TürkçeMetin, BüyükHarfYazıldığıGibi) {
  EXPECT_EQ(BüyükHarfeÇevir("istanbul ılık çiğ şöğüt"), "İSTANBUL ILIK ÇİĞ ŞÖĞÜT");
  EXPECT_EQ(BüyükHarfeÇevir("straße 1/2\""), "STRAßE 1/2\"");  // length never changes while typing
  EXPECT_EQ(Katla("İIıi"), "iııi");
  EXPECT_TRUE(BüyükKüçükDuyarsızEşit("IŞIK", "ışık"));
  EXPECT_FALSE(BüyükKüçükDuyarsızEşit("IŞIK", "işik"));
}

TEST(TürkçeMetin, Sıralama) {
  EXPECT_LT(Karşılaştır("C", "Ç"), 0);
  EXPECT_LT(Karşılaştır("Ç", "D"), 0);
  EXPECT_LT(Karşılaştır("I", "İ"), 0);
  EXPECT_LT(Karşılaştır("S", "Ş"), 0);
  EXPECT_LT(Karşılaştır("Ş", "T"), 0);
  EXPECT_LT(Karşılaştır("O", "Ö"), 0);
  EXPECT_LT(Karşılaştır("U", "Ü"), 0);
  EXPECT_NE(Karşılaştır("a", "A"), 0);  // a total order
}

TEST(TürkçeMetin, SayılarVeMiktarlar) {
  EXPECT_EQ(SayıMetni(1234.5), "1.234,50");
  EXPECT_EQ(SayıMetni(0), "0,00");
  EXPECT_EQ(SayıMetni(1234567, 0), "1.234.567");
  EXPECT_EQ(SayaçMetni(1000), "1.000");
  EXPECT_EQ(SayıOku("1.234,5").value_or(-1), 1234.5);
  EXPECT_EQ(SayıOku("1234,5").value_or(-1), 1234.5);
  EXPECT_EQ(SayıOku("1.000").value_or(-1), 1000);
  EXPECT_FALSE(SayıOku("").has_value());
  EXPECT_FALSE(SayıOku("12a").has_value());
  EXPECT_EQ(MiktarOku("0,1").value_or(-1), 10);
  EXPECT_EQ(MiktarOku("2,345").value_or(-1), 235);
  EXPECT_EQ(MiktarMetni(123456), "1.234,56");
  EXPECT_EQ(MiktarMetni(-5), "-0,05");
  EXPECT_EQ(MiktaraÇevir(0.1) + MiktaraÇevir(0.2) - MiktaraÇevir(0.3), 0);
}

// Figures around every grouping step, both signs, as the locale writes them.
TEST(TürkçeMetin, MiktarMetniYerelGibiYazar) {
  const struct {
    Miktar miktar;
    const char* metin;
  } durumlar[] = {{0, "0,00"},
                  {7, "0,07"},
                  {99, "0,99"},
                  {100, "1,00"},
                  {99999, "999,99"},
                  {100000, "1.000,00"},
                  {-100000, "-1.000,00"},
                  {123456789012, "1.234.567.890,12"},
                  {-1, "-0,01"},
                  {100000000000000000, "1.000.000.000.000.000,00"},
                  {std::numeric_limits<Miktar>::max(), "92.233.720.368.547.758,07"},
                  {std::numeric_limits<Miktar>::min(), "-92.233.720.368.547.758,08"}};
  for (const auto& d : durumlar) EXPECT_EQ(MiktarMetni(d.miktar), QString::fromUtf8(d.metin)) << d.miktar;
  for (Miktar m = -250000; m <= 250000; m += 997) {
    const Miktar mutlak = m < 0 ? -m : m;
    const QString yerel = (m < 0 ? Yerel().negativeSign() : QString()) + Yerel().toString(mutlak / 100) +
                          Yerel().decimalPoint() + QString::number(mutlak % 100).rightJustified(2, u'0');
    EXPECT_EQ(MiktarMetni(m), yerel) << m;
  }
}

TEST(TürkçeMetin, Tarihler) {
  EXPECT_EQ(TarihISO(QDate(2024, 3, 5)), "2024-03-05");
  EXPECT_EQ(ISOTarih("2024-03-05"), QDate(2024, 3, 5));
  EXPECT_EQ(TarihMetni(QDate(2024, 3, 5)), "05.03.2024");
  EXPECT_EQ(TarihOku("5.3.2024"), QDate(2024, 3, 5));
  EXPECT_EQ(TarihOku("15.01.2026"), QDate(2026, 1, 15));
  EXPECT_FALSE(TarihOku("31.2.2026").isValid());
  EXPECT_FALSE(TarihOku("abc").isValid());
}

using AyarlarTesti = TestOrtamı;

TEST_F(AyarlarTesti, AnahtarlarSayıSırasıylaGelir) {
  for (int i : {10, 2, 1, 9, 3}) Ayarlar::Yaz("BirimTurleri", QStringLiteral("Sira-%1").arg(i), QString::number(i));
  QStringList sıra;
  for (const auto& [anahtar, değer] : Ayarlar::TümünüOku("BirimTurleri")) sıra << anahtar;
  EXPECT_EQ(sıra, (QStringList{"Sira-1", "Sira-2", "Sira-3", "Sira-9", "Sira-10"}));
}

TEST_F(AyarlarTesti, OkumaYazmaVeBölümSilme) {
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Yok", "v"), "v");
  Ayarlar::Yaz("Ayarlar", "Veritabani", "abc");
  EXPECT_EQ(Ayarlar::SayıOku("Ayarlar", "Veritabani", 0), 0);  // not a number counts as missing
  Ayarlar::Yaz("Ayarlar", "Veritabani", "3");
  EXPECT_EQ(Ayarlar::SayıOku("Ayarlar", "Veritabani", 0), 3);
  Ayarlar::Yaz("Ayarlar", "GirisSifresiSor", "True");
  EXPECT_TRUE(Ayarlar::MantıksalOku("Ayarlar", "GirisSifresiSor", false));
  Ayarlar::Yaz("Listeler\\StokListesi", "Genislik-1", "1500");
  EXPECT_EQ(Ayarlar::Oku("Listeler\\StokListesi", "Genislik-1"), "1500");
  Ayarlar::Yaz("Sunucular", "Sunucu-1", "/srv/ortak klasör");
  EXPECT_TRUE(Ayarlar::BölümVar("Sunucular"));
  Ayarlar::BölümüSil("Sunucular");
  EXPECT_FALSE(Ayarlar::BölümVar("Sunucular"));
  EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), "3");
  // Written at once: the file already holds the value.
  QFile dosya(Ayarlar::DosyaYolu());
  ASSERT_TRUE(dosya.open(QIODevice::ReadOnly));
  EXPECT_TRUE(dosya.readAll().contains("Genislik-1=1500"));
}

// The file out of reach for a while (a folder where it should be), then back as it was, its time
// too: the next write keeps every key the file holds.
TEST_F(AyarlarTesti, UlaşılamayanDosyaGeriGelinceAnahtarlarıKalır) {
  const QString yol = Ayarlar::DosyaYolu();
  Ayarlar::Yaz("Sunucular", "Sunucu-1", "/srv/depo");
  ASSERT_TRUE(QFile::rename(yol, yol + ".yedek"));
  ASSERT_TRUE(QDir().mkpath(yol));
  EXPECT_EQ(Ayarlar::Oku("Sunucular", "Sunucu-1"), "");
  EXPECT_FALSE(Ayarlar::Yaz("Ayarlar", "Veritabani", "1"));
  ASSERT_TRUE(QDir(yol).removeRecursively());
  ASSERT_TRUE(QFile::rename(yol + ".yedek", yol));
  EXPECT_EQ(Ayarlar::Oku("Sunucular", "Sunucu-1"), "/srv/depo");
  EXPECT_TRUE(Ayarlar::Yaz("Ayarlar", "Veritabani", "2"));
  QFile dosya(yol);
  ASSERT_TRUE(dosya.open(QIODevice::ReadOnly));
  EXPECT_TRUE(dosya.readAll().contains("Sunucu-1=/srv/depo"));
}

}  // namespace
