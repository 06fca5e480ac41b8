#include "KosuDosyalari.h"

#include "Ayarlar.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUuid>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace KoşuDosyaları {
namespace {

const QString Uzantı = QStringLiteral(".isler");
const QString GeçiciUzantı = QStringLiteral(".yeni");
const QByteArray Başlık = "Velmora-isler 1\n";
// The last line: a file without it was cut short and is not taken for a whole one.
const QByteArray Son = "son\n";

QByteArray Yerel(const QString& yol) { return QFile::encodeName(yol); }

// A lock of the open file itself, not of the process: testing another run's file never drops
// this run's own, and a child process closing what it inherited lets nothing go.
bool Kilit(int fd, short tür) {
  struct flock k {};
  k.l_type = tür, k.l_whence = SEEK_SET;
  return ::fcntl(fd, F_OFD_SETLK, &k) == 0;
}

// Whether the path still names the file open as `fd`.
bool AdıVar(int fd, const QString& yol) {
  struct stat a {}, b {};
  return ::fstat(fd, &a) == 0 && ::stat(Yerel(yol).constData(), &b) == 0 && a.st_dev == b.st_dev &&
         a.st_ino == b.st_ino;
}

// A rename or a removal survives a power cut only once the folder is synced.
bool KlasörüEşitle(const QString& yol) {
  const int fd = ::open(Yerel(QFileInfo(yol).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool tamam = ::fsync(fd) == 0;
  ::close(fd);
  return tamam;
}

bool Kaldır(const QString& yol) { return ::unlink(Yerel(yol).constData()) == 0 && KlasörüEşitle(yol); }

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

QByteArray İçerik(const std::vector<Satır>& satırlar) {
  QByteArray b = Başlık;
  for (const Satır& s : satırlar) b += (Kaç(s.anahtar) + u'\t' + Kaç(s.metin)).toUtf8() + '\n';
  return b + Son;
}

// Nothing for a file that is not whole.
std::optional<std::vector<Satır>> Oku(int fd) {
  QByteArray b;
  char tampon[4096];
  for (off_t yer = 0;;) {
    const ssize_t n = ::pread(fd, tampon, sizeof tampon, yer);
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    b.append(tampon, n), yer += n;
  }
  if (!b.startsWith(Başlık) || !b.endsWith(Son)) return std::nullopt;
  std::vector<Satır> satırlar;
  const QByteArray gövde = b.mid(Başlık.size(), b.size() - Başlık.size() - Son.size());
  for (const QByteArray& satır : gövde.split('\n')) {
    if (satır.isEmpty()) continue;
    const QString s = QString::fromUtf8(satır);
    const qsizetype sekme = s.indexOf(u'\t');
    if (sekme < 0) return std::nullopt;
    satırlar.push_back({KaçmaOku(s.left(sekme)), KaçmaOku(s.mid(sekme + 1))});
  }
  return satırlar;
}

bool TamYaz(int fd, const QByteArray& b) {
  for (qsizetype yazılan = 0; yazılan < b.size();) {
    const ssize_t n = ::write(fd, b.constData() + yazılan, size_t(b.size() - yazılan));
    if (n <= 0) return false;
    yazılan += n;
  }
  return true;
}

// A file this run holds the lock of.
struct Tutulan {
  QString yol;
  int fd = -1;  // none until the run's own file is first written
  bool kendi = false;
  std::vector<Satır> satırlar;  // all its lines, as written last
  QStringList alınan;           // the lines this run took from it, of a file taken over
};

struct Koşu {
  QString ad = QUuid::createUuid().toString(QUuid::WithoutBraces);
  std::vector<Tutulan> dosyalar;
  // A run that ends well removes its own file when nothing is left in it; one with lines left
  // leaves them to the next copy, as any end does.
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

// Writes the file anew with `satırlar`, under its name, already locked; the lock of the file
// it replaces goes only after. False when it could not be written or may not survive a power cut.
bool Yaz(Tutulan& t, const std::vector<Satır>& satırlar) {
  if (!QDir().mkpath(QFileInfo(t.yol).absolutePath())) return false;
  const QByteArray içerik = İçerik(satırlar);
  // Another copy clearing a stale file aside may take this one between its making and its lock.
  for (int deneme = 0; deneme < 3; ++deneme) {
    const QString geçici =
        t.yol + QStringLiteral(".%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0')) + GeçiciUzantı;
    const int fd = ::open(Yerel(geçici).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    if (Kilit(fd, F_WRLCK) && TamYaz(fd, içerik) && ::fsync(fd) == 0 &&
        ::rename(Yerel(geçici).constData(), Yerel(t.yol).constData()) == 0) {
      if (t.fd >= 0) ::close(t.fd);
      t.fd = fd;
      // Counted on only once the name survives a power cut too: else the next write says it again.
      if (!KlasörüEşitle(t.yol)) return false;
      t.satırlar = satırlar;
      return true;
    }
    const bool alındı = errno == ENOENT;
    ::unlink(Yerel(geçici).constData());
    ::close(fd);
    if (!alındı) return false;
  }
  return false;
}

Tutulan& Kendi() {
  Koşu& k = Bu();
  for (Tutulan& t : k.dosyalar)
    if (t.kendi) return t;
  return k.dosyalar.emplace_back(Tutulan{Klasör() + u'/' + k.ad + Uzantı, -1, true, {}, {}});
}

std::vector<Satır>::iterator Bul(std::vector<Satır>& satırlar, const QString& anahtar) {
  return std::find_if(satırlar.begin(), satırlar.end(), [&](const Satır& s) { return s.anahtar == anahtar; });
}

// A file taken over that holds nothing of this run's any more is let go, for another copy to
// take the rest; one with nothing left is removed first. False when it could not be removed.
bool Bırak(std::vector<Tutulan>::iterator t) {
  if (t->satırlar.empty() && AdıVar(t->fd, t->yol) && !Kaldır(t->yol)) return false;
  ::close(t->fd);
  Bu().dosyalar.erase(t);
  return true;
}

}  // namespace

QString Klasör() { return QFileInfo(Ayarlar::DosyaYolu()).absolutePath() + QStringLiteral("/Velmora-kosular"); }

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
  for (const QString& ad : adlar) {
    const QString yol = klasör + u'/' + ad;
    auto& dosyalar = Bu().dosyalar;
    if (std::any_of(dosyalar.begin(), dosyalar.end(), [&](const Tutulan& t) { return t.yol == yol; })) continue;
    const int fd = ::open(Yerel(yol).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) continue;
    if (KilitlemedenÖnce) KilitlemedenÖnce(yol);
    // Held: its run lives, or another copy is taking it. Renamed over since it was named: the
    // lock is of a file no one will read again.
    if (!Kilit(fd, F_WRLCK) || !AdıVar(fd, yol)) {
      ::close(fd);
      continue;
    }
    // Left aside by a writer that ended before renaming it: nothing in it counts.
    if (ad.endsWith(GeçiciUzantı)) {
      Kaldır(yol);
      ::close(fd);
      continue;
    }
    // One this version cannot read is left as it is.
    const auto satırlar = Oku(fd);
    if (!satırlar) {
      ::close(fd);
      continue;
    }
    Tutulan t{yol, fd, false, {}, {}};
    bool atılan = false;
    for (const Satır& s : *satırlar) {
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
      if (t.satırlar.empty() && AdıVar(t.fd, yol)) Kaldır(yol);
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
    const auto satırlar = Oku(fd);
    ::close(fd);
    if (satırlar && std::any_of(satırlar->begin(), satırlar->end(), [&](const Satır& s) { return s.anahtar == anahtar; }))
      return true;
  }
  return false;
}

void Yenile() {
  for (Tutulan& t : Bu().dosyalar)
    if (t.fd >= 0 && !AdıVar(t.fd, t.yol)) Yaz(t, std::vector<Satır>(t.satırlar));
}

bool EskiKoşuBitti(const QString& ad) {
  const int fd = ::open(Yerel(Klasör() + u'/' + ad).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  // A read lock is enough to find it held.
  const bool bitti = Kilit(fd, F_RDLCK);
  ::close(fd);
  return bitti;
}

void EskiKoşuyuSil(const QString& ad) { ::unlink(Yerel(Klasör() + u'/' + ad).constData()); }

void Yeni() {
  Koşu& k = Bu();
  for (const Tutulan& t : k.dosyalar)
    if (t.fd >= 0) ::close(t.fd);
  k.dosyalar.clear();
  k.ad = QUuid::createUuid().toString(QUuid::WithoutBraces);
}

}  // namespace KoşuDosyaları
