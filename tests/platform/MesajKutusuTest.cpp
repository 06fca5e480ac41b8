#include "Platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

struct Durum {
  int stil;
  int escCevabı;  // 0: Esc and the close box leave the box open
  const char* düğme;  // pressed when the box is still open
  int cevap;
};

// The real box, offscreen: Esc, then the window system's close, then a button if the box is still there.
TEST(MesajKutusuTesti, EvetHayırSorusununEscCevabıYok) {
  Platform::VarsayılanlarıKur();
  const Durum durumlar[] = {
      {4, 0, "&Evet", Platform::Cevap::Evet},       {20, 0, "&Hayır", Platform::Cevap::Hayır},
      {36, 0, "&Evet", Platform::Cevap::Evet},      {292, 0, "&Hayır", Platform::Cevap::Hayır},
      {0, Platform::Cevap::Tamam, nullptr, 0},      {1, Platform::Cevap::İptal, nullptr, 0},
      {3 + 32, Platform::Cevap::İptal, nullptr, 0}, {48, Platform::Cevap::Tamam, nullptr, 0},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.stil);
    bool escSonrasıAçık = false, kapatSonrasıAçık = false;
    QTimer::singleShot(0, [&] {
      auto* kutu = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_TRUE(kutu);
      QTest::keyClick(kutu, Qt::Key_Escape);
      escSonrasıAçık = kutu->isVisible();
      if (!escSonrasıAçık) return;
      kutu->windowHandle()->close();
      kapatSonrasıAçık = kutu->isVisible();
      kutu->close();
      if (!kutu->isVisible()) return;
      for (QAbstractButton* b : kutu->buttons())
        if (b->text() == QString::fromUtf8(d.düğme)) QTest::mouseClick(b, Qt::LeftButton);
      if (kutu->isVisible()) kutu->done(-1);  // a fault must not hang the run
    });
    const int cevap = Platform::MesajGöster(nullptr, QStringLiteral("Soru?"), d.stil, QStringLiteral("Velmora"));
    EXPECT_EQ(escSonrasıAçık, d.escCevabı == 0);
    EXPECT_EQ(kapatSonrasıAçık, d.escCevabı == 0);
    EXPECT_EQ(cevap, d.escCevabı ? d.escCevabı : d.cevap);
  }
}

}  // namespace
