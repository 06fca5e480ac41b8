#include "DiskKatmani.h"

#include <sqlite3.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

namespace {

// File controls of the layer, asked of the database file.
constexpr int İlkHatayıVer = 0x564C4D01;  // hands over the first failure (an int) and forgets it
constexpr int İzlemeyeBaşla = 0x564C4D02;
constexpr int UlaşıpUlaşmadığı = 0x564C4D03;  // the watched commit's verdict (an int), ending the watch

// The change counter sits in the database header at this offset, big-endian, and every commit
// in rollback-journal mode writes it anew.
constexpr int SayaçYeri = 24;

using DiskKatmanı::Sonuç;

struct DosyaDurumu {
  int ilkHata = 0;                     // errno of the first failing call since last asked
  bool izleniyor = false;              // a COMMIT is watched
  bool başarısız = false;              // a call failed during the watch, by its result code
  bool günlükOkundu = false;           // the journal was read from its start: a rollback played it
  std::optional<std::uint32_t> yazılanSayaç;
  std::optional<Sonuç> sonuç;          // taken at the journal's deletion
  sqlite3_file* ana = nullptr;         // the system's file of the database, to read its header back
  const char* anaAd = nullptr;         // the names as the engine passes them, which it keeps
  const char* günlükAdı = nullptr;
};

struct KatmanDosyası {
  sqlite3_file taban;
  std::shared_ptr<DosyaDurumu> durum;  // shared by the database file and its journal
  bool ana = false;                    // the database file itself
  sqlite3_file* Alt() { return reinterpret_cast<sqlite3_file*>(this + 1); }
};
static_assert(sizeof(KatmanDosyası) % 8 == 0, "the system's file follows, aligned");

KatmanDosyası* Katman(sqlite3_file* f) { return reinterpret_cast<KatmanDosyası*>(f); }
sqlite3_file* Alt(sqlite3_file* f) { return Katman(f)->Alt(); }
sqlite3_vfs* Alt(sqlite3_vfs* v) { return static_cast<sqlite3_vfs*>(v->pAppData); }

// The state of each database file by the name pointers of the file and of its journal: the
// journal is deleted by name, not through its file.
std::mutex& AdlarKilidi() {
  static std::mutex kilit;
  return kilit;
}
std::unordered_map<const char*, std::weak_ptr<DosyaDurumu>>& Adlar() {
  static std::unordered_map<const char*, std::weak_ptr<DosyaDurumu>> adlar;
  return adlar;
}
std::shared_ptr<DosyaDurumu> DurumuBul(const char* ad) {
  const std::lock_guard kilit(AdlarKilidi());
  const auto bulunan = Adlar().find(ad);
  return bulunan == Adlar().end() ? nullptr : bulunan->second.lock();
}

// A watched commit counts every failing call, whatever errno holds; errno only chooses the text.
// A short read is the end of a file, and a busy lock another workstation's turn: neither is a fault.
void HatayıTut(DosyaDurumu* d, int kod, int sistem) {
  const int tür = kod & 0xff;
  if (!d || kod == SQLITE_OK || kod == SQLITE_IOERR_SHORT_READ || tür == SQLITE_BUSY || tür == SQLITE_LOCKED) return;
  if (d->izleniyor) d->başarısız = true;
  if (d->ilkHata || !sistem || kod == SQLITE_IOERR_DELETE_NOENT ||
      (tür != SQLITE_IOERR && tür != SQLITE_FULL && tür != SQLITE_CANTOPEN))
    return;
  d->ilkHata = sistem;
}

// errno is read before anything else runs.
int HatasıTutulan(sqlite3_file* f, int kod) {
  if (kod != SQLITE_OK) HatayıTut(Katman(f)->durum.get(), kod, errno);
  return kod;
}

// Only a rollback reads the journal from its start while the commit holds its lock.
int Oku(sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
  KatmanDosyası* d = Katman(f);
  if (!d->ana && o == 0 && d->durum && d->durum->izleniyor) d->durum->günlükOkundu = true;
  return HatasıTutulan(f, Alt(f)->pMethods->xRead(Alt(f), b, n, o));
}

std::uint32_t Sayaç(const unsigned char* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

// The first write of the header in a watched commit carries the counter it gives the file; a
// rollback after it writes the old one back, which is not taken.
int Yaz(sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
  KatmanDosyası* d = Katman(f);
  if (d->ana && d->durum->izleniyor && !d->durum->yazılanSayaç && o <= SayaçYeri && o + n >= SayaçYeri + 4)
    d->durum->yazılanSayaç = Sayaç(static_cast<const unsigned char*>(b) + (SayaçYeri - o));
  return HatasıTutulan(f, Alt(f)->pMethods->xWrite(Alt(f), b, n, o));
}

// The engine retries a create that failed as a read-only open, whose "no such file" would hide why.
thread_local int yaratmaHatası = 0;
sqlite3_syscall_ptr öncekiAç = nullptr;
int YaratmaHatasınıTutanAç(const char* yol, int bayrak, int kip) {
  const int fd = reinterpret_cast<int (*)(const char*, int, int)>(öncekiAç)(yol, bayrak, kip);
  if (fd < 0 && (bayrak & O_CREAT)) yaratmaHatası = errno;
  return fd;
}

int Kapat(sqlite3_file* f) {
  KatmanDosyası* d = Katman(f);
  if (d->ana) {
    const std::lock_guard kilit(AdlarKilidi());
    Adlar().erase(d->durum->anaAd);
    if (d->durum->günlükAdı) Adlar().erase(d->durum->günlükAdı);
    d->durum->ana = nullptr;
  }
  const int kod = HatasıTutulan(f, Alt(f)->pMethods->xClose(Alt(f)));
  d->~KatmanDosyası();
  return kod;
}

int Denetle(sqlite3_file* f, int işlem, void* değer) {
  if (!Katman(f)->ana || (işlem != İlkHatayıVer && işlem != İzlemeyeBaşla && işlem != UlaşıpUlaşmadığı))
    return Alt(f)->pMethods->xFileControl(Alt(f), işlem, değer);
  DosyaDurumu& d = *Katman(f)->durum;
  switch (işlem) {
    case İlkHatayıVer: *static_cast<int*>(değer) = std::exchange(d.ilkHata, 0); break;
    case İzlemeyeBaşla:
      d.ilkHata = 0, d.izleniyor = true, d.başarısız = d.günlükOkundu = false;
      d.yazılanSayaç.reset(), d.sonuç.reset();
      break;
    case UlaşıpUlaşmadığı:
      // No deletion of the journal seen: the commit never passed its last step.
      *static_cast<int*>(değer) = static_cast<int>(d.izleniyor && d.sonuç ? *d.sonuç : Sonuç::Ulaşmadı);
      d.izleniyor = false;
      break;
  }
  return SQLITE_OK;
}

// The methods of the layer's files, one set for each version the system's files may have.
const sqlite3_io_methods* Yöntemler(int sürüm) {
  static const auto yap = [](int s) {
    sqlite3_io_methods y{};
    y.iVersion = s;
    y.xClose = Kapat;
    y.xRead = Oku;
    y.xWrite = Yaz;
    y.xTruncate = [](sqlite3_file* f, sqlite3_int64 n) {
      return HatasıTutulan(f, Alt(f)->pMethods->xTruncate(Alt(f), n));
    };
    y.xSync = [](sqlite3_file* f, int b) { return HatasıTutulan(f, Alt(f)->pMethods->xSync(Alt(f), b)); };
    y.xFileSize = [](sqlite3_file* f, sqlite3_int64* n) {
      return HatasıTutulan(f, Alt(f)->pMethods->xFileSize(Alt(f), n));
    };
    y.xLock = [](sqlite3_file* f, int d) { return HatasıTutulan(f, Alt(f)->pMethods->xLock(Alt(f), d)); };
    y.xUnlock = [](sqlite3_file* f, int d) { return HatasıTutulan(f, Alt(f)->pMethods->xUnlock(Alt(f), d)); };
    y.xCheckReservedLock = [](sqlite3_file* f, int* v) {
      return HatasıTutulan(f, Alt(f)->pMethods->xCheckReservedLock(Alt(f), v));
    };
    y.xFileControl = Denetle;
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

int Aç(sqlite3_vfs* v, const char* ad, sqlite3_file* f, int bayrak, int* çıkan) {
  auto* d = new (f) KatmanDosyası{};
  std::shared_ptr<DosyaDurumu> durum;
  if (bayrak & SQLITE_OPEN_MAIN_DB) {
    durum = std::make_shared<DosyaDurumu>();
  } else if (ad && (bayrak & (SQLITE_OPEN_MAIN_JOURNAL | SQLITE_OPEN_WAL))) {
    durum = DurumuBul(sqlite3_filename_database(ad));
  }
  yaratmaHatası = 0;
  const int kod = Alt(v)->xOpen(Alt(v), ad, d->Alt(), bayrak, çıkan);
  if (kod != SQLITE_OK) {
    HatayıTut(durum.get(), kod, yaratmaHatası ? yaratmaHatası : errno);
    if (d->Alt()->pMethods) d->Alt()->pMethods->xClose(d->Alt());
    d->~KatmanDosyası();
    f->pMethods = nullptr;
    return kod;
  }
  d->ana = bayrak & SQLITE_OPEN_MAIN_DB;
  if (durum && ad) {
    const std::lock_guard kilit(AdlarKilidi());
    (d->ana ? durum->anaAd : durum->günlükAdı) = ad;
    if (d->ana) durum->ana = d->Alt();
    Adlar()[ad] = durum;
  }
  d->durum = std::move(durum);
  d->taban.pMethods = Yöntemler(d->Alt()->pMethods->iVersion);
  return kod;
}

// Whether a deletion of the journal that answered a failure went through. A network file system
// may answer "no such file" for an unlink it repeated after a lost reply, an I/O error for one that
// went through, or "no such file" for one it never did; and a client may still show a name its
// server removed. Only a stat of our own answering "no such file" tells it is gone; any other
// answer, a journal still seen included, is none. The engine's access check would take any
// failing stat for "not there".
bool GünlükGitti(sqlite3_vfs* v, const char* ad, int kod) {
  if (kod == SQLITE_OK || kod == SQLITE_IOERR_DIR_FSYNC) return true;
  using Durum = int (*)(const char*, struct stat*);
  sqlite3_vfs* alt = Alt(v);
  const auto sistemin = alt->iVersion >= 3 && alt->xGetSystemCall ? alt->xGetSystemCall(alt, "stat") : nullptr;
  const Durum durum = sistemin ? reinterpret_cast<Durum>(sistemin) : static_cast<Durum>(::stat);
  struct stat bilgi {};
  errno = 0;
  return durum(ad, &bilgi) != 0 && errno == ENOENT;
}

// Deleting the journal is the commit: once it is gone nothing can roll the commit back. The
// verdict is taken here, while the commit still holds its lock; after it, another workstation may
// have made a journal of its own, or rolled back one this commit failed to delete. A failure before
// the deletion means the engine is rolling back; a check the disk fails is no answer.
Sonuç Karar(sqlite3_vfs* v, const DosyaDurumu& d, const char* ad, int kod) {
  if (d.başarısız || d.günlükOkundu) return Sonuç::Ulaşmadı;
  if (!GünlükGitti(v, ad, kod)) return Sonuç::Bilinmiyor;
  unsigned char b[4];
  if (!d.ana || !d.yazılanSayaç || d.ana->pMethods->xRead(d.ana, b, 4, SayaçYeri) != SQLITE_OK)
    return Sonuç::Bilinmiyor;
  return Sayaç(b) == *d.yazılanSayaç ? Sonuç::Ulaştı : Sonuç::Bilinmiyor;
}

int Sil(sqlite3_vfs* v, const char* ad, int klasörü) {
  const int kod = Alt(v)->xDelete(Alt(v), ad, klasörü);
  const int sistem = errno;
  if (const auto d = DurumuBul(ad)) {
    if (d->izleniyor && !d->sonuç && ad == d->günlükAdı) d->sonuç = Karar(v, *d, ad, kod);
    HatayıTut(d.get(), kod, sistem);
  }
  return kod;
}

int DosyaDenetimi(sqlite3* db, int işlem) {
  int değer = 0;
  sqlite3_file_control(db, "main", işlem, &değer);
  return değer;
}

}  // namespace

namespace DiskKatmanı {

const char* Kur() {
  static std::mutex kilit;
  static std::unordered_map<sqlite3_vfs*, std::pair<std::string, sqlite3_vfs>> katmanlar;
  const std::lock_guard tutulan(kilit);
  sqlite3_vfs* alt = sqlite3_vfs_find(nullptr);
  if (alt->xOpen == Aç) return alt->zName;  // one of ours became the default when another went away
  if (const auto var = katmanlar.find(alt); var != katmanlar.end()) return var->second.second.zName;
  static std::once_flag açmaKaydı;
  std::call_once(açmaKaydı, [alt] {
    if (alt->iVersion < 3 || !alt->xGetSystemCall) return;
    öncekiAç = alt->xGetSystemCall(alt, "open");
    if (öncekiAç) alt->xSetSystemCall(alt, "open", reinterpret_cast<sqlite3_syscall_ptr>(&YaratmaHatasınıTutanAç));
  });
  auto& [ad, vfs] = katmanlar[alt];
  ad = std::string("velmora-") + alt->zName;
  vfs = sqlite3_vfs{};
  vfs.iVersion = std::min(alt->iVersion, 3);
  vfs.szOsFile = static_cast<int>(sizeof(KatmanDosyası)) + alt->szOsFile;
  vfs.mxPathname = alt->mxPathname;
  vfs.zName = ad.c_str();
  vfs.pAppData = alt;
  vfs.xOpen = Aç;
  vfs.xDelete = Sil;
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
  return vfs.zName;
}

int İlkHatayıAl(sqlite3* db) { return DosyaDenetimi(db, İlkHatayıVer); }

int SistemHatası(sqlite3* db, int kod) {
  int sistem = İlkHatayıAl(db);
  if (!sistem) sistem = sqlite3_system_errno(db);
  if (!sistem) sqlite3_file_control(db, "main", SQLITE_FCNTL_LAST_ERRNO, &sistem);
  // The journal could not be made beside the file: the folder tells why.
  const char* dosya = sqlite3_db_filename(db, "main");
  if ((kod & 0xff) == SQLITE_CANTOPEN && dosya && *dosya) {
    std::string klasör(dosya);
    const auto ayraç = klasör.rfind('/');
    klasör = ayraç == std::string::npos ? std::string(".") : klasör.substr(0, std::max<size_t>(ayraç, 1));
    if (::access(klasör.c_str(), W_OK | X_OK) != 0) sistem = errno;
  }
  return sistem;
}

void OnayıİzlemeyeBaşla(sqlite3* db) { DosyaDenetimi(db, İzlemeyeBaşla); }

Sonuç OnayınSonucu(sqlite3* db) { return static_cast<Sonuç>(DosyaDenetimi(db, UlaşıpUlaşmadığı)); }

}  // namespace DiskKatmanı
