#include "FirmaIslemleriFormu.h"
#include "IslemSecFormu.h"
#include "KomutAdimlari.h"
#include "TanimTestOrtami.h"

namespace {

class İşlemSeçTesti : public TanımFormuTesti {
protected:
  void TearDown() override {
    // The definition forms were shown over the chooser, as its children: they go first.
    FormuYokEt<FirmaİşlemleriFormu>();
    TanımFormuTesti::TearDown();
    FormuYokEt<İşlemSeçFormu>();
  }
  static void Tuş(QWidget* w, int tuş) { QTest::keyClick(w, Qt::Key(tuş)); }
  // An access key presses its option as a click does, which ends a moment later; then Enter.
  static void Seç(QWidget* w, int tuş, int beklenen) {
    QTest::keyClick(w, Qt::Key(tuş), Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return İşaretli(beklenen); }));
    Tuş(w, Qt::Key_Return);
  }
  static bool İşaretli(int i) { return Form<İşlemSeçFormu>().TanımlamaSeçeneği[i]->isChecked(); }
};

TEST_F(İşlemSeçTesti, SeçilenTanımlamaAçılırAçılıştaİşaretliDurur) {
  vt->Çalıştır("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES ('DOĞAN')");
  const QString seçici = "Tanımlama Seç";
  QStringList alıcılar;
  const auto esc = [](QWidget* w) { Tuş(w, Qt::Key_Escape); };
  EXPECT_TRUE(KomutuSür(400, {
      {seçici, [](QWidget* w) { EXPECT_TRUE(İşaretli(0)); Tuş(w, Qt::Key_Return); }},
      {"Ürün İşlemleri (Ekleme-Değitirme-Silme)", esc},
      {seçici, [](QWidget* w) { Seç(w, Qt::Key_A, 3); }},
      {"Alıcı Firma İşlemleri", [&](QWidget* w) { alıcılar = Liste(Form<FirmaİşlemleriFormu>()), esc(w); }},
      {seçici, [](QWidget* w) { EXPECT_TRUE(İşaretli(3)); Tuş(w, Qt::Key_Escape); }},
  }));
  EXPECT_EQ(alıcılar, QStringList{"DOĞAN"});
  // Opened again: the remembered kind is marked, and the access key chooses another.
  EXPECT_TRUE(KomutuSür(400, {
      {seçici, [](QWidget* w) {
         EXPECT_TRUE(İşaretli(3));
         Seç(w, Qt::Key_D, 1);
       }},
      {"Depo İşlemleri", esc},
      {seçici, esc},
  }));
  EXPECT_EQ(Form<İşlemSeçFormu>().SeçilenTanımlama, 1);
}

}  // namespace
