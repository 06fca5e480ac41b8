#pragma once
// The steps both stores of this machine's own files take to replace a file whole: no reader sees
// it half written, and a crash leaves the old file or the new one.

#include <QByteArray>
#include <QString>

namespace DosyaYazımı {

// Every byte, past interrupted writes. False on the first failure.
bool HepsiniYaz(int fd, const QByteArray& veri);
// A file with no name in the folder, until Adlandır gives it one: a writer killed before that
// leaves nothing behind. -1 with errno where it cannot be made (EOPNOTSUPP where the file system
// has no such files).
int AdsızAç(const QByteArray& klasör, int kip);
bool Adlandır(int fd, const QByteArray& ad);
// A rename or a removal in the folder that holds `yol` survives a power cut only once the folder
// is synced. False where it could not be (some shares cannot sync a folder).
bool KlasörüEşitle(const QString& yol);

}  // namespace DosyaYazımı
