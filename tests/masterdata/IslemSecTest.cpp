#include "FirmaIslemleriFormu.h"
#include "IslemSecFormu.h"
#include "KomutDagitimi.h"
#include "TanimTestOrtami.h"

#include <QTimer>

#include <deque>
#include <functional>

namespace {

class İşlemSeçTesti : public TanımFormuTesti {
protected:
  void TearDown() override {
    // The definition forms were shown over the chooser, as its children: they go first.
    FormuYokEt<FirmaİşlemleriFormu>();
    TanımFormuTesti::TearDown();
    FormuYokEt<İşlemSeçFormu>();
  }
  // Each step waits for its window to be the modal one on top, then acts on it.
  struct Adım {
    QString başlık;
    std::function<void(QWidget*)> eylem;
  };
  void Çalıştır(std::deque<Adım> adımlar) {
    QTimer zamanlayıcı;
    QObject::connect(&zamanlayıcı, &QTimer::timeout, [&] {
      QWidget* w = QApplication::activeModalWidget();
      if (adımlar.empty() || !w || !w->isActiveWindow() || w->windowTitle() != adımlar.front().başlık) return;
      // Outside the timer: a form the step opens runs its own loop, and the timer must go on.
      QTimer::singleShot(0, [a = adımlar.front(), w] { a.eylem(w); });
      adımlar.pop_front();
    });
    zamanlayıcı.start(10);
    KomutDağıt(400);
    EXPECT_TRUE(adımlar.empty()) << adımlar.front().başlık.toStdString();
  }
  static void Tuş(QWidget* w, int tuş) { QTest::keyClick(w, Qt::Key(tuş)); }
  // An access key presses its option as a click does, which ends a moment later; then Enter.
  static void Seç(QWidget* w, int tuş, int beklenen) {
    QTest::keyClick(w, Qt::Key(tuş), Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return İşaretli() == beklenen; }));
    Tuş(w, Qt::Key_Return);
  }
  static int İşaretli() {
    const auto& s = Form<İşlemSeçFormu>().TanımlamaSeçeneği;
    for (int i = 0; i < 4; ++i)
      if (s[i]->isChecked()) return i;
    return -1;
  }
};

TEST_F(İşlemSeçTesti, SeçilenTanımlamaAçılırAçılıştaİşaretliDurur) {
  vt->Çalıştır("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES ('DOĞAN')");
  const QString seçici = "Tanımlama Seç";
  QStringList alıcılar;
  const auto esc = [](QWidget* w) { Tuş(w, Qt::Key_Escape); };
  Çalıştır({
      {seçici, [](QWidget* w) { EXPECT_EQ(İşaretli(), 0); Tuş(w, Qt::Key_Return); }},
      {"Ürün İşlemleri (Ekleme-Değitirme-Silme)", esc},
      {seçici, [](QWidget* w) { Seç(w, Qt::Key_A, 3); }},
      {"Alıcı Firma İşlemleri", [&](QWidget* w) { alıcılar = Liste(Form<FirmaİşlemleriFormu>()), esc(w); }},
      {seçici, [](QWidget* w) { EXPECT_EQ(İşaretli(), 3); Tuş(w, Qt::Key_Escape); }},
  });
  EXPECT_EQ(alıcılar, QStringList{"DOĞAN"});
  // Opened again: the remembered kind is marked, and the access key chooses another.
  Çalıştır({
      {seçici, [](QWidget* w) {
         EXPECT_EQ(İşaretli(), 3);
         Seç(w, Qt::Key_D, 1);
       }},
      {"Depo İşlemleri", esc},
      {seçici, esc},
  });
  EXPECT_EQ(Form<İşlemSeçFormu>().SeçilenTanımlama, 1);
}

}  // namespace
