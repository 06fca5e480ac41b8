// The period of the list forms typed from the keyboard, as a user does: each field reached by its
// label's access key or by Tab, the date typed digit by digit.
#include "GirisCikisIslemleriListesiFormu.h"
#include "IadeEdilenUrunlerListesiFormu.h"
#include "ListeTestOrtami.h"
#include "TarihKutusu.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace {

class TarihYazmaTesti : public ListeTestOrtamı {
protected:
  void TearDown() override {
    FormuYokEt<GirişÇıkışİşlemleriListesiFormu>();
    FormuYokEt<İadeEdilenÜrünlerListesiFormu>();
    ListeTestOrtamı::TearDown();
  }
};

TEST_F(TarihYazmaTesti, YazılanTarihGösterilenAyaUydurulmazOlmayanTarihReddedilir) {
  ListeFormu* giriş = &Form<GirişÇıkışİşlemleriListesiFormu>();  // the entry operations
  ListeFormu* iade = &Form<İadeEdilenÜrünlerListesiFormu>();
  const struct {
    ListeFormu* form;
    Qt::Key tuş;  // with Alt: the label's access key; else Tab or Backtab
    bool son;     // the last day, else the first
    QDate önceki;  // put in beforehand when given
    const char* yazılan;
    QDate beklenen;
    bool reddedilir;
  } durumlar[] = {
      // The first day shows September: the 31st of October is typed over it.
      {giriş, Qt::Key_B, false, {2026, 9, 1}, "31102026", {2026, 10, 31}, false},
      {giriş, Qt::Key_Tab, true, {2026, 9, 1}, "31102026", {2026, 10, 31}, false},
      // Backtab starts on the day as well; a shorter month typed over one of 31 days.
      {giriş, Qt::Key_Backtab, false, {}, "30092026", {2026, 9, 30}, false},
      // The access key again, while the field has the focus: typing starts on the day again.
      {iade, Qt::Key_T, true, {2026, 9, 1}, "30112026", {2026, 11, 30}, false},
      {iade, Qt::Key_T, true, {}, "31122026", {2026, 12, 31}, false},
      // Backspace takes back the digit before the jump to the year.
      {iade, Qt::Key_T, true, {}, "3111\b02026", {2026, 10, 31}, false},
      // A date that does not exist, and a half date left with Tab: the date before stays.
      {iade, Qt::Key_T, true, {}, "31112026", {2026, 10, 31}, true},
      {iade, Qt::Key_T, true, {}, "311\t", {2026, 10, 31}, true},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.yazılan);
    ListeFormu& f = *d.form;
    if (!f.isVisible()) {
      f.show();
      f.activateWindow();
      ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
      QTest::mouseClick(f.TümTarihlerOnayı, Qt::LeftButton);
    }
    TarihKutusu* alan = d.son ? f.SonTarihKutusu : f.İlkTarihKutusu;
    if (d.önceki.isValid()) alan->DeğerAyarla(d.önceki);
    mesajlar.clear();
    if (d.tuş == Qt::Key_Tab || d.tuş == Qt::Key_Backtab) QTest::keyClick(QApplication::focusWidget(), d.tuş);
    else QTest::keyClick(&f, d.tuş, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), alan);
    for (const char* c = d.yazılan; *c; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
    QCoreApplication::processEvents();  // the refusal of a field left waits for the focus to settle

    // The value and what the field shows, both read as the user reads them.
    const std::string beklenen = d.beklenen.toString("dd.MM.yyyy").toStdString();
    EXPECT_EQ(alan->Değer().toString("dd.MM.yyyy").toStdString(), beklenen);
    EXPECT_EQ(alan->text().toStdString(), beklenen);
    if (!d.reddedilir) {
      EXPECT_TRUE(mesajlar.empty());
      continue;
    }
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_EQ(mesajlar[0].metin, "Lütfen, geçerli bir TARİH giriniz!");
    EXPECT_EQ(mesajlar[0].stil, 48);
    EXPECT_EQ(mesajlar[0].başlık, QApplication::applicationName());
    // Back in the field with the day selected, to be typed again.
    EXPECT_EQ(QApplication::focusWidget(), alan);
    EXPECT_EQ(alan->findChild<QLineEdit*>()->selectedText(), "31");
  }
}

}  // namespace
