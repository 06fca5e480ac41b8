#pragma once
// Per-user settings store: INI file, organisation "Belvaro", application "Velmora".
// Section "Listeler\X" is group "Listeler/X". Every write is synced at once.

#include <QList>
#include <QPair>
#include <QString>

namespace Ayarlar {

QString Oku(const QString& bölüm, const QString& anahtar, const QString& varsayılan = {});
// A stored value that is not a whole number counts as missing.
qint64 SayıOku(const QString& bölüm, const QString& anahtar, qint64 varsayılan);
bool MantıksalOku(const QString& bölüm, const QString& anahtar, bool varsayılan);
// False when the store could not be written (a home that is read-only or full).
bool Yaz(const QString& bölüm, const QString& anahtar, const QString& değer);
// Removes one key; other keys of the section, also those another copy of the program wrote
// meanwhile, stay. False when the store could not be written: the key may still be there.
bool AnahtarıSil(const QString& bölüm, const QString& anahtar);
// Keys of a section in stored order: by their numeric suffix ("Sira-2" before "Sira-10").
QList<QPair<QString, QString>> TümünüOku(const QString& bölüm);
bool BölümVar(const QString& bölüm);
void BölümüSil(const QString& bölüm);
// Replaces every key of a section with these, in one write.
void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler);

// Moves the store into a folder of its own (tests, sample runs).
void KlasöreYönlendir(const QString& klasör);
QString DosyaYolu();

}  // namespace Ayarlar
