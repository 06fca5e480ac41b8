#include "AlanAileleri.h"
#include "TanimTestOrtami.h"
#include "OrtakDegiskenlerModulu.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

using AlanAileleri::Aile;

// Fields of the families the definition forms do not show, with a button after them.
struct Pencere : QDialog {
  QLabel* adEtiketi = new QLabel("Ad :", this);
  QLineEdit* ad = new QLineEdit(this);
  QLabel* ağırlıkEtiketi = new QLabel("Ağırlık :", this);
  QLineEdit* ağırlık = new QLineEdit(this);
  QPlainTextEdit* uzunAd = new QPlainTextEdit(this);
  QLineEdit* arama = new QLineEdit(this);
  QPushButton* düğme = new QPushButton("Tamam", this);
  QStringList aranan;

  Pencere() {
    auto* d = new QVBoxLayout(this);
    for (QWidget* w : std::initializer_list<QWidget*>{adEtiketi, ad, ağırlıkEtiketi, ağırlık, uzunAd, arama, düğme})
      d->addWidget(w);
    AlanAileleri::Bağla(ad, adEtiketi, Aile::Metin);
    AlanAileleri::Bağla(ağırlık, ağırlıkEtiketi, Aile::Ondalık);
    AlanAileleri::Bağla(uzunAd, nullptr, Aile::Ad, {}, 10);
    AlanAileleri::Bağla(arama, nullptr, Aile::Arama, [this] { aranan << arama->text(); });
    show();
    activateWindow();
  }
};

QColor Renk(QLabel* l) { return l->palette().color(QPalette::WindowText); }

TEST(AlanAileleriTesti, ÇokSatırlıAdVeAramaKutusu) {
  Pencere p;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
  p.uzunAd->setFocus();
  // Pasted text keeps its case and may carry tabs and line breaks; the field keeps ten characters.
  p.uzunAd->insertPlainText(" a\tb'c\r\nd\ne fghijk");
  EXPECT_EQ(p.uzunAd->toPlainText().size(), 10);
  QTest::keyClick(p.uzunAd, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), p.arama);
  EXPECT_EQ(p.uzunAd->toPlainText(), "a b’c d e");
  // The search box drops ? * and ', upper-cases, and on Enter trims and searches; the focus stays.
  QTest::keyClicks(p.arama, " vi?d*a' ");
  QTest::keyClick(p.arama, Qt::Key_Return);
  EXPECT_EQ(p.aranan, QStringList{"VİDA"});
  EXPECT_EQ(QApplication::focusWidget(), p.arama);
}

// What the window system tells a field when another window comes up or goes away.
void PencereOlayı(QWidget* alan, QEvent::Type tür) {
  QFocusEvent olay(tür, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(alan, &olay);
}

TEST(AlanAileleriTesti, BaşkaPencereAçılıpKapanıncaAlanBiçimlenmez) {
  Pencere p;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
  p.ağırlık->setFocus();
  Yaz(p.ağırlık, "12,5");
  ASSERT_EQ(Renk(p.ağırlıkEtiketi), Ortak::OdakRengi);

  // A message box comes up and goes away: the field is neither formatted nor re-selected.
  PencereOlayı(p.ağırlık, QEvent::FocusOut);
  PencereOlayı(p.ağırlık, QEvent::FocusIn);
  EXPECT_EQ(p.ağırlık->text(), "12,5");
  EXPECT_FALSE(p.ağırlık->hasSelectedText());
  EXPECT_EQ(Renk(p.ağırlıkEtiketi), Ortak::OdakRengi);

  // The focus moved while the box was up: the field is left once the window is back.
  PencereOlayı(p.ağırlık, QEvent::FocusOut);
  p.ad->setText("ESKİ");
  PencereOlayı(p.ad, QEvent::FocusIn);
  EXPECT_EQ(p.ağırlık->text(), "12,50");
  EXPECT_NE(Renk(p.ağırlıkEtiketi), Ortak::OdakRengi);
  EXPECT_EQ(Renk(p.adEtiketi), Ortak::OdakRengi);
  EXPECT_EQ(p.ad->selectedText(), "ESKİ");

  // A button taking the focus leaves the field as well.
  p.düğme->setFocus();
  EXPECT_NE(Renk(p.adEtiketi), Ortak::OdakRengi);
}

// The box's length limits typing; the grouped figure shown on leaving is never cut to it.
TEST(AlanAileleriTesti, SayıKutusununUzunluğuYazılanıSınırlarGösterileniKesmez) {
  Pencere p;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&p));
  QLineEdit miktar(&p);
  miktar.setMaxLength(10);
  AlanAileleri::Bağla(&miktar, nullptr, Aile::Ondalık);
  miktar.show();
  miktar.setFocus();
  QTest::keyClicks(&miktar, "1234567,891");  // the eleventh character is refused
  EXPECT_EQ(miktar.text(), "1234567,89");
  p.düğme->setFocus();
  EXPECT_EQ(miktar.text(), "1.234.567,89");
  EXPECT_EQ(AlanAileleri::SayıDeğeri(miktar.text()), 1234567.89);
}

}  // namespace
