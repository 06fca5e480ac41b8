#pragma once
// Per-user settings store: INI file, organisation "Belvaro", application "Velmora", in Qt's own
// INI format (section "Listeler\X" is group "Listeler/X"), so that an earlier version of the program
// beside this one reads and writes the same file. Several copies share the file: every read reads
// it afresh, and every change is made under the file's lock on the file as it is at that moment,
// which is then replaced whole. No copy's key is lost or brought back by another's write, and a
// reader never sees half a file. An earlier version, whose store reads the file again only when
// its size or time has changed, sees every change: a file written within the same second as the
// one before it is longer than that one. A link is followed, also to a file not there yet; a
// file made read-only is not written.

#include <QList>
#include <QPair>
#include <QString>

#include <chrono>
#include <functional>

namespace Ayarlar {

// What became of a change.
enum class Sonuç {
  Yazıldı,     // the file holds it (also where it held it already)
  Kilitli,     // another copy held the file's lock all the while: nothing written
  Yazılamadı,  // the file or its folder could not be read or written (read-only, full, out of reach)
};

// A copy holds the file's lock for milliseconds: a lock that has not changed for this long is
// left by a copy that ended inside a write, on this machine or another, and is removed. Nothing
// waits on the lock for much longer than this.
inline constexpr std::chrono::milliseconds KilitBayatlığı{3000};

// Keys of any sections changed together, in one write.
class Değişiklik {
public:
  struct Girdi;  // a key as the file holds it
  explicit Değişiklik(QList<Girdi>& girdiler) : girdiler_(girdiler) {}
  QList<QPair<QString, QString>> TümünüOku(const QString& bölüm) const;
  void Yaz(const QString& bölüm, const QString& anahtar, const QString& değer);
  // The section's own keys become these; keys of groups under it stay, and a value left as it
  // reads keeps its form in the file (a list, another of Qt's types).
  void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler);

private:
  QList<Girdi>& girdiler_;
};

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
// The same without waiting: false at once when another copy holds the lock.
bool BölümüBeklemedenDeğiştir(const QString& bölüm, const std::function<void(QList<QPair<QString, QString>>& değerler)>& değiştir);
// Changes keys as `değiştir` says, on the file as it is now, under its lock, in one write.
// `değiştir` runs first on the file as read without the lock: a change that alters nothing ends
// there and waits on no lock. So it may run twice, and should only change what it is given.
Sonuç Değiştir(const std::function<void(Değişiklik& değişiklik)>& değiştir);
// These keys of a section, in one write.
Sonuç AnahtarlarıYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler);
// Replaces every key of a section with these, in one write.
void BölümüYaz(const QString& bölüm, const QList<QPair<QString, QString>>& değerler);

// Moves the store into a folder of its own (tests, sample runs).
void KlasöreYönlendir(const QString& klasör);
QString DosyaYolu();

// Runs after each write of the file, its lock still held (tests: a disk that keeps whole seconds).
inline std::function<void(const QString& yol)> YazıldıktanSonra;

}  // namespace Ayarlar
