#include "Ayarlar.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace Ayarlar {
namespace {

QString Grup(const QString& bölüm) {
  QString g = bölüm;
  g.replace(u'\\', u'/');
  return g;
}

QSettings Depo() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Belvaro"),
                   QStringLiteral("Velmora"));
}

qint64 SonEk(const QString& anahtar) {
  static const QRegularExpression sayı(QStringLiteral("(\\d+)$"));
  const auto m = sayı.match(anahtar);
  return m.hasMatch() ? m.captured(1).toLongLong() : -1;
}

}  // namespace

QString Oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan) {
  QSettings d = Depo();
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
  return d.status() == QSettings::NoError && d.isWritable();
}

bool AnahtarıSil(const QString& bölüm, const QString& anahtar) {
  QSettings d = Depo();
  d.beginGroup(Grup(bölüm));
  d.remove(anahtar);
  d.endGroup();
  d.sync();
  return d.status() == QSettings::NoError && d.isWritable();
}

QList<QPair<QString, QString>> TümünüOku(const QString& bölüm) {
  QSettings d = Depo();
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
  d.beginGroup(Grup(bölüm));
  return !d.childKeys().isEmpty() || !d.childGroups().isEmpty();
}

void BölümüSil(const QString& bölüm) {
  QSettings d = Depo();
  d.remove(Grup(bölüm));
  d.sync();
}

void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler) {
  QSettings d = Depo();
  d.remove(Grup(bölüm));
  d.beginGroup(Grup(bölüm));
  for (const auto& [anahtar, değer] : değerler) d.setValue(anahtar, değer);
  d.endGroup();
  d.sync();
}

void KlasöreYönlendir(const QString& klasör) {
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, klasör);
}

QString DosyaYolu() { return Depo().fileName(); }

}  // namespace Ayarlar
