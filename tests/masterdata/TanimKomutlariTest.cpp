#include "KomutDagitimi.h"
#include "TanimTestOrtami.h"

#include <QTimer>

namespace {

TEST_F(TanımFormuTesti, Komut101Ve102FormlarıAçar) {
  for (int komut : {101, 102}) {
    ASSERT_TRUE(KomutHazır(komut));
    QString başlık;
    QTimer::singleShot(0, [&] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        başlık = w->windowTitle();
        QTest::keyClick(w, Qt::Key_Escape);
      }
    });
    KomutDağıt(komut);
    EXPECT_EQ(başlık, komut == 101 ? "Ürün İşlemleri (Ekleme-Değitirme-Silme)" : "Depo İşlemleri");
  }
}

}  // namespace
