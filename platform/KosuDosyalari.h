#pragma once
// Lines a run keeps over its own end, one file a run in a folder beside the settings. Only that
// run writes its file; the file's name says who holds it: the machine, the machine's boot, the
// process (with its start, so a process number used again is not taken for it) and the run.
// Another copy takes an ended run's lines only once it knows that run has ended, whether or not
// file locks reach it:
// - the file's lock, where locks work, must be free: a run holds a lock on its very file from its
//   first line to its end, which the system lets go however the run ends;
// - a run of this machine and boot has ended when its process is gone; every run of an earlier
//   boot of this machine has ended;
// - a run of another machine has ended once its file stopped changing: a run that holds lines
//   writes its file anew every period, and another copy that has seen the same file over several
//   periods of its own elapsed time may take it. No clock of one machine is compared with another's.
// The taker then renames the file to a name of its own, which only one copy can do; so a line is
// told once, also where locks do not meet. A file is only ever replaced whole: written with no name
// (or aside, under its writer's name), synced, locked, then renamed over; so no one sees it
// half-written, a crash leaves one version or the other, and no file a live writer makes is taken
// for one a dead writer left.

#include <QString>

#include <chrono>
#include <functional>
#include <optional>
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
  Al,     // this run takes it: it holds the file until it is removed
  Bırak,  // left in its file for another copy (a line of another database)
  At,     // dropped from the file (unreadable, or held already)
};
// Takes the lines that `seç` wants from the files of runs that have ended. A file whose run may
// live, or whose name now stands for another file, is left alone.
std::vector<Satır> Al(const std::function<Seçim(const Satır&)>& seç);
// Whether a line under that key stands in any run's file, held or not (read as it stands).
bool HerhangiBirindeVar(const QString& anahtar);
// Files of ended runs that could not be read, set aside since the last call so that they are not
// read again: each path once, under the name it has now.
std::vector<QString> KenaraAlınanlar();

// The files this run holds are written again where they no longer stand as written (removed,
// cut short, their mode changed from outside) or, holding lines, once a period has passed since
// the last write, so that copies of other machines see the run live.
void Yenile();
// Whether a file with lines could not be written again since last asked: its lines stand nowhere
// whole, and a restart would not find them.
bool Kayboldu();
// The run ends well: an empty file of its own goes, one with lines is left standing whole. False
// when one could not be.
bool Bitir();

// How often a run holding lines writes its file anew, and for how many periods a file of another
// machine must stay the same before its run counts as ended.
inline std::chrono::milliseconds Dönem{30'000};
inline int BayatDönemi = 8;

// Who a run is.
struct Kimlik {
  QString makine, açılış, pidAlanı;  // a digest of the machine's name and id; its boot; the process namespace
  qint64 pid = 0, başlangıç = 0;     // the process, with its start in clock ticks since the boot
  QString koşu;                      // the run, one of a process's
};
Kimlik BuKimlik();

// Ends this run as a crash would (its files then name a process that is gone) and starts a new
// one in this process, as `kimlik` where given (tests).
void Yeni(const std::optional<Kimlik>& kimlik = std::nullopt);

// Tests: called between naming a file of another run and taking its lock; between the steps of a
// rewrite ("yapıldı": made, "kilitlendi": locked, "yazıldı": written and synced, "adlandı": given
// its aside name); in place of every lock (0 grants it, as where locks do not meet; an errno
// refuses it); and whether files are made with no name where the file system allows it.
inline std::function<void(const QString& yol)> KilitlemedenÖnce;
inline std::function<void(const char* adım)> YazımAdımı;
inline std::function<int()> KilitYerine;
inline bool AdsızDosyaKullan = true;

// A run of an earlier version named its lines in the settings and held a lock on a file of
// that name, with nothing in it. Whether that run has ended: its lock is free or its file gone.
bool EskiKoşuBitti(const QString& ad);
void EskiKoşuyuSil(const QString& ad);

}  // namespace KoşuDosyaları
