#pragma once
// The shared database file, on the sqlite3 C API. Failures throw VeritabanıHatası with the
// error numbers the program tests (VeritabaniHatalari.h). The layer shows no message: it throws
// or returns what happened, and the shell tells the user.

#include "IslemIzleri.h"
#include "VeritabaniHatalari.h"

#include <QByteArrayView>
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// The rows of one statement, read at once; the statement is released before
// the caller sees them, so no lock outlives the read.
class KayıtKümesi {
public:
  KayıtKümesi() = default;

  bool Sonda() const { return konum_ >= satırlar_.size(); }  // EOF
  bool Boş() const { return satırlar_.empty(); }
  void MoveNext() { if (konum_ < satırlar_.size()) ++konum_; }
  void MoveFirst() { konum_ = 0; }
  int KayıtSayısı() const { return static_cast<int>(satırlar_.size()); }
  const QStringList& Alanlar() const { return alanlar_; }

  // Field of the current row by column name or alias; an unknown name throws 3265.
  QVariant Değer(const QString& alan) const;
  bool BoşMu(const QString& alan) const { return Değer(alan).isNull(); }
  QString Metin(const QString& alan) const;
  qint64 Tamsayı(const QString& alan) const;  // null counts as 0
  double Ondalık(const QString& alan) const;  // null counts as 0
  qint64 Miktar(const QString& alan) const;   // whole hundredths; null counts as 0
  QDate Tarih(const QString& alan) const;     // from ISO text; null gives an invalid date

private:
  friend class Veritabanı;
  int Sütun(const QString& alan) const;
  QStringList alanlar_;
  std::unordered_map<QString, int> sütunlar_;
  std::vector<QVariantList> satırlar_;
  size_t konum_ = 0;
};

// One row of a statement while it steps (Veritabanı::SatırSatırOku); columns by position.
class OkunanSatır {
public:
  bool BoşMu(int sütun) const;
  QString Metin(int sütun) const;
  // The engine's own UTF-8 text of the cell, valid until the next row; empty for null.
  QByteArrayView Utf8(int sütun) const;
  qint64 Tamsayı(int sütun) const;  // null counts as 0
  qint64 Miktar(int sütun) const;   // whole hundredths; null counts as 0
  double Ondalık(int sütun) const;  // null counts as 0
  QDate Tarih(int sütun) const;     // from ISO text; null gives an invalid date
  // The place of a column by name or alias, without regard to case; an unknown name throws 3265.
  int Sütun(const QString& ad) const;

private:
  friend class Veritabanı;
  explicit OkunanSatır(sqlite3_stmt* deyim) : deyim_(deyim) {}
  sqlite3_stmt* deyim_;
};

class Veritabanı;
// Gives a statement back to its connection's cache when its run is over.
struct DeyimBırakıcı {
  Veritabanı* vt;
  void operator()(sqlite3_stmt* deyim) const;
};

class Veritabanı {
public:
  static constexpr const char* DosyaAdı = "Vlm.vtb";

  // Opens an existing file shared and checks the database password.
  static std::unique_ptr<Veritabanı> Aç(const QString& yol);
  ~Veritabanı();
  Veritabanı(const Veritabanı&) = delete;
  Veritabanı& operator=(const Veritabanı&) = delete;

  // Every value is bound by position ('?'). A QDate binds as ISO text.
  KayıtKümesi KayıtKümesiAç(const QString& sql, const QVariantList& değerler = {});
  // A saved query of the file, opened by name with its parameters by position.
  KayıtKümesi SorguAç(const QString& sorguAdı, const QVariantList& parametreler = {});
  // The SQL text of a saved query; throws SorguYok when the file lacks it.
  QString SorguMetni(const QString& sorguAdı);
  // The text this connection runs for a saved query the file holds, whatever text the file
  // keeps: a file that could not be written, or that another workstation's older program
  // wrote back, is still read with this program's columns.
  void SorguMetniAyarla(const QString& sorguAdı, const QString& metin) { sorguMetinleri_[sorguAdı] = metin; }
  // Hands each row to `işle` as the statement steps, for lists too long to copy whole first;
  // the statement is released when the last row has been handled, or when `işle` throws.
  void SatırSatırOku(const QString& sql, const QVariantList& değerler, const std::function<void(const OkunanSatır&)>& işle);
  // Returns the number of rows changed.
  qint64 Çalıştır(const QString& sql, const QVariantList& değerler = {});
  qint64 SonEklenenNo() const;
  const QString& Yol() const { return yol_; }
  sqlite3* Tutamaç() const { return db_; }

  // What a commit that did not simply succeed came to, when the work stands: every change is in
  // the file, but the disk reported an error right after. The work must not be entered again,
  // and the disk wants looking at.
  enum class Bildirim { YazıldıDiskSonraHataVerdi };
  // Told after the transaction has let the file go, on any connection; the shell tells the user.
  static inline std::function<void(Bildirim)> Bildir;

  // This connection's own tokens (IslemIzleri.h).
  İşlemİzleri::BağlantıDurumu& İzDurumu() { return izDurumu_; }

  // BEGIN IMMEDIATE, tried once more when the lock wait runs out; rolled back unless Onayla()
  // was called. Onayla() throws when the engine has already rolled the transaction back, and so
  // does every statement run after that. Its verdict is one the disk let it know: a COMMIT the
  // disk failed once it was in the file is done (and told through Bildir); one whose outcome the
  // disk hid throws SonucuBilinmiyor and leaves its work pending, held by `kendi` when given. Under
  // its lock it first reads back every pending work of the file: whether `kendi`'s earlier try is
  // in the file is ÖnceYazıldı(); every one settled is told when the transaction ends. `ad` names
  // the work to the user. A transaction that changed nothing writes no token.
  class İşlem {
  public:
    explicit İşlem(Veritabanı& vt, QString ad = {}, İşlemİzleri::Bekleyenİz* kendi = nullptr);
    ~İşlem();
    // What `kendi` held is in the file already: the caller does not write it again.
    bool ÖnceYazıldı() const { return önceYazıldı_; }
    void Onayla();
    İşlem(const İşlem&) = delete;
    İşlem& operator=(const İşlem&) = delete;

  private:
    void Bitir();
    Veritabanı& vt_;
    QString ad_;
    İşlemİzleri::Bekleyenİz* kendi_;
    qint64 değişiklik_ = 0;  // the engine's count of changed rows when it began
    bool açık_ = true, önceYazıldı_ = false;
  };

  // The six-character database password, built at run time.
  static QString Parola();
  // Salted hash stored in the file for the password check.
  static QByteArray ParolaÖzeti(const QByteArray& tuz, const QString& parola);
  // Registers the Turkish collation and functions on a raw connection.
  static void TürkçeİşlevleriKaydet(sqlite3* db);

private:
  explicit Veritabanı(sqlite3* db, QString yol) : db_(db), yol_(std::move(yol)) {}
  // One statement, prepared and bound; the caller finalizes it.
  sqlite3_stmt* Hazırla(const QString& sql, const QVariantList& değerler);
  void Bağla(sqlite3_stmt* deyim, const QVariantList& değerler);
  // `okuma`: the failing statement only read, outside a write transaction.
  [[noreturn]] void HataVer(int kod, bool okuma = false) const;
  bool OkumaMı(sqlite3_stmt* deyim) const;
  static int Bekle(void* vt, int kaçıncı);
  sqlite3* db_;
  QString yol_;
  bool işlemAçık_ = false;
  friend struct DeyimBırakıcı;
  std::unordered_map<std::string, sqlite3_stmt*> önbellek_;  // statements not in use, by their text
  std::chrono::steady_clock::time_point beklemeBaşı_, sonOnay_;
  QHash<QString, QString> sorguMetinleri_;
  İşlemİzleri::BağlantıDurumu izDurumu_;

public:
  // Brings the planner's statistics up to date with a short, limited analysis. Never fails:
  // a file that is locked by a writer or cannot be written keeps the statistics it has.
  // Call outside a transaction.
  void İstatistikleriTazele() noexcept;
};

// Text typed by the user as a prefix pattern for `LIKE ? ESCAPE '\'`.
QString BaşlayanKalıbı(const QString& yazılan);
