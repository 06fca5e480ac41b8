#pragma once
// Shared test fixture: a fresh database file from the creation tool in a temporary
// folder, settings in a temporary folder, and message boxes answered from a queue.

#include "Veritabani.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

// Thrown by the test's stand-in for ending the program, so no statement after it runs.
struct ProgramSonlandı {
  int kod;
};

struct GösterilenMesaj {
  QString metin;
  int stil;
  QString başlık;
};

class TestOrtamı : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // A database file in its own folder; the first one is opened as `vt`.
  QString YeniVeritabanı(const QString& klasörAdı);
  QString SunucuKlasörü() const { return sunucu_; }
  QString GeçiciYol(const QString& ad) const { return geçici_.filePath(ad); }

  // How many pending works the runs' files keep, whichever run holds them.
  static int Kalıcıİşler();
  // The next message boxes answer these, in order; an empty queue answers the default button.
  void Cevapla(std::initializer_list<int> cevaplar);
  // From now on a window going away hands the activation back to nobody, as some window systems do.
  void EtkinlikGeriVerilmez() { pencereYöneticisi_.reset(); }

  QTemporaryDir geçici_;
  QString sunucu_;
  std::unique_ptr<Veritabanı> vt;
  std::deque<int> cevaplar_;
  std::vector<GösterilenMesaj> mesajlar;
  std::vector<int> bitişler;  // exit codes the program ended with

private:
  std::unique_ptr<QObject> pencereYöneticisi_;
};

// Answer of a message box with no queued answer: its default button.
int VarsayılanCevap(int stil);

// The test program's own folder, under which its per-user folders (XDG_*) stand.
QString TestKullanıcıKlasörü();
