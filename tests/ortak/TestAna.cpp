// Every test program: one QApplication, offscreen unless told otherwise, and per-user
// folders and single-copy key of its own, so that no test meets what the user runs.
#include "TekKopya.h"
#include "TestOrtami.h"

#include "Platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace {
QString kullanıcıKlasörü;
}  // namespace

QString TestKullanıcıKlasörü() { return kullanıcıKlasörü; }

int main(int argc, char* argv[]) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);

  // Set before Qt reads them: settings, data, cache and runtime folders of this run alone.
  QTemporaryDir kullanıcı;
  if (!kullanıcı.isValid()) return 2;
  kullanıcıKlasörü = kullanıcı.path();
  for (const char* değişken : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                               "XDG_RUNTIME_DIR"}) {
    const QString klasör = kullanıcı.filePath(QString::fromLatin1(değişken).toLower());
    QDir().mkpath(klasör);
    // The runtime folder is refused unless only its owner may enter it.
    QFile::setPermissions(klasör, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv(değişken, QFile::encodeName(klasör).constData(), 1);
  }
  TekKopya::AnahtarEki = QStringLiteral("-test-%1").arg(getpid());

  QApplication uygulama(argc, argv);
  Platform::ArayüzYazıTipiniKur();  // the forms are tested in the font the program shows them in
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
