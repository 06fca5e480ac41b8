#pragma once
// The tokens that settle a commit whose outcome the disk hid. Every write transaction that changes
// something stores a fresh token of its own in the file (OnayIzleri, keyed by the token) in that
// same transaction, so the token is in the file exactly when the commit is. A commit told unknown
// stays pending for its file, kept over the end of the program, until its token
// is read back: at the next write on that file, under the write lock, or at the next connection
// to it. The user is then told, once; nothing of the work is kept after. The same work is never
// recognised by its values: only the form that kept its input holds the token (Bekleyenİz).
// A token is removed only by the connection that wrote it, once its outcome is known and no longer
// kept anywhere (its line known gone), at its next write or when it closes; or by age.
// Age is counted in the file's own commits (each token carries the count at its commit), never
// by any workstation's clock, so no clock can remove a token a pending work still needs.
// The works outlive the run in a file of the run's own (KoşuDosyaları): another copy takes them
// only once that run has ended.

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Veritabanı;

namespace İşlemİzleri {

// Where a pending work's token is looked for.
enum class Tablo {
  Onay,    // OnayIzleri, with the file's count of commits at the try
  Önceki,  // IslemIzleri of the version before, removed by age on its writers' clocks
  Eski,    // IslemIzleriTablosu of an earlier version still, one token a workstation
};

// A commit whose outcome the disk left unknown.
struct Bekleyenİş {
  QString iz, ad;   // its token; what it was, as the user is told
  QDateTime zaman;  // as this workstation's clock had it: shown, never compared
  QString yol;      // the file
  qint64 sıra = 0;  // the file's count of commits the try would have made (Tablo::Onay)
  Tablo tablo = Tablo::Onay;
};

class Bekleyenİz;

// Told after the transaction that settled a pending work, once, whichever work that transaction
// wrote: whether it is in the file (nothing: it can no longer be told, its token aged out).
// `kendi`: settled by a try of its own holder, which writes the rest of the holder's work.
inline std::function<void(const Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi)> Söyle;
// Whether pending works are kept over the end of the run (the program; not the tools run by hand).
inline bool KoşuDosyasındaTut = false;
// Told, from Bildir, of a file of pending works of a run that ended that could not be read: it was
// set aside under this path so that it is told once.
inline std::function<void(const QString& yol)> OkunamayanDosya;
// Told, from Bildir, once the run's works kept for a restart could no longer be written again
// (their folder removed or harmed and not writable): a restart would not tell them.
inline std::function<void()> NotKayboldu;
// The clock that dates a pending work for the user (tests set it).
inline std::function<QDateTime()> Saat = [] { return QDateTime::currentDateTime(); };

// What a form keeps beside its input once its own commit was left unknown: that commit's token.
// Given to the transaction that writes the input again, it tells whether the earlier try is in
// the file (İşlem::ÖnceYazıldı). Settled by any other write or connection meanwhile, the holder
// keeps that answer until it is told it through Çözüldü, so its own next try still gets it; the
// token is let go once told.
class Bekleyenİz {
public:
  Bekleyenİz() = default;
  ~Bekleyenİz() { Bırak(); }
  Bekleyenİz(const Bekleyenİz&) = delete;
  Bekleyenİz& operator=(const Bekleyenİz&) = delete;

  bool Var() const { return !iz_.isEmpty(); }
  const QString& İz() const { return iz_; }
  // The run's file keeps the work too, so that a restart still tells it.
  bool Saklandı() const { return saklandı_; }
  // The input it stood for is gone (cleared, closed): the work is told as any other when settled.
  void Bırak();
  // The form's own answer to a settlement; without one the user is told as for any other work.
  std::function<void(const Bekleyenİş& iş, std::optional<bool> yazılmış, bool kendi)> Çözüldü;

private:
  friend struct Dosyalar;
  QString iz_;
  bool saklandı_ = false;
};

// What a connection keeps of its own tokens.
struct BağlantıDurumu {
  BağlantıDurumu();
  int no = 0;                      // this connection, in this run
  std::vector<QString> silinecek;  // its tokens whose outcome is known and kept nowhere
};

// A transaction's own token and the file's count of commits it makes.
struct Yazılan {
  QString iz;
  qint64 sıra = 0;
};

// At connection, before anything is written: reads back the file's pending works. A read the disk
// fails leaves them for the next write.
void Bağlanınca(Veritabanı& vt);
// While connected, every so often: the works of runs found ended since are read back and told, and
// the run's own files written again where harmed or due.
void Yokla(Veritabanı& vt);
// Inside a write transaction, under its lock: reads back every pending work of the file. Returns
// whether the work `kendi` holds is in the file (false when it holds none), also when another
// write or connection settled it before and the holder has not been told yet.
bool Çöz(Veritabanı& vt, Bekleyenİz* kendi);
// Inside a write transaction that changed something, right before its COMMIT: the transaction's
// own token, written with the removal of the connection's settled tokens and of tokens long aged.
Yazılan Yaz(Veritabanı& vt);
// The COMMIT that carried `iz` is known stored: its token goes with the connection's next write.
void Yazıldı(Veritabanı& vt, const QString& iz);
// The COMMIT that carried `y` has an unknown outcome: the work stays pending, held by `kendi`.
// False when the run's file could not keep it: a restart would not tell it.
bool Bilinmiyor(Veritabanı& vt, const Yazılan& y, const QString& ad, Bekleyenİz* kendi);
// Tells what was settled on the file and not yet told, then forgets it.
void Bildir(Veritabanı& vt);
// The connection closes: its settled tokens are removed, where the file lets it at once.
void Kapanırken(Veritabanı& vt) noexcept;

// Forgets every pending work of this run and starts a new one, as a crash and a restart would (tests).
void HepsiniUnut();

}  // namespace İşlemİzleri
