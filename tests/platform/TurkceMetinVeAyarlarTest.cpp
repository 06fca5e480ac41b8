#include "Ayarlar.h"
#include "CocukSureci.h"
#include "TestOrtami.h"
#include "TurkceMetin.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <limits>
#include <map>
#include <optional>
#include <random>

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

using Anahtarlar = std::map<QString, QString>;

// One copy's 300 adds, changes and removes of keys of its own, the same each time for the same
// copy. Keys and values of one length: a change often leaves the file's size as it was.
// `adım` makes one (no value: a removal) and says whether it went as it should.
std::optional<Anahtarlar> KopyanınAdımları(int kopya, const std::function<bool(const QString&, const QString*, const Anahtarlar&)>& adım) {
  std::mt19937 üreteç(kopya);
  Anahtarlar tutulan;
  for (int i = 0; i < 300; ++i) {
    const QString anahtar = QStringLiteral("Kopya%1-%2").arg(kopya).arg(üreteç() % 10);
    const bool sil = tutulan.count(anahtar) && üreteç() % 2;
    if (sil) tutulan.erase(anahtar);
    else tutulan[anahtar] = QString::number(1000 + i);
    if (!adım(anahtar, sil ? nullptr : &tutulan[anahtar], tutulan)) return std::nullopt;
  }
  return tutulan;
}

// Three copies of the program, processes of their own, add, change and remove keys of their own in
// one section at once; after every step each finds its keys as it left them. None is lost, none
// comes back, a key written before them stays. Also on a disk that keeps whole seconds, where the
// file's time and size often stay the same through a change.
TEST_F(AyarlarTesti, AynıAndaYazanKopyalarBirbirininAnahtarınıKaybetmezDiriltmez) {
  const QString bölüm = QStringLiteral("Paylaşılan");
  const auto sıfırla = qScopeGuard([] { Ayarlar::YazıldıktanSonra = {}; });
  // In memory where there is such a folder: what is tested is not the disk, whose syncs are slow.
  const QTemporaryDir bellekte(QStringLiteral("/dev/shm/velmora-XXXXXX"));
  for (const bool tamSaniye : {false, true}) {
    SCOPED_TRACE(tamSaniye);
    const QString ad = QStringLiteral("kopyalar-%1").arg(tamSaniye);
    Ayarlar::KlasöreYönlendir(bellekte.isValid() ? bellekte.filePath(ad) : GeçiciYol(ad));
    ASSERT_TRUE(Ayarlar::Yaz("Sunucular", "Sunucu-1", "/srv/depo"));
    Ayarlar::YazıldıktanSonra = [tamSaniye](const QString& yol) {
      struct stat bilgi {};
      if (!tamSaniye || ::stat(QFile::encodeName(yol).constData(), &bilgi) != 0) return;
      const timespec zaman[2] = {{0, UTIME_OMIT}, {bilgi.st_mtim.tv_sec, 0}};
      ::utimensat(AT_FDCWD, QFile::encodeName(yol).constData(), zaman, 0);
    };
    int başla[2];
    ASSERT_EQ(pipe(başla), 0);
    pid_t kopyalar[3];
    for (int k = 0; k < 3; ++k) {
      if ((kopyalar[k] = fork()) != 0) continue;
      char c;
      close(başla[1]);
      const bool başladı = read(başla[0], &c, 1) == 0;  // all three at once
      const auto adım = [&](const QString& anahtar, const QString* değer, const Anahtarlar& tutulan) {
        if (!(değer ? Ayarlar::Yaz(bölüm, anahtar, *değer) : Ayarlar::AnahtarıSil(bölüm, anahtar))) return false;
        Anahtarlar okunan;
        for (const auto& [a, d] : Ayarlar::TümünüOku(bölüm))
          if (a.startsWith(QStringLiteral("Kopya%1-").arg(k))) okunan[a] = d;
        ::usleep(QRandomGenerator::global()->bounded(1000u));  // a user between two changes: others write
        return okunan == tutulan;
      };
      _exit(başladı && KopyanınAdımları(k, adım) ? 0 : 1);
    }
    close(başla[0]);
    close(başla[1]);
    Anahtarlar beklenen;
    for (int k = 0, durum = -1; k < 3; ++k, durum = -1) {
      EXPECT_TRUE(waitpid(kopyalar[k], &durum, 0) == kopyalar[k] && durum == 0) << k;
      beklenen.merge(*KopyanınAdımları(k, [](auto&&...) { return true; }));
    }
    const auto okunan = Ayarlar::TümünüOku(bölüm);
    EXPECT_EQ(Anahtarlar(okunan.begin(), okunan.end()), beklenen);
    EXPECT_EQ(Ayarlar::Oku("Sunucular", "Sunucu-1"), "/srv/depo");
  }
}

// What an earlier version wrote through Qt reads the same here; what is written here, beside its
// keys or anew, reads the same through Qt.
TEST_F(AyarlarTesti, QtİleİkiYöndeAynıOkunur) {
  const struct {
    const char* bölüm;
    const char* anahtar;
    QString değer;
  } durumlar[] = {
      {"Listeler\\StokListesi", "Genislik-1", QStringLiteral("1500")},
      {"Türkçe Bölüm", "İç Anahtar ŞĞÜÖÇı", QStringLiteral("İstanbul'da ılık çay")},
      {"SonucuBilinmeyenIsler", "Is-1", QStringLiteral("/srv/Vlm.vtb\tonay:5:var\t2026-12-01T10:00:00\tStoğa giriş fişi")},
      {"Ayırıcılar", "a=b;c,d %41 [x]", QStringLiteral("1,5; x=y")},
      {"Tırnak", "t", QStringLiteral("\"alıntı\" ve \\ters\\")},
      {"Et", "bir", QStringLiteral("@başlangıç")},
      {"Et", "tür", QStringLiteral("@Invalid()")},
      {"Boşluk", "baş", QStringLiteral("  baş")},
      {"Boşluk", "son", QStringLiteral("son\t ")},
      {"Denetim", "d", QStringLiteral("a\x01" "f\nb\r\x7f" "c\x1f")},
      {"Denetim", "sıfır", QStringLiteral("nul\0" "1f")},
      {"", "ÜstDüzey", QStringLiteral("genel")},
      {"General", "g", QStringLiteral("General adlı bölüm")},
      {"Yüz", "😀", QStringLiteral("😀 gülen")},
  };
  const auto qtAnahtarı = [](const auto& d) {
    return QString::fromUtf8(d.bölüm).replace(u'\\', u'/') + u'/' + QString::fromUtf8(d.anahtar);
  };
  {
    QSettings qt(Ayarlar::DosyaYolu(), QSettings::IniFormat);
    for (const auto& d : durumlar) qt.setValue(qtAnahtarı(d), d.değer);
  }
  for (const auto& d : durumlar) EXPECT_EQ(Ayarlar::Oku(d.bölüm, d.anahtar, "yok"), d.değer) << d.anahtar;
  ASSERT_TRUE(Ayarlar::Yaz("Ek", "Anahtar", "1"));
  const QString yanında = Ayarlar::DosyaYolu();
  Ayarlar::KlasöreYönlendir(GeçiciYol("yeni"));
  for (const auto& d : durumlar) ASSERT_TRUE(Ayarlar::Yaz(d.bölüm, d.anahtar, d.değer));
  for (const QString& yol : {yanında, Ayarlar::DosyaYolu()}) {
    QSettings qt(yol, QSettings::IniFormat);
    for (const auto& d : durumlar) EXPECT_EQ(qt.value(qtAnahtarı(d)).toString(), d.değer) << yol.toStdString() << d.anahtar;
  }
}

// Lines Qt reads in ways of its own (lists, types, escapes, quotes over a line break, comments,
// sections named twice, a quote left open at the end) read as Qt reads them; after a key is written
// beside them and another of their section removed, Qt reads every other one as it did, its type too.
TEST_F(AyarlarTesti, ElleYazılmışSatırlarQtGibiOkunur) {
  const QString yol = Ayarlar::DosyaYolu();
  ASSERT_TRUE(QDir().mkpath(QFileInfo(yol).path()));
  QFile dosya(yol);
  ASSERT_TRUE(dosya.open(QIODevice::WriteOnly));
  dosya.write("\xEF\xBB\xBFüst=1\n; yorum\n[El\\Alt]\nliste=a, b\nçok=\"a\nb\" ; not\nnoktalı=x;y\n"
              "kaçış=\\x41\\102\\q\\\nc\nyazı=@String(a\\0b)\nbayt=@ByteArray(\xC3\xA7)\nyok=@Invalid()\n"
              "şekil=@Rect(1 2 3 4)\neksik=@Rect(1 2)\nboşluk=  a b  \t\n[%general]\ng=1\n[GENERAL]\nG=2\n"
              "[El]\nçift=1\nçift=2\n%U00C7=\"  \" x \nsonu=\"açık kalan ");
  dosya.close();
  std::map<QString, QVariant> qtOkuduğu;
  {
    QSettings qt(yol, QSettings::IniFormat);
    for (const QString& k : qt.allKeys()) qtOkuduğu[k] = qt.value(k);
  }
  ASSERT_EQ(qtOkuduğu.size(), 16u);
  for (const auto& [k, değer] : qtOkuduğu) {
    const qsizetype b = k.lastIndexOf(u'/');
    EXPECT_EQ(Ayarlar::Oku(b < 0 ? QString() : k.left(b), k.mid(b + 1), "yok"), değer.toString()) << k.toStdString();
  }
  ASSERT_TRUE(Ayarlar::Yaz("Ek", "a", "1"));
  ASSERT_TRUE(Ayarlar::BölümüDeğiştir("El\\Alt", [](auto& d) { d.removeIf([](const auto& s) { return s.first == "yok"; }); }));
  qtOkuduğu.erase("El/Alt/yok");
  QSettings qt(yol, QSettings::IniFormat);
  EXPECT_EQ(qt.allKeys().size(), 16);
  for (const auto& [k, değer] : qtOkuduğu) EXPECT_EQ(qt.value(k), değer) << k.toStdString();
}

// A write the disk refuses (full) leaves the file as it was and nothing beside it; one that goes
// through keeps the file's mode.
TEST_F(AyarlarTesti, YazılamayanDeğişiklikDosyayıOlduğuGibiBırakır) {
  const QString yol = Ayarlar::DosyaYolu();
  ASSERT_TRUE(Ayarlar::Yaz("Sunucular", "Sunucu-1", QString(4000, u'x')));
  ASSERT_EQ(::chmod(QFile::encodeName(yol).constData(), 0640), 0);
  ASSERT_TRUE(Ayarlar::Yaz("Ayarlar", "Veritabani", "1"));
  struct stat bilgi {};
  ASSERT_EQ(::stat(QFile::encodeName(yol).constData(), &bilgi), 0);
  EXPECT_EQ(bilgi.st_mode & 07777, 0640u);
  const auto içerik = [&] {
    QFile f(yol);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  };
  const QByteArray önce = içerik();
  EXPECT_EQ(Çocukta([] {
              ::signal(SIGXFSZ, SIG_IGN);
              const rlimit sınır{1024, 1024};  // room for the lock, not for the file
              ::setrlimit(RLIMIT_FSIZE, &sınır);
              return QByteArray::number(Ayarlar::Yaz("Ayarlar", "Veritabani", "2")) +
                     QByteArray::number(Ayarlar::AnahtarıSil("Ayarlar", "Veritabani"));
            }),
            "00");
  EXPECT_EQ(içerik(), önce);
  EXPECT_EQ(QDir(QFileInfo(yol).path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Velmora.ini"});
}

}  // namespace
