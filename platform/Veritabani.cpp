#include "Veritabani.h"

#include "DiskKatmani.h"
#include "StokBakiyesi.h"
#include "TurkceMetin.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QVarLengthArray>

#include <sqlite3.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <thread>
#include <utility>

namespace {

constexpr int BeklemeSüresiMs = 10000;
// Negative: KiB. The default 2 MB keeps a million-movement file reading its pages from the OS.
constexpr int SayfaÖnbelleğiKB = -16384;

struct DeyimSiler {
  void operator()(sqlite3_stmt* d) const { sqlite3_finalize(d); }
};
using Deyim = std::unique_ptr<sqlite3_stmt, DeyimSiler>;
using KullanılanDeyim = std::unique_ptr<sqlite3_stmt, DeyimBırakıcı>;

QString Metne(const unsigned char* p, int n) {
  return QString::fromUtf8(reinterpret_cast<const char*>(p), n);
}

void TürkçeSırala(sqlite3_context* bağlam, int, sqlite3_value** değerler, bool büyük) {
  if (sqlite3_value_type(değerler[0]) == SQLITE_NULL) {
    sqlite3_result_null(bağlam);
    return;
  }
  const QString s = Metne(sqlite3_value_text(değerler[0]), sqlite3_value_bytes(değerler[0]));
  const QByteArray u =
      (büyük ? TürkçeMetin::BüyükHarfeÇevir(s) : TürkçeMetin::Katla(s)).toUtf8();
  sqlite3_result_text(bağlam, u.constData(), static_cast<int>(u.size()), SQLITE_TRANSIENT);
}

// UTF-8 to UTF-16 into `çıktı` (room for n units); false for a malformed sequence.
bool UTF16yaÇevir(const unsigned char* p, int n, char16_t* çıktı, int& uzunluk) {
  static const char32_t enAz[] = {0, 0x80, 0x800, 0x10000};
  const unsigned char* const son = p + n;
  char16_t* q = çıktı;
  while (p < son) {
    char32_t k = *p;
    int ek = 0;
    if (k >= 0x80) {
      if ((k & 0xE0) == 0xC0) ek = 1, k &= 0x1F;
      else if ((k & 0xF0) == 0xE0) ek = 2, k &= 0x0F;
      else if ((k & 0xF8) == 0xF0) ek = 3, k &= 0x07;
      else return false;
      if (son - p <= ek) return false;
      for (int i = 1; i <= ek; ++i) {
        if ((p[i] & 0xC0) != 0x80) return false;
        k = (k << 6) | (p[i] & 0x3F);
      }
      if (k < enAz[ek] || k > 0x10FFFF || (k >= 0xD800 && k <= 0xDFFF)) return false;
    }
    p += ek + 1;
    if (k >= 0x10000) {
      *q++ = static_cast<char16_t>(0xD800 + ((k - 0x10000) >> 10));
      *q++ = static_cast<char16_t>(0xDC00 + ((k - 0x10000) & 0x3FF));
    } else {
      *q++ = static_cast<char16_t>(k);
    }
  }
  uzunluk = static_cast<int>(q - çıktı);
  return true;
}

// Called for every comparison of an ORDER BY: the texts are read in place, without a
// copy on the heap each time.
int TürkçeHarmanla(void*, int n1, const void* a, int n2, const void* b) {
  if (n1 == n2 && std::memcmp(a, b, static_cast<size_t>(n1)) == 0) return 0;
  QVarLengthArray<char16_t, 256> ta(n1), tb(n2);
  int u1 = 0, u2 = 0;
  if (UTF16yaÇevir(static_cast<const unsigned char*>(a), n1, ta.data(), u1) &&
      UTF16yaÇevir(static_cast<const unsigned char*>(b), n2, tb.data(), u2))
    return TürkçeMetin::Karşılaştır(QString::fromRawData(reinterpret_cast<const QChar*>(ta.data()), u1),
                                    QString::fromRawData(reinterpret_cast<const QChar*>(tb.data()), u2));
  return TürkçeMetin::Karşılaştır(QString::fromUtf8(static_cast<const char*>(a), n1),
                                  QString::fromUtf8(static_cast<const char*>(b), n2));
}

// Sleeps between a tenth of `enÇok` and `enÇok` microseconds, at random, so that
// workstations waiting for one lock do not wake up in step.
void RastgeleBekle(int enÇok) {
  std::this_thread::sleep_for(std::chrono::microseconds(QRandomGenerator::global()->bounded(enÇok / 10, enÇok + 1)));
}

// True when only blanks, semicolons and comments follow the statement.
bool YalnızBoşluk(const char* p, const char* son) {
  while (p < son) {
    if (std::isspace(static_cast<unsigned char>(*p)) || *p == ';') {
      ++p;
    } else if (son - p >= 2 && p[0] == '-' && p[1] == '-') {
      while (p < son && *p != '\n') ++p;
    } else if (son - p >= 2 && p[0] == '/' && p[1] == '*') {
      p += 2;
      while (son - p >= 2 && !(p[0] == '*' && p[1] == '/')) ++p;
      p = son - p >= 2 ? p + 2 : son;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

// --- KayıtKümesi --------------------------------------------------------------

int KayıtKümesi::Sütun(const QString& alan) const {
  auto it = sütunlar_.find(alan);
  if (it == sütunlar_.end()) {
    // Column names are matched without regard to case, as the engine does.
    for (int i = 0; i < alanlar_.size(); ++i)
      if (alanlar_[i].compare(alan, Qt::CaseInsensitive) == 0) return i;
    throw VeritabanıHatası(VeritabanıHataNo::AlanYok, QStringLiteral("Bu koleksiyonda öğe bulunamadı: %1").arg(alan));
  }
  return it->second;
}

QVariant KayıtKümesi::Değer(const QString& alan) const {
  const int s = Sütun(alan);
  if (Sonda())
    throw VeritabanıHatası(VeritabanıHataNo::KayıtYok, QStringLiteral("Geçerli kayıt yok."));
  return satırlar_[konum_][s];
}

QString KayıtKümesi::Metin(const QString& alan) const {
  const QVariant d = Değer(alan);
  if (d.isNull()) return {};
  if (d.typeId() == QMetaType::Double) return QString::number(d.toDouble(), 'g', 15);
  return d.toString();
}

qint64 KayıtKümesi::Tamsayı(const QString& alan) const {
  const QVariant d = Değer(alan);
  if (d.typeId() == QMetaType::Double) return static_cast<qint64>(std::llround(d.toDouble()));
  return d.toLongLong();
}

double KayıtKümesi::Ondalık(const QString& alan) const { return Değer(alan).toDouble(); }

qint64 KayıtKümesi::Miktar(const QString& alan) const {
  return TürkçeMetin::MiktaraÇevir(Değer(alan).toDouble());
}

QDate KayıtKümesi::Tarih(const QString& alan) const { return TürkçeMetin::ISOTarih(Değer(alan).toString()); }

// --- Veritabanı ---------------------------------------------------------------

QString Veritabanı::Parola() {
  // Never kept whole in the source.
  static const int kodlar[] = {0x4B ^ 0x1F, 0x72 ^ 0x1F, 0x6D ^ 0x1F, 0x2C ^ 0x1F, 0x2D ^ 0x1F, 0x2E ^ 0x1F};
  QString p;
  for (int k : kodlar) p += QChar(k ^ 0x1F);
  return p;
}

QByteArray Veritabanı::ParolaÖzeti(const QByteArray& tuz, const QString& parola) {
  return QCryptographicHash::hash(tuz + parola.toUtf8(), QCryptographicHash::Sha256).toHex();
}

void Veritabanı::TürkçeİşlevleriKaydet(sqlite3* db) {
  sqlite3_create_collation(db, "TURKCE", SQLITE_UTF8, nullptr, TürkçeHarmanla);
  sqlite3_create_function(
      db, "TR_BUYUK", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
      [](sqlite3_context* c, int n, sqlite3_value** v) { TürkçeSırala(c, n, v, true); }, nullptr, nullptr);
  sqlite3_create_function(
      db, "TR_KATLA", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
      [](sqlite3_context* c, int n, sqlite3_value** v) { TürkçeSırala(c, n, v, false); }, nullptr, nullptr);
  StokBakiyesi::AğırlıkİşleviniKaydet(db);
}

std::unique_ptr<Veritabanı> Veritabanı::Aç(const QString& yol) {
  using namespace VeritabanıHataNo;
  if (auto hata = AçılışHatası(yol)) throw *hata;
  sqlite3* db = nullptr;
  const QByteArray yerel = QFile::encodeName(yol);
  int kod = sqlite3_open_v2(yerel.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, DiskKatmanı::Kur());
  if (kod != SQLITE_OK) {
    const QString metin = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(kod));
    sqlite3_close(db);
    // The file was there a moment ago: not a missing file.
    throw VeritabanıHatası(kod == SQLITE_CANTOPEN ? ErişimYok : HataNumarası(kod), metin);
  }
  sqlite3_extended_result_codes(db, 1);
  std::unique_ptr<Veritabanı> vt(new Veritabanı(db, QFileInfo(yol).absoluteFilePath()));
  sqlite3_busy_handler(db, &Veritabanı::Bekle, vt.get());
  TürkçeİşlevleriKaydet(db);
  KayıtKümesi güvenlik;
  qint64 beklenen = 0, boyut = 0;
  QString kip;
  try {
    // Rollback journal: WAL needs shared memory that network shares lack. A commit
    // is reported only once it is on the disk, the journal's removal included (EXTRA
    // syncs the folder too): else a power cut could bring the journal back and the
    // next open would undo the commit.
    kip = vt->KayıtKümesiAç(QStringLiteral("PRAGMA journal_mode=DELETE")).Metin(QStringLiteral("journal_mode"));
    vt->Çalıştır(QStringLiteral("PRAGMA synchronous=EXTRA"));
    vt->Çalıştır(QStringLiteral("PRAGMA foreign_keys=OFF"));
    // One read transaction: no other workstation is half-way through writing the
    // file while its size is compared with its header.
    vt->Çalıştır(QStringLiteral("BEGIN"));
    güvenlik = vt->KayıtKümesiAç(QStringLiteral("SELECT Tuz, Ozet FROM VeritabaniGuvenligi"));
    // A copy cut short reads as zeros where its pages are missing. The header
    // gives page size and count; no scan.
    beklenen = vt->KayıtKümesiAç(QStringLiteral("SELECT page_size * page_count AS Boyut "
                                                "FROM pragma_page_size(), pragma_page_count()"))
                   .Tamsayı("Boyut");
    struct stat bilgi {};
    boyut = ::stat(yerel.constData(), &bilgi) == 0 ? bilgi.st_size : beklenen;
    vt->Çalıştır(QStringLiteral("COMMIT"));
  } catch (const VeritabanıHatası&) {
    switch (sqlite3_errcode(db) & 0xff) {
      case SQLITE_CORRUPT: throw VeritabanıHatası(ErişimYok, QStringLiteral("'%1' dosyası bozuk.").arg(yol));
      // Not a database, or one without our security table: not a file of this program.
      case SQLITE_NOTADB:
      case SQLITE_ERROR:
        throw VeritabanıHatası(ErişimYok, QStringLiteral("'%1' bu programın veritabanı dosyası değil.").arg(yol));
    }
    throw;
  }
  // Whether a failed commit reached the file is judged from its journal's deletion: a file left
  // in another mode is refused.
  if (kip.compare(QStringLiteral("delete"), Qt::CaseInsensitive) != 0)
    throw VeritabanıHatası(Genel, QStringLiteral("'%1' dosyası, ortak kullanım için gereken günlük kipine alınamadı "
                                                 "(şimdiki kipi: %2). Lütfen, dosyayı kullanan başka bir program "
                                                 "olmadığından emin olup yeniden deneyiniz.")
                                      .arg(yol, kip));
  if (boyut < beklenen)
    throw VeritabanıHatası(ErişimYok, QStringLiteral("'%1' dosyası bozuk: %2 bayt olması gerekirken %3 bayt.")
                                          .arg(yol)
                                          .arg(beklenen)
                                          .arg(boyut));
  if (güvenlik.Sonda() ||
      ParolaÖzeti(güvenlik.Değer("Tuz").toByteArray(), Parola()) != güvenlik.Değer("Ozet").toByteArray())
    throw VeritabanıHatası(ParolaYanlış, QStringLiteral("Geçerli bir parola değil."));
  // The stock balance is kept by triggers: a row replaced by INSERT OR REPLACE must fire them too.
  vt->Çalıştır(QStringLiteral("PRAGMA recursive_triggers=ON"));
  vt->Çalıştır(QStringLiteral("PRAGMA cache_size=%1").arg(SayfaÖnbelleğiKB));
  // Pending works are read back before anything else is written to the file.
  İşlemİzleri::Bağlanınca(*vt);
  StokBakiyesi::Ekle(*vt);
  return vt;
}

// Our own wait for another workstation's lock: short random steps, so that a
// writer that has just committed does not take the lock again every time.
int Veritabanı::Bekle(void* p, int kaçıncı) {
  auto* vt = static_cast<Veritabanı*>(p);
  const auto şimdi = std::chrono::steady_clock::now();
  if (kaçıncı == 0)
    vt->beklemeBaşı_ = şimdi;
  else if (şimdi - vt->beklemeBaşı_ >= std::chrono::milliseconds(BeklemeSüresiMs))
    return 0;
  RastgeleBekle(10000);
  return 1;
}

Veritabanı::~Veritabanı() {
  İşlemİzleri::Kapanırken(*this);
  for (const auto& [metin, deyim] : önbellek_) sqlite3_finalize(deyim);
  sqlite3_close_v2(db_);
}

void Veritabanı::HataVer(int kod, bool okuma) const {
  throw MotorHatası(kod, DiskKatmanı::SistemHatası(db_, kod), QString::fromUtf8(sqlite3_errmsg(db_)), okuma);
}

bool Veritabanı::OkumaMı(sqlite3_stmt* deyim) const { return !işlemAçık_ && sqlite3_stmt_readonly(deyim); }

void Veritabanı::Bağla(sqlite3_stmt* deyim, const QVariantList& değerler) {
  const int beklenen = sqlite3_bind_parameter_count(deyim);
  if (beklenen != değerler.size())
    throw VeritabanıHatası(VeritabanıHataNo::Genel,
                           QStringLiteral("Parametre sayısı yanlış: %1 beklenirken %2 verildi.")
                               .arg(beklenen)
                               .arg(değerler.size()));
  for (int i = 0; i < değerler.size(); ++i) {
    const QVariant& v = değerler[i];
    const int n = i + 1;
    int kod = SQLITE_OK;
    if (v.isNull() || !v.isValid()) {
      kod = sqlite3_bind_null(deyim, n);
    } else {
      switch (v.typeId()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::UChar:
        case QMetaType::SChar:
        case QMetaType::Long:
        case QMetaType::LongLong: kod = sqlite3_bind_int64(deyim, n, v.toLongLong()); break;
        case QMetaType::ULongLong:
        case QMetaType::ULong: kod = sqlite3_bind_int64(deyim, n, static_cast<qint64>(v.toULongLong())); break;
        case QMetaType::Float:
        case QMetaType::Double: kod = sqlite3_bind_double(deyim, n, v.toDouble()); break;
        case QMetaType::QDate: {
          const QByteArray t = TürkçeMetin::TarihISO(v.toDate()).toUtf8();
          kod = sqlite3_bind_text(deyim, n, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
          break;
        }
        case QMetaType::QByteArray: {
          const QByteArray b = v.toByteArray();
          kod = sqlite3_bind_blob(deyim, n, b.constData(), static_cast<int>(b.size()), SQLITE_TRANSIENT);
          break;
        }
        default: {
          const QByteArray t = v.toString().toUtf8();
          kod = sqlite3_bind_text(deyim, n, t.constData(), static_cast<int>(t.size()), SQLITE_TRANSIENT);
        }
      }
    }
    if (kod != SQLITE_OK) HataVer(kod);
  }
}

sqlite3_stmt* Veritabanı::Hazırla(const QString& sql, const QVariantList& değerler) {
  using namespace VeritabanıHataNo;
  // After the engine rolled back on its own, a statement would run outside the transaction.
  if (işlemAçık_ && sqlite3_get_autocommit(db_))
    throw VeritabanıHatası(İşlemYok, QStringLiteral("İşlem veritabanı tarafından geri alındı; değişiklikler "
                                                    "kaydedilmedi."));
  const QByteArray metin = sql.toUtf8();
  // A statement run before is taken from the cache: preparing one that fires the stock
  // balance's triggers costs more than running it.
  if (const auto önceki = önbellek_.find(metin.toStdString()); önceki != önbellek_.end()) {
    sqlite3_stmt* hazır = önceki->second;
    önbellek_.erase(önceki);
    Deyim deyim(hazır);
    Bağla(hazır, değerler);
    return deyim.release();
  }
  sqlite3_stmt* ham = nullptr;
  const char* kalan = nullptr;
  const int kod = sqlite3_prepare_v2(db_, metin.constData(), static_cast<int>(metin.size()), &ham, &kalan);
  Deyim deyim(ham);
  if (kod != SQLITE_OK) HataVer(kod);
  if (!ham) throw VeritabanıHatası(Genel, QStringLiteral("SQL deyimi boş."));
  // A second statement would run unseen, or not at all.
  if (!YalnızBoşluk(kalan, metin.constData() + metin.size()))
    throw VeritabanıHatası(FazlaDeyim, QStringLiteral("SQL deyiminin sonundan sonra karakterler bulundu: %1")
                                           .arg(QString::fromUtf8(kalan).trimmed()));
  Bağla(ham, değerler);
  return deyim.release();
}

void DeyimBırakıcı::operator()(sqlite3_stmt* deyim) const {
  // Reset, it holds no lock; kept for the next run of the same text, a few dozen at most.
  sqlite3_reset(deyim);
  sqlite3_clear_bindings(deyim);
  if (vt->önbellek_.size() < 64 && vt->önbellek_.emplace(sqlite3_sql(deyim), deyim).second) return;
  sqlite3_finalize(deyim);
}

KayıtKümesi Veritabanı::KayıtKümesiAç(const QString& sql, const QVariantList& değerler) {
  KullanılanDeyim deyim(Hazırla(sql, değerler), {this});
  sqlite3_stmt* ham = deyim.get();
  int kod = SQLITE_OK;
  KayıtKümesi küme;
  const int sütunSayısı = sqlite3_column_count(ham);
  for (int i = 0; i < sütunSayısı; ++i) {
    const QString ad = QString::fromUtf8(sqlite3_column_name(ham, i));
    küme.alanlar_ << ad;
    küme.sütunlar_.emplace(ad, i);
  }
  while ((kod = sqlite3_step(ham)) == SQLITE_ROW) {
    QVariantList satır;
    satır.reserve(sütunSayısı);
    for (int i = 0; i < sütunSayısı; ++i) {
      switch (sqlite3_column_type(ham, i)) {
        case SQLITE_INTEGER: satır << QVariant(static_cast<qint64>(sqlite3_column_int64(ham, i))); break;
        case SQLITE_FLOAT: satır << QVariant(sqlite3_column_double(ham, i)); break;
        case SQLITE_TEXT:
          satır << QVariant(Metne(sqlite3_column_text(ham, i), sqlite3_column_bytes(ham, i)));
          break;
        case SQLITE_BLOB:
          satır << QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(ham, i)),
                                       sqlite3_column_bytes(ham, i)));
          break;
        default: satır << QVariant();
      }
    }
    küme.satırlar_.push_back(std::move(satır));
  }
  if (kod != SQLITE_DONE) HataVer(kod, OkumaMı(ham));
  return küme;
}

QString Veritabanı::SorguMetni(const QString& sorguAdı) {
  KayıtKümesi tanım =
      KayıtKümesiAç(QStringLiteral("SELECT Metin FROM KayitliSorgular WHERE Ad = ?"), {sorguAdı});
  if (tanım.Sonda())
    throw VeritabanıHatası(VeritabanıHataNo::SorguYok,
                           QStringLiteral("'%1' sorgusu veritabanında bulunamadı.").arg(sorguAdı));
  return sorguMetinleri_.value(sorguAdı, tanım.Metin("Metin"));
}

KayıtKümesi Veritabanı::SorguAç(const QString& sorguAdı, const QVariantList& parametreler) {
  return KayıtKümesiAç(SorguMetni(sorguAdı), parametreler);
}

qint64 Veritabanı::Çalıştır(const QString& sql, const QVariantList& değerler) {
  KullanılanDeyim deyim(Hazırla(sql, değerler), {this});
  const sqlite3_int64 önce = sqlite3_total_changes64(db_);
  int kod;
  while ((kod = sqlite3_step(deyim.get())) == SQLITE_ROW) {
  }
  if (kod != SQLITE_DONE) HataVer(kod, OkumaMı(deyim.get()));
  // The engine keeps the count of the last statement that changed rows.
  return sqlite3_total_changes64(db_) == önce ? 0 : sqlite3_changes64(db_);
}

qint64 Veritabanı::SonEklenenNo() const { return sqlite3_last_insert_rowid(db_); }

Veritabanı::İşlem::İşlem(Veritabanı& vt, QString ad, İşlemİzleri::Bekleyenİz* kendi)
    : vt_(vt), ad_(std::move(ad)), kendi_(kendi) {
  // Back to back, this workstation would take the lock again before any waiting
  // one wakes up: it steps back for under a millisecond so that they get their turn.
  if (std::chrono::steady_clock::now() - vt_.sonOnay_ < std::chrono::milliseconds(10)) RastgeleBekle(1000);
  try {
    vt_.Çalıştır(QStringLiteral("BEGIN IMMEDIATE"));
  } catch (const VeritabanıHatası& h) {
    // One more full wait before the user is told the file is locked.
    if (h.Numara() != VeritabanıHataNo::Kilitli) throw;
    vt_.Çalıştır(QStringLiteral("BEGIN IMMEDIATE"));
  }
  vt_.işlemAçık_ = true;
  try {
    // The lock is held and any journal an unknown commit left is rolled back: the tokens tell.
    önceYazıldı_ = İşlemİzleri::Çöz(vt_, kendi_);
  } catch (...) {
    Bitir();
    throw;
  }
  değişiklik_ = sqlite3_total_changes64(vt_.db_);
}

Veritabanı::İşlem::~İşlem() {
  if (açık_) Bitir();
  // What the lock settled is told once the file is let go, whatever became of this work.
  İşlemİzleri::Bildir(vt_);
}

void Veritabanı::İşlem::Bitir() {
  if (!sqlite3_get_autocommit(vt_.db_)) sqlite3_exec(vt_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
  açık_ = false;
  vt_.işlemAçık_ = false;
}

void Veritabanı::İşlem::Onayla() {
  // The token goes in with the work: read back later, it tells whether the work is there.
  const bool değişti = sqlite3_total_changes64(vt_.db_) != değişiklik_;
  const İşlemİzleri::Yazılan iz = değişti ? İşlemİzleri::Yaz(vt_) : İşlemİzleri::Yazılan{};
  if (değişti) DiskKatmanı::OnayıİzlemeyeBaşla(vt_.db_);
  bool diskSonraHataVerdi = false;
  try {
    // Hazırla refuses the COMMIT when the transaction is gone.
    vt_.Çalıştır(QStringLiteral("COMMIT"));
    if (değişti) DiskKatmanı::OnayınSonucu(vt_.db_);  // only ends the watch: a COMMIT that returned is in the file
  } catch (const VeritabanıHatası&) {
    // The layer judged the COMMIT inside it, while its lock was held.
    switch (değişti ? DiskKatmanı::OnayınSonucu(vt_.db_) : DiskKatmanı::Sonuç::Ulaşmadı) {
      case DiskKatmanı::Sonuç::Ulaşmadı: throw;
      case DiskKatmanı::Sonuç::Ulaştı:
        if (!sqlite3_get_autocommit(vt_.db_)) throw;
        diskSonraHataVerdi = true;
        break;
      case DiskKatmanı::Sonuç::Bilinmiyor:
        Bitir();
        throw SonucuBilinmeyenHata(İşlemİzleri::Bilinmiyor(vt_, iz, ad_, kendi_));
    }
  }
  if (değişti) İşlemİzleri::Yazıldı(vt_, iz.iz);
  vt_.sonOnay_ = std::chrono::steady_clock::now();
  açık_ = false;
  vt_.işlemAçık_ = false;
  if (diskSonraHataVerdi && Bildir) Bildir(Bildirim::YazıldıDiskSonraHataVerdi);
}

QString BaşlayanKalıbı(const QString& yazılan) {
  QString kalıp;
  kalıp.reserve(yazılan.size() + 2);
  for (QChar c : yazılan) {
    if (c == u'\\' || c == u'%' || c == u'_') kalıp += u'\\';
    kalıp += c;
  }
  return kalıp + u'%';
}

// A connection of its own that waits only briefly, so that this connection's busy handling is
// left as it is; the statistics then reach this connection with its schema, read again.
// (PRAGMA optimize would do nothing here: it analyses only tables that queries of the same
// connection have used.)
void Veritabanı::İstatistikleriTazele() noexcept {
  sqlite3* ham = nullptr;
  bool tazelendi = false;
  if (sqlite3_open_v2(QFile::encodeName(yol_).constData(), &ham, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
    sqlite3_busy_timeout(ham, 250);
    TürkçeİşlevleriKaydet(ham);
    tazelendi = sqlite3_exec(ham, "PRAGMA synchronous=EXTRA; PRAGMA analysis_limit=400; ANALYZE", nullptr, nullptr,
                             nullptr) == SQLITE_OK;
  }
  sqlite3_close(ham);
  if (tazelendi) sqlite3_exec(db_, "PRAGMA writable_schema=RESET", nullptr, nullptr, nullptr);
}

bool OkunanSatır::BoşMu(int sütun) const { return sqlite3_column_type(deyim_, sütun) == SQLITE_NULL; }

QString OkunanSatır::Metin(int sütun) const {
  if (sqlite3_column_type(deyim_, sütun) == SQLITE_FLOAT)
    return QString::number(sqlite3_column_double(deyim_, sütun), 'g', 15);
  return Metne(sqlite3_column_text(deyim_, sütun), sqlite3_column_bytes(deyim_, sütun));
}

QByteArrayView OkunanSatır::Utf8(int sütun) const {
  const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(deyim_, sütun));
  return p ? QByteArrayView(p, sqlite3_column_bytes(deyim_, sütun)) : QByteArrayView();
}

qint64 OkunanSatır::Tamsayı(int sütun) const {
  if (sqlite3_column_type(deyim_, sütun) == SQLITE_FLOAT)
    return static_cast<qint64>(std::llround(sqlite3_column_double(deyim_, sütun)));
  return sqlite3_column_int64(deyim_, sütun);
}

qint64 OkunanSatır::Miktar(int sütun) const { return TürkçeMetin::MiktaraÇevir(sqlite3_column_double(deyim_, sütun)); }

double OkunanSatır::Ondalık(int sütun) const { return sqlite3_column_double(deyim_, sütun); }

QDate OkunanSatır::Tarih(int sütun) const { return TürkçeMetin::ISOTarih(Metin(sütun)); }

int OkunanSatır::Sütun(const QString& ad) const {
  for (int i = 0; i < sqlite3_column_count(deyim_); ++i)
    if (ad.compare(QString::fromUtf8(sqlite3_column_name(deyim_, i)), Qt::CaseInsensitive) == 0) return i;
  throw VeritabanıHatası(VeritabanıHataNo::AlanYok, QStringLiteral("Bu koleksiyonda öğe bulunamadı: %1").arg(ad));
}

void Veritabanı::SatırSatırOku(const QString& sql, const QVariantList& değerler,
                               const std::function<void(const OkunanSatır&)>& işle) {
  KullanılanDeyim deyim(Hazırla(sql, değerler), {this});
  const OkunanSatır satır(deyim.get());
  int kod;
  while ((kod = sqlite3_step(deyim.get())) == SQLITE_ROW) işle(satır);
  if (kod != SQLITE_DONE) HataVer(kod, OkumaMı(deyim.get()));
}
