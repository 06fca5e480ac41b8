#include "KosuDosyalari.h"

#include "Ayarlar.h"
#include "DosyaYazimi.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QRandomGenerator>
#include <QSysInfo>
#include <QTimer>
#include <QUuid>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <utility>

namespace KoşuDosyaları {
namespace {

using DosyaYazımı::KlasörüEşitle;

using Saat = std::chrono::steady_clock;

const QString Uzantı = QStringLiteral(".isler");
const QString GeçiciUzantı = QStringLiteral(".yeni");
// A file of an ended run that could not be read is set aside under its name and this.
const QString KenarUzantısı = QStringLiteral(".okunamadi");
// The first line names the form and a number the writer changes at every write; an earlier
// version's first line has no number.
const QByteArray Başlık = "Velmora-isler 2 ";
const QByteArray EskiBaşlık = "Velmora-isler 1\n";
// The last line: a file without it was cut short and is not taken for a whole one.
const QByteArray Son = "son\n";

QByteArray Yerel(const QString& yol) { return QFile::encodeName(yol); }

QString Rastgele() { return QString::number(QRandomGenerator::global()->generate64(), 16); }

// What a file's name says of who holds it: this, and its own part after.
QString DosyaAdı(const Kimlik& k, const QString& ek) {
  return QStringList{k.makine, k.açılış, k.pidAlanı, QString::number(k.pid), QString::number(k.başlangıç), k.koşu, ek}
      .join(u'_');
}

std::optional<Kimlik> AdıÇöz(const QString& ad) {
  const QStringList p = ad.left(ad.indexOf(u'.')).split(u'_');
  bool pidVar = false, başVar = false;
  Kimlik k{p.value(0), p.value(1), p.value(2), p.value(3).toLongLong(&pidVar), p.value(4).toLongLong(&başVar), p.value(5)};
  if (p.size() != 7 || !pidVar || !başVar || k.makine.isEmpty() || k.koşu.isEmpty()) return std::nullopt;
  return k;
}

QByteArray DosyaOku(const QString& yol) {
  QFile f(yol);
  return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed() : QByteArray();
}

Kimlik SistemdenOku() {
  Kimlik k;
  QByteArray makine = DosyaOku(QStringLiteral("/etc/machine-id"));
  if (makine.isEmpty()) makine = DosyaOku(QStringLiteral("/var/lib/dbus/machine-id"));
  // The name too: machines copied from one image may share an id.
  k.makine = QString::fromLatin1(
      QCryptographicHash::hash(makine + '\n' + QSysInfo::machineHostName().toUtf8(), QCryptographicHash::Sha256)
          .toHex()
          .left(16));
  k.açılış = QString::fromLatin1(DosyaOku(QStringLiteral("/proc/sys/kernel/random/boot_id"))).remove(u'-');
  if (k.açılış.isEmpty() || k.açılış.contains(u'_')) k.açılış = QStringLiteral("0");
  const QString alan = QFileInfo(QStringLiteral("/proc/self/ns/pid")).symLinkTarget();
  k.pidAlanı = alan.section(u'[', 1).section(u']', 0, 0);
  if (k.pidAlanı.isEmpty()) k.pidAlanı = QStringLiteral("0");
  k.pid = ::getpid();
  k.koşu = Rastgele();
  return k;
}

// A process's state and start, from the system's table of processes; nothing once it is gone.
std::optional<std::pair<char, qint64>> Süreç(qint64 pid) {
  if (pid <= 0) return std::nullopt;
  const QByteArray satır = DosyaOku(QStringLiteral("/proc/%1/stat").arg(pid));
  const qsizetype son = satır.lastIndexOf(')');
  if (son < 0) return std::nullopt;
  const QList<QByteArray> alan = satır.mid(son + 2).split(' ');
  bool tamam = false;
  const qint64 başlangıç = alan.value(19).toLongLong(&tamam);
  if (alan.isEmpty() || alan[0].isEmpty() || !tamam) return std::nullopt;
  return std::pair{alan[0][0], başlangıç};
}

bool SüreçYaşıyor(qint64 pid, qint64 başlangıç) {
  const auto s = Süreç(pid);
  // An ended process not yet waited for still stands in the table.
  return s && s->first != 'Z' && s->first != 'X' && s->second == başlangıç;
}

enum class Kilit { Alındı, Tutuluyor, Yok };

// A lock of the open file itself, not of the process: testing another run's file never drops
// this run's own, and a child process closing what it inherited lets nothing go. Where locks
// cannot be had at all (a share without its lock service), the rules of who may take a file
// stand without them.
Kilit Kilitle(int fd, short tür) {
  int hata = 0;
  if (KilitYerine) {
    hata = KilitYerine();
  } else {
    struct flock k {};
    k.l_type = tür, k.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &k) != 0) hata = errno;
  }
  if (hata == 0) return Kilit::Alındı;
  return hata == EAGAIN || hata == EACCES ? Kilit::Tutuluyor : Kilit::Yok;
}

// Whether the path still names the file open as `fd`.
bool AdıVar(int fd, const QString& yol) {
  struct stat a {}, b {};
  return ::fstat(fd, &a) == 0 && ::stat(Yerel(yol).constData(), &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

bool Kaldır(const QString& yol) { return ::unlink(Yerel(yol).constData()) == 0 && KlasörüEşitle(yol); }

bool AdlandırVeEşitle(const QString& eski, const QString& yeni) {
  return ::rename(Yerel(eski).constData(), Yerel(yeni).constData()) == 0 && (KlasörüEşitle(yeni), true);
}

QString Kaç(QString s) {
  return s.replace(u'\\', QStringLiteral("\\\\"))
      .replace(u'\n', QStringLiteral("\\n"))
      .replace(u'\r', QStringLiteral("\\r"))
      .replace(u'\t', QStringLiteral("\\t"));
}

QString KaçmaOku(const QString& s) {
  QString çıktı;
  çıktı.reserve(s.size());
  for (qsizetype i = 0; i < s.size(); ++i) {
    if (s[i] != u'\\' || i + 1 == s.size()) {
      çıktı += s[i];
      continue;
    }
    const QChar c = s[++i];
    çıktı += c == u'n' ? QChar(u'\n') : c == u'r' ? QChar(u'\r') : c == u't' ? QChar(u'\t') : c;
  }
  return çıktı;
}

QByteArray İçerik(const std::vector<Satır>& satırlar, quint64 damga) {
  QByteArray b = Başlık + QByteArray::number(damga) + '\n';
  for (const Satır& s : satırlar) b += (Kaç(s.anahtar) + u'\t' + Kaç(s.metin)).toUtf8() + '\n';
  return b + Son;
}

QByteArray HepsiniOku(int fd, bool* tamam = nullptr) {
  QByteArray b;
  char tampon[4096];
  for (off_t yer = 0;;) {
    const ssize_t n = ::pread(fd, tampon, sizeof tampon, yer);
    if (tamam) *tamam = n >= 0;
    if (n <= 0) return b;
    b.append(tampon, n), yer += n;
  }
}

struct Okunan {
  enum { Tamam, Bozuk, Yeni } durum = Bozuk;  // Yeni: of a later version, which this one leaves as it is
  std::vector<Satır> satırlar;
  quint64 damga = 0;
};

Okunan Çözümle(const QByteArray& b) {
  Okunan o;
  const qsizetype ilkSatır = b.indexOf('\n') + 1;
  const QByteArray başlık = b.left(ilkSatır);
  bool tamam = başlık == EskiBaşlık;
  if (!tamam && başlık.startsWith(Başlık)) o.damga = başlık.mid(Başlık.size()).chopped(1).toULongLong(&tamam);
  if (!tamam) {
    if (başlık.startsWith("Velmora-isler ") && b.endsWith(Son)) o.durum = Okunan::Yeni;
    return o;
  }
  if (!b.endsWith(Son) || b.size() < ilkSatır + Son.size()) return o;
  const QByteArray gövde = b.mid(ilkSatır, b.size() - ilkSatır - Son.size());
  for (const QByteArray& satır : gövde.split('\n')) {
    if (satır.isEmpty()) continue;
    const QString s = QString::fromUtf8(satır);
    const qsizetype sekme = s.indexOf(u'\t');
    if (sekme < 0) return {};
    o.satırlar.push_back({KaçmaOku(s.left(sekme)), KaçmaOku(s.mid(sekme + 1))});
  }
  o.durum = Okunan::Tamam;
  return o;
}

void Adım(const char* ad) {
  if (YazımAdımı) YazımAdımı(ad);
}

// A file this run holds.
struct Tutulan {
  QString yol;
  int fd = -1;  // none until the run's own file is first written
  bool kendi = false;
  std::vector<Satır> satırlar;  // all its lines, as written last
  QStringList alınan;           // the lines this run took from it, of a file taken over
  QString asıl;                 // the name it had, of a file taken over: it goes back to it, handed on
  QByteArray içerik;            // as written last, with its mode: what "standing as written" means
  mode_t kip = 0;
  bool duruyor = true;          // false once it could not be written again: told once
  quint64 damga = 0;
  Saat::time_point yazıldı;
};

// A file of another machine's run as this copy last saw it, and since when, on its own clock.
struct Gözlem {
  QByteArray damga;
  Saat::time_point ilk;
};

struct Koşu {
  Kimlik kimlik = SistemdenOku();
  std::vector<Tutulan> dosyalar;
  std::map<QString, Gözlem> gözlemler;
  std::vector<QString> kenaraAlınan;
  bool kayıp = false;  // a file with lines could not be written again since last told
  // However the program ends, the system lets the locks go; a run that ends well removes its own
  // file when nothing is left in it.
  ~Koşu() {
    for (Tutulan& t : dosyalar) {
      if (t.fd < 0) continue;
      if (t.kendi && t.satırlar.empty() && AdıVar(t.fd, t.yol)) Kaldır(t.yol);
      ::close(t.fd);
    }
  }
};

Koşu& Bu() {
  static Koşu koşu;
  return koşu;
}

// A process's start, read once it is known which process this is.
const Kimlik& BenimKimliğim() {
  Kimlik& k = Bu().kimlik;
  if (k.başlangıç == 0 && k.pid == ::getpid()) {
    const auto s = Süreç(k.pid);
    k.başlangıç = s ? s->second : 0;
  }
  return k;
}

// Whether a file's run has ended, by what its name says and, for a run this machine cannot look
// into, by the file having stayed the same over several periods of this copy's own time.
bool Bitti(const Kimlik& k, const QString& ad, const QByteArray& damga) {
  const Kimlik& ben = BenimKimliğim();
  const bool açılışBilinir = ben.açılış != u"0" && k.açılış != u"0";
  if (k.makine == ben.makine && açılışBilinir) {
    if (k.açılış != ben.açılış) return true;  // the machine was started again since
    if (k.pidAlanı == ben.pidAlanı && ben.pidAlanı != u"0" && ben.başlangıç > 0) {
      if (k.pid == ben.pid && k.başlangıç == ben.başlangıç) return k.koşu != ben.koşu;
      return !SüreçYaşıyor(k.pid, k.başlangıç);
    }
  }
  const auto şimdi = Saat::now();
  auto [g, yeni] = Bu().gözlemler.try_emplace(ad, Gözlem{damga, şimdi});
  if (yeni || g->second.damga != damga) {
    g->second = {damga, şimdi};
    return false;
  }
  return şimdi - g->second.ilk >= Dönem * BayatDönemi;
}

void ZamanlayıcıyıKur() {
  static QPointer<QTimer> zamanlayıcı;
  if (!zamanlayıcı && QCoreApplication::instance()) {
    zamanlayıcı = new QTimer(QCoreApplication::instance());
    QObject::connect(zamanlayıcı, &QTimer::timeout, [] { Yenile(); });
  }
  if (zamanlayıcı && (!zamanlayıcı->isActive() || zamanlayıcı->intervalAsDuration() != Dönem))
    zamanlayıcı->start(Dönem);
}

// Writes the file anew with `satırlar`, under its name, already locked; the lock of the file
// it replaces goes only after. False when it could not be written or may not survive a power cut.
bool Yaz(Tutulan& t, const std::vector<Satır>& satırlar) {
  const QString klasör = QFileInfo(t.yol).absolutePath();
  const QByteArray içerik = İçerik(satırlar, t.damga + 1);
  bool adsız = AdsızDosyaKullan;
  // Made again should an earlier version, clearing what it takes for a stale file, take this
  // one aside, or the folder go, between the making and the renaming.
  for (int deneme = 0; deneme < 100; ++deneme) {
    if (!QDir().mkpath(klasör)) return false;
    const QString geçici = klasör + u'/' + DosyaAdı(BenimKimliğim(), Rastgele()) + GeçiciUzantı;
    int fd = -1;
    if (adsız) {
      // With no name until it is whole and locked, no other copy can find it half made.
      fd = DosyaYazımı::AdsızAç(Yerel(klasör), 0600);
      if (fd < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT) return false;
      adsız = fd >= 0 || errno == ENOENT;
    }
    if (!adsız && fd < 0) fd = ::open(Yerel(geçici).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    // The folder removed since it was made: made again.
    if (fd < 0 && errno == ENOENT) continue;
    if (fd < 0) return false;
    Adım("yapıldı");
    const Kilit kilit = Kilitle(fd, F_WRLCK);
    Adım("kilitlendi");
    const bool yazıldı = kilit != Kilit::Tutuluyor && DosyaYazımı::HepsiniYaz(fd, içerik) && ::fsync(fd) == 0;
    Adım("yazıldı");
    if (yazıldı && adsız) {
      if (!DosyaYazımı::Adlandır(fd, Yerel(geçici))) {
        // No way to name it here: made aside from now on.
        ::close(fd);
        adsız = false;
        continue;
      }
      Adım("adlandı");
    }
    // A file removed from outside is let go first: a file system in user space will not rename
    // over a name whose removed file is still open.
    if (t.fd >= 0 && !AdıVar(t.fd, t.yol)) ::close(std::exchange(t.fd, -1));
    if (yazıldı && ::rename(Yerel(geçici).constData(), Yerel(t.yol).constData()) == 0) {
      if (t.fd >= 0) ::close(t.fd);
      t.fd = fd;
      // Counted on only once the name survives a power cut too: else the next write says it again.
      if (!KlasörüEşitle(t.yol)) return false;
      struct stat bilgi {};
      ::fstat(fd, &bilgi);
      t.kip = bilgi.st_mode & 07777;
      t.satırlar = satırlar, t.içerik = içerik, ++t.damga, t.yazıldı = Saat::now();
      ZamanlayıcıyıKur();
      return true;
    }
    const bool alındı = kilit == Kilit::Tutuluyor || (yazıldı && errno == ENOENT);
    ::unlink(Yerel(geçici).constData());
    ::close(fd);
    if (!alındı) return false;
  }
  return false;
}

// Whether the file still stands as this run wrote it last: under its name, whole, with its mode.
bool Duruyor(const Tutulan& t) {
  struct stat bilgi {};
  bool okundu = false;
  return AdıVar(t.fd, t.yol) && ::fstat(t.fd, &bilgi) == 0 && (bilgi.st_mode & 07777) == t.kip &&
         bilgi.st_size == t.içerik.size() && HepsiniOku(t.fd, &okundu) == t.içerik && okundu;
}

Tutulan& Kendi() {
  Koşu& k = Bu();
  for (Tutulan& t : k.dosyalar)
    if (t.kendi) return t;
  Tutulan t;
  t.yol = Klasör() + u'/' + DosyaAdı(BenimKimliğim(), QStringLiteral("0")) + Uzantı;
  t.kendi = true;
  return k.dosyalar.emplace_back(std::move(t));
}

std::vector<Satır>::iterator Bul(std::vector<Satır>& satırlar, const QString& anahtar) {
  return std::find_if(satırlar.begin(), satırlar.end(), [&](const Satır& s) { return s.anahtar == anahtar; });
}

// A file taken over that holds nothing of this run's any more is let go: removed when nothing is
// left in it, else given back its name for another copy to take the rest. False when it could not be.
bool Bırak(std::vector<Tutulan>::iterator t) {
  if (t->satırlar.empty() ? AdıVar(t->fd, t->yol) && !Kaldır(t->yol) : !AdlandırVeEşitle(t->yol, t->asıl))
    return false;
  ::close(t->fd);
  Bu().dosyalar.erase(t);
  return true;
}

// A file of a run that ended whose lines cannot be read is set aside, to be told once.
void KenaraAl(const QString& yol) {
  const QString kenar = yol + u'.' + Rastgele() + KenarUzantısı;
  if (AdlandırVeEşitle(yol, kenar)) Bu().kenaraAlınan.push_back(kenar);
}

// A file taken by its rename is given back when what was renamed is not the file that was judged
// (its run wrote it anew meanwhile), unless its run has written its name again since.
void GeriVer(const QString& alınan, const QString& yol) {
  if (::link(Yerel(alınan).constData(), Yerel(yol).constData()) == 0 || errno == EEXIST)
    ::unlink(Yerel(alınan).constData());
  else
    ::rename(Yerel(alınan).constData(), Yerel(yol).constData());
  KlasörüEşitle(yol);
}

}  // namespace

QString Klasör() { return QFileInfo(Ayarlar::DosyaYolu()).absolutePath() + QStringLiteral("/Velmora-kosular"); }

Kimlik BuKimlik() { return BenimKimliğim(); }

bool Ekle(const QString& anahtar, const QString& metin) {
  Tutulan& t = Kendi();
  std::vector<Satır> satırlar = t.satırlar;
  satırlar.push_back({anahtar, metin});
  return Yaz(t, satırlar);
}

bool Sil(const QString& anahtar) {
  auto& dosyalar = Bu().dosyalar;
  for (auto t = dosyalar.begin(); t != dosyalar.end(); ++t) {
    std::vector<Satır> satırlar = t->satırlar;
    const auto s = Bul(satırlar, anahtar);
    if (s == satırlar.end()) continue;
    satırlar.erase(s);
    if (!t->kendi && t->alınan == QStringList{anahtar}) {
      // Its last line of this run's: the file is removed or handed on whole, not written first.
      const std::vector<Satır> önce = std::exchange(t->satırlar, satırlar);
      if (satırlar.empty() ? Bırak(t) : Yaz(*t, satırlar) && Bırak(t)) return true;
      t->satırlar = önce;
      return false;
    }
    if (!Yaz(*t, satırlar)) return false;
    t->alınan.removeAll(anahtar);
    return true;
  }
  return true;
}

bool Var(const QString& anahtar) {
  for (Tutulan& t : Bu().dosyalar)
    if (Bul(t.satırlar, anahtar) != t.satırlar.end()) return true;
  return false;
}

std::vector<Satır> Al(const std::function<Seçim(const Satır&)>& seç) {
  std::vector<Satır> alınan;
  const QString klasör = Klasör();
  const QStringList adlar =
      QDir(klasör).entryList({u'*' + Uzantı, u'*' + GeçiciUzantı}, QDir::Files | QDir::Hidden, QDir::Name);
  std::erase_if(Bu().gözlemler, [&](const auto& g) { return !adlar.contains(g.first); });
  for (const QString& ad : adlar) {
    const QString yol = klasör + u'/' + ad;
    auto& dosyalar = Bu().dosyalar;
    if (std::any_of(dosyalar.begin(), dosyalar.end(), [&](const Tutulan& t) { return t.yol == yol; })) continue;
    const std::optional<Kimlik> kimlik = AdıÇöz(ad);
    // An earlier version's run, named by a number alone, is known ended by its lock only.
    const bool eski = !kimlik && !QUuid::fromString(ad.left(ad.indexOf(u'.'))).isNull();
    if (!kimlik && !eski) continue;
    const int fd = ::open(Yerel(yol).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && (eski || errno == ENOENT)) continue;
    if (KilitlemedenÖnce) KilitlemedenÖnce(yol);
    // Held: its run lives, or another copy is taking it. Renamed over since it was named: the
    // lock is of a file no one will read again.
    const Kilit kilit = fd < 0 ? Kilit::Yok : Kilitle(fd, F_WRLCK);
    const auto geç = [&] {
      if (fd >= 0) ::close(fd);
    };
    if (kilit == Kilit::Tutuluyor || (fd >= 0 && !AdıVar(fd, yol)) || (eski && kilit != Kilit::Alındı)) {
      geç();
      continue;
    }
    bool okundu = false;
    const QByteArray veri = fd < 0 ? QByteArray() : HepsiniOku(fd, &okundu);
    struct stat bilgi {};
    ::stat(Yerel(yol).constData(), &bilgi);
    const QByteArray damga = okundu ? veri
                                    : QByteArray::number(qint64(bilgi.st_ino)) + ' ' + QByteArray::number(qint64(bilgi.st_size)) +
                                          ' ' + QByteArray::number(qint64(bilgi.st_mtim.tv_nsec)) + ' ' +
                                          QByteArray::number(qint64(bilgi.st_mode));
    if (kimlik && !Bitti(*kimlik, ad, damga)) {
      geç();
      continue;
    }
    // Left aside by a writer that ended before renaming it: nothing in it counts.
    if (ad.endsWith(GeçiciUzantı)) {
      Kaldır(yol);
      geç();
      continue;
    }
    const Okunan okunan = okundu ? Çözümle(veri) : Okunan{};
    if (okunan.durum == Okunan::Yeni) {
      geç();
      continue;
    }
    if (okunan.durum == Okunan::Bozuk) {
      KenaraAl(yol);
      geç();
      continue;
    }
    // Taken by its rename: only one copy can, where locks reach or not.
    Tutulan t;
    t.yol = klasör + u'/' + DosyaAdı(BenimKimliğim(), Rastgele()) + Uzantı;
    t.fd = fd, t.asıl = yol, t.içerik = veri, t.kip = bilgi.st_mode & 07777, t.damga = okunan.damga;
    t.yazıldı = Saat::now();
    if (!AdlandırVeEşitle(yol, t.yol)) {
      geç();
      continue;
    }
    if (!AdıVar(fd, t.yol)) {
      GeriVer(t.yol, yol);
      geç();
      continue;
    }
    bool atılan = false;
    for (const Satır& s : okunan.satırlar) {
      const Seçim ne = Var(s.anahtar) ? Seçim::At : seç(s);
      if (ne == Seçim::At) {
        atılan = true;
        continue;
      }
      t.satırlar.push_back(s);
      if (ne == Seçim::Al) t.alınan << s.anahtar, alınan.push_back(s);
    }
    if (atılan && !t.satırlar.empty()) Yaz(t, std::vector<Satır>(t.satırlar));
    if (t.alınan.isEmpty()) {
      if (t.satırlar.empty() ? !Kaldır(t.yol) : !AdlandırVeEşitle(t.yol, yol)) {
        // Neither removed nor given back: held until it can be, as a file with lines of its own.
        dosyalar.push_back(std::move(t));
        continue;
      }
      ::close(t.fd);
      continue;
    }
    dosyalar.push_back(std::move(t));
  }
  return alınan;
}

bool HerhangiBirindeVar(const QString& anahtar) {
  if (Var(anahtar)) return true;
  const QString klasör = Klasör();
  for (const QString& ad : QDir(klasör).entryList({u'*' + Uzantı}, QDir::Files | QDir::Hidden)) {
    const int fd = ::open(Yerel(klasör + u'/' + ad).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    const Okunan o = Çözümle(HepsiniOku(fd));
    ::close(fd);
    if (std::any_of(o.satırlar.begin(), o.satırlar.end(), [&](const Satır& s) { return s.anahtar == anahtar; }))
      return true;
  }
  return false;
}

std::vector<QString> KenaraAlınanlar() { return std::exchange(Bu().kenaraAlınan, {}); }

namespace {
// Harmed from outside, or due: written again. False when it stands nowhere whole.
bool YenidenYaz(Tutulan& t, bool dönemi) {
  if (t.satırlar.empty() || (!dönemi && Duruyor(t))) return t.duruyor = true;
  const bool yazıldı = Yaz(t, std::vector<Satır>(t.satırlar));
  if (!yazıldı && t.duruyor) Bu().kayıp = true;
  t.duruyor = yazıldı;
  return yazıldı;
}
}  // namespace

void Yenile() {
  // A timer may fire a little before its time: a write due within a tenth of a period is done now.
  const auto sınır = Saat::now() - Dönem * 9 / 10;
  for (Tutulan& t : Bu().dosyalar) YenidenYaz(t, t.yazıldı <= sınır);
}

bool Kayboldu() { return std::exchange(Bu().kayıp, false); }

bool Bitir() {
  Koşu& k = Bu();
  bool hepsi = true;
  for (Tutulan& t : k.dosyalar) {
    // Harmed from outside: written again, or no start would find its lines.
    hepsi = YenidenYaz(t, false) && hepsi;
    if (t.fd < 0) continue;
    if (t.kendi && t.satırlar.empty() && AdıVar(t.fd, t.yol)) Kaldır(t.yol);
    ::close(t.fd);
  }
  k.dosyalar.clear();
  return hepsi;
}

bool EskiKoşuBitti(const QString& ad) {
  const int fd = ::open(Yerel(Klasör() + u'/' + ad).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  // A read lock is enough to find it held.
  const bool bitti = Kilitle(fd, F_RDLCK) == Kilit::Alındı;
  ::close(fd);
  return bitti;
}

void EskiKoşuyuSil(const QString& ad) { ::unlink(Yerel(Klasör() + u'/' + ad).constData()); }

void Yeni(const std::optional<Kimlik>& kimlik) {
  Koşu& k = Bu();
  // Its files name a process that is gone, as after a crash; a process that inherited them
  // (a copy started by fork) only lets them go.
  const bool sahibi = k.kimlik.pid == ::getpid();
  for (const Tutulan& t : k.dosyalar) {
    if (t.fd < 0) continue;
    if (sahibi && AdıVar(t.fd, t.yol)) {
      Kimlik ölü = k.kimlik;
      ölü.pid = 0;
      const QString ad = QFileInfo(t.yol).fileName();
      AdlandırVeEşitle(t.yol, QFileInfo(t.yol).absolutePath() + u'/' + DosyaAdı(ölü, ad.section(u'_', 6)));
    }
    ::close(t.fd);
  }
  k.dosyalar.clear();
  k.gözlemler.clear();
  k.kenaraAlınan.clear();
  k.kimlik = kimlik ? *kimlik : SistemdenOku();
}

}  // namespace KoşuDosyaları
