#pragma once
// While it lives, no file of this process grows past `bayt` bytes: a write there fails with
// EFBIG as on a disk that is full, for root as for any user. The limit in force before comes back.

#include <sys/resource.h>

#include <csignal>

class DosyaBoyutuSınırı {
public:
  explicit DosyaBoyutuSınırı(rlim_t bayt) {
    eskiSinyal_ = std::signal(SIGXFSZ, SIG_IGN);  // else the process is killed
    getrlimit(RLIMIT_FSIZE, &eski_);
    rlimit yeni = eski_;
    yeni.rlim_cur = bayt;
    setrlimit(RLIMIT_FSIZE, &yeni);
  }
  ~DosyaBoyutuSınırı() { Kaldır(); }
  // The disk has room again.
  void Kaldır() {
    if (kalktı_) return;
    kalktı_ = true;
    setrlimit(RLIMIT_FSIZE, &eski_);
    std::signal(SIGXFSZ, eskiSinyal_);
  }
  DosyaBoyutuSınırı(const DosyaBoyutuSınırı&) = delete;
  DosyaBoyutuSınırı& operator=(const DosyaBoyutuSınırı&) = delete;

private:
  rlimit eski_{};
  void (*eskiSinyal_)(int) = nullptr;
  bool kalktı_ = false;
};
