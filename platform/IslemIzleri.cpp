#include "IslemIzleri.h"

#include "Ayarlar.h"
#include "Veritabani.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <sqlite3.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <map>

namespace İşlemİzleri {

namespace {

// A token is removed by age only once the file has taken this many commits after it: far more
// than any run that wrote it lives through. A pending work not found whose token may have gone
// that way is not told "not stored".
constexpr qint64 SilinmeSırası = 1'000'000;

const QString Bölüm = QStringLiteral("SonucuBilinmeyenIsler");
// Where an earlier version kept its one pending work.
const QString EskiBölüm = QStringLiteral("SonucuBilinmeyenIs");

struct Kayıt {
  Bekleyenİş iş;
  int bağlantı = 0;  // the connection that wrote the token; 0 for a run that ended
  Bekleyenİz* sahip = nullptr;
  QString anahtar;  // its line in the settings
};
struct Çözülen {
  Kayıt k;
  std::optional<bool> yazılmış;
  bool kendi = false;
};

}  // namespace

struct Dosyalar {
  struct Dosya {
    std::vector<Kayıt> bekleyen;
    std::vector<Çözülen> çözülen;  // settled, not yet told: still in the settings, still held
    std::vector<Çözülen> satırıKalan;  // told, but its line could not be removed: its token stays
  };
  static std::map<QString, Dosya>& Hepsi() {
    static std::map<QString, Dosya> dosyalar;
    return dosyalar;
  }
  static void Bırak(Bekleyenİz* sahip) {
    for (auto& [yol, d] : Hepsi()) {
      for (Kayıt& k : d.bekleyen)
        if (k.sahip == sahip) k.sahip = nullptr;
      for (Çözülen& ç : d.çözülen)
        if (ç.k.sahip == sahip) ç.k.sahip = nullptr;
    }
    sahip->iz_.clear();
  }
  static void Tut(Bekleyenİz* sahip, const QString& iz, bool saklandı) { sahip->iz_ = iz, sahip->saklandı_ = saklandı; }
  // Told what became of `iz`: the holder lets it go, unless it holds a later try by now.
  static void Kopar(Bekleyenİz* sahip, const QString& iz) {
    if (sahip->iz_ == iz) sahip->iz_.clear();
  }
};

void Bekleyenİz::Bırak() { Dosyalar::Bırak(this); }

namespace {

using Dosya = Dosyalar::Dosya;

// This run of the program as the other copies sharing the settings see it: while lines of its
// own are there, it holds a lock on a file of its own beside them, which the system lets go
// however the run ends. Another copy takes those lines only once that lock is free.
class Koşu {
public:
  static const QString& Ad() {
    if (ad_.isEmpty()) ad_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return ad_;
  }
  // False when no lock can be held here: a line naming this run would then be taken by the
  // next copy that connects, while this one still holds its work.
  static bool Kilitle() {
    if (fd_ >= 0) return true;
    if (!QDir().mkpath(Klasör())) return false;
    yol_ = Yol(Ad());
    fd_ = ::open(yol_.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return false;
    if (!Kilit(fd_, F_WRLCK)) {
      ::unlink(yol_.constData());
      ::close(fd_);
      fd_ = -1;
    }
    return fd_ >= 0;
  }
  // No line names this run any more: nothing is left for its lock to guard.
  static void Bırak(bool sil) {
    if (fd_ < 0) return;
    // Gone first: no one finds it free while this run still counts it as its own.
    if (sil) ::unlink(yol_.constData());
    ::close(fd_);
    fd_ = -1;
  }
  // Another run has ended: its lock is free, or its file is gone. A lock that cannot be tested
  // says nothing, and the run counts as still running. A read lock is enough to find it held.
  static bool Bitti(const QString& ad) {
    if (ad == Ad()) return false;
    const int fd = ::open(Yol(ad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    const bool bitti = Kilit(fd, F_RDLCK);
    ::close(fd);
    return bitti;
  }
  static void Sil(const QString& ad) { ::unlink(Yol(ad).constData()); }
  // A new run in this process (tests): the old one ends as a crash would.
  static void Yeni() { Bırak(false), ad_.clear(); }

private:
  static QString Klasör() { return QFileInfo(Ayarlar::DosyaYolu()).absolutePath() + QStringLiteral("/Velmora-kosular"); }
  static QByteArray Yol(const QString& ad) { return QFile::encodeName(Klasör() + u'/' + ad); }
  // A lock of the open file itself, not of the process: a test of another run's lock never
  // drops this run's own.
  static bool Kilit(int fd, short tür) {
    struct flock k {};
    k.l_type = tür, k.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &k) == 0;
  }
  static inline QString ad_;
  static inline QByteArray yol_;  // where the lock was taken, should the settings move
  static inline int fd_ = -1;
};

// One pending work a line: the file, the token, the time and the name, which may hold anything
// but a tab. The token says where it is looked for: "onay:<sıra>:" in front, and ":<run>" after
// when a running copy holds it, for this version; "eski:" for the oldest; nothing for the
// version before.
QString Satır(const Bekleyenİş& iş, const QString& koşu) {
  QString iz = iş.iz;
  if (iş.tablo == Tablo::Onay) {
    iz = QStringLiteral("onay:%1:%2").arg(iş.sıra).arg(iş.iz);
    if (!koşu.isEmpty()) iz += u':' + koşu;
  }
  if (iş.tablo == Tablo::Eski) iz = QStringLiteral("eski:") + iş.iz;
  return QStringList{iş.yol, iz, iş.zaman.toString(Qt::ISODate), iş.ad}.join(u'\t');
}

struct Okunan {
  Bekleyenİş iş;
  QString koşu;  // the run that holds it; none for a run of an earlier version
};

// Nothing for a line that cannot be read: nothing about it could be told.
std::optional<Okunan> SatırıOku(const QString& satır) {
  const QStringList p = satır.split(u'\t');
  if (p.size() < 4 || p[0].isEmpty() || p[1].isEmpty()) return std::nullopt;
  Okunan o{{p[1], p.mid(3).join(u'\t'), QDateTime::fromString(p[2], Qt::ISODate), p[0], 0, Tablo::Önceki}, {}};
  Bekleyenİş& iş = o.iş;
  if (iş.iz.startsWith(QStringLiteral("eski:"))) {
    iş.iz = iş.iz.mid(5), iş.tablo = Tablo::Eski;
    if (iş.iz.isEmpty()) return std::nullopt;
  } else if (iş.iz.startsWith(QStringLiteral("onay:"))) {
    const QStringList parça = iş.iz.split(u':');
    bool tamam = false;
    iş.sıra = parça.value(1).toLongLong(&tamam);
    if (parça.size() < 3 || parça.size() > 4 || !tamam || iş.sıra < 1 || parça[2].isEmpty()) return std::nullopt;
    // A run is named by a number of its own, never a path: a line written by hand names no file.
    if (parça.size() == 4 && QUuid::fromString(parça[3]).isNull()) return std::nullopt;
    iş.iz = parça[2], iş.tablo = Tablo::Onay, o.koşu = parça.value(3);
  }
  return o;
}

// Each copy of the program adds and removes only its own lines, each under a key of its own:
// another copy sharing the settings file keeps its lines. A line of this run names it, so that
// no other copy takes it while this run lives. False when the line could not be kept.
bool SatırıEkle(Kayıt& k, bool buKoşunun) {
  if (!AyarlardaTut) return true;
  if (buKoşunun && !Koşu::Kilitle()) return false;
  k.anahtar = QStringLiteral("Is-") + k.iş.iz;
  return Ayarlar::Yaz(Bölüm, k.anahtar, Satır(k.iş, buKoşunun ? Koşu::Ad() : QString()));
}

bool KoşununSatırıVar() {
  const auto bu = [](const Kayıt& k) { return k.bağlantı != 0 && !k.anahtar.isEmpty(); };
  for (const auto& [yol, d] : Dosyalar::Hepsi())
    if (std::any_of(d.bekleyen.begin(), d.bekleyen.end(), bu) ||
        std::any_of(d.çözülen.begin(), d.çözülen.end(), [&](const Çözülen& ç) { return bu(ç.k); }) ||
        std::any_of(d.satırıKalan.begin(), d.satırıKalan.end(), [&](const Çözülen& ç) { return bu(ç.k); }))
      return true;
  return false;
}

// True once the line is known gone (or was never kept); the caller has forgotten the work already.
bool SatırıSil(const Kayıt& k) {
  if (!AyarlardaTut || k.anahtar.isEmpty()) return true;
  if (!Ayarlar::AnahtarıSil(Bölüm, k.anahtar)) return false;
  if (k.bağlantı != 0 && !KoşununSatırıVar()) Koşu::Bırak(true);
  return true;
}

bool Biliniyor(const Dosya& d, const QString& iz) {
  const auto bu = [&](const Çözülen& ç) { return ç.k.iş.iz == iz; };
  return std::any_of(d.bekleyen.begin(), d.bekleyen.end(), [&](const Kayıt& k) { return k.iş.iz == iz; }) ||
         std::any_of(d.çözülen.begin(), d.çözülen.end(), bu) ||
         std::any_of(d.satırıKalan.begin(), d.satırıKalan.end(), bu);
}

// What the settings keep for the file that this run does not know yet, read at each connection:
// the works of runs that ended, or the one pending work an earlier version kept. A running
// copy's works stay its own: its form may still hold them and write them at its next save.
Dosya& AyarlardanAl(const QString& yol) {
  Dosya& d = Dosyalar::Hepsi()[yol];
  if (!AyarlardaTut) return d;
  QStringList biten;
  for (const auto& [anahtar, değer] : Ayarlar::TümünüOku(Bölüm)) {
    const auto o = SatırıOku(değer);
    if (!o) {
      Ayarlar::AnahtarıSil(Bölüm, anahtar);
      continue;
    }
    if (o->iş.yol != yol || Biliniyor(d, o->iş.iz)) continue;
    if (!o->koşu.isEmpty()) {
      if (!biten.contains(o->koşu) && !Koşu::Bitti(o->koşu)) continue;
      biten << o->koşu;
    }
    d.bekleyen.push_back({o->iş, 0, nullptr, anahtar});
  }
  // Nothing waits on an ended run's lock; a line of it for another file still finds it ended.
  for (const QString& koşu : biten) Koşu::Sil(koşu);
  if (Ayarlar::BölümVar(EskiBölüm) && Ayarlar::Oku(EskiBölüm, QStringLiteral("Veritabani")) == yol) {
    const auto oku = [](const char* a) { return Ayarlar::Oku(EskiBölüm, QString::fromLatin1(a)); };
    if (!oku("Iz").isEmpty() && !Biliniyor(d, oku("Iz"))) {
      Kayıt k{{oku("Iz"), oku("Ad"), QDateTime::fromString(oku("Zaman"), Qt::ISODate), yol, 0, Tablo::Eski}, 0, nullptr, {}};
      SatırıEkle(k, false);
      d.bekleyen.push_back(k);
    }
    Ayarlar::BölümüSil(EskiBölüm);
  }
  return d;
}

bool TabloVar(Veritabanı& vt, const QString& ad) {
  return !vt.KayıtKümesiAç(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?"), {ad}).Boş();
}

bool İzVar(Veritabanı& vt, const QString& tablo, const QString& iz) {
  return TabloVar(vt, tablo) &&
         !vt.KayıtKümesiAç(QStringLiteral("SELECT 1 FROM %1 WHERE Iz = ?").arg(tablo), {iz}).Boş();
}

// The file's count of commits that stored a token: the newest token's, which no write removes.
qint64 SonSıra(Veritabanı& vt) {
  if (!TabloVar(vt, QStringLiteral("OnayIzleri"))) return 0;
  return vt.KayıtKümesiAç(QStringLiteral("SELECT IFNULL(MAX(Sira), 0) AS Sira FROM OnayIzleri")).Tamsayı("Sira");
}

// Whether the work's token is in the file; nothing when its absence no longer tells.
std::optional<bool> Oku(Veritabanı& vt, const Bekleyenİş& iş) {
  switch (iş.tablo) {
    case Tablo::Onay:
      if (İzVar(vt, QStringLiteral("OnayIzleri"), iş.iz)) return true;
      // Removed by age only once some write counted past sıra + SilinmeSırası (a count read
      // from the settings may be anything: no sum of it can overflow).
      if (SonSıra(vt) - SilinmeSırası > iş.sıra) return std::nullopt;
      return false;
    case Tablo::Önceki:
      // That version removed tokens by the clock of whichever workstation wrote: a missing one
      // tells nothing.
      if (İzVar(vt, QStringLiteral("IslemIzleri"), iş.iz)) return true;
      return std::nullopt;
    case Tablo::Eski: return İzVar(vt, QStringLiteral("IslemIzleriTablosu"), iş.iz);
  }
  return std::nullopt;
}

// Reads every pending work of the file back; all are read before any is taken as settled, so a
// read the disk fails leaves them all pending. True when `kendi`'s is in the file, whether this
// read settled it or an earlier one whose answer the holder has not been told yet.
bool HepsiniÇöz(Veritabanı& vt, Dosya& d, Bekleyenİz* kendi) {
  bool önce = false;
  for (Çözülen& ç : d.çözülen)
    if (kendi && ç.k.sahip == kendi && ç.k.iş.iz == kendi->İz()) ç.kendi = true, önce = ç.yazılmış.value_or(false);
  if (d.bekleyen.empty()) return önce;
  std::vector<std::optional<bool>> sonuçlar;
  for (const Kayıt& k : d.bekleyen) sonuçlar.push_back(Oku(vt, k.iş));
  for (size_t i = 0; i < d.bekleyen.size(); ++i) {
    const Kayıt& k = d.bekleyen[i];
    const bool kendisi = kendi && k.sahip == kendi;
    if (kendisi) önce = sonuçlar[i].value_or(false);
    d.çözülen.push_back({k, sonuçlar[i], kendisi});
  }
  d.bekleyen.clear();
  return önce;
}

// Removes the lines of told works that are still in the settings; a token of this connection's
// whose line is gone goes with its next write.
void SatırlarıSil(Veritabanı& vt) {
  auto& kalan = Dosyalar::Hepsi()[vt.Yol()].satırıKalan;
  for (auto i = kalan.begin(); i != kalan.end();) {
    const Çözülen ç = *i;
    i = kalan.erase(i);
    if (!SatırıSil(ç.k)) {
      i = kalan.insert(i, ç) + 1;
      continue;
    }
    if (ç.k.bağlantı == vt.İzDurumu().no && ç.yazılmış.value_or(false) && ç.k.iş.tablo == Tablo::Onay)
      vt.İzDurumu().silinecek.push_back(ç.k.iş.iz);
  }
}

}  // namespace

void Bağlanınca(Veritabanı& vt) {
  Dosya& d = AyarlardanAl(vt.Yol());
  try {
    HepsiniÇöz(vt, d, nullptr);
  } catch (const VeritabanıHatası&) {
    // The disk still fails: the first write on the file reads them under its lock.
  }
}

bool Çöz(Veritabanı& vt, Bekleyenİz* kendi) { return HepsiniÇöz(vt, Dosyalar::Hepsi()[vt.Yol()], kendi); }

Yazılan Yaz(Veritabanı& vt) {
  BağlantıDurumu& b = vt.İzDurumu();
  // Made here, in the write itself: a file that could not take it at connection still gets the
  // token with its first write, or the write fails.
  vt.Çalıştır(QStringLiteral("CREATE TABLE IF NOT EXISTS OnayIzleri (Iz TEXT PRIMARY KEY, Sira INTEGER NOT NULL) "
                             "WITHOUT ROWID"));
  vt.Çalıştır(QStringLiteral("CREATE INDEX IF NOT EXISTS OnayIzleriSira ON OnayIzleri (Sira)"));
  const Yazılan y{QUuid::createUuid().toString(QUuid::WithoutBraces), SonSıra(vt) + 1};
  for (const QString& iz : b.silinecek) vt.Çalıştır(QStringLiteral("DELETE FROM OnayIzleri WHERE Iz = ?"), {iz});
  vt.Çalıştır(QStringLiteral("DELETE FROM OnayIzleri WHERE Sira < ?"), {y.sıra - SilinmeSırası});
  vt.Çalıştır(QStringLiteral("INSERT INTO OnayIzleri (Iz, Sira) VALUES (?, ?)"), {y.iz, y.sıra});
  return y;
}

void Yazıldı(Veritabanı& vt, const QString& iz) { vt.İzDurumu().silinecek.assign(1, iz); }

bool Bilinmiyor(Veritabanı& vt, const Yazılan& y, const QString& ad, Bekleyenİz* kendi) {
  Dosya& d = Dosyalar::Hepsi()[vt.Yol()];
  Kayıt k{{y.iz, ad, Saat(), vt.Yol(), y.sıra, Tablo::Onay}, vt.İzDurumu().no, kendi, {}};
  const bool saklandı = SatırıEkle(k, true);
  d.bekleyen.push_back(k);
  if (kendi) Dosyalar::Tut(kendi, y.iz, saklandı);
  return saklandı;
}

void Bildir(Veritabanı& vt) {
  // A message shown while telling runs an event loop; what it may start is told after.
  static bool söyleniyor = false;
  if (söyleniyor) return;
  söyleniyor = true;
  const QString yol = vt.Yol();
  while (true) {
    Dosya& d = Dosyalar::Hepsi()[yol];
    if (d.çözülen.empty()) break;
    const Çözülen ç = d.çözülen.front();
    // Told and let go in one step: the holder's answer is the one it hears.
    if (ç.k.sahip) Dosyalar::Kopar(ç.k.sahip, ç.k.iş.iz);
    try {
      if (ç.k.sahip && ç.k.sahip->Çözüldü)
        ç.k.sahip->Çözüldü(ç.k.iş, ç.yazılmış, ç.kendi);
      else if (Söyle)
        Söyle(ç.k.iş, ç.yazılmış, ç.kendi);
    } catch (...) {
    }
    // Forgotten only once told, and its token removed only once its line is known gone: a line
    // that outlives this run, the program ending in between or the settings refusing the
    // removal, is told again at the next start from a token still there, truly.
    std::erase_if(Dosyalar::Hepsi()[yol].çözülen, [&](const Çözülen& x) { return x.k.iş.iz == ç.k.iş.iz; });
    Dosyalar::Hepsi()[yol].satırıKalan.emplace_back(ç).k.sahip = nullptr;
  }
  SatırlarıSil(vt);
  söyleniyor = false;
}

void Kapanırken(Veritabanı& vt) noexcept {
  try {
    SatırlarıSil(vt);
    const std::vector<QString>& silinecek = vt.İzDurumu().silinecek;
    if (silinecek.empty()) return;
    // The run is over: its settled tokens go now, not with a write that will not come. Nothing
    // waits long on it: a file locked or failing keeps them, and they go by age.
    sqlite3_busy_timeout(vt.Tutamaç(), 1000);
    // Not a work of the user's: no token of its own, nothing to tell.
    vt.Çalıştır(QStringLiteral("BEGIN IMMEDIATE"));
    const qint64 son = SonSıra(vt);
    for (const QString& iz : silinecek) vt.Çalıştır(QStringLiteral("DELETE FROM OnayIzleri WHERE Iz = ?"), {iz});
    // The file's count stays in a row no work asks for: it never goes back.
    if (SonSıra(vt) < son)
      vt.Çalıştır(QStringLiteral("INSERT OR REPLACE INTO OnayIzleri (Iz, Sira) VALUES ('', ?)"), {son});
    vt.Çalıştır(QStringLiteral("COMMIT"));
  } catch (...) {
  }
  if (!sqlite3_get_autocommit(vt.Tutamaç())) sqlite3_exec(vt.Tutamaç(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void HepsiniUnut() {
  Dosyalar::Hepsi().clear();
  Koşu::Yeni();
}

BağlantıDurumu::BağlantıDurumu() {
  static int sayaç = 0;
  no = ++sayaç;
}

}  // namespace İşlemİzleri
