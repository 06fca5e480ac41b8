#include "Veritabani.h"

#include "Platform.h"
#include "StokBakiyesi.h"
#include "TurkceMetin.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QVarLengthArray>

#include <sqlite3.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fcntl.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <mutex>
#include <new>
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

struct Sorun {
  int numara = 0;
  QString metin;
};

// Why a file cannot be opened, decided before sqlite3 guesses.
Sorun AçılışSorunu(const QString& yol) {
  using namespace VeritabanıHataNo;
  const auto sorun = [&](int numara, const QString& metin) { return Sorun{numara, metin.arg(yol)}; };
  const QString geçersiz = QStringLiteral("'%1' geçerli bir dosya adı değil.");
  const QString erişilemiyor = QStringLiteral("'%1' dosyasına erişilemiyor.");
  if (yol.trimmed().isEmpty() || yol.contains(QChar(0))) return sorun(DosyaAdıGeçersiz, geçersiz);
  const QFileInfo dosya(yol);
  const QByteArray yerel = QFile::encodeName(dosya.absoluteFilePath());
  const QByteArray klasör = QFile::encodeName(dosya.absolutePath());
  // The engine names the file by its full path and cannot hold a longer one.
  if (yerel.size() >= sqlite3_vfs_find(nullptr)->mxPathname)
    return sorun(DosyaAdıGeçersiz, QStringLiteral("'%1' geçerli bir dosya adı değil: yol çok uzun."));
  struct stat bilgi {};
  if (::stat(yerel.constData(), &bilgi) != 0) {
    switch (errno) {
      case ENAMETOOLONG:
      case ELOOP: return sorun(DosyaAdıGeçersiz, geçersiz);
      // A folder we may not enter is not the same as a missing file.
      case EACCES: return sorun(ErişimYok, erişilemiyor);
      case ENOENT:
        if (::stat(klasör.constData(), &bilgi) == 0 && S_ISDIR(bilgi.st_mode))
          return sorun(DosyaYok, QStringLiteral("'%1' dosyası bulunamadı."));
    }
    return sorun(YolGeçersiz, QStringLiteral("'%1' geçerli bir yol değil."));
  }
  if (S_ISDIR(bilgi.st_mode)) return sorun(DosyaAdıGeçersiz, geçersiz);
  if (::access(yerel.constData(), R_OK | W_OK) != 0) return sorun(ErişimYok, erişilemiyor);
  // Every write creates the journal beside the file; without this the first save would fail.
  if (::access(klasör.constData(), W_OK | X_OK) != 0)
    return {ErişimYok, QStringLiteral("'%1' klasörüne yazma izni yok. Veritabanı dosyasının bulunduğu klasöre "
                                      "yazma izni gereklidir.")
                           .arg(dosya.absolutePath())};
  return {};
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

QString TürAdı(const QString& tür) {
  static const QHash<QString, QString> adlar = {
      {QStringLiteral("TEXT"), QStringLiteral("metin")},       {QStringLiteral("INTEGER"), QStringLiteral("tamsayı")},
      {QStringLiteral("INT"), QStringLiteral("tamsayı")},      {QStringLiteral("REAL"), QStringLiteral("ondalık sayı")},
      {QStringLiteral("BLOB"), QStringLiteral("ikili veri")},
  };
  return adlar.value(tür.toUpper(), tür);
}

// A Turkish text for a broken rule of the table, naming what failed.
QString KuralMetni(int kod, const QString& motor) {
  const int ayraç = motor.indexOf(QStringLiteral(": "));
  const QString ne = ayraç < 0 ? motor : motor.mid(ayraç + 2);
  switch (kod) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_ROWID:
      return (ne.contains(u',') ? QStringLiteral("Yinelenen değer: %1 alanlarında aynı değerlere sahip başka bir kayıt var.")
                                : QStringLiteral("Yinelenen değer: %1 alanında aynı değere sahip başka bir kayıt var."))
          .arg(ne);
    case SQLITE_CONSTRAINT_NOTNULL: return QStringLiteral("%1 alanı boş bırakılamaz.").arg(ne);
    case SQLITE_CONSTRAINT_CHECK: return QStringLiteral("Değer, %1 doğrulama kuralına uymuyor.").arg(ne);
    case SQLITE_CONSTRAINT_DATATYPE: {
      static const QRegularExpression kalıp(QStringLiteral("cannot store (\\w+) value in (\\w+) column (\\S+)"));
      const auto eş = kalıp.match(motor);
      if (!eş.hasMatch()) break;
      return QStringLiteral("%1 alanına %2 yazılamaz; bu alan %3 bekler.")
          .arg(eş.captured(3), TürAdı(eş.captured(1)), TürAdı(eş.captured(2)));
    }
    case SQLITE_CONSTRAINT_TRIGGER: return QStringLiteral("Değer kabul edilmedi: %1").arg(motor);
  }
  return QStringLiteral("Değer kabul edilmedi: %1").arg(motor);
}

bool YerYok(int sistem) { return sistem == ENOSPC || sistem == EFBIG || sistem == EDQUOT; }
bool YazılamazYer(int sistem) { return sistem == EROFS || sistem == EACCES; }

// What happened and what the user can do, in Turkish; the engine's own text only where
// it names a fault of the program that the error report must carry.
QString MotorMetni(int kod, int sistem, int numara, const QString& motor) {
  using namespace VeritabanıHataNo;
  const QString yazılmadı = QStringLiteral("Veritabanına yazılamadı, işlem kaydedilmedi. ");
  switch (numara) {
    case DiskDolu:
      if (sistem == EFBIG)
        return QStringLiteral("Veritabanı dosyası izin verilen en büyük dosya boyutuna ulaştı. ") + yazılmadı +
               QStringLiteral("Lütfen, sistem yöneticinizden dosya boyutu sınırını yükseltmesini isteyip yeniden "
                              "deneyiniz.");
      if (sistem == EDQUOT)
        return QStringLiteral("Disk kotanız doldu. ") + yazılmadı +
               QStringLiteral("Lütfen, kotanızda yer açıp ya da kotanızı artırtıp yeniden deneyiniz.");
      return QStringLiteral("Diskte yer kalmadı. ") + yazılmadı +
             QStringLiteral("Lütfen, veritabanının bulunduğu diskte yer açıp yeniden deneyiniz.");
    case SaltOkunur:
      if (kod == SQLITE_READONLY_DBMOVED)
        return QStringLiteral("Veritabanı dosyası, program açıkken taşınmış ya da silinmiş. ") + yazılmadı +
               QStringLiteral("Lütfen, dosyanın yerini denetleyip programı yeniden başlatınız.");
      if (sistem == EIO)
        return QStringLiteral("Veritabanının bulunduğu disk, hata verdiği için yazmayı kabul etmiyor. ") + yazılmadı +
               QStringLiteral("Lütfen, diski sistem yöneticinize denetletip yeniden deneyiniz.");
      return QStringLiteral("Veritabanının bulunduğu klasör ya da disk salt okunur. ") + yazılmadı +
             QStringLiteral("Lütfen, klasörün yazma iznini denetleyip yeniden deneyiniz.");
    case AğHatası:
      return QStringLiteral("Veritabanı dosyası okunurken ya da yazılırken disk veya ağ hatası oluştu; işlem "
                            "kaydedilmedi. Lütfen, sunucuya bağlantıyı ve diski denetleyiniz.");
    case DosyaYok:
      return QStringLiteral("Veritabanı dosyası ya da yanındaki geçici dosya açılamadı; işlem kaydedilmedi. "
                            "Lütfen, veritabanının bulunduğu klasörü denetleyiniz.");
    case Kilitli:
      return QStringLiteral("Veritabanı başka bir bilgisayarda kullanılıyor ve beklenen süre içinde serbest kalmadı; "
                            "işlem kaydedilmedi. Lütfen, biraz sonra yeniden deneyiniz.");
  }
  switch (kod & 0xff) {
    case SQLITE_CONSTRAINT: return KuralMetni(kod, motor);
    case SQLITE_CORRUPT: return QStringLiteral("Veritabanı dosyası bozuk. Lütfen, sistem yöneticinize başvurunuz.");
    case SQLITE_NOTADB: return QStringLiteral("Dosya, bu programın veritabanı dosyası değil ya da bozuk.");
    case SQLITE_PERM:
    case SQLITE_AUTH:
      return QStringLiteral("Veritabanı dosyasına erişim izni yok. Lütfen, dosyanın izinlerini denetleyiniz.");
    case SQLITE_NOMEM:
      return QStringLiteral("Bellek yetersiz; işlem kaydedilmedi. Lütfen, başka programları kapatıp yeniden "
                            "deneyiniz.");
    case SQLITE_INTERRUPT: return QStringLiteral("İşlem yarıda kesildi; kaydedilmedi.");
    case SQLITE_TOOBIG: return QStringLiteral("Değer, veritabanının alabileceğinden büyük; işlem kaydedilmedi.");
    case SQLITE_PROTOCOL:
    case SQLITE_SCHEMA:
      return QStringLiteral("Veritabanı bu arada başka bir bilgisayarda değişti; işlem kaydedilmedi. Lütfen, "
                            "yeniden deneyiniz.");
  }
  return QStringLiteral("Veritabanı komutu çalıştırılamadı: %1").arg(motor);
}

// --- The disk under the engine ----------------------------------------------------------------
//
// The engine asks the system for the error number only after the calls of its rollback have run,
// and a file it cannot create it tries once more read-only: the number of the call that failed is
// gone by then. A thin layer over the system's VFS keeps it, for each database file, as it happens.

// File control of the layer: hands over the database file's first failure since the last time it
// was asked (a DiskHatası) and forgets it.
constexpr int DiskHatasıAl = 0x564C4D01;

struct DiskHatası {
  int sistem = 0;                // errno of the call
  bool günlüktenSonra = false;  // the call deleted the journal, or came once it was deleted
};

struct HataKaydı {
  DiskHatası ilk;
  bool günlükSilindi = false;  // since the record was last asked
  const char* anaAd = nullptr;     // the names as the engine passes them, which it keeps
  const char* günlükAdı = nullptr;
};

struct KatmanDosyası {
  sqlite3_file taban;
  std::shared_ptr<HataKaydı> kayıt;  // shared by the database file and its journal
  bool ana = false;                   // the database file itself
  sqlite3_file* Alt() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};
static_assert(sizeof(KatmanDosyası) % 8 == 0, "the system's file follows, aligned");

KatmanDosyası* Katman(sqlite3_file* f) { return reinterpret_cast<KatmanDosyası*>(f); }
sqlite3_file* Alt(sqlite3_file* f) { return Katman(f)->Alt(); }
sqlite3_vfs* Alt(sqlite3_vfs* v) { return static_cast<sqlite3_vfs*>(v->pAppData); }

// The record of each database file by the name pointers of the file and of its journal: the journal
// is deleted by name, not through its file.
std::mutex& AdlarKilidi() {
  static std::mutex kilit;
  return kilit;
}
std::unordered_map<const char*, std::weak_ptr<HataKaydı>>& Adlar() {
  static std::unordered_map<const char*, std::weak_ptr<HataKaydı>> adlar;
  return adlar;
}
std::shared_ptr<HataKaydı> KaydıBul(const char* ad) {
  const std::lock_guard kilit(AdlarKilidi());
  const auto bulunan = Adlar().find(ad);
  return bulunan == Adlar().end() ? nullptr : bulunan->second.lock();
}

void Kaydet(HataKaydı* kayıt, int kod, int sistem, bool silme) {
  const int tür = kod & 0xff;
  if (!kayıt || kayıt->ilk.sistem || !sistem || kod == SQLITE_IOERR_SHORT_READ || kod == SQLITE_IOERR_DELETE_NOENT ||
      (tür != SQLITE_IOERR && tür != SQLITE_FULL && tür != SQLITE_CANTOPEN))
    return;
  kayıt->ilk = {sistem, silme || kayıt->günlükSilindi};
}

// errno is read before anything else runs.
int Kayıtlı(sqlite3_file* f, int kod) {
  if (kod != SQLITE_OK) Kaydet(Katman(f)->kayıt.get(), kod, errno, false);
  return kod;
}

// The engine retries a create that failed as a read-only open, whose "no such file" would hide why.
thread_local int yaratmaHatası = 0;
sqlite3_syscall_ptr öncekiAç = nullptr;
int KaydedenAç(const char* yol, int bayrak, int kip) {
  const int fd = reinterpret_cast<int (*)(const char*, int, int)>(öncekiAç)(yol, bayrak, kip);
  if (fd < 0 && (bayrak & O_CREAT)) yaratmaHatası = errno;
  return fd;
}

int KatmanKapat(sqlite3_file* f) {
  KatmanDosyası* d = Katman(f);
  if (d->ana) {
    const std::lock_guard kilit(AdlarKilidi());
    Adlar().erase(d->kayıt->anaAd);
    if (d->kayıt->günlükAdı) Adlar().erase(d->kayıt->günlükAdı);
  }
  const int kod = Kayıtlı(f, Alt(f)->pMethods->xClose(Alt(f)));
  d->~KatmanDosyası();
  return kod;
}

int KatmanDenetimi(sqlite3_file* f, int işlem, void* değer) {
  if (işlem != DiskHatasıAl || !Katman(f)->ana) return Alt(f)->pMethods->xFileControl(Alt(f), işlem, değer);
  HataKaydı& k = *Katman(f)->kayıt;
  *static_cast<DiskHatası*>(değer) = std::exchange(k.ilk, {});
  k.günlükSilindi = false;
  return SQLITE_OK;
}

// The methods of the layer's files, one set for each version the system's files may have.
const sqlite3_io_methods* KatmanYöntemleri(int sürüm) {
  static const auto yap = [](int s) {
    sqlite3_io_methods y{};
    y.iVersion = s;
    y.xClose = KatmanKapat;
    y.xRead = [](sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
      return Kayıtlı(f, Alt(f)->pMethods->xRead(Alt(f), b, n, o));
    };
    y.xWrite = [](sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
      return Kayıtlı(f, Alt(f)->pMethods->xWrite(Alt(f), b, n, o));
    };
    y.xTruncate = [](sqlite3_file* f, sqlite3_int64 n) { return Kayıtlı(f, Alt(f)->pMethods->xTruncate(Alt(f), n)); };
    y.xSync = [](sqlite3_file* f, int b) { return Kayıtlı(f, Alt(f)->pMethods->xSync(Alt(f), b)); };
    y.xFileSize = [](sqlite3_file* f, sqlite3_int64* n) { return Kayıtlı(f, Alt(f)->pMethods->xFileSize(Alt(f), n)); };
    y.xLock = [](sqlite3_file* f, int d) { return Kayıtlı(f, Alt(f)->pMethods->xLock(Alt(f), d)); };
    y.xUnlock = [](sqlite3_file* f, int d) { return Kayıtlı(f, Alt(f)->pMethods->xUnlock(Alt(f), d)); };
    y.xCheckReservedLock = [](sqlite3_file* f, int* v) {
      return Kayıtlı(f, Alt(f)->pMethods->xCheckReservedLock(Alt(f), v));
    };
    y.xFileControl = KatmanDenetimi;
    y.xSectorSize = [](sqlite3_file* f) { return Alt(f)->pMethods->xSectorSize(Alt(f)); };
    y.xDeviceCharacteristics = [](sqlite3_file* f) { return Alt(f)->pMethods->xDeviceCharacteristics(Alt(f)); };
    y.xShmMap = [](sqlite3_file* f, int i, int n, int yaz, void volatile** p) {
      return Alt(f)->pMethods->xShmMap(Alt(f), i, n, yaz, p);
    };
    y.xShmLock = [](sqlite3_file* f, int o, int n, int b) { return Alt(f)->pMethods->xShmLock(Alt(f), o, n, b); };
    y.xShmBarrier = [](sqlite3_file* f) { Alt(f)->pMethods->xShmBarrier(Alt(f)); };
    y.xShmUnmap = [](sqlite3_file* f, int s) { return Alt(f)->pMethods->xShmUnmap(Alt(f), s); };
    y.xFetch = [](sqlite3_file* f, sqlite3_int64 o, int n, void** p) { return Alt(f)->pMethods->xFetch(Alt(f), o, n, p); };
    y.xUnfetch = [](sqlite3_file* f, sqlite3_int64 o, void* p) { return Alt(f)->pMethods->xUnfetch(Alt(f), o, p); };
    return y;
  };
  static const sqlite3_io_methods sürümler[] = {yap(1), yap(2), yap(3)};
  return &sürümler[std::clamp(sürüm, 1, 3) - 1];
}

int KatmanAç(sqlite3_vfs* v, const char* ad, sqlite3_file* f, int bayrak, int* çıkan) {
  auto* d = new (f) KatmanDosyası{};
  std::shared_ptr<HataKaydı> kayıt;
  if (bayrak & SQLITE_OPEN_MAIN_DB) {
    kayıt = std::make_shared<HataKaydı>();
  } else if (ad && (bayrak & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_WAL))) {
    kayıt = KaydıBul(sqlite3_filename_database(ad));
  }
  yaratmaHatası = 0;
  const int kod = Alt(v)->xOpen(Alt(v), ad, d->Alt(), bayrak, çıkan);
  if (kod != SQLITE_OK) {
    Kaydet(kayıt.get(), kod, yaratmaHatası ? yaratmaHatası : errno, false);
    if (d->Alt()->pMethods) d->Alt()->pMethods->xClose(d->Alt());
    d->~KatmanDosyası();
    f->pMethods = nullptr;
    return kod;
  }
  if (kayıt && ad) {
    const std::lock_guard kilit(AdlarKilidi());
    ((bayrak & SQLITE_OPEN_MAIN_DB) ? kayıt->anaAd : kayıt->günlükAdı) = ad;
    Adlar()[ad] = kayıt;
  }
  d->kayıt = std::move(kayıt);
  d->ana = bayrak & SQLITE_OPEN_MAIN_DB;
  d->taban.pMethods = KatmanYöntemleri(d->Alt()->pMethods->iVersion);
  return kod;
}

int KatmanSil(sqlite3_vfs* v, const char* ad, int klasörü) {
  const int kod = Alt(v)->xDelete(Alt(v), ad, klasörü);
  const int sistem = errno;
  if (const auto kayıt = KaydıBul(ad)) {
    Kaydet(kayıt.get(), kod, sistem, true);
    if (kod == SQLITE_OK) kayıt->günlükSilindi = true;
  }
  return kod;
}

DiskHatası DiskHatasınıAl(sqlite3* db) {
  DiskHatası hata;
  sqlite3_file_control(db, "main", DiskHatasıAl, &hata);
  return hata;
}

// A commit that stands although the disk reported an error after it.
void KayıttanSonraDiskHatası() {
  if (!Platform::MesajGöster) return;
  QWidget* sahip = QApplication::activeModalWidget();
  if (!sahip) sahip = QApplication::activeWindow();
  Platform::MesajGöster(sahip,
                        QStringLiteral("İşlem veritabanına kaydedildi; ancak disk, kayıttan hemen sonra bir hata "
                                       "bildirdi. İşlemi yeniden kaydetmeyiniz. Lütfen, veritabanının bulunduğu "
                                       "diski ve sunucuya bağlantıyı denetleyiniz."),
                        48, QApplication::applicationName());
}

// The layer over the VFS the engine would use now; made once for each.
sqlite3_vfs* KatmanVfs() {
  static std::mutex kilit;
  static std::unordered_map<sqlite3_vfs*, std::pair<std::string, sqlite3_vfs>> katmanlar;
  const std::lock_guard tutulan(kilit);
  sqlite3_vfs* alt = sqlite3_vfs_find(nullptr);
  if (alt->xOpen == KatmanAç) return alt;  // one of ours became the default when another went away
  if (const auto var = katmanlar.find(alt); var != katmanlar.end()) return &var->second.second;
  static std::once_flag açmaKaydı;
  std::call_once(açmaKaydı, [alt] {
    if (alt->iVersion < 3 || !alt->xGetSystemCall) return;
    öncekiAç = alt->xGetSystemCall(alt, "open");
    if (öncekiAç) alt->xSetSystemCall(alt, "open", reinterpret_cast<sqlite3_syscall_ptr>(&KaydedenAç));
  });
  auto& [ad, vfs] = katmanlar[alt];
  ad = std::string("velmora-") + alt->zName;
  vfs = sqlite3_vfs{};
  vfs.iVersion = std::min(alt->iVersion, 3);
  vfs.szOsFile = static_cast<int>(sizeof(KatmanDosyası)) + alt->szOsFile;
  vfs.mxPathname = alt->mxPathname;
  vfs.zName = ad.c_str();
  vfs.pAppData = alt;
  vfs.xOpen = KatmanAç;
  vfs.xDelete = KatmanSil;
  vfs.xAccess = [](sqlite3_vfs* v, const char* a, int b, int* s) { return Alt(v)->xAccess(Alt(v), a, b, s); };
  vfs.xFullPathname = [](sqlite3_vfs* v, const char* a, int n, char* s) {
    return Alt(v)->xFullPathname(Alt(v), a, n, s);
  };
  vfs.xDlOpen = [](sqlite3_vfs* v, const char* a) { return Alt(v)->xDlOpen(Alt(v), a); };
  vfs.xDlError = [](sqlite3_vfs* v, int n, char* s) { Alt(v)->xDlError(Alt(v), n, s); };
  vfs.xDlSym = [](sqlite3_vfs* v, void* h, const char* a) { return Alt(v)->xDlSym(Alt(v), h, a); };
  vfs.xDlClose = [](sqlite3_vfs* v, void* h) { Alt(v)->xDlClose(Alt(v), h); };
  vfs.xRandomness = [](sqlite3_vfs* v, int n, char* s) { return Alt(v)->xRandomness(Alt(v), n, s); };
  vfs.xSleep = [](sqlite3_vfs* v, int n) { return Alt(v)->xSleep(Alt(v), n); };
  vfs.xCurrentTime = [](sqlite3_vfs* v, double* t) { return Alt(v)->xCurrentTime(Alt(v), t); };
  vfs.xGetLastError = [](sqlite3_vfs* v, int n, char* s) { return Alt(v)->xGetLastError(Alt(v), n, s); };
  vfs.xCurrentTimeInt64 = [](sqlite3_vfs* v, sqlite3_int64* t) { return Alt(v)->xCurrentTimeInt64(Alt(v), t); };
  vfs.xSetSystemCall = [](sqlite3_vfs* v, const char* a, sqlite3_syscall_ptr p) {
    return Alt(v)->xSetSystemCall(Alt(v), a, p);
  };
  vfs.xGetSystemCall = [](sqlite3_vfs* v, const char* a) { return Alt(v)->xGetSystemCall(Alt(v), a); };
  vfs.xNextSystemCall = [](sqlite3_vfs* v, const char* a) { return Alt(v)->xNextSystemCall(Alt(v), a); };
  sqlite3_vfs_register(&vfs, 0);
  return &vfs;
}

}  // namespace

VeritabanıHatası::VeritabanıHatası(int numara, const QString& açıklama)
    : std::runtime_error(açıklama.toStdString()), numara_(numara), açıklama_(açıklama) {}

int HataNumarası(int kod, int sistem) {
  using namespace VeritabanıHataNo;
  switch (kod) {
    case SQLITE_CONSTRAINT_UNIQUE:
    case SQLITE_CONSTRAINT_PRIMARYKEY:
    case SQLITE_CONSTRAINT_ROWID: return YinelenenDeğer;
    case SQLITE_CONSTRAINT_NOTNULL: return BoşOlamaz;
  }
  switch (kod & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return Kilitli;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
    case SQLITE_PERM:
    case SQLITE_AUTH: return ErişimYok;
    // A full disk and a folder that cannot be written leave the file as it was: the user
    // can make room or fix the folder and save again.
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
      if (YerYok(sistem)) return DiskDolu;
      if (YazılamazYer(sistem)) return SaltOkunur;
      // A file system the kernel has given up on refuses every new file: nothing was written.
      if ((kod & 0xff) == SQLITE_CANTOPEN && sistem == EIO) return SaltOkunur;
      return (kod & 0xff) == SQLITE_IOERR ? AğHatası : DosyaYok;
    case SQLITE_FULL: return DiskDolu;
    case SQLITE_READONLY: return SaltOkunur;
    case SQLITE_CONSTRAINT: return KuralaAykırı;  // check, STRICT type, trigger
    default: return Genel;  // never 3356, which the error routine ignores
  }
}

VeritabanıHatası MotorHatası(int kod, int sistem, const QString& motor) {
  const int numara = HataNumarası(kod, sistem);
  return {numara, MotorMetni(kod, sistem, numara, motor)};
}

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
}

std::unique_ptr<Veritabanı> Veritabanı::Aç(const QString& yol) {
  using namespace VeritabanıHataNo;
  if (const Sorun sorun = AçılışSorunu(yol); sorun.numara) throw VeritabanıHatası(sorun.numara, sorun.metin);
  sqlite3* db = nullptr;
  const QByteArray yerel = QFile::encodeName(yol);
  int kod = sqlite3_open_v2(yerel.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, KatmanVfs()->zName);
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
  try {
    // Rollback journal: WAL needs shared memory that network shares lack. A commit
    // is reported only once it is on the disk, the journal's removal included (EXTRA
    // syncs the folder too): else a power cut could bring the journal back and the
    // next open would undo the commit.
    vt->Çalıştır(QStringLiteral("PRAGMA journal_mode=DELETE"));
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
  for (const auto& [metin, deyim] : önbellek_) sqlite3_finalize(deyim);
  sqlite3_close_v2(db_);
}

void Veritabanı::HataVer(int kod) const {
  const DiskHatası disk = DiskHatasınıAl(db_);
  günlüktenSonraHata_ = disk.günlüktenSonra;
  int sistem = disk.sistem ? disk.sistem : sqlite3_system_errno(db_);
  if (!sistem) sqlite3_file_control(db_, "main", SQLITE_FCNTL_LAST_ERRNO, &sistem);
  // The journal could not be made beside the file: the folder tells why.
  if ((kod & 0xff) == SQLITE_CANTOPEN &&
      ::access(QFile::encodeName(QFileInfo(yol_).absolutePath()).constData(), W_OK | X_OK) != 0)
    sistem = errno;
  throw MotorHatası(kod, sistem, QString::fromUtf8(sqlite3_errmsg(db_)));
}

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
  if (kod != SQLITE_DONE) HataVer(kod);
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
  if (kod != SQLITE_DONE) HataVer(kod);
  // The engine keeps the count of the last statement that changed rows.
  return sqlite3_total_changes64(db_) == önce ? 0 : sqlite3_changes64(db_);
}

qint64 Veritabanı::SonEklenenNo() const { return sqlite3_last_insert_rowid(db_); }

Veritabanı::İşlem::İşlem(Veritabanı& vt) : vt_(vt) {
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
}

Veritabanı::İşlem::~İşlem() {
  if (!açık_) return;
  if (!sqlite3_get_autocommit(vt_.db_)) sqlite3_exec(vt_.db_, "ROLLBACK", nullptr, nullptr, nullptr);
  vt_.işlemAçık_ = false;
}

void Veritabanı::İşlem::Onayla() {
  // Failures the engine passed over before the commit are not the commit's.
  DiskHatasınıAl(vt_.db_);
  vt_.günlüktenSonraHata_ = false;
  try {
    // Hazırla refuses the COMMIT when the transaction is gone.
    vt_.Çalıştır(QStringLiteral("COMMIT"));
  } catch (const VeritabanıHatası&) {
    if (!vt_.OnayYerinde()) throw;
    KayıttanSonraDiskHatası();
  }
  vt_.sonOnay_ = std::chrono::steady_clock::now();
  açık_ = false;
  vt_.işlemAçık_ = false;
}

// Deleting the journal is the commit: when the first failure of a failed COMMIT came only then or
// later, the engine has ended the transaction and no journal is left to roll it back, every change
// is in the file.
bool Veritabanı::OnayYerinde() const {
  if (!günlüktenSonraHata_ || !sqlite3_get_autocommit(db_)) return false;
  const char* günlük = sqlite3_filename_journal(sqlite3_db_filename(db_, "main"));
  return günlük && ::access(günlük, F_OK) != 0 && errno == ENOENT;
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
  if (kod != SQLITE_DONE) HataVer(kod);
}
