#pragma once
// Lines a run keeps over its own end, one file a run in a folder beside the settings. Only that
// run writes its file, and it holds a lock on that very file from its first line to its end,
// which the system lets go however the run ends. Another copy takes an ended run's lines only by
// taking that file's lock itself, without waiting, once it has checked that the path still names
// the file it locked; it holds the lock until every line it took is removed, and writes the file
// from then on. A file is only ever replaced whole: written aside, synced, already locked by its
// writer, then renamed over; so no one sees it half-written, and a crash leaves one version or the
// other.

#include <QString>

#include <functional>
#include <vector>

namespace KoşuDosyaları {

struct Satır {
  QString anahtar, metin;
};

// The folder of the runs' files, beside the settings.
QString Klasör();

// Keeps a line in this run's own file, synced. False when it could not be kept (the folder cannot
// be made or written): nothing of it is then counted on.
bool Ekle(const QString& anahtar, const QString& metin);
// Removes a line this run holds, from its own file or one it took. True once it is known gone.
bool Sil(const QString& anahtar);
// Whether this run holds a line under that key.
bool Var(const QString& anahtar);

// What becomes of a line of an ended run's file.
enum class Seçim {
  Al,     // this run takes it: its file stays locked until it is removed
  Bırak,  // left in its file for another copy (a line of another database)
  At,     // dropped from the file (unreadable, or held already)
};
// Takes the lines that `seç` wants from the files of runs that have ended. A file whose lock is
// held, or whose name now stands for another file, is left alone.
std::vector<Satır> Al(const std::function<Seçim(const Satır&)>& seç);
// Whether a line under that key stands in any run's file, held or not (read as it stands).
bool HerhangiBirindeVar(const QString& anahtar);

// The files this run holds that lost their name (removed from outside) are written again: until
// then no other copy finds them, and then it finds them locked.
void Yenile();

// Called between naming a file of another run and taking its lock (tests hold a copy there).
inline std::function<void(const QString& yol)> KilitlemedenÖnce;

// A run of an earlier version named its lines in the settings and held a lock on a file of
// that name, with nothing in it. Whether that run has ended: its lock is free or its file gone.
bool EskiKoşuBitti(const QString& ad);
void EskiKoşuyuSil(const QString& ad);

// Ends this run as a crash would and starts a new one in this process (tests).
void Yeni();

}  // namespace KoşuDosyaları
