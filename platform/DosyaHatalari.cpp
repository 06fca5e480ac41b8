#include "DosyaHatalari.h"

#include <sqlite3.h>

#include <cerrno>

namespace DosyaHataları {

namespace {

thread_local int son = 0;

struct Dosya {
  sqlite3_file kendisi;  // first, so the engine's pointer is ours
  sqlite3_file* asıl;    // the system VFS's file, right behind this struct
};

sqlite3_file* Asıl(sqlite3_file* f) { return reinterpret_cast<Dosya*>(f)->asıl; }

// A failed read, write, truncate or sync: the system VFS keeps the errno per file.
int Kaydet(sqlite3_file* asıl, int kod) {
  if (kod == SQLITE_OK || (kod & 0xff) == SQLITE_BUSY) return kod;
  int no = 0;
  if (asıl->pMethods->xFileControl(asıl, SQLITE_FCNTL_LAST_ERRNO, &no) == SQLITE_OK && no) son = no;
  return kod;
}

const sqlite3_io_methods yöntemler = {
    3,
    [](sqlite3_file* f) {
      sqlite3_file* a = Asıl(f);
      return a->pMethods ? a->pMethods->xClose(a) : SQLITE_OK;
    },
    [](sqlite3_file* f, void* b, int n, sqlite3_int64 k) { return Kaydet(Asıl(f), Asıl(f)->pMethods->xRead(Asıl(f), b, n, k)); },
    [](sqlite3_file* f, const void* b, int n, sqlite3_int64 k) {
      return Kaydet(Asıl(f), Asıl(f)->pMethods->xWrite(Asıl(f), b, n, k));
    },
    [](sqlite3_file* f, sqlite3_int64 n) { return Kaydet(Asıl(f), Asıl(f)->pMethods->xTruncate(Asıl(f), n)); },
    [](sqlite3_file* f, int b) { return Kaydet(Asıl(f), Asıl(f)->pMethods->xSync(Asıl(f), b)); },
    [](sqlite3_file* f, sqlite3_int64* n) { return Asıl(f)->pMethods->xFileSize(Asıl(f), n); },
    [](sqlite3_file* f, int k) { return Asıl(f)->pMethods->xLock(Asıl(f), k); },
    [](sqlite3_file* f, int k) { return Asıl(f)->pMethods->xUnlock(Asıl(f), k); },
    [](sqlite3_file* f, int* s) { return Asıl(f)->pMethods->xCheckReservedLock(Asıl(f), s); },
    [](sqlite3_file* f, int op, void* a) { return Asıl(f)->pMethods->xFileControl(Asıl(f), op, a); },
    [](sqlite3_file* f) { return Asıl(f)->pMethods->xSectorSize(Asıl(f)); },
    [](sqlite3_file* f) { return Asıl(f)->pMethods->xDeviceCharacteristics(Asıl(f)); },
    [](sqlite3_file* f, int i, int n, int y, void volatile** p) { return Asıl(f)->pMethods->xShmMap(Asıl(f), i, n, y, p); },
    [](sqlite3_file* f, int k, int n, int b) { return Asıl(f)->pMethods->xShmLock(Asıl(f), k, n, b); },
    [](sqlite3_file* f) { Asıl(f)->pMethods->xShmBarrier(Asıl(f)); },
    [](sqlite3_file* f, int s) { return Asıl(f)->pMethods->xShmUnmap(Asıl(f), s); },
    [](sqlite3_file* f, sqlite3_int64 k, int n, void** p) { return Asıl(f)->pMethods->xFetch(Asıl(f), k, n, p); },
    [](sqlite3_file* f, sqlite3_int64 k, void* p) { return Asıl(f)->pMethods->xUnfetch(Asıl(f), k, p); },
};

sqlite3_vfs* Taban(sqlite3_vfs* v) { return static_cast<sqlite3_vfs*>(v->pAppData); }

int Aç(sqlite3_vfs* v, const char* ad, sqlite3_file* f, int bayraklar, int* açılan) {
  auto* d = reinterpret_cast<Dosya*>(f);
  d->asıl = reinterpret_cast<sqlite3_file*>(d + 1);
  d->asıl->pMethods = nullptr;
  errno = 0;
  const int kod = Taban(v)->xOpen(Taban(v), ad, d->asıl, bayraklar, açılan);
  if (kod != SQLITE_OK && errno) son = errno;
  // The engine closes a file whose methods are set, also after a failed open.
  d->kendisi.pMethods = d->asıl->pMethods ? &yöntemler : nullptr;
  return kod;
}

int Sil(sqlite3_vfs* v, const char* ad, int klasörüEşle) {
  errno = 0;
  const int kod = Taban(v)->xDelete(Taban(v), ad, klasörüEşle);
  if (kod != SQLITE_OK && errno) son = errno;
  return kod;
}

sqlite3_vfs* Katman() {
  static sqlite3_vfs katman = [] {
    sqlite3_vfs* taban = sqlite3_vfs_find(nullptr);
    sqlite3_vfs k = *taban;  // the rest of the system VFS's calls take the VFS only to ignore it
    k.szOsFile = static_cast<int>(sizeof(Dosya)) + taban->szOsFile;
    k.zName = "velmora-hata";
    k.pAppData = taban;
    k.pNext = nullptr;
    k.xOpen = Aç;
    k.xDelete = Sil;
    k.xAccess = [](sqlite3_vfs* v, const char* ad, int ne, int* sonuç) { return Taban(v)->xAccess(Taban(v), ad, ne, sonuç); };
    k.xFullPathname = [](sqlite3_vfs* v, const char* ad, int n, char* çıktı) {
      return Taban(v)->xFullPathname(Taban(v), ad, n, çıktı);
    };
    return k;
  }();
  static const bool kayıtlı = sqlite3_vfs_register(&katman, 0) == SQLITE_OK;
  return kayıtlı ? &katman : nullptr;
}

}  // namespace

const char* KatmanAdı() {
  const sqlite3_vfs* k = Katman();
  return k ? k->zName : nullptr;  // the system's own, when the layer could not be registered
}

int Son() { return son; }
void Unut() { son = 0; }

}  // namespace DosyaHataları
