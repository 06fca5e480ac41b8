#pragma once
// A disk under the program's own layer that fails the journal as network shares and failing
// disks do: its sync, its unlink, or the folder's sync after a done unlink. The engine's
// default file layer while it lives, so a connection opened meanwhile stands on it; a
// connection opened on "unix" by name does not.

#include <QByteArray>

#include <sqlite3.h>

#include <cerrno>
#include <functional>

class HatalıDisk {
public:
  enum Yer {
    GünlükEşitlemesi,  // the journal's sync fails: nothing reaches the file
    KlasörEşitlemesi,  // the journal is deleted, the folder's sync after it fails
    GünlükSilme,       // the unlink of the journal fails and the journal stays
    SilinmişGünlük,    // the journal is deleted, but the unlink answers "no such file"
  };
  // Fails `kaçKez` times (every time when negative). `kilitBırakılınca` runs once each time the
  // database file's last lock is let go after a failure, before the engine returns: another
  // workstation's moment.
  HatalıDisk(Yer yer, int hata, int kaçKez = 1, std::function<void()> kilitBırakılınca = {}) {
    yer_ = yer, hata_ = hata, kalan_ = kaçKez, kilitBırakılınca_ = std::move(kilitBırakılınca), bekleyen_ = false;
    alt_ = sqlite3_vfs_find("unix");
    vfs_ = *alt_;
    vfs_.zName = "hatali-disk";
    vfs_.xOpen = [](sqlite3_vfs*, const char* ad, sqlite3_file* f, int bayrak, int* çıkan) {
      const int kod = alt_->xOpen(alt_, ad, f, bayrak, çıkan);
      if (kod != SQLITE_OK) return kod;
      if (bayrak & SQLITE_OPEN_MAIN_JOURNAL) {
        günlükYöntemleri_ = *f->pMethods, günlükEşitle_ = f->pMethods->xSync;
        günlükYöntemleri_.xSync = [](sqlite3_file* g, int b) {
          if (yer_ != GünlükEşitlemesi || !Boz()) return günlükEşitle_(g, b);
          errno = hata_;
          return SQLITE_IOERR_FSYNC;
        };
        f->pMethods = &günlükYöntemleri_;
      } else if (bayrak & SQLITE_OPEN_MAIN_DB) {
        anaYöntemler_ = *f->pMethods, kilitBırak_ = f->pMethods->xUnlock;
        anaYöntemler_.xUnlock = [](sqlite3_file* g, int düzey) {
          const int kod = kilitBırak_(g, düzey);
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
      if (yer_ == GünlükEşitlemesi || !QByteArray(ad).endsWith("-journal") || !Boz())
        return alt_->xDelete(alt_, ad, klasörü);
      if (yer_ == GünlükSilme) {
        errno = hata_;
        return SQLITE_IOERR_DELETE;
      }
      const int kod = alt_->xDelete(alt_, ad, 0);
      if (kod != SQLITE_OK) return kod;
      errno = yer_ == SilinmişGünlük ? ENOENT : hata_;
      return yer_ == SilinmişGünlük ? SQLITE_IOERR_DELETE_NOENT : SQLITE_IOERR_DIR_FSYNC;
    };
    sqlite3_vfs_register(&vfs_, 1);
  }
  ~HatalıDisk() {
    kalan_ = 0, kilitBırakılınca_ = {};
    sqlite3_vfs_unregister(&vfs_);
    sqlite3_vfs_register(alt_, 1);
  }
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
  static inline Yer yer_ = GünlükEşitlemesi;
  static inline int hata_ = 0, kalan_ = 0;
  static inline bool bekleyen_ = false;
  static inline std::function<void()> kilitBırakılınca_;
};
