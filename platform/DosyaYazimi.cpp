#include "DosyaYazimi.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace DosyaYazımı {

bool HepsiniYaz(int fd, const QByteArray& veri) {
  for (qsizetype yazılan = 0; yazılan < veri.size();) {
    const ssize_t n = ::write(fd, veri.constData() + yazılan, size_t(veri.size() - yazılan));
    if (n > 0) yazılan += n;
    else if (n == 0 || errno != EINTR) return false;
  }
  return true;
}

int AdsızAç(const QByteArray& klasör, int kip) { return ::open(klasör.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, kip); }

bool Adlandır(int fd, const QByteArray& ad) {
  // Without the right to link by descriptor, through the process's own view of it.
  const QByteArray kendisi = "/proc/self/fd/" + QByteArray::number(fd);
  return ::linkat(AT_FDCWD, kendisi.constData(), AT_FDCWD, ad.constData(), AT_SYMLINK_FOLLOW) == 0;
}

bool KlasörüEşitle(const QString& yol) {
  const int fd = ::open(QFile::encodeName(QFileInfo(yol).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool tamam = ::fsync(fd) == 0;
  ::close(fd);
  return tamam;
}

}  // namespace DosyaYazımı
