#pragma once
// The definition forms shown on a fresh database, driven as a user does.

#include "FormYoneticisi.h"
#include "HataliDisk.h"
#include "KabukTestOrtami.h"
#include "DepoIslemleriFormu.h"
#include "TanimFormu.h"
#include "UrunIslemleriFormu.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// Typing as a user does, Turkish letters included.
inline void Yaz(QWidget* alan, const QString& metin) {
  for (QChar c : metin) {
    if (c.unicode() < 128)
      QTest::keyClick(alan, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

inline void Tıkla(QPushButton* düğme) { QTest::mouseClick(düğme, Qt::LeftButton); }

class TanımFormuTesti : public KabukTestOrtamı {
protected:
  template <class F>
  F& Aç() {
    auto& f = Form<F>();
    f.show();
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    return f;
  }
  void TearDown() override {
    FormuYokEt<ÜrünİşlemleriFormu>();
    FormuYokEt<DepoİşlemleriFormu>();
    KabukTestOrtamı::TearDown();
  }
  static void Ara(TanımFormu& f, const QString& metin) {
    f.AramaKutusu->clear();
    Yaz(f.AramaKutusu, metin);
    QTest::keyClick(f.AramaKutusu, Qt::Key_Return);
  }
  static QStringList Liste(const TanımFormu& f) {
    QStringList s;
    for (int i = 0; i < f.BulunanListe->count(); ++i) s << f.BulunanListe->item(i)->text();
    return s;
  }
  static QString Seçili(const TanımFormu& f) {
    const auto s = f.BulunanListe->selectedItems();
    return s.isEmpty() ? QString() : s.first()->text();
  }
  QString SonMesaj() const { return mesajlar.empty() ? QString() : mesajlar.back().metin; }
  QStringList Mesajlar() const {
    QStringList s;
    for (const auto& m : mesajlar) s << m.metin;
    return s;
  }
  // Saves on a disk that hides whether the commit reached the file (`yazılmış`: it did), through
  // the program's connection opened on it: the user is told the outcome is unknown.
  template <class Kaydet>
  void SonucuBilinmeden(bool yazılmış, Kaydet&& kaydet) {
    mesajlar.clear();
    {
      HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                      yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
      Ortak::Veritabanı = Veritabanı::Aç(vt->Yol());
      kaydet();
    }
    EXPECT_TRUE(mesajlar.size() == 1 && SonMesaj().contains("sonucu şimdilik bilinmiyor")) << SonMesaj().toStdString();
    mesajlar.clear();
  }
};
