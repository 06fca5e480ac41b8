#pragma once
// The exit and transfer vouchers opened as their commands open them, on the sample rows.

#include "CikisIslemleriFormu.h"
#include "DepodanDepoyaTransferFormu.h"
#include "FisTestOrtami.h"
#include "FormYoneticisi.h"
#include "IlerlemeGosterFormu.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

class StoktanFişTesti : public FişTestOrtamı {
protected:
  void TearDown() override {
    // The progress form may stand over a voucher: it goes first.
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<ÇıkışİşlemleriFormu>();
    FormuYokEt<DepodanDepoyaTransferFormu>();
    FişTestOrtamı::TearDown();
  }
  // Loads the form, fills its lists by the job of its command and shows it.
  template <class F>
  F& Aç(int iş) {
    auto& f = Form<F>();
    f.Yükle();
    Form<İlerlemeGösterFormu>().İşiÇalıştır(iş, İş::ListelerBaşlık, İş::ListelerMetin);
    f.show();
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    return f;
  }
  // Chooses by typing into the find box, as a user does.
  static void Bul(SeçiciSütunu& s, const char* metin) {
    s.BulKutusu->clear();
    for (QChar c : QString::fromUtf8(metin))
      QTest::sendKeyEvent(QTest::Click, s.BulKutusu, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
  static void Yaz(QLineEdit* kutu, const char* metin) {
    kutu->clear();
    QTest::keyClicks(kutu, QString::fromUtf8(metin));
  }
  static void Tıkla(QPushButton* d) { QTest::mouseClick(d, Qt::LeftButton); }
  // One step of a line: what the user does, then the add button; the message (none: the line
  // is added), the field that has the focus, and what the quantity box then holds.
  struct Adım {
    std::function<void()> yap;
    const char* mesaj;
    QWidget* odak;
    const char* miktarKutusu = nullptr;
  };
  void Yürüt(FişFormu& f, const std::vector<Adım>& adımlar) {
    for (const Adım& a : adımlar) {
      mesajlar.clear();
      a.yap();
      Tıkla(f.ListeyeEkleDüğmesi);
      EXPECT_EQ(SonMesaj(), QString::fromUtf8(a.mesaj ? a.mesaj : "")) << a.mesaj;
      EXPECT_EQ(f.focusWidget(), a.odak) << a.mesaj;
      if (a.miktarKutusu) {
        EXPECT_EQ(f.MiktarKutusu->text(), QString::fromUtf8(a.miktarKutusu)) << a.mesaj;
      }
    }
  }
  QString SonMesaj() const { return mesajlar.empty() ? QString() : mesajlar.back().metin; }
  // Every row of a query, its fields joined by "|".
  QStringList Tablo(const QString& sql) {
    QStringList satırlar;
    for (KayıtKümesi k = vt->KayıtKümesiAç(sql); !k.Sonda(); k.MoveNext()) {
      QStringList alanlar;
      for (const QString& a : k.Alanlar()) alanlar << k.Değer(a).toString();
      satırlar << alanlar.join(u'|');
    }
    return satırlar;
  }
  qint64 Alıcı(const char* ad) {
    return Ekle("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES (?)", {QString::fromUtf8(ad)});
  }
};
