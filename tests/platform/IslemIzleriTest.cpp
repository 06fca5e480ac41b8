// Works kept as unknown over the end of a run, read back at connection: what the user is told, which
// tokens the file keeps, and what neither a workstation's clock nor a copy of the settings changes.
#include "Ayarlar.h"
#include "HataliDisk.h"
#include "IslemIzleri.h"
#include "KosuDosyalari.h"
#include "TestOrtami.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QFileInfo>

#include <sqlite3.h>
#include <chrono>
#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const QString Bekleyenler = QStringLiteral("SonucuBilinmeyenIsler");

// Another copy of the program, in a process of its own, sharing the settings and the file. Its
// work calls `sıra` where it waits for this process's Devam(); it ends as a crash would.
class BaşkaKopya {
public:
  explicit BaşkaKopya(const std::function<bool(const std::function<bool()>& sıra)>& iş) {
    if (pipe(ileri_) != 0 || pipe(geri_) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      İşlemİzleri::HepsiniUnut();  // a run of its own
      char c = 0;
      std::_Exit(iş([&] { return write(geri_[1], "b", 1) == 1 && read(ileri_[0], &c, 1) == 1; }) ? 0 : 1);
    }
  }
  ~BaşkaKopya() {
    Bitir();
    for (int fd : {ileri_[0], ileri_[1], geri_[0], geri_[1]}) close(fd);
  }
  // Until it reaches its turn.
  bool Bekle() {
    char c = 0;
    return read(geri_[0], &c, 1) == 1;
  }
  bool Devam() { return write(ileri_[1], "a", 1) == 1; }
  // Ended outright, as a power cut or kill -9 ends it.
  void Öldür() {
    if (pid_ > 0) kill(pid_, SIGKILL);
  }
  // Whether it has ended, without waiting.
  bool Bitti() {
    if (pid_ > 0 && waitpid(pid_, &durum_, WNOHANG) == pid_) pid_ = 0;
    return pid_ <= 0;
  }
  // Its exit status, once it has ended.
  int Bitir() {
    if (pid_ > 0 && waitpid(pid_, &durum_, 0) == pid_) pid_ = 0;
    return durum_;
  }

private:
  int ileri_[2]{-1, -1}, geri_[2]{-1, -1};
  pid_t pid_ = -1;
  int durum_ = -1;
};

class İşlemİzleriTesti : public TestOrtamı {
protected:
  void SetUp() override {
    TestOrtamı::SetUp();
    İşlemİzleri::KoşuDosyasındaTut = true;
    İşlemİzleri::Söyle = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> y, bool) {
      söylenen.push_back({iş.ad, y});
      metinler << ÖncekiİşMetni(iş, y);
    };
  }
  // Runs on the file past the program, as another workstation or an earlier version would.
  void Dışarıdan(const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(vt->Yol()).constData(), &db, SQLITE_OPEN_READWRITE, "unix");
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  void Bekleyen(const QString& iz) {
    Ayarlar::BölümüYaz(Bekleyenler, {{QStringLiteral("Is-1"), QStringList{vt->Yol(), iz, QStringLiteral("2026-12-01T10:00:00"),
                                                                         QStringLiteral("Stoğa giriş fişi")}
                                                                  .join(u'\t')}});
  }
  // A new start of the program on the file: what the settings keep is told, once.
  // `arada`: what changes while the program is not running.
  void YenidenBaşla(const std::function<void()>& arada = {}) {
    const QString yol = vt->Yol();
    vt.reset();
    if (arada) arada();
    İşlemİzleri::HepsiniUnut();
    vt = Veritabanı::Aç(yol);
    İşlemİzleri::Bildir(*vt);
  }
  // A person written in a transaction of its own, named by it; false when its outcome is unknown.
  static bool KişiYaz(Veritabanı& v, const QString& ad) {
    Veritabanı::İşlem işlem(v, ad);
    v.Çalıştır(QStringLiteral("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)"), {ad});
    try {
      işlem.Onayla();
    } catch (const VeritabanıHatası& h) {
      if (h.Numara() != VeritabanıHataNo::SonucuBilinmiyor) throw;
      sonHata = h.Açıklama();
      return false;
    }
    return true;
  }
  qint64 Kişiler(const QString& ad) {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisCikisYapanlarTablosu WHERE "
                                            "GirisCikisYapanAdi = ?"),
                             {ad})
        .Tamsayı("n");
  }
  // The runs' folder out of reach (a file where it should be), or back as it was.
  static void KlasörUlaşılmaz(bool evet) {
    const QString yol = KoşuDosyaları::Klasör();
    if (evet) {
      ASSERT_TRUE(QFile::rename(yol, yol + QStringLiteral(".yedek")));
      ASSERT_TRUE(QFile(yol).open(QIODevice::WriteOnly));
    } else {
      ASSERT_TRUE(QFile::remove(yol));
      ASSERT_TRUE(QFile::rename(yol + QStringLiteral(".yedek"), yol));
    }
  }
  qint64 İzSayısı() { return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM OnayIzleri")).Tamsayı("n"); }
  std::vector<std::pair<QString, std::optional<bool>>> söylenen;
  QStringList metinler;
  static inline QString sonHata;
};

// The token of a pending work in the file is told stored. One missing is told not stored while no
// write can have removed it by age, which only a million commits after it can; past that it can
// no longer be told either way, whatever any clock says. A work of the version before, whose
// writers removed tokens by their clocks, is told stored or not knowable; the one work of the
// oldest version is read from its own table. The text names the server folder.
TEST_F(İşlemİzleriTesti, BekleyenİşBağlanıncaSöylenir) {
  Dışarıdan("CREATE TABLE OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO OnayIzleri VALUES ('var', 10), ('son', 1000010);"
            "CREATE TABLE IslemIzleri (Iz TEXT PRIMARY KEY, Zaman INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO IslemIzleri VALUES ('önceki-var', 0);"
            "CREATE TABLE IslemIzleriTablosu (Istasyon TEXT PRIMARY KEY, Iz TEXT NOT NULL) WITHOUT ROWID;"
            "INSERT INTO IslemIzleriTablosu VALUES ('istasyon/1', 'eski-var');");
  const struct {
    const char* iz;
    bool eskiSürüm;
    std::optional<bool> beklenen;
  } durumlar[] = {
      {"onay:10:var", false, true},
      {"onay:10:yok", false, false},  // the newest count is exactly a million on
      {"onay:9:yok", false, std::nullopt},
      {"önceki-var", false, true},
      {"önceki-yok", false, std::nullopt},
      {"eski-var", true, true},
      {"eski-yok", true, false},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.iz);
    if (d.eskiSürüm) {
      Ayarlar::BölümüYaz(QStringLiteral("SonucuBilinmeyenIs"),
                         {{QStringLiteral("Veritabani"), vt->Yol()},
                          {QStringLiteral("Iz"), QString::fromUtf8(d.iz)},
                          {QStringLiteral("Ad"), QStringLiteral("Stoğa giriş fişi")},
                          {QStringLiteral("Zaman"), QStringLiteral("2026-12-01T10:00:00")}});
    } else {
      Bekleyen(QString::fromUtf8(d.iz));
    }
    söylenen.clear();
    metinler.clear();
    for (int başlangıç = 0; başlangıç < 2; ++başlangıç) YenidenBaşla();  // told at the first start only
    ASSERT_EQ(söylenen.size(), 1u);
    EXPECT_EQ(söylenen[0].second, d.beklenen);
    EXPECT_TRUE(metinler[0].contains(QStringLiteral("sunucu klasörü: ") + SunucuKlasörü())) << metinler[0].toStdString();
    EXPECT_FALSE(Ayarlar::BölümVar(Bekleyenler));
    EXPECT_FALSE(Ayarlar::BölümVar(QStringLiteral("SonucuBilinmeyenIs")));
  }
}

// A lock of the settings that another workstation left a moment ago holds no connection up: the
// works an earlier version kept there are left for a later connection, which tells them once.
TEST_F(İşlemİzleriTesti, AyarKilidiBağlantıyıBekletmez) {
  Dışarıdan("CREATE TABLE OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO OnayIzleri VALUES ('var', 1);");
  Bekleyen(QStringLiteral("onay:1:var"));
  QFile kilit(Ayarlar::DosyaYolu() + QStringLiteral(".lock"));
  ASSERT_TRUE(kilit.open(QIODevice::WriteOnly));
  kilit.write("4242\nvelmora\nbaska-is-istasyonu\n0f1e2d3c4b5a69788796a5b4c3d2e1f0\n");
  kilit.close();
  QElapsedTimer süre;
  süre.start();
  YenidenBaşla();
  EXPECT_LT(süre.elapsed(), Ayarlar::KilitBayatlığı.count());
  EXPECT_TRUE(söylenen.empty());
  EXPECT_TRUE(Ayarlar::BölümVar(Bekleyenler));
  ASSERT_TRUE(kilit.remove());
  for (int başlangıç = 0; başlangıç < 2; ++başlangıç) YenidenBaşla();
  EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("Stoğa giriş fişi"), true}}));
  EXPECT_FALSE(Ayarlar::BölümVar(Bekleyenler));
}

// A write that changes nothing stores no token; one that does removes the tokens a million
// commits behind it, never a recent one of another workstation however far its own clock runs
// ahead, and its own earlier ones once their outcome is known.
TEST_F(İşlemİzleriTesti, İzlerYalnızDeğişenYazımdaYazılırVeKüçükKalır) {
  İşlemİzleri::Saat = [] { return QDateTime::currentDateTime().addDays(100); };
  Dışarıdan("CREATE TABLE OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO OnayIzleri VALUES ('eski', 2), ('sınırda', 3), ('başkasının', 1000000);");
  const auto izler = [&] {
    QStringList l;
    for (KayıtKümesi k = vt->KayıtKümesiAç("SELECT Iz FROM OnayIzleri ORDER BY Sira"); !k.Sonda(); k.MoveNext())
      l << k.Metin("Iz");
    return l;
  };
  {
    Veritabanı::İşlem işlem(*vt);
    vt->KayıtKümesiAç("SELECT Count(*) AS n FROM GirisCikisYapanlarTablosu");
    işlem.Onayla();
  }
  EXPECT_EQ(izler().size(), 3);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(KişiYaz(*vt, QString::number(i)));  // counts 1000001 to 1000003
  const QStringList kalan = izler();
  ASSERT_EQ(kalan.size(), 3) << kalan.join(u',').toStdString();  // and this connection's last
  EXPECT_EQ(kalan.mid(0, 2), (QStringList{QStringLiteral("sınırda"), QStringLiteral("başkasının")}));
}

// A runs' folder that cannot be made keeps no pending work: the user is told at once, and why,
// that a restart will not tell it, and a restart indeed tells nothing. Where it can be made,
// nothing is said of it and the restart tells.
TEST_F(İşlemİzleriTesti, KoşuKlasörüYapılamazsaKullanıcıHemenUyarılır) {
  const QString uyarı = QStringLiteral("yeniden açıldığında sonucunu bildiremeyecek");
  for (const bool yazılabilir : {true, false}) {
    SCOPED_TRACE(yazılabilir);
    Ayarlar::KlasöreYönlendir(GeçiciYol(QStringLiteral("ayarlar-%1").arg(yazılabilir)));
    // A file where the folder should be: no one, root included, can make it.
    if (!yazılabilir) {
      ASSERT_TRUE(QDir().mkpath(QFileInfo(KoşuDosyaları::Klasör()).absolutePath()));
      ASSERT_TRUE(QFile(KoşuDosyaları::Klasör()).open(QIODevice::WriteOnly));
    }
    söylenen.clear();
    {
      HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 1, {}, HatalıDisk::BaşlıkOkunamaz);
      vt = Veritabanı::Aç(vt->Yol());
      ASSERT_FALSE(KişiYaz(*vt, QStringLiteral("AYŞE")));
    }
    EXPECT_EQ(sonHata.contains(uyarı), !yazılabilir) << sonHata.toStdString();
    EXPECT_EQ(sonHata.contains(QDir::toNativeSeparators(KoşuDosyaları::Klasör())), !yazılabilir);
    EXPECT_FALSE(sonHata.contains(QStringLiteral("Ayarlar"))) << sonHata.toStdString();
    YenidenBaşla();
    EXPECT_EQ(söylenen.size(), yazılabilir ? 1u : 0u);
    vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu WHERE GirisCikisYapanAdi = 'AYŞE'"));
  }
}

// Two copies of the program share one settings folder, each with a work left unknown: neither
// erases the other's, and the next start tells each work once.
TEST_F(İşlemİzleriTesti, AyarlarıPaylaşanİkiKopyanınHerİşiBirKezSöylenir) {
  const QString yol = vt->Yol();
  vt.reset();
  HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 0, {}, HatalıDisk::BaşlıkOkunamaz);
  // The other copy: connected before this one's work exists, its own work left unknown after.
  BaşkaKopya başka([&](const std::function<bool()>& sıra) {
    auto v = Veritabanı::Aç(yol);
    const bool tamam = sıra();
    disk.BozmayaBaşla(1);
    return tamam && !KişiYaz(*v, QStringLiteral("İKİNCİ"));
  });
  ASSERT_TRUE(başka.Bekle());
  vt = Veritabanı::Aç(yol);
  disk.BozmayaBaşla(1);
  EXPECT_FALSE(KişiYaz(*vt, QStringLiteral("BİRİNCİ")));
  ASSERT_TRUE(başka.Devam());
  ASSERT_EQ(başka.Bitir(), 0);
  EXPECT_EQ(Kalıcıİşler(), 2);
  söylenen.clear();
  YenidenBaşla();
  std::sort(söylenen.begin(), söylenen.end());
  EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("BİRİNCİ"), true}, {QStringLiteral("İKİNCİ"), true}}));
  EXPECT_EQ(Kişiler(QStringLiteral("BİRİNCİ")) + Kişiler(QStringLiteral("İKİNCİ")), 2);
  EXPECT_EQ(Kalıcıİşler(), 0);
}

// A stored work whose line could not be removed keeps its token as long as its line is there:
// told stored at the end of the run, or by a restart, never "not stored". Its line gone later in
// the run, the token goes too.
TEST_F(İşlemİzleriTesti, SatırıSilinemeyenİşinİziKalır) {
  for (const bool çalışırkenDüzelir : {false, true}) {
    SCOPED_TRACE(çalışırkenDüzelir);
    const QString yol = vt->Yol();
    vt.reset();
    {
      HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 1, {}, HatalıDisk::BaşlıkOkunamaz);
      vt = Veritabanı::Aç(yol);
      ASSERT_FALSE(KişiYaz(*vt, QStringLiteral("AYŞE")));
    }
    KlasörUlaşılmaz(true);
    söylenen.clear();
    ASSERT_TRUE(KişiYaz(*vt, QStringLiteral("B")));  // settles it, the line stays
    EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("AYŞE"), true}}));
    ASSERT_TRUE(KişiYaz(*vt, QStringLiteral("C")));
    if (çalışırkenDüzelir) {
      KlasörUlaşılmaz(false);
      ASSERT_TRUE(KişiYaz(*vt, QStringLiteral("D")));  // its line goes now, its token with the next write
      ASSERT_TRUE(KişiYaz(*vt, QStringLiteral("E")));
      EXPECT_EQ(Kalıcıİşler(), 0);
    }
    söylenen.clear();
    YenidenBaşla([&] {
      if (!çalışırkenDüzelir) KlasörUlaşılmaz(false);
    });
    YenidenBaşla();
    EXPECT_EQ(söylenen.size(), çalışırkenDüzelir ? 0u : 1u);
    for (const auto& [ad, yazılmış] : söylenen) EXPECT_EQ(yazılmış, std::optional<bool>(true)) << ad.toStdString();
    EXPECT_EQ(Kişiler(QStringLiteral("AYŞE")), 1);
    EXPECT_EQ(Kalıcıİşler(), 0);
    vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu"));
  }
}

// A copy that connects while another copy's run lives tells none of its works and takes nothing
// of them, however their file changes meanwhile: rewritten again and again, settled and written
// anew between this copy's naming the file and testing its lock, or removed from outside, which
// the running copy writes again at its next connection. The running copy tells each work once.
TEST_F(İşlemİzleriTesti, ÇalışanKopyanınİşleriniBaşkasıSöylemez) {
  enum Durum { Sürekli, KilitlemedenÖnceYenilenir, DosyasıSilinir, KlasörüSilinir };
  for (const Durum durum : {Sürekli, KilitlemedenÖnceYenilenir, DosyasıSilinir, KlasörüSilinir}) {
    SCOPED_TRACE(durum);
    const QString yol = vt->Yol();
    vt.reset();
    const bool silinir = durum == DosyasıSilinir || durum == KlasörüSilinir;
    const int işler = durum == Sürekli ? 40 : durum == KilitlemedenÖnceYenilenir ? 2 : 1;
    HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 0, {}, HatalıDisk::BaşlıkOkunamaz);
    BaşkaKopya başka([&](const std::function<bool()>& sıra) {
      int doğru = 0;
      İşlemİzleri::Söyle = [&](const İşlemİzleri::Bekleyenİş&, std::optional<bool> y, bool) { doğru += y == true; };
      auto v = Veritabanı::Aç(yol);
      for (int i = 0; i < işler; ++i) {
        disk.BozmayaBaşla(1);
        if (KişiYaz(*v, QStringLiteral("İŞ-%1").arg(i)) || (durum != Sürekli && !sıra())) return false;
        if (silinir && !(Veritabanı::Aç(yol) && sıra())) return false;
        if (!KişiYaz(*v, QStringLiteral("AYAR-%1").arg(i))) return false;  // settles it
      }
      return doğru == işler;
    });
    const auto bağlan = [&] { İşlemİzleri::Bildir(*Veritabanı::Aç(yol)); };
    if (durum == Sürekli) {
      do bağlan();
      while (!başka.Bitti());
    } else {
      ASSERT_TRUE(başka.Bekle());
      if (durum == KilitlemedenÖnceYenilenir) {
        KoşuDosyaları::KilitlemedenÖnce = [&](const QString&) {
          KoşuDosyaları::KilitlemedenÖnce = {};
          EXPECT_TRUE(başka.Devam() && başka.Bekle());  // its first work settled, its second left unknown
        };
        bağlan();
        EXPECT_EQ(Kalıcıİşler(), 1);
      } else {
        if (durum == DosyasıSilinir)
          for (const QString& ad : QDir(KoşuDosyaları::Klasör()).entryList(QDir::Files))
            QFile::remove(QDir(KoşuDosyaları::Klasör()).filePath(ad));
        else
          QDir(KoşuDosyaları::Klasör()).removeRecursively();
        bağlan();
        EXPECT_TRUE(başka.Devam() && başka.Bekle());
        EXPECT_EQ(Kalıcıİşler(), 1);  // written again by its run
        bağlan();
      }
      EXPECT_TRUE(başka.Devam());
    }
    EXPECT_EQ(başka.Bitir(), 0);
    bağlan();
    EXPECT_TRUE(söylenen.empty());
    EXPECT_EQ(Kalıcıİşler(), 0);
    vt = Veritabanı::Aç(yol);
    EXPECT_EQ(Kişiler(QStringLiteral("İŞ-0")), 1);
    vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu"));
  }
}

// An ended copy's work is told once, by one copy: while the copy that took it still tells it,
// another that connects leaves it alone; the one telling it killed, the next copy tells it. So
// too for a work an earlier version left in the settings.
TEST_F(İşlemİzleriTesti, BitenKopyanınİşiBirKezSöylenir) {
  for (const int durum : {0, 1, 2, 3}) {
    const bool ayarlarda = durum >= 2, öldürülür = durum % 2;
    SCOPED_TRACE(durum);
    const QString yol = vt->Yol();
    const QString ad = ayarlarda ? QStringLiteral("Stoğa giriş fişi") : QStringLiteral("AYŞE");
    if (ayarlarda) {
      Dışarıdan("INSERT OR REPLACE INTO OnayIzleri VALUES ('eski-iz', 1)");
      Bekleyen(QStringLiteral("onay:1:eski-iz"));
      vt.reset();
    } else {
      vt.reset();
      HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 1, {}, HatalıDisk::BaşlıkOkunamaz);
      vt = Veritabanı::Aç(yol);
      ASSERT_FALSE(KişiYaz(*vt, ad));
      vt.reset();
    }
    İşlemİzleri::HepsiniUnut();  // its run ends as a crash would
    söylenen.clear();
    BaşkaKopya başka([&](const std::function<bool()>& sıra) {
      int kez = 0;
      // Its message stays open until this process says.
      İşlemİzleri::Söyle = [&](const İşlemİzleri::Bekleyenİş&, std::optional<bool> y, bool) { kez += y == true && sıra(); };
      İşlemİzleri::Bildir(*Veritabanı::Aç(yol));
      return kez == 1;
    });
    ASSERT_TRUE(başka.Bekle());
    const auto bağlan = [&] { İşlemİzleri::Bildir(*Veritabanı::Aç(yol)); };
    bağlan();
    EXPECT_TRUE(söylenen.empty());
    if (öldürülür) {
      başka.Öldür();
      başka.Bitir();
    } else {
      ASSERT_TRUE(başka.Devam());
      EXPECT_EQ(başka.Bitir(), 0);
    }
    bağlan();
    bağlan();
    EXPECT_EQ(söylenen, (öldürülür ? decltype(söylenen){{ad, true}} : decltype(söylenen){}));
    EXPECT_EQ(Kalıcıİşler(), 0);
    EXPECT_FALSE(Ayarlar::BölümVar(Bekleyenler));
    vt = Veritabanı::Aç(yol);
  }
}

// A copy that connects while another writes its file anew neither takes nor removes what the
// writer makes, however slow each of the writer's steps: the writer keeps every work and its user
// is told nothing of the folder; once it has ended, its work left pending is told once. So too where the file
// system cannot make a file with no name, and the writer makes it aside under its own name.
TEST_F(İşlemİzleriTesti, YazarkenBağlananKopyaYazılanıAlmaz) {
  for (const bool adsız : {true, false}) {
    for (const bool yavaş : {false, true}) {
      SCOPED_TRACE(testing::Message() << adsız << yavaş);
      KoşuDosyaları::AdsızDosyaKullan = adsız;
      const QString yol = vt->Yol();
      vt.reset();
      const int işler = yavaş ? 12 : 1;
      HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 0, {}, HatalıDisk::BaşlıkOkunamaz);
      BaşkaKopya başka([&](const std::function<bool()>& sıra) {
        int doğru = 0;
        İşlemİzleri::Söyle = [&](const İşlemİzleri::Bekleyenİş&, std::optional<bool> y, bool) { doğru += y == true; };
        auto v = Veritabanı::Aç(yol);
        KoşuDosyaları::YazımAdımı = [&](const char* adım) {
          if (yavaş) {
            ::usleep(3000);
          } else if (std::strcmp(adım, "yapıldı") == 0) {
            KoşuDosyaları::YazımAdımı = {};
            sıra();  // held between making its file and locking it
          }
        };
        for (int i = 0; i < işler; ++i) {
          disk.BozmayaBaşla(1);
          if (KişiYaz(*v, QStringLiteral("İŞ-%1").arg(i)) || sonHata.contains(QStringLiteral("not edilemedi"))) return false;
        }
        // Each write settled the work before it; the last is left pending, as a crash leaves it.
        return doğru == işler - 1;
      });
      const auto bağlan = [&] { İşlemİzleri::Bildir(*Veritabanı::Aç(yol)); };
      if (yavaş) {
        do bağlan();
        while (!başka.Bitti());
      } else {
        ASSERT_TRUE(başka.Bekle());
        bağlan();
        ASSERT_TRUE(başka.Devam());
      }
      EXPECT_EQ(başka.Bitir(), 0);
      bağlan();
      bağlan();
      EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("İŞ-%1").arg(işler - 1), true}}));
      EXPECT_EQ(Kalıcıİşler(), 0);
      EXPECT_TRUE(QDir(KoşuDosyaları::Klasör()).entryList(QDir::Files).isEmpty());
      söylenen.clear();
      vt = Veritabanı::Aç(yol);
      vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu"));
    }
  }
}

// Where locks do not meet (two mounts of one folder, a share that keeps them on each workstation)
// or are refused, a copy takes another run's work only once it knows that run has ended: a live
// run of this machine never; a run of another machine not while it renews its file, and once it
// has stopped; a run whose process number names another process by now, or of an earlier boot of
// this machine, at once. Each work is kept without a word of the folder, and told once: by its own
// run, or by one copy after it.
TEST_F(İşlemİzleriTesti, KilitlerBuluşmasaDaİşBirKezSöylenir) {
  enum Kim { BuMakine, BaşkaMakine, PidiKullanılmış, YenidenBaşlamış };
  const struct {
    Kim kim;
    int kilit;  // what every lock gives: 0 as where locks do not meet, or a refusal
    bool kendiÇözer;
  } durumlar[] = {
      {BuMakine, 0, true},          {BuMakine, 0, false},         {BuMakine, ENOLCK, true},
      {BuMakine, ENOLCK, false},    {BaşkaMakine, 0, false},      {BaşkaMakine, ENOLCK, false},
      {PidiKullanılmış, 0, false},  {YenidenBaşlamış, ENOLCK, false},
  };
  KoşuDosyaları::Dönem = std::chrono::milliseconds(50);
  KoşuDosyaları::BayatDönemi = 20;
  for (const auto& d : durumlar) {
    SCOPED_TRACE(testing::Message() << d.kim << ' ' << d.kilit << ' ' << d.kendiÇözer);
    KoşuDosyaları::KilitYerine = [k = d.kilit] { return k; };
    const QString yol = vt->Yol();
    vt.reset();
    HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 0, {}, HatalıDisk::BaşlıkOkunamaz);
    BaşkaKopya başka([&](const std::function<bool()>& sıra) {
      int doğru = 0;
      İşlemİzleri::Söyle = [&](const İşlemİzleri::Bekleyenİş&, std::optional<bool> y, bool) { doğru += y == true; };
      KoşuDosyaları::Kimlik k = KoşuDosyaları::BuKimlik();
      if (d.kim == BaşkaMakine) k.makine = QStringLiteral("baska");
      if (d.kim == PidiKullanılmış) k.pid = getppid(), k.başlangıç += 12345;
      if (d.kim == YenidenBaşlamış) k.açılış = QStringLiteral("0123456789abcdef0123456789abcdef");
      KoşuDosyaları::Yeni(k);
      auto v = Veritabanı::Aç(yol);
      disk.BozmayaBaşla(1);
      if (KişiYaz(*v, QStringLiteral("AYŞE")) || sonHata.contains(QStringLiteral("not edilemedi")) || !sıra())
        return false;
      // Lives on, writing its file anew every period, then stops as a machine that went down.
      for (const auto son = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
           d.kim == BaşkaMakine && std::chrono::steady_clock::now() < son; ::usleep(10'000))
        KoşuDosyaları::Yenile();
      return !d.kendiÇözer || (KişiYaz(*v, QStringLiteral("AYAR")) && doğru == 1);
    });
    ASSERT_TRUE(başka.Bekle());
    const auto bağlan = [&] { İşlemİzleri::Bildir(*Veritabanı::Aç(yol)); };
    for (int i = 0; i < 3; ++i) bağlan();
    const bool hemen = d.kim == PidiKullanılmış || d.kim == YenidenBaşlamış;
    EXPECT_EQ(söylenen.size(), hemen ? 1u : 0u);
    ASSERT_TRUE(başka.Devam());
    if (d.kim == BaşkaMakine) {
      for (; !başka.Bitti(); ::usleep(20'000)) bağlan();
      EXPECT_TRUE(söylenen.empty());
      for (const auto son = std::chrono::steady_clock::now() + std::chrono::seconds(10);
           söylenen.empty() && std::chrono::steady_clock::now() < son; ::usleep(20'000))
        bağlan();
    }
    EXPECT_EQ(başka.Bitir(), 0);
    bağlan();
    bağlan();
    EXPECT_EQ(söylenen, (d.kendiÇözer ? decltype(söylenen){} : decltype(söylenen){{QStringLiteral("AYŞE"), true}}));
    EXPECT_EQ(Kalıcıİşler(), 0);
    söylenen.clear();
    vt = Veritabanı::Aç(yol);
    vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu"));
  }
}

// A running copy's file harmed from outside (cut short, made unreadable, removed with its folder)
// stands whole again after the run's next connection, its end, or its next period: killed after,
// its work is told once at the next start. A file of a run that ended, cut short, is told once as
// a note that could not be read, set aside, and not read again.
TEST_F(İşlemİzleriTesti, DışarıdanBozulanDosyaYenidenYazılır) {
  enum Bozma { KısaKesilir, OkunamazYapılır, KlasörüSilinir };
  enum Sonra { Bağlanır, Biter, DönemiGeçer, ÖlünceBozulur };
  const std::pair<Bozma, Sonra> durumlar[] = {
      {KısaKesilir, Bağlanır},        {KısaKesilir, Biter},        {KısaKesilir, DönemiGeçer},
      {OkunamazYapılır, Bağlanır},    {OkunamazYapılır, Biter},    {OkunamazYapılır, DönemiGeçer},
      {KlasörüSilinir, Bağlanır},     {KlasörüSilinir, Biter},     {KlasörüSilinir, DönemiGeçer},
      {KısaKesilir, ÖlünceBozulur},
  };
  QStringList okunamayan;
  İşlemİzleri::OkunamayanDosya = [&](const QString& yol) { okunamayan << yol; };
  for (const auto& [bozma, sonra] : durumlar) {
    SCOPED_TRACE(testing::Message() << bozma << ' ' << sonra);
    const QString yol = vt->Yol();
    vt.reset();
    HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 0, {}, HatalıDisk::BaşlıkOkunamaz);
    BaşkaKopya başka([&](const std::function<bool()>& sıra) {
      auto v = Veritabanı::Aç(yol);
      disk.BozmayaBaşla(1);
      if (KişiYaz(*v, QStringLiteral("AYŞE")) || !sıra()) return false;
      if (sonra == Bağlanır) Veritabanı::Aç(yol);
      if (sonra == Biter) KoşuDosyaları::Bitir();
      if (sonra == DönemiGeçer) KoşuDosyaları::Yenile();  // as its timer does
      return sonra == Biter || sıra();  // then killed
    });
    ASSERT_TRUE(başka.Bekle());
    const QDir klasör(KoşuDosyaları::Klasör());
    const auto boz = [&] {
      const QStringList dosyalar = klasör.entryList({QStringLiteral("*.isler")}, QDir::Files);
      ASSERT_EQ(dosyalar.size(), 1);
      QFile dosya(klasör.filePath(dosyalar[0]));
      const bool bozuldu = bozma == KısaKesilir       ? dosya.resize(dosya.size() / 2)
                           : bozma == OkunamazYapılır ? dosya.setPermissions({})
                                                      : QDir(klasör).removeRecursively();
      ASSERT_TRUE(bozuldu);
    };
    if (sonra == ÖlünceBozulur) {
      başka.Öldür();
      başka.Bitir();
      boz();
    } else {
      boz();
      ASSERT_TRUE(başka.Devam());
      if (sonra != Biter) {
        ASSERT_TRUE(başka.Bekle());
        başka.Öldür();
      }
      başka.Bitir();
    }
    for (int i = 0; i < 2; ++i) İşlemİzleri::Bildir(*Veritabanı::Aç(yol));
    if (sonra == ÖlünceBozulur) {
      EXPECT_TRUE(söylenen.empty());
      ASSERT_EQ(okunamayan.size(), 1);
      EXPECT_TRUE(QFile::exists(okunamayan[0]));
    } else {
      EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("AYŞE"), true}}));
      EXPECT_TRUE(okunamayan.isEmpty());
    }
    EXPECT_EQ(Kalıcıİşler(), 0);
    söylenen.clear();
    okunamayan.clear();
    vt = Veritabanı::Aç(yol);
    vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu"));
  }
}

// The run's works kept for a restart that can no longer be written again (their folder removed and
// a file in its place) are told once, while running and as the run ends; written again, a later
// loss is told again. On a file system in user space (bindfs, where the machine has it) a folder
// removed beneath the run is written again, its file still open, and the work told at the next start.
TEST_F(İşlemİzleriTesti, YenidenYazılamayanNotSöylenir) {
  int kayıp = 0;
  İşlemİzleri::NotKayboldu = [&] { ++kayıp; };
  {
    HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 1, {}, HatalıDisk::BaşlıkOkunamaz);
    vt = Veritabanı::Aç(vt->Yol());
    ASSERT_FALSE(KişiYaz(*vt, QStringLiteral("AYŞE")));
  }
  for (int tur = 1; tur <= 2; ++tur) {
    KlasörUlaşılmaz(true);
    for (int i = 0; i < 2; ++i) İşlemİzleri::Yokla(*vt);
    EXPECT_EQ(kayıp, tur);
    KlasörUlaşılmaz(false);
    İşlemİzleri::Yokla(*vt);
    EXPECT_EQ(kayıp, tur);
  }
  KlasörUlaşılmaz(true);
  EXPECT_FALSE(KoşuDosyaları::Bitir());
  KlasörUlaşılmaz(false);
  İşlemİzleri::NotKayboldu = {};

  const QString alt = GeçiciYol(QStringLiteral("fuse-alt")), bağ = GeçiciYol(QStringLiteral("fuse-bag"));
  QDir().mkpath(alt), QDir().mkpath(bağ);
  if (QProcess::execute(QStringLiteral("bindfs"), {QStringLiteral("-o"), QStringLiteral("entry_timeout=0,attr_timeout=0"), alt, bağ}) != 0) GTEST_SKIP() << "bindfs bağlanamadı";
  struct Ayır {
    QString bağ;
    ~Ayır() {
      if (QProcess::execute(QStringLiteral("fusermount3"), {QStringLiteral("-u"), bağ}) != 0)
        QProcess::execute(QStringLiteral("umount"), {bağ});
    }
  } ayır{bağ};
  Ayarlar::KlasöreYönlendir(bağ);
  YenidenBaşla();
  const QString yol = vt->Yol();
  vt.reset();
  söylenen.clear();
  HatalıDisk disk(HatalıDisk::SilinipHataVeren, EIO, 0, {}, HatalıDisk::BaşlıkOkunamaz);
  BaşkaKopya başka([&](const std::function<bool()>& sıra) {
    auto v = Veritabanı::Aç(yol);
    disk.BozmayaBaşla(1);
    if (KişiYaz(*v, QStringLiteral("VELİ")) || !sıra()) return false;
    Veritabanı::Aç(yol);
    return sıra();
  });
  ASSERT_TRUE(başka.Bekle());
  ASSERT_TRUE(QDir(alt + QStringLiteral("/Belvaro")).removeRecursively());  // beneath the mount, as another workstation would
  ASSERT_TRUE(başka.Devam() && başka.Bekle());
  başka.Öldür();
  başka.Bitir();
  for (int i = 0; i < 2; ++i) İşlemİzleri::Bildir(*Veritabanı::Aç(yol));
  EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("VELİ"), true}}));
}

// A count at the very end of what the file can hold, as only a file written by other means has:
// the write is refused with a plain message, and no one's token goes.
TEST_F(İşlemİzleriTesti, SayaçSonundaykenYazılmaz) {
  Dışarıdan("CREATE TABLE OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO OnayIzleri VALUES ('uç', 9223372036854775807), ('başkasının', 5);");
  try {
    KişiYaz(*vt, QStringLiteral("AYŞE"));
    ADD_FAILURE() << "yazıldı";
  } catch (const VeritabanıHatası& h) {
    EXPECT_TRUE(h.Açıklama().contains(QStringLiteral("işlem sayacı en büyük değerine ulaşmış"))) << h.Açıklama().toStdString();
  }
  EXPECT_EQ(Kişiler(QStringLiteral("AYŞE")), 0);
  EXPECT_EQ(İzSayısı(), 2);
}

// Lines the settings keep that cannot be read are dropped at the start, told nothing of; none of
// them overflows a count. A time that cannot be read is left out of the message.
TEST_F(İşlemİzleriTesti, OkunamayanSatırlarBırakılır) {
  const QString y = vt->Yol();
  Dışarıdan("CREATE TABLE OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO OnayIzleri VALUES ('var', 2000000);");
  const auto satır = [&](const QString& iz, const QString& zaman = QStringLiteral("2026-12-01T10:00:00")) {
    return QStringList{y, iz, zaman, QStringLiteral("C")}.join(u'\t');
  };
  Ayarlar::BölümüYaz(Bekleyenler, {{QStringLiteral("Is-1"), satır(QStringLiteral("onay:9223372036854775807:yok"))},
                                   {QStringLiteral("Is-2"), satır(QStringLiteral("onay:-5:yok"))},
                                   {QStringLiteral("Is-3"), satır(QStringLiteral("onay:x:yok"))},
                                   {QStringLiteral("Is-4"), satır(QStringLiteral("onay:5:"))},
                                   {QStringLiteral("Is-5"), satır(QStringLiteral("onay:5:var:"))},
                                   {QStringLiteral("Is-6"), satır(QString())},
                                   {QStringLiteral("Is-7"), QStringLiteral("C")},
                                   {QStringLiteral("Is-8"), satır(QStringLiteral("onay:1999999:var"), QStringLiteral("dün"))},
                                   {QStringLiteral("Is-10"), satır(QStringLiteral("onay:5:var:../kurban"))}});
  // A run named by a path names no file the program removes.
  const QString kurban = QFileInfo(Ayarlar::DosyaYolu()).absolutePath() + QStringLiteral("/kurban");
  QFile(kurban).open(QIODevice::WriteOnly);
  // A comma written by hand makes the line a list.
  QFile ayarlar(Ayarlar::DosyaYolu());
  ASSERT_TRUE(ayarlar.open(QIODevice::Append));
  ayarlar.write("Is-9=C\\tonay:1:var, sonra\n");
  ayarlar.close();
  ASSERT_EQ(Ayarlar::TümünüOku(Bekleyenler).size(), 10);
  for (int başlangıç = 0; başlangıç < 2; ++başlangıç) YenidenBaşla();
  EXPECT_EQ(söylenen, (decltype(söylenen){{QStringLiteral("C"), false}, {QStringLiteral("C"), true}}));
  ASSERT_EQ(metinler.size(), 2);
  EXPECT_TRUE(metinler[1].startsWith(QStringLiteral("Sonucu bilinmeyen işlem (C; sunucu klasörü: "))) << metinler[1].toStdString();
  EXPECT_FALSE(Ayarlar::BölümVar(Bekleyenler));
  EXPECT_TRUE(QFile::exists(kurban));
}

// Each run removes its settled tokens when it closes: after many runs of one write each the file
// keeps only the newest token, which holds its count, and the count never goes back.
TEST_F(İşlemİzleriTesti, İzlerÇalışmalarBoyuncaBirikmez) {
  for (int i = 0; i < 200; ++i) {
    YenidenBaşla();
    ASSERT_TRUE(KişiYaz(*vt, QString::number(i)));
  }
  YenidenBaşla();
  EXPECT_EQ(İzSayısı(), 1);
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Sira FROM OnayIzleri")).Tamsayı("Sira"), 200);
}

}  // namespace
