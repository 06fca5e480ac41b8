#include "Ayarlar.h"

#include <QFile>
#include <QRegularExpression>
#include <QSettings>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>

namespace Ayarlar {
namespace {

QString Grup(const QString& bölüm) {
  QString g = bölüm;
  g.replace(u'\\', u'/');
  return g;
}

// The last access failed. Qt keeps its own copy of the file and reads the file again only when
// its size or time has changed; a read that failed leaves that copy empty, so a file back as it
// was (a share come back) would be seen empty and written over from it, every other key lost.
bool erişilemedi = false;
// The file, as the last access named it: asking Qt for it would access the file itself.
QString dosyaYolu;

// A new time makes the next access read the file afresh: later than the file's own by more
// than Qt tells apart, even where the system clock's step is coarser.
void YenidenOkut() {
  const QByteArray yol = QFile::encodeName(dosyaYolu);
  struct stat bilgi {};
  if (::stat(yol.constData(), &bilgi) != 0) return;
  timespec zaman[2]{};
  ::clock_gettime(CLOCK_REALTIME, &zaman[1]);
  const auto ms = [](const timespec& t) { return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1'000'000; };
  if (ms(zaman[1]) < ms(bilgi.st_mtim) + 2) {
    zaman[1] = bilgi.st_mtim;
    zaman[1].tv_nsec += 2'000'000;
    if (zaman[1].tv_nsec >= 1'000'000'000) zaman[1].tv_sec += 1, zaman[1].tv_nsec -= 1'000'000'000;
  }
  zaman[0].tv_nsec = UTIME_OMIT;
  ::utimensat(AT_FDCWD, yol.constData(), zaman, 0);
}

QSettings Depo() {
  if (erişilemedi) YenidenOkut();
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Belvaro"),
                   QStringLiteral("Velmora"));
}

// Whether the access went through; the next one reads the file afresh when it did not.
bool Tamam(const QSettings& d) {
  dosyaYolu = d.fileName();
  erişilemedi = d.status() != QSettings::NoError;
  return !erişilemedi;
}

qint64 SonEk(const QString& anahtar) {
  static const QRegularExpression sayı(QStringLiteral("(\\d+)$"));
  const auto m = sayı.match(anahtar);
  return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

}  // namespace

QString Oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan) {
  QSettings d = Depo();
  Tamam(d);
  d.beginGroup(Grup(bölüm));
  return d.value(anahtar, varsayılan).toString();
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
  QSettings d = Depo();
  d.beginGroup(Grup(bölüm));
  d.setValue(anahtar, değer);
  d.endGroup();
  // The store merges only the keys this write changed into the file as it is now.
  d.sync();
  return Tamam(d) && d.isWritable();
}

bool AnahtarıSil(const QString& bölüm, const QString& anahtar) {
  QSettings d = Depo();
  d.beginGroup(Grup(bölüm));
  d.remove(anahtar);
  d.endGroup();
  d.sync();
  return Tamam(d) && d.isWritable();
}

QList<QPair<QString, QString>> TümünüOku(const QString& bölüm) {
  QSettings d = Depo();
  Tamam(d);
  d.beginGroup(Grup(bölüm));
  QStringList anahtarlar = d.childKeys();
  std::stable_sort(anahtarlar.begin(), anahtarlar.end(), [](const QString& a, const QString& b) {
    const qint64 x = SonEk(a), y = SonEk(b);
    return x != y ? x < y : a < b;
  });
  QList<QPair<QString, QString>> sonuç;
  for (const QString& a : anahtarlar) sonuç.append({a, d.value(a).toString()});
  return sonuç;
}

bool BölümVar(const QString& bölüm) {
  QSettings d = Depo();
  Tamam(d);
  d.beginGroup(Grup(bölüm));
  return !d.childKeys().isEmpty() || !d.childGroups().isEmpty();
}

void BölümüSil(const QString& bölüm) {
  QSettings d = Depo();
  d.remove(Grup(bölüm));
  d.sync();
  Tamam(d);
}

void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler) {
  QSettings d = Depo();
  d.remove(Grup(bölüm));
  d.beginGroup(Grup(bölüm));
  for (const auto& [anahtar, değer] : değerler) d.setValue(anahtar, değer);
  d.endGroup();
  d.sync();
  Tamam(d);
}

void KlasöreYönlendir(const QString& klasör) {
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, klasör);
  erişilemedi = false;
  Tamam(Depo());
}

QString DosyaYolu() {
  if (dosyaYolu.isEmpty()) Tamam(Depo());
  return dosyaYolu;
}

}  // namespace Ayarlar
