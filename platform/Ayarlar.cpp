#include "Ayarlar.h"

#include "DosyaYazimi.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QVariant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace Ayarlar {

// A key of the file: its whole path ("Listeler/StokListesi/Genislik-1") and its value as the file
// holds it, so that values this program never writes (lists, other types) stay as they are.
struct Değişiklik::Girdi {
  QString anahtar;
  QByteArray ham;
};

namespace {

// Qt's own store kept a copy of the file and read the file again only when its size or time had
// changed: copies writing within one step of the clock lost or brought back each other's keys.
// Here the file is read and written as Qt reads and writes it, but read afresh each time.

using Girdi = Değişiklik::Girdi;
using İçerik = QList<Girdi>;

QString klasör;  // empty: the user's own settings folder

// Qt's escapes in values: the letter after '\' and what it stands for; the last two only read.
constexpr char Kaçışlar[] = "a\ab\bf\fn\nr\rt\tv\v\"\"\\\\?" "?''";

const char* Kaçış(char c, int sütun, int son = sizeof Kaçışlar - 1) {
  for (int k = 0; k < son; k += 2)
    if (Kaçışlar[k + sütun] == c) return Kaçışlar + k;
  return nullptr;
}

int Onaltılık(char16_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A path as Qt keeps it: no empty parts, the section's backslashes as slashes.
QString Yol(const QString& bölüm, const QString& anahtar = {}) {
  QString yol = bölüm;
  yol.replace(u'\\', u'/');
  return (yol + u'/' + anahtar).split(u'/', Qt::SkipEmptyParts).join(u'/');
}

// Keys in the file: letters, digits, '_', '-', '.' as they are, '/' as '\', others as %XX or %UXXXX.
QByteArray AnahtarYaz(const QString& anahtar) {
  QByteArray y;
  for (const QChar q : anahtar) {
    const char16_t c = q.unicode();
    if (c == '/')
      y += '\\';
    else if ((c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') || c == '_' || c == '-' || c == '.')
      y += char(c);
    else
      y += (c <= 0xFF ? "%" : "%U") + QByteArray::number(c, 16).toUpper().rightJustified(c <= 0xFF ? 2 : 4, '0');
  }
  return y;
}

QString AnahtarÇöz(const QByteArray& ham) {
  const QString d = QString::fromUtf8(ham);
  QString a;
  for (qsizetype i = 0; i < d.size();) {
    if (d[i] == u'\\') {
      a += u'/', ++i;
      continue;
    }
    if (d[i] == u'%' && i + 1 < d.size()) {
      const bool geniş = d[i + 1] == u'U';
      const qsizetype baş = i + (geniş ? 2 : 1), uzunluk = geniş ? 4 : 2;
      bool tamam = baş + uzunluk <= d.size();
      const ushort kod = tamam ? d.mid(baş, uzunluk).toUShort(&tamam, 16) : 0;
      if (tamam) {
        a += QChar(kod), i = baş + uzunluk;
        continue;
      }
    }
    a += d[i++];
  }
  return a;
}

// A text as Qt writes it: UTF-8 with C escapes, a hex digit after a numeric escape escaped too,
// in quotes where it holds ';', ',' or '=' or begins or ends with a space.
QByteArray DeğerYaz(QString s) {
  if (s.contains(QChar::Null))
    s = QStringLiteral("@String(") + s + u')';
  else if (s.startsWith(u'@'))
    s.prepend(u'@');  // no type of Qt's
  QByteArray y;
  bool tırnak = false, rakamıKaçır = false;
  for (qsizetype k = 0; k < s.size(); ++k) {
    const char16_t c = s[k].unicode();
    tırnak = tırnak || c == ';' || c == ',' || c == '=';
    if (rakamıKaçır && Onaltılık(c) >= 0) {
      y += "\\x" + QByteArray::number(c, 16);
      continue;
    }
    rakamıKaçır = false;
    const char* kaçış = c < 0x80 ? Kaçış(char(c), 1, 18) : nullptr;
    if (kaçış)
      y += '\\', y += kaçış[0];
    else if (c < 0x20) {
      y += c ? "\\x" + QByteArray::number(c, 16) : QByteArray("\\0");
      rakamıKaçır = true;
    } else if (c < 0x80)
      y += char(c);
    else {
      const qsizetype n = QChar::isHighSurrogate(c) && k + 1 < s.size() && s[k + 1].isLowSurrogate() ? 2 : 1;
      y += s.mid(k, n).toUtf8();
      k += n - 1;
    }
  }
  return tırnak || y.startsWith(' ') || y.endsWith(' ') ? '"' + y + '"' : y;
}

// A text that names one of Qt's types reads as Qt's conversion of that type to text.
QString Metni(const QString& s) {
  if (!s.startsWith(u'@')) return s;
  if (s.endsWith(u')')) {
    if (s.startsWith(QLatin1String("@ByteArray("))) return QVariant(s.mid(11).chopped(1).toLatin1()).toString();
    if (s.startsWith(QLatin1String("@String("))) return s.mid(8).chopped(1);
    if (s.startsWith(QLatin1String("@Variant(")) || s.startsWith(QLatin1String("@DateTime("))) {
      const bool zaman = s[1] == u'D';
      QDataStream akış(s.mid(zaman ? 10 : 9).toLatin1());
      akış.setVersion(zaman ? QDataStream::Qt_5_6 : QDataStream::Qt_4_0);
      QVariant v;
      akış >> v;
      return v.toString();
    }
    for (const auto& [önek, parça] : {std::pair{"@Rect(", 4}, {"@Size(", 2}, {"@Point(", 2}}) {
      const qsizetype baş = qstrlen(önek);
      if (s.startsWith(QLatin1String(önek)) && s.mid(baş).count(u' ') + s.mid(baş).count(u')') == parça) return {};
    }
    if (s == QLatin1String("@Invalid()")) return {};
  }
  return s.startsWith(QLatin1String("@@")) ? s.mid(1) : s;
}

// A value as Qt reads it. A comma outside quotes makes it a list of several texts, which reads
// as no text at all, as Qt converts such a list.
QString DeğerÇöz(const QByteArray& ham) {
  QString metin;
  bool tırnakta = false, tırnaklı = false, sonaKadar = true;  // Qt cuts no spaces after an escape at the end
  qsizetype i = 0, sınır = 0;  // spaces at the end are cut, not over an escape or a quote
  const qsizetype n = ham.size();
  const auto boşlukAtla = [&] {
    while (i < n && (ham[i] == ' ' || ham[i] == '\t')) ++i;
    sınır = metin.size();
  };
  boşlukAtla();
  while (i < n) {
    const char c = ham[i];
    if (c == '\\') {
      if (++i == n) {
        sonaKadar = false;
        break;
      }
      const char e = ham[i++];
      if (const char* kaçış = Kaçış(e, 0)) {
        metin += QLatin1Char(kaçış[1]);
      } else if (e == 'x' || (e >= '0' && e <= '7')) {
        const int taban = e == 'x' ? 16 : 8;
        const auto rakam = [&](char r) { const int d = Onaltılık(uchar(r)); return d < taban ? d : -1; };
        if (e == 'x' && (i == n || rakam(ham[i]) < 0)) {
          sonaKadar = i < n;  // "\x" and no digit: nothing
        } else {
          char16_t kod = e == 'x' ? 0 : e - '0';
          while (i < n && rakam(ham[i]) >= 0) kod = kod * taban + rakam(ham[i++]);
          metin += QChar(kod);
          sonaKadar = i < n;
        }
      } else if ((e == '\n' || e == '\r') && i < n && (ham[i] == '\n' || ham[i] == '\r') && ham[i] != e) {
        ++i;  // a line continued
      }
      sınır = metin.size();
    } else if (c == '"') {
      ++i, tırnaklı = true, tırnakta = !tırnakta;
      if (!tırnakta) boşlukAtla();
    } else if (c == ',' && !tırnakta) {
      return {};
    } else {
      qsizetype j = i + 1;
      while (j < n && ham[j] != '\\' && ham[j] != '"' && ham[j] != ',') ++j;
      metin += QString::fromUtf8(ham.constData() + i, j - i);
      i = j;
    }
  }
  while (sonaKadar && !tırnaklı && metin.size() > sınır && (metin.back() == u' ' || metin.back() == u'\t')) metin.chop(1);
  return Metni(metin);
}

// A value read at the end of a file may leave a quote open or end in a lone '\': written before
// another line it would take that line in. Closed in a way Qt reads as the same value.
QByteArray Kapat(QByteArray ham) {
  bool tırnakta = false;
  for (qsizetype i = 0; i < ham.size(); ++i) {
    if (ham[i] == '\\') {
      if (++i == ham.size()) ham += 'z';  // an escape of nothing: Qt drops it
    } else if (ham[i] == '"') tırnakta = !tırnakta;
  }
  return tırnakta ? ham + '"' : ham;
}

// One line of the file as Qt takes it, from `baş` to `i`: a line break inside quotes or after a
// '\' goes on with it; a ';' outside quotes ends it, and one at its start makes it a comment.
bool SatırOku(const QByteArray& v, qsizetype& i, qsizetype& baş, qsizetype& eşittir) {
  while (i < v.size() && (v[i] == ' ' || v[i] == '\t' || v[i] == '\n' || v[i] == '\r')) ++i;
  baş = i, eşittir = -1;
  bool tırnakta = false;
  for (; i < v.size(); ++i) {
    const char c = v[i];
    if (c == '=' && !tırnakta && eşittir < 0) {
      eşittir = i;
    } else if (c == '\n' || c == '\r') {
      if (i == baş) ++baş;
      else if (!tırnakta) break;
    } else if (c == '\\') {
      if (++i + 1 < v.size() && v[i] != v[i + 1] && (v[i] == '\n' || v[i] == '\r') && (v[i + 1] == '\n' || v[i + 1] == '\r')) ++i;
    } else if (c == '"') {
      tırnakta = !tırnakta;
    } else if (c == ';') {
      if (i == baş) {
        while (i + 1 < v.size() && v[i + 1] != '\n' && v[i + 1] != '\r') ++i;
        baş = i + 1;
      } else if (!tırnakta) {
        break;
      }
    }
  }
  i = std::min(i, v.size());
  return i > baş;
}

İçerik Çözümle(const QByteArray& veri) {
  İçerik içerik;
  QHash<QString, qsizetype> yerler;
  QString bölüm;  // with its '/', empty for [General]
  qsizetype i = veri.startsWith("\xEF\xBB\xBF") ? 3 : 0, baş = 0, eşittir = -1;
  while (SatırOku(veri, i, baş, eşittir)) {
    if (veri[baş] == '[') {
      const qsizetype kapanış = veri.indexOf(']', baş);
      const QByteArray ad = veri.mid(baş + 1, (kapanış < 0 || kapanış >= i ? i : kapanış) - baş - 1).trimmed();
      if (ad.compare("general", Qt::CaseInsensitive) == 0) bölüm.clear();
      else bölüm = (ad.compare("%general", Qt::CaseInsensitive) == 0 ? QString::fromLatin1(ad.mid(1)) : AnahtarÇöz(ad)) + u'/';
      continue;
    }
    if (eşittir < 0) continue;
    qsizetype son = eşittir;
    while (son > baş && (veri[son - 1] == ' ' || veri[son - 1] == '\t')) --son;
    Girdi g{bölüm + AnahtarÇöz(veri.mid(baş, son - baş)), veri.mid(eşittir + 1, i - eşittir - 1)};
    if (const auto yer = yerler.constFind(g.anahtar); yer != yerler.cend())
      içerik[*yer].ham = g.ham;  // the last one counts, in the place of the first
    else
      yerler.insert(g.anahtar, içerik.size()), içerik.append(g);
  }
  return içerik;
}

// A section for each first part of the keys, in the order they first come.
QByteArray Biçimle(const İçerik& içerik) {
  QStringList bölümler;
  QHash<QString, QByteArray> satırlar;
  for (const Girdi& g : içerik) {
    const qsizetype b = g.anahtar.indexOf(u'/');
    const QString bölüm = b < 0 ? QString() : g.anahtar.left(b);
    if (!satırlar.contains(bölüm)) bölümler << bölüm;
    satırlar[bölüm] += AnahtarYaz(g.anahtar.mid(b + 1)) + '=' + Kapat(g.ham) + '\n';
  }
  QByteArray dosya;
  for (const QString& bölüm : bölümler) {
    const QByteArray ad = AnahtarYaz(bölüm);
    if (!dosya.isEmpty()) dosya += '\n';
    dosya += bölüm.isEmpty() ? QByteArray("[General]") : ad.compare("general", Qt::CaseInsensitive) == 0 ? "[%" + ad + ']' : '[' + ad + ']';
    dosya += '\n' + satırlar[bölüm];
  }
  return dosya;
}

// No file counts as empty; a file that cannot be read as a failure.
bool DosyaOku(const QString& yol, QByteArray& veri) {
  const int fd = ::open(QFile::encodeName(yol).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  struct stat bilgi {};
  bool tamam = ::fstat(fd, &bilgi) == 0 && S_ISREG(bilgi.st_mode);
  char tampon[1 << 16];
  for (ssize_t n; tamam && (n = ::read(fd, tampon, sizeof tampon)) != 0;) {
    if (n > 0) veri.append(tampon, n);
    else tamam = errno == EINTR;
  }
  ::close(fd);
  return tamam;
}

// The file the settings stand in: the end of a chain of links, also where its target is not there
// yet, as Qt's store follows it. Empty for a chain that never ends.
QString Hedef(const QString& yol) {
  QFileInfo dosya(yol);
  for (int adım = 0; adım < 40 && dosya.isSymLink(); ++adım) dosya.setFile(dosya.symLinkTarget());
  return dosya.isSymLink() ? QString() : dosya.absoluteFilePath();
}

// Files a writer ended inside a write left beside the file; under the lock no writer is at work.
void ArtıklarıSil(const QString& hedef) {
  const QFileInfo dosya(hedef);
  static const QRegularExpression ek(QStringLiteral("\\.yeni-[0-9a-f]+$"));
  const QDir klasör = dosya.dir();
  for (const QString& ad : klasör.entryList({dosya.fileName() + QStringLiteral(".yeni-*")}, QDir::Files | QDir::Hidden | QDir::System))
    if (ek.match(ad).hasMatch()) ::unlink(QFile::encodeName(klasör.filePath(ad)).constData());
}

// Whole or not at all: a new file, on the disk with the old one's mode, then renamed over it. The
// new file has no name until it is whole where the file system allows it, so a writer killed
// inside the write leaves nothing; elsewhere its name is removed by the next writer.
bool DosyaYaz(const QString& yol, const QByteArray& veri) {
  const QString gerçek = Hedef(yol);
  if (gerçek.isEmpty()) return false;
  const QByteArray hedef = QFile::encodeName(gerçek), klasör = QFile::encodeName(QFileInfo(gerçek).path());
  struct stat eski {};
  const bool vardı = ::stat(hedef.constData(), &eski) == 0;
  // Made read-only to keep it as it is, also from one who may write anything.
  if (vardı && (!(eski.st_mode & 0222) || ::access(hedef.constData(), W_OK) != 0)) return false;
  ArtıklarıSil(gerçek);
  const QByteArray geçici = hedef + ".yeni-" + QByteArray::number(QRandomGenerator::global()->generate(), 16);
  for (const bool adsız : {true, false}) {
    const int fd = adsız ? DosyaYazımı::AdsızAç(klasör, 0666)
                         : ::open(geçici.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) continue;
    bool tamam = (!vardı || ::fchmod(fd, eski.st_mode & 07777) == 0) && DosyaYazımı::HepsiniYaz(fd, veri);
    // An earlier version's store reads the file again only when its size or its time (to the
    // millisecond, on a disk that may keep whole seconds) has changed: written within the second
    // of the old one, the new file is longer than it.
    struct stat yeni {};
    tamam = tamam && ::fstat(fd, &yeni) == 0;
    if (tamam && vardı && yeni.st_mtim.tv_sec <= eski.st_mtim.tv_sec && yeni.st_size <= eski.st_size)
      tamam = DosyaYazımı::HepsiniYaz(fd, QByteArray(eski.st_size - yeni.st_size + 1, '\n'));
    tamam = tamam && ::fsync(fd) == 0;
    if (tamam && adsız)
      tamam = DosyaYazımı::Adlandır(fd, geçici);
    tamam = ::close(fd) == 0 && tamam;
    if (tamam && ::rename(geçici.constData(), hedef.constData()) == 0) {
      // The rename too on the disk; a folder some shares cannot sync still holds the new file.
      DosyaYazımı::KlasörüEşitle(gerçek);
      return true;
    }
    ::unlink(geçici.constData());
    if (!adsız) return false;
  }
  return false;
}

// A lock file as seen: another copy that takes or lets go the lock changes it.
struct KilitHâli {
  bool var = false;
  dev_t aygıt = 0;
  ino_t düğüm = 0;
  qint64 zaman = 0, boy = 0;
  QByteArray içerik;
  bool operator==(const KilitHâli&) const = default;
};

KilitHâli KilideBak(const QString& yol) {
  KilitHâli h;
  struct stat bilgi {};
  if (::stat(QFile::encodeName(yol).constData(), &bilgi) != 0) return h;
  QFile dosya(yol);
  h = {true, bilgi.st_dev, bilgi.st_ino, qint64(bilgi.st_mtim.tv_sec) * 1'000'000'000 + bilgi.st_mtim.tv_nsec,
       qint64(bilgi.st_size), dosya.open(QIODevice::ReadOnly) ? dosya.read(4096) : QByteArray()};
  return h;
}

// Qt's own lock on the file, which an earlier version writing through Qt takes too. Short waits
// of random length: Qt's doubling wait leaves a copy ever further behind those that keep writing.
// A lock whose copy lives changes within milliseconds; one left by a copy that ended inside a
// write never does. Whether it changed is seen here, by this machine's elapsed time, never by
// comparing its clock with the time the file carries, which another machine's clock wrote.
Sonuç KilitAl(QLockFile& kilit, const QString& yol, bool bekle) {
  kilit.setStaleLockTime(0);  // only a lock of this machine whose copy has ended, at once
  const QDeadlineTimer süre(KilitBayatlığı * 2);
  KilitHâli görülen;
  QElapsedTimer değişmedi;
  while (!kilit.tryLock(0)) {
    if (kilit.error() != QLockFile::LockFailedError) return Sonuç::Yazılamadı;
    if (!bekle) return Sonuç::Kilitli;
    const KilitHâli şimdi = KilideBak(yol);
    if (!değişmedi.isValid() || şimdi != görülen) {
      görülen = şimdi;
      değişmedi.start();
    } else if (şimdi.var && değişmedi.elapsed() >= KilitBayatlığı.count()) {
      // Qt removes it only where no copy on this machine holds it open.
      kilit.removeStaleLockFile();
      değişmedi.invalidate();
      continue;
    }
    if (süre.hasExpired()) return Sonuç::Kilitli;
    ::usleep(useconds_t(1000 * QRandomGenerator::global()->bounded(1, 10)));
  }
  return Sonuç::Yazıldı;
}

İçerik Dosya() {
  QByteArray veri;
  return DosyaOku(DosyaYolu(), veri) ? Çözümle(veri) : İçerik{};
}

// Whether `değiştir` changes the file as it is now; a failed read counts as a change.
bool DeğiştirirMi(const std::function<void(İçerik&)>& değiştir) {
  QByteArray veri;
  if (!DosyaOku(DosyaYolu(), veri)) return true;
  İçerik içerik = Çözümle(veri);
  const QByteArray önce = Biçimle(içerik);
  değiştir(içerik);
  return Biçimle(içerik) != önce;
}

// Changes the file as it is now, under its lock, and writes it back if anything changed. With
// `önceBak`, a change that would alter nothing in the file as read without the lock ends there.
Sonuç DosyayıDeğiştir(const std::function<void(İçerik&)>& değiştir, bool bekle = true, bool önceBak = true) {
  if (önceBak && !DeğiştirirMi(değiştir)) return Sonuç::Yazıldı;
  const QString yol = DosyaYolu();
  if (!QDir().mkpath(QFileInfo(yol).path())) return Sonuç::Yazılamadı;
  QLockFile kilit(yol + QStringLiteral(".lock"));
  if (const Sonuç s = KilitAl(kilit, kilit.fileName(), bekle); s != Sonuç::Yazıldı) return s;
  QByteArray veri;
  if (!DosyaOku(yol, veri)) return Sonuç::Yazılamadı;  // written from nothing, every key would be lost
  İçerik içerik = Çözümle(veri);
  const QByteArray önce = Biçimle(içerik);
  değiştir(içerik);
  const QByteArray sonra = Biçimle(içerik);
  if (sonra == önce) return Sonuç::Yazıldı;
  if (!DosyaYaz(yol, sonra)) return Sonuç::Yazılamadı;
  if (YazıldıktanSonra) YazıldıktanSonra(yol);
  return Sonuç::Yazıldı;
}

void Koy(İçerik& içerik, const QString& anahtar, const QByteArray& ham) {
  const auto g = std::find_if(içerik.begin(), içerik.end(), [&](const Girdi& x) { return x.anahtar == anahtar; });
  if (g == içerik.end()) içerik.append({anahtar, ham});
  else g->ham = ham;
}

// The section's keys and the ones under it, as Qt removes a group.
void Boşalt(İçerik& içerik, const QString& bölüm) {
  const QString grup = Yol(bölüm);
  içerik.removeIf([&](const Girdi& g) {
    return grup.isEmpty() || g.anahtar == grup || g.anahtar.startsWith(grup + u'/');
  });
}

qint64 SonEk(const QString& anahtar) {
  static const QRegularExpression sayı(QStringLiteral("(\\d+)$"));
  const auto m = sayı.match(anahtar);
  return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

QString Önek(const QString& bölüm) {
  const QString grup = Yol(bölüm);
  return grup.isEmpty() ? grup : grup + u'/';
}

bool Doğrudan(const QString& önek, const QString& anahtar) {
  return anahtar.startsWith(önek) && !anahtar.mid(önek.size()).contains(u'/');
}

// The section's own keys (not those of groups under it), in stored order.
QList<QPair<QString, QString>> Anahtarları(const İçerik& içerik, const QString& bölüm) {
  const QString önek = Önek(bölüm);
  QList<QPair<QString, QString>> sonuç;
  for (const Girdi& g : içerik)
    if (Doğrudan(önek, g.anahtar)) sonuç.append({g.anahtar.mid(önek.size()), DeğerÇöz(g.ham)});
  std::stable_sort(sonuç.begin(), sonuç.end(), [](const auto& a, const auto& b) {
    const qint64 x = SonEk(a.first), y = SonEk(b.first);
    return x != y ? x < y : a.first < b.first;
  });
  return sonuç;
}

}  // namespace

QString Oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan) {
  const QString yol = Yol(bölüm, anahtar);
  for (const Girdi& g : Dosya())
    if (g.anahtar == yol) return DeğerÇöz(g.ham);
  return varsayılan;
}

qint64 SayıOku(const QString& bölüm, const QString& anahtar, qint64 varsayılan) {
  bool tamam = false;
  const qint64 n = Oku(bölüm, anahtar).trimmed().toLongLong(&tamam);
  return tamam ? n : varsayılan;
}

bool MantıksalOku(const QString& bölüm, const QString& anahtar, bool varsayılan) {
  const QString m = Oku(bölüm, anahtar).trimmed();
  if (m.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) return true;
  if (m.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) return false;
  bool tamam = false;
  const qint64 n = m.toLongLong(&tamam);
  return tamam ? n != 0 : varsayılan;
}

bool Yaz(const QString& bölüm, const QString& anahtar, const QString& değer) {
  return AnahtarlarıYaz(bölüm, {{anahtar, değer}}) == Sonuç::Yazıldı;
}

bool AnahtarıSil(const QString& bölüm, const QString& anahtar) {
  const QString yol = Yol(bölüm, anahtar);
  return DosyayıDeğiştir([&](İçerik& içerik) { içerik.removeIf([&](const Girdi& g) { return g.anahtar == yol; }); }) ==
         Sonuç::Yazıldı;
}

QList<QPair<QString, QString>> TümünüOku(const QString& bölüm) { return Anahtarları(Dosya(), bölüm); }

bool BölümVar(const QString& bölüm) {
  const QString grup = Yol(bölüm);
  const İçerik içerik = Dosya();
  return std::any_of(içerik.begin(), içerik.end(), [&](const Girdi& g) {
    return grup.isEmpty() || g.anahtar.startsWith(grup + u'/');
  });
}

void BölümüSil(const QString& bölüm) {
  DosyayıDeğiştir([&](İçerik& içerik) { Boşalt(içerik, bölüm); });
}

QList<QPair<QString, QString>> Değişiklik::TümünüOku(const QString& bölüm) const { return Anahtarları(girdiler_, bölüm); }

void Değişiklik::Yaz(const QString& bölüm, const QString& anahtar, const QString& değer) {
  const QString yol = Yol(bölüm, anahtar);
  const auto g = std::find_if(girdiler_.begin(), girdiler_.end(), [&](const Girdi& x) { return x.anahtar == yol; });
  if (g == girdiler_.end() || DeğerÇöz(g->ham) != değer) Koy(girdiler_, yol, DeğerYaz(değer));
}

void Değişiklik::BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler) {
  QSet<QString> kalan;
  for (const auto& [anahtar, değer] : değerler) kalan << Yol(bölüm, anahtar);
  const QString önek = Önek(bölüm);
  girdiler_.removeIf([&](const Girdi& g) { return Doğrudan(önek, g.anahtar) && !kalan.contains(g.anahtar); });
  for (const auto& [anahtar, değer] : değerler) Yaz(bölüm, anahtar, değer);
}

namespace {
std::function<void(İçerik&)> BölümDeğişikliği(const QString& bölüm, const std::function<void(QList<QPair<QString, QString>>&)>& değiştir) {
  return [&](İçerik& içerik) {
    Değişiklik d(içerik);
    auto değerler = d.TümünüOku(bölüm);
    değiştir(değerler);
    d.BölümüYaz(bölüm, değerler);
  };
}
}  // namespace

// `değiştir` may do more than change the section (take what it removes): it runs once, under the lock.
bool BölümüDeğiştir(const QString& bölüm, const std::function<void(QList<QPair<QString, QString>>&)>& değiştir) {
  return DosyayıDeğiştir(BölümDeğişikliği(bölüm, değiştir), true, false) == Sonuç::Yazıldı;
}

bool BölümüBeklemedenDeğiştir(const QString& bölüm, const std::function<void(QList<QPair<QString, QString>>&)>& değiştir) {
  return DosyayıDeğiştir(BölümDeğişikliği(bölüm, değiştir), false, false) == Sonuç::Yazıldı;
}

Sonuç Değiştir(const std::function<void(Değişiklik&)>& değiştir) {
  return DosyayıDeğiştir([&](İçerik& içerik) {
    Değişiklik d(içerik);
    değiştir(d);
  });
}

Sonuç AnahtarlarıYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler) {
  return Değiştir([&](Değişiklik& d) {
    for (const auto& [anahtar, değer] : değerler) d.Yaz(bölüm, anahtar, değer);
  });
}

void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler) {
  DosyayıDeğiştir([&](İçerik& içerik) {
    Boşalt(içerik, bölüm);
    for (const auto& [anahtar, değer] : değerler) Koy(içerik, Yol(bölüm, anahtar), DeğerYaz(değer));
  });
}

void KlasöreYönlendir(const QString& yeni) { klasör = yeni; }

// Where Qt puts it: the user's settings folder, organisation, application.
QString DosyaYolu() {
  const QString kök = klasör.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) : klasör;
  return QFileInfo(kök + QStringLiteral("/Belvaro/Velmora.ini")).absoluteFilePath();
}

}  // namespace Ayarlar
