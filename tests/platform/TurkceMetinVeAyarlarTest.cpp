#include "Ayarlar.h"
#include "CocukSureci.h"
#include "TestOrtami.h"
#include "TurkceMetin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QSettings>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

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

// A disk that keeps whole seconds: each write's time cut to its second.
void TamSaniyeyeKes(const QString& yol) {
  struct stat bilgi {};
  if (::stat(QFile::encodeName(yol).constData(), &bilgi) != 0) return;
  const timespec zaman[2] = {{0, UTIME_OMIT}, {bilgi.st_mtim.tv_sec, 0}};
  ::utimensat(AT_FDCWD, QFile::encodeName(yol).constData(), zaman, 0);
}

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
    Ayarlar::YazıldıktanSonra = tamSaniye ? TamSaniyeyeKes : std::function<void(const QString&)>();
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

// An earlier version beside this one: its store, Qt's, keeps the file in memory, alive across
// writes, and reads it again only when its size or time has changed. This one changes keys to
// values of one length while the earlier one has just read the file, within one step of the clock;
// the earlier one's next write undoes none of them. Also on a disk that keeps whole seconds.
TEST_F(AyarlarTesti, ÖncekiSürümünKopyasıDeğişikliğiGeriAlmaz) {
  const auto sıfırla = qScopeGuard([] { Ayarlar::YazıldıktanSonra = {}; });
  for (const bool tamSaniye : {false, true}) {
    SCOPED_TRACE(tamSaniye);
    Ayarlar::KlasöreYönlendir(GeçiciYol(QStringLiteral("onceki-%1").arg(tamSaniye)));
    Ayarlar::YazıldıktanSonra = tamSaniye ? TamSaniyeyeKes : std::function<void(const QString&)>();
    ASSERT_TRUE(Ayarlar::AnahtarlarıYaz("Yeni", {{"A", "1000"}, {"B", "1000"}}) == Ayarlar::Sonuç::Yazıldı);
    int ileri[2], geri[2];
    ASSERT_EQ(pipe(ileri), 0);
    ASSERT_EQ(pipe(geri), 0);
    const pid_t eski = fork();
    if (eski == 0) {
      close(ileri[1]);
      QSettings qt(Ayarlar::DosyaYolu(), QSettings::IniFormat);
      int yazılan = 0;
      for (char c = 0; read(ileri[0], &c, 1) == 1 && write(geri[1], &c, 1) == 1;) {
        if (c == 'y') qt.setValue("Eski/C", 2000 + yazılan++);
        qt.sync();  // 'o': reads the file, if its size or time changed
        if (write(geri[1], &c, 1) != 1) break;
      }
      std::_Exit(qt.status() == QSettings::NoError ? 0 : 1);
    }
    const auto eskiYapsın = [&](char c) { return write(ileri[1], &c, 1) == 1 && read(geri[0], &c, 1) == 1 && read(geri[0], &c, 1) == 1; };
    int geriAlınan = 0;
    for (int i = 0; i < 40; ++i) {
      const QString a = QString::number(3000 + i), b = QString::number(4000 + i);
      ASSERT_TRUE(Ayarlar::Yaz("Yeni", "A", a));
      ASSERT_TRUE(eskiYapsın('o'));
      ASSERT_TRUE(Ayarlar::Yaz("Yeni", "B", b));
      ASSERT_TRUE(eskiYapsın('y'));
      geriAlınan += Ayarlar::Oku("Yeni", "A") != a || Ayarlar::Oku("Yeni", "B") != b;
    }
    close(ileri[1]);
    int durum = -1;
    EXPECT_TRUE(waitpid(eski, &durum, 0) == eski && durum == 0);
    for (int fd : {ileri[0], geri[0], geri[1]}) close(fd);
    EXPECT_EQ(geriAlınan, 0);
    EXPECT_EQ(Ayarlar::Oku("Eski", "C"), "2039");
  }
}

QByteArray İçeriği(const QString& yol) {
  QFile f(yol);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

mode_t Kipi(const QString& yol) {
  struct stat bilgi {};
  return ::lstat(QFile::encodeName(yol).constData(), &bilgi) == 0 ? bilgi.st_mode : 0;
}

// The file as users keep it: a link into a folder of their own whose target is not there yet is
// followed, as Qt's store followed it, and stays a link; a file made read-only, there or through
// the link, is left as it is and the write reported failed; copies killed inside their writes,
// and a file one left aside by name, leave nothing beside the settings once another writes.
TEST_F(AyarlarTesti, DosyaKullanıcınınTuttuğuGibiKalır) {
  const QString yol = Ayarlar::DosyaYolu(), kendi = GeçiciYol("kendi-klasorum"), hedef = kendi + "/velmora.ini";
  ASSERT_TRUE(QDir().mkpath(kendi) && QDir().mkpath(QFileInfo(yol).path()));
  const auto bağla = [&] { ASSERT_TRUE(QFile::link(hedef, yol)); };
  const auto saltOkunur = [](const QString& dosya) {
    ASSERT_TRUE(Ayarlar::Yaz("Sunucular", "Sunucu-1", "/srv/depo"));
    ASSERT_EQ(::chmod(QFile::encodeName(dosya).constData(), 0444), 0);
  };
  const auto öldür = [] {
    for (int k = 0; k < 6; ++k) {
      const pid_t yazan = fork();
      if (yazan == 0)
        for (int i = 0;; ++i) Ayarlar::Yaz("Kopya", "Sayac", QString::number(i));
      ::usleep(useconds_t(QRandomGenerator::global()->bounded(5000, 40000)));
      ::kill(yazan, SIGKILL);
      ::waitpid(yazan, nullptr, 0);
    }
    // As a killed writer leaves one where files cannot be made without a name.
    QFile kalan(Ayarlar::DosyaYolu() + ".yeni-1f2e3d");
    ASSERT_TRUE(kalan.open(QIODevice::WriteOnly));
  };
  const struct {
    const char* ad;
    std::function<void()> hazırla;
    QString dosya;  // where the settings stand
    bool yazılır;
  } durumlar[] = {
      {"hedefi olmayan bağ", bağla, hedef, true},
      {"bağın hedefi salt okunur", [&] { bağla(), saltOkunur(hedef); }, hedef, false},
      {"salt okunur dosya", [&] { saltOkunur(yol); }, yol, false},
      {"yazarken öldürülen kopyalar", [&] {
         ASSERT_TRUE(Ayarlar::Yaz("Sunucular", "Sunucu-1", "/srv/depo"));
         öldür();
       }, yol, true},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.ad);
    for (const QString& dosya : {yol, hedef}) {
      ::chmod(QFile::encodeName(dosya).constData(), 0644);
      QFile::remove(dosya);
    }
    d.hazırla();
    const QByteArray önce = İçeriği(d.dosya);
    const mode_t kip = Kipi(d.dosya);
    EXPECT_EQ(Ayarlar::AnahtarlarıYaz("Ayarlar", {{"Veritabani", "1"}}),
              d.yazılır ? Ayarlar::Sonuç::Yazıldı : Ayarlar::Sonuç::Yazılamadı);
    EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Veritabani"), d.yazılır ? "1" : "");
    EXPECT_EQ(S_ISLNK(Kipi(yol)), d.dosya == hedef);
    if (d.yazılır) {
      EXPECT_TRUE(İçeriği(d.dosya).contains("Veritabani=1"));
    } else {
      EXPECT_EQ(İçeriği(d.dosya), önce);
      EXPECT_EQ(Kipi(d.dosya), kip);
    }
    if (!önce.isEmpty()) {
      EXPECT_EQ(Ayarlar::Oku("Sunucular", "Sunucu-1"), "/srv/depo");
    }
    for (const QString& klasör : {QFileInfo(yol).path(), kendi})
      EXPECT_EQ(QDir(klasör).entryList({"*.yeni-*", "*.lock"}, QDir::Files | QDir::Hidden), QStringList()) << klasör.toStdString();
  }
}

// The lock a copy holds while it writes, as another copy sees it: one left by a copy of another
// workstation is stale once unchanged for a while, and a write waits no longer than that; one a
// live copy of this machine holds is never taken from it. Asked not to wait, a change ends at once.
TEST_F(AyarlarTesti, KilitBeklemesi) {
  const QString yol = Ayarlar::DosyaYolu();
  ASSERT_TRUE(Ayarlar::Yaz("Sunucular", "Sunucu-1", "/srv/depo"));
  for (const bool canlı : {false, true}) {
    SCOPED_TRACE(canlı ? "bu makinede yaşayan kopya" : "başka makinenin bıraktığı kilit");
    int hazır[2], bitir[2];
    ASSERT_EQ(pipe(hazır), 0);
    ASSERT_EQ(pipe(bitir), 0);
    const pid_t tutan = canlı ? fork() : -1;
    if (tutan == 0) {
      close(bitir[1]);  // it ends with the test, however the test ends
      QLockFile kilit(yol + ".lock");
      char c = kilit.tryLock(0);
      std::_Exit(write(hazır[1], &c, 1) == 1 && read(bitir[0], &c, 1) >= 0 ? 0 : 1);
    }
    char c = 1;
    if (canlı) {
      ASSERT_EQ(read(hazır[0], &c, 1), 1);
    } else {
      QFile kilit(yol + ".lock");
      ASSERT_TRUE(kilit.open(QIODevice::WriteOnly));
      kilit.write("4242\nvelmora\nbaska-is-istasyonu\n0f1e2d3c4b5a69788796a5b4c3d2e1f0\n");
    }
    ASSERT_EQ(c, 1);
    bool değişti = false;
    EXPECT_FALSE(Ayarlar::BölümüBeklemedenDeğiştir("SonucuBilinmeyenIsler", [&](auto&) { değişti = true; }));
    EXPECT_FALSE(değişti);
    QElapsedTimer süre;
    süre.start();
    const QString değer = QString::number(canlı);
    EXPECT_EQ(Ayarlar::AnahtarlarıYaz("Ayarlar", {{"Veritabani", değer}, {"KritikStokUyarisi", değer}}),
              canlı ? Ayarlar::Sonuç::Kilitli : Ayarlar::Sonuç::Yazıldı);
    EXPECT_LT(süre.elapsed(), (Ayarlar::KilitBayatlığı * 2 + std::chrono::seconds(3)).count());
    EXPECT_EQ(QFile::exists(yol + ".lock"), canlı);
    EXPECT_EQ(Ayarlar::Oku("Ayarlar", "KritikStokUyarisi"), "0");
    if (canlı) {
      ASSERT_EQ(write(bitir[1], "x", 1), 1);
      ::waitpid(tutan, nullptr, 0);
    }
    for (int fd : {hazır[0], hazır[1], bitir[0], bitir[1]}) close(fd);
    EXPECT_TRUE(Ayarlar::BölümüBeklemedenDeğiştir("Ayarlar", [](auto& d) { d.append({QStringLiteral("Yeni"), QStringLiteral("1")}); }));
    EXPECT_EQ(Ayarlar::Oku("Ayarlar", "Yeni"), "1");
    Ayarlar::AnahtarıSil("Ayarlar", "Yeni");
  }
}

}  // namespace
