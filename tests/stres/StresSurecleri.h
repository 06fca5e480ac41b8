#pragma once
// What the tools run by hand share: a new file in a folder of its own, and the program started
// again as a child process whose output is read back.

#include "Veritabani.h"
#include "VeritabaniOlusturucu.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

struct Çocuk {
  pid_t pid;
  int boru;
};

// Runs argümanlar[0] with the rest, its standard output into a pipe.
inline Çocuk Başlat(const std::vector<std::string>& argümanlar) {
  int boru[2];
  if (pipe(boru) != 0) std::exit(3);
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(boru[1], STDOUT_FILENO);
    close(boru[0]);
    close(boru[1]);
    std::vector<char*> a;
    for (const std::string& s : argümanlar) a.push_back(const_cast<char*>(s.c_str()));
    a.push_back(nullptr);
    execv(a[0], a.data());
    _exit(127);
  }
  close(boru[1]);
  return {pid, boru[0]};
}

// The child's whole output, once it has ended; `bitti` turns false unless it ended with 0.
inline std::string Oku(const Çocuk& ç, bool& bitti) {
  std::string çıktı;
  char tampon[4096];
  ssize_t n;
  while ((n = read(ç.boru, tampon, sizeof tampon)) > 0) çıktı.append(tampon, static_cast<size_t>(n));
  close(ç.boru);
  int durum = 0;
  waitpid(ç.pid, &durum, 0);
  bitti = bitti && WIFEXITED(durum) && WEXITSTATUS(durum) == 0;
  return çıktı;
}

// A new Vlm.vtb in a new folder `ad`-XXXXXX below `klasör` (null: the temporary folder); the
// folder goes away with `geçici`. Empty, with the reason on stderr, when it cannot be made.
inline QString YeniDosya(const char* klasör, const char* ad, std::unique_ptr<QTemporaryDir>& geçici) {
  const QString şablon = QString::fromUtf8(ad) + QStringLiteral("-XXXXXX");
  geçici = std::make_unique<QTemporaryDir>(klasör ? QDir(QFile::decodeName(klasör)).filePath(şablon)
                                                  : QDir::tempPath() + u'/' + şablon);
  if (!geçici->isValid()) return {};
  try {
    return VeritabanıOluşturucu::Oluştur(geçici->path());
  } catch (const VeritabanıHatası& h) {
    std::fprintf(stderr, "%s\n", h.what());
    return {};
  }
}
