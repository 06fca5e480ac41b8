#pragma once
// One running copy per user and title: a second copy asks the first to show itself, then ends.

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

class TekKopya {
public:
  explicit TekKopya(const QString& başlık);
  ~TekKopya();

  // The name copies of this title meet under. Tests add their own ending, so that they
  // never meet a copy the user is running.
  static QString Anahtar(const QString& başlık);
  static QString AnahtarEki;

  // True when another copy answered and was asked to show its window.
  bool BaşkaKopyayıUyandır();
  // Listens for later copies; `göster` runs for each one.
  bool Dinle(std::function<void()> göster);

private:
  QString ad_;
  std::unique_ptr<QLocalServer> sunucu_;
};
