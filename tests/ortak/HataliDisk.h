#pragma once
// A disk under the program's own layer that fails the journal as network shares and failing
// disks do: its sync, its unlink, or the folder's sync after a done unlink; and then, until the
// file's lock is let go, the checks after it: the stat of the journal, the read of the file's
// header. The engine's default file layer while it lives, so a connection opened meanwhile
// stands on it; a connection opened on "unix" by name, or before it, does not.

#include <QByteArray>

#include <sqlite3.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <set>

class HatalıDisk {
public:
  enum Yer {
    GünlükEşitlemesi,  // the journal's sync fails: nothing reaches the file
    KlasörEşitlemesi,  // the journal is deleted, the folder's sync after it fails
    GünlükSilme,       // the unlink of the journal fails and the journal stays
    SilinmişGünlük,    // the journal is deleted, but the unlink answers "no such file"
    SilinmemişGünlük,  // the unlink answers "no such file", and the journal stays
    SilinipHataVeren,  // the journal is deleted, but the unlink answers an I/O error
  };
  // What fails after the failure, until the lock is let go.
  // DurumGörür: the stat still finds a journal that is gone, as a network client's cache may.
  enum Ardından { Hiçbiri = 0, DurumOkunamaz = 1, BaşlıkOkunamaz = 2, DurumGörür = 4 };
  // Fails `kaçKez` times (every time when negative). `kilitBırakılınca` runs once each time the
  // database file's last lock is let go after a failure, before the engine returns: another
  // workstation's moment.
  HatalıDisk(Yer yer, int hata, int kaçKez = 1, std::function<void()> kilitBırakılınca = {}, int ardından = Hiçbiri) {
    yer_ = yer, hata_ = hata, kalan_ = kaçKez, kilitBırakılınca_ = std::move(kilitBırakılınca), bekleyen_ = false;
    ardından_ = ardından, bozuk_ = Hiçbiri, açılanlar_.clear(), yazan_ = nullptr;
    alt_ = sqlite3_vfs_find("unix");
    vfs_ = *alt_;
    vfs_.zName = "hatali-disk";
    vfs_.xOpen = [](sqlite3_vfs*, const char* ad, sqlite3_file* f, int bayrak, int* çıkan) {
      const int kod = alt_->xOpen(alt_, ad, f, bayrak, çıkan);
      if (kod != SQLITE_OK) return kod;
      if (bayrak & SQLITE_OPEN_MAIN_JOURNAL) {
        günlükYöntemleri_ = *f->pMethods, günlükEşitle_ = f->pMethods->xSync;
        günlükYöntemleri_.xSync = [](sqlite3_file* g, int b) {
          if (yer_ != GünlükEşitlemesi || !açılanlar_.count(yazan_) || !Boz()) return günlükEşitle_(g, b);
          errno = hata_;
          return SQLITE_IOERR_FSYNC;
        };
        f->pMethods = &günlükYöntemleri_;
      } else if (bayrak & SQLITE_OPEN_MAIN_DB) {
        açılanlar_.insert(f);
        anaYöntemler_ = *f->pMethods, kilitBırak_ = f->pMethods->xUnlock, anaOku_ = f->pMethods->xRead;
        kilitle_ = f->pMethods->xLock;
        // The journal deleted next is the one of the file that took the write lock last.
        anaYöntemler_.xLock = [](sqlite3_file* g, int düzey) {
          const int kod = kilitle_(g, düzey);
          if (kod == SQLITE_OK && düzey >= SQLITE_LOCK_RESERVED) yazan_ = g;
          return kod;
        };
        anaYöntemler_.xRead = [](sqlite3_file* g, void* b, int n, sqlite3_int64 o) {
          if (!(bozuk_ & BaşlıkOkunamaz)) return anaOku_(g, b, n, o);
          errno = EIO;
          return SQLITE_IOERR_READ;
        };
        anaYöntemler_.xUnlock = [](sqlite3_file* g, int düzey) {
          const int kod = kilitBırak_(g, düzey);
          if (düzey == SQLITE_LOCK_NONE) bozuk_ = Hiçbiri;
          if (düzey == SQLITE_LOCK_NONE && bekleyen_) {
            bekleyen_ = false;
            if (kilitBırakılınca_) kilitBırakılınca_();
          }
          return kod;
        };
        f->pMethods = &anaYöntemler_;
      }
      return kod;
    };
    vfs_.xDelete = [](sqlite3_vfs*, const char* ad, int klasörü) {
      if (yer_ == GünlükEşitlemesi || !QByteArray(ad).endsWith("-journal") || !açılanlar_.count(yazan_) || !Boz())
        return alt_->xDelete(alt_, ad, klasörü);
      bozuk_ = ardından_;
      if (yer_ == GünlükSilme || yer_ == SilinmemişGünlük) {
        errno = yer_ == GünlükSilme ? hata_ : ENOENT;
        return yer_ == GünlükSilme ? SQLITE_IOERR_DELETE : SQLITE_IOERR_DELETE_NOENT;
      }
      const int kod = alt_->xDelete(alt_, ad, 0);
      if (kod != SQLITE_OK) return kod;
      errno = yer_ == SilinmişGünlük ? ENOENT : hata_;
      return yer_ == SilinmişGünlük ? SQLITE_IOERR_DELETE_NOENT
                                    : yer_ == SilinipHataVeren ? SQLITE_IOERR_DELETE : SQLITE_IOERR_DIR_FSYNC;
    };
    // The program's own stat of the journal goes through here.
    vfs_.xGetSystemCall = [](sqlite3_vfs*, const char* ad) {
      if (std::strcmp(ad, "stat") != 0) return alt_->xGetSystemCall(alt_, ad);
      return reinterpret_cast<sqlite3_syscall_ptr>(+[](const char* yol, struct stat* bilgi) {
        if (bozuk_ & DurumGörür) {
          *bilgi = {};
          bilgi->st_mode = S_IFREG | 0644;
          return 0;
        }
        if (!(bozuk_ & DurumOkunamaz)) return ::stat(yol, bilgi);
        errno = EIO;
        return -1;
      });
    };
    sqlite3_vfs_register(&vfs_, 1);
  }
  ~HatalıDisk() {
    kalan_ = 0, kilitBırakılınca_ = {}, bozuk_ = Hiçbiri, açılanlar_.clear();
    sqlite3_vfs_unregister(&vfs_);
    sqlite3_vfs_register(alt_, 1);
  }
  // From now on fails `kaçKez` more times.
  void BozmayaBaşla(int kaçKez) { kalan_ = kaçKez; }
  HatalıDisk(const HatalıDisk&) = delete;
  HatalıDisk& operator=(const HatalıDisk&) = delete;

private:
  // Whether this call fails; a failure arms the moment after the lock.
  static bool Boz() {
    if (kalan_ == 0) return false;
    if (kalan_ > 0) --kalan_;
    bekleyen_ = true;
    return true;
  }
  static inline sqlite3_vfs* alt_ = nullptr;
  static inline sqlite3_vfs vfs_{};
  static inline sqlite3_io_methods günlükYöntemleri_{}, anaYöntemler_{};
  static inline int (*günlükEşitle_)(sqlite3_file*, int) = nullptr;
  static inline int (*kilitBırak_)(sqlite3_file*, int) = nullptr;
  static inline int (*kilitle_)(sqlite3_file*, int) = nullptr;
  static inline std::set<sqlite3_file*> açılanlar_;  // main files opened while this one lives
  static inline sqlite3_file* yazan_ = nullptr;
  static inline int (*anaOku_)(sqlite3_file*, void*, int, sqlite3_int64) = nullptr;
  static inline int ardından_ = Hiçbiri, bozuk_ = Hiçbiri;
  static inline Yer yer_ = GünlükEşitlemesi;
  static inline int hata_ = 0, kalan_ = 0;
  static inline bool bekleyen_ = false;
  static inline std::function<void()> kilitBırakılınca_;
};
