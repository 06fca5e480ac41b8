// The help menu's about box and error-report dialog: version text, hover underline, links.
#include "AnaForm.h"
#include "FormYoneticisi.h"
#include "HakkindaFormu.h"
#include "HataBildirmeFormu.h"
#include "KabukTestOrtami.h"
#include "KomutDagitimi.h"
#include "Platform.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class YardımTesti : public KabukTestOrtamı {
protected:
  void SetUp() override {
    KabukTestOrtamı::SetUp();
    Platform::DosyaAç = [this](const QUrl& adres) {
      açılan << adres.toString();
      return false;  // nothing is registered for it
    };
  }
  void TearDown() override {
    FormuYokEt<HakkındaFormu>();
    FormuYokEt<HataBildirmeFormu>();
    KabukTestOrtamı::TearDown();
  }
  // The mouse moves onto a control, as the window system delivers it.
  static void Üzerinden(QWidget* w) {
    QMouseEvent olay(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &olay);
  }
  QStringList açılan;
};

TEST_F(YardımTesti, SürümMetnindeAltSürümVeDüzeltmeBitişikYazılır) {
  EXPECT_EQ(HakkındaFormu::SürümMetni(1, 2, 4), "Sürüm 1.24");
  EXPECT_EQ(HakkındaFormu::SürümMetni(1, 10, 3), "Sürüm 1.103");
  HakkındaFormu& f = Form<HakkındaFormu>();
  f.show();
  EXPECT_EQ(f.ProgramAdıEtiketi->text(), "Velmora");
  EXPECT_EQ(f.SürümEtiketi->text(), "Sürüm 1.24");
  EXPECT_FALSE(f.TelifEtiketi->text().isEmpty());
  EXPECT_FALSE(f.FotografKutusu->pixmap().isNull());
  // Over the link, then a button: still underlined; over the panel: plain.
  Üzerinden(f.WebEtiketi);
  Üzerinden(f.TamamDüğmesi);
  EXPECT_TRUE(f.WebEtiketi->font().underline());
  Üzerinden(f.Altlık[1]);
  EXPECT_FALSE(f.WebEtiketi->font().underline());
  QTest::mouseClick(f.WebEtiketi, Qt::LeftButton);
  EXPECT_EQ(açılan, QStringList{"http://www.belvaro.com.tr/velmora/"});
  QTest::keyClick(&f, Qt::Key_Escape);
  EXPECT_FALSE(f.isVisible());
}

TEST_F(YardımTesti, HataBildirmedeEnÇokBirBağlantıAltıÇiziliOlur) {
  HataBildirmeFormu& f = Form<HataBildirmeFormu>();
  f.show();
  struct Adım {
    QWidget* üzerinden;
    bool web, ePosta;  // underlined afterwards
  };
  const Adım adımlar[] = {
      {f.WebEtiketi, true, false},   {f.EPostaEtiketi, false, true}, {f.KapatDüğmesi, false, true},
      {f.SimgeKutusu, false, true},  {f.WebEtiketi, true, false},    {f.Etiket[1], true, false},
      {f.Altlık, false, false},      {f.EPostaEtiketi, false, true},
  };
  for (const Adım& a : adımlar) {
    Üzerinden(a.üzerinden);
    EXPECT_EQ(f.WebEtiketi->font().underline(), a.web) << a.üzerinden->metaObject()->className();
    EXPECT_EQ(f.EPostaEtiketi->font().underline(), a.ePosta);
  }
  // A link that nothing opens leaves the dialog open and silent.
  QTest::mouseClick(f.WebEtiketi, Qt::LeftButton);
  QTest::mouseClick(f.EPostaEtiketi, Qt::LeftButton);
  EXPECT_EQ(açılan, (QStringList{"http://www.belvaro.com.tr/asp/mesaj/mesaj.asp?ProgramAdi=Velmora",
                                 "mailto:destek@belvaro.com.tr"}));
  EXPECT_TRUE(mesajlar.empty());
  EXPECT_TRUE(f.isVisible());
  EXPECT_EQ(f.EPostaEtiketi->toolTip(), "destek@belvaro.com.tr");
  QTest::mouseClick(f.KapatDüğmesi, Qt::LeftButton);
  EXPECT_FALSE(f.isVisible());
}

TEST_F(YardımTesti, YardımKomutlarıDiyaloglarıAçar) {
  for (int komut : {303, 304}) {
    QString başlık;
    QTimer::singleShot(0, [&] {
      QWidget* açık = QApplication::activeModalWidget();
      if (!açık) return;
      başlık = açık->windowTitle();
      QTest::keyClick(açık, Qt::Key_Escape);
    });
    KomutDağıt(komut);
    EXPECT_EQ(başlık, komut == 303 ? "Hata Bildirme" : "Hakkında");
  }
}

// Enter presses the button that has the focus, as on every other form.
TEST_F(YardımTesti, EnterOdaktakiKapatmaDüğmesiniBasar) {
  for (int komut : {303, 304}) {
    QString odakta;
    bool açıkKaldı = true;
    QTimer::singleShot(0, [&] {
      QWidget* açık = QApplication::activeModalWidget();
      if (!açık || !QTest::qWaitFor([açık] { return açık->isAncestorOf(QApplication::focusWidget()); })) return;
      if (auto* düğme = qobject_cast<QPushButton*>(QApplication::focusWidget())) odakta = düğme->text();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      açıkKaldı = açık->isVisible();
      if (açıkKaldı) QTest::keyClick(açık, Qt::Key_Escape);
    });
    KomutDağıt(komut);
    EXPECT_EQ(odakta, komut == 303 ? "Kapat (Esc)" : "Tamam");
    EXPECT_FALSE(açıkKaldı) << komut;
  }
}

}  // namespace
