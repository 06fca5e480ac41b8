#pragma once
// Per-user settings store: INI file, organisation "Belvaro", application "Velmora", in Qt's own
// INI format (section "Listeler\X" is group "Listeler/X"), so that an earlier version of the program
// beside this one reads and writes the same file. Several copies share the file: every read reads
// it afresh, and every change is made under the file's lock on the file as it is at that moment,
// which is then replaced whole. No copy's key is lost or brought back by another's write, and a
// reader never sees half a file.

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

namespace Ayarlar {

QString Oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan = {});
// A stored value that is not a whole number counts as missing.
qint64 SayıOku(const QString& bölüm, const QString& anahtar, qint64 varsayılan);
bool MantıksalOku(const QString& bölüm, const QString& anahtar, bool varsayılan);
// False when the store could not be written (a home that is read-only or full, the lock not
// had): the file is then as it was.
bool Yaz(const QString& bölüm, const QString& anahtar, const QString& değer);
// Removes one key; other keys of the section, also those another copy of the program wrote
// meanwhile, stay. False when the store could not be written: the key may still be there.
bool AnahtarıSil(const QString& bölüm, const QString& anahtar);
// Keys of a section in stored order: by their numeric suffix ("Sira-2" before "Sira-10").
QList<QPair<QString, QString>> TümünüOku(const QString& bölüm);
bool BölümVar(const QString& bölüm);
void BölümüSil(const QString& bölüm);
// Changes a section's keys as `değiştir` says, on the file as it is now, read and written under
// the file's lock: no other copy's write comes between. Keys of groups under it stay; a value left
// as it reads stays as the file holds it. False when it could not be read (then `değiştir` is not
// called) or written.
bool BölümüDeğiştir(const QString& bölüm, const std::function<void(QList<QPair<QString, QString>>& değerler)>& değiştir);
// Replaces every key of a section with these, in one write.
void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler);

// Moves the store into a folder of its own (tests, sample runs).
void KlasöreYönlendir(const QString& klasör);
QString DosyaYolu();

// Runs after each write of the file, its lock still held (tests: a disk that keeps whole seconds).
inline std::function<void(const QString& yol)> YazıldıktanSonra;

}  // namespace Ayarlar
