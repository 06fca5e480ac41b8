#pragma once
// Runs a piece of a test in a child process (another user, a mount namespace of its own)
// and returns what the child handed back.

#include <QByteArray>
#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

#include <functional>

inline QByteArray Çocukta(const std::function<QByteArray()>& iş) {
  int boru[2];
  if (pipe(boru) != 0) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    const QByteArray çıktı = iş();
    _exit(write(boru[1], çıktı.constData(), static_cast<size_t>(çıktı.size())) < 0);
  }
  close(boru[1]);
  QFile okunan;
  okunan.open(boru[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
  const QByteArray çıktı = okunan.readAll();
  waitpid(pid, nullptr, 0);
  return çıktı;
}
