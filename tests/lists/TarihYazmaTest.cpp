// Dates typed from the keyboard, as a user does: each field reached by its label's access key or
// by Tab, the date typed digit by digit; a date half typed meets the actions of the real forms.
#include "GirisCikisIslemleriListesiFormu.h"
#include "GirisIslemleriFormu.h"
#include "IadeEdilenUrunlerListesiFormu.h"
#include "IslemDegistirFormu.h"
#include "ListeGorunumu.h"
#include "ListeTestOrtami.h"
#include "SikiListeGorunumu.h"
#include "StogaIadeEtFormu.h"
#include "TarihKutusu.h"
#include "UrunlereGoreStokHareketleriFormu.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <cstring>

namespace {

class TarihYazmaTesti : public ListeTestOrtamı {
protected:
  void TearDown() override {
    FormuYokEt<GirişİşlemiDeğiştirFormu>(), FormuYokEt<StoğaİadeEtFormu>(), FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<ÜrünlereGöreStokHareketleriFormu>(), FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<GirişÇıkışİşlemleriListesiFormu>();
    FormuYokEt<İadeEdilenÜrünlerListesiFormu>();
    ListeTestOrtamı::TearDown();
  }
  static void Göster(QWidget& f) {
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  }
  static void Seç(QListWidget* l, qint64 no) {
    for (int i = 0; i < l->count(); ++i)
      if (l->item(i)->data(Qt::UserRole).toLongLong() == no)
        return QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(i)).center());
  }
  // The review on ELMA's entries or exits, a movement of its own (no transfer) chosen; `iş` runs in the
  // modal loop of the dialog that `komut` opens, which is closed after it when still open.
  void İncelemedenAç(bool çıkışlar, QPushButton* ÜrünlereGöreStokHareketleriFormu::*komut,
                     const std::function<void(QDialog&)>& iş) {
    auto& f = Form<ÜrünlereGöreStokHareketleriFormu>();
    Form<İlerlemeGösterFormu>().İşiÇalıştır(12, İş::ListeBaşlık, İş::ListeMetin);
    Göster(f);
    f.ÜrünBulKutusu->clear();
    QTest::keyClicks(f.ÜrünBulKutusu, "ELMA");
    QTest::mouseClick(f.HareketTürüSeçeneği[çıkışlar], Qt::LeftButton);
    for (int i = 1; i <= f.StokHareketleriListesi->SatırSayısı(); ++i)
      if (f.StokHareketleriListesi->AltÖğe(i, 6) != QString::number(Transfer)) {
        f.StokHareketleriListesi->SatırSeç(i);
        break;
      }
    QTimer::singleShot(0, [&iş] {
      auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_TRUE(d);
      EXPECT_TRUE(QTest::qWaitFor([d] { return d->isAncestorOf(QApplication::focusWidget()); }));
      iş(*d);
      if (d->isVisible()) d->reject();
    });
    QTest::mouseClick(f.*komut, Qt::LeftButton);
  }
  // Entries of the list's kind over the period.
  QString Girişler(QDate ilk, QDate son) const {
    return QString::number(std::count_if(hareketler.begin(), hareketler.end(), [&](const Hareket& h) {
      return h.giriş && h.neden < Transfer && h.tarih >= ilk && h.tarih <= son;
    }));
  }
  QDate SonTarih(const char* sql) { return vt->KayıtKümesiAç(sql).Tarih("t"); }
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

// A date half typed (150: 15.0_, 1: 1_, 280: 28.0_) and an action started by its button's access key
// or a click: the action does not run, the message is said once, the date before stays and the day
// is selected to be typed again. A whole date typed without its year is taken and the action runs
// with it.
TEST_F(TarihYazmaTesti, YarımTarihEylemeUlaşmazBütünTarihleEylemÇalışır) {
  VerileriYaz();
  Ortak::TanımSayıları = {2, 4, 2};
  struct Sahne {
    TarihKutusu* alan;
    QPushButton* düğme;
    std::function<QString()> sonuç;  // what the action made; empty while it has not run
  };
  using Açış = std::function<void(bool tık, const std::function<void(const Sahne&)>&)>;
  const QDate aralık = {2026, 12, 7}, ocak1 = {2026, 1, 1}, ocak31 = {2026, 1, 31};
  auto& giriş = Form<GirişİşlemleriFormu>();
  auto& liste = Form<GirişÇıkışİşlemleriListesiFormu>();
  const Açış fiş = [&](bool, const auto& iş) {
    if (!giriş.isVisible()) {
      giriş.Yükle();
      Form<İlerlemeGösterFormu>().İşiÇalıştır(1, İş::ListelerBaşlık, İş::ListelerMetin);
      Göster(giriş);
    }
    giriş.Çalışma->Temizle();
    Seç(giriş.Seçiciler[0]->Liste, satıcıNo[0]), Seç(giriş.Seçiciler[1]->Liste, ürünNo[0]);
    Seç(giriş.Seçiciler[2]->Liste, depoNo[0]);
    giriş.KişiKutusu->setEditText("ALİ");
    giriş.MiktarKutusu->setText("5");
    iş({giriş.TarihAlanı, giriş.ListeyeEkleDüğmesi, [&] {
          const auto satırlar = giriş.Çalışma->Satırlar();
          return satırlar.empty() ? QString() : satırlar.back()[4];
        }});
  };
  // The change dialog's Kaydet has no access key; the return dialog's is Alt+E.
  const Açış değiştir = [&](bool, const auto& iş) {
    İncelemedenAç(false, &ÜrünlereGöreStokHareketleriFormu::HareketiDeğiştirDüğmesi, [&](QDialog& d) {
      auto& f = static_cast<GirişİşlemiDeğiştirFormu&>(d);
      const qint64 no = Form<ÜrünlereGöreStokHareketleriFormu>().SeçiliHareketNo;
      iş({f.Tarih, f.ÜstDüğme, [&, no] {
            return f.isVisible() ? QString()
                                 : TürkçeMetin::TarihMetni(vt->KayıtKümesiAç("SELECT IslemTarihi AS t FROM "
                                                                             "GirisIslemleriTablosu WHERE IslemNo= ?",
                                                                             {no})
                                                               .Tarih("t"));
          }});
    });
  };
  const Açış iade = [&](bool, const auto& iş) {
    İncelemedenAç(true, &ÜrünlereGöreStokHareketleriFormu::ÇıkışıStoğaİadeEtDüğmesi, [&](QDialog& d) {
      auto& f = static_cast<StoğaİadeEtFormu&>(d);
      f.Miktar->setText("0,1");
      const qint64 iadeler = vt->KayıtKümesiAç("SELECT Count(*) AS n FROM IadeBilgileriTablosu").Tamsayı("n");
      iş({f.Tarih, f.ÜstDüğme, [&, iadeler] {
            const qint64 n = vt->KayıtKümesiAç("SELECT Count(*) AS n FROM IadeBilgileriTablosu").Tamsayı("n");
            return n == iadeler ? QString()
                                : TürkçeMetin::TarihMetni(SonTarih(
                                      "SELECT IadeTarihi AS t FROM IadeBilgileriTablosu ORDER BY IadeNo DESC"));
          }});
    });
  };
  // Built for all dates first; the rows of another build say the action ran.
  const auto listele = [&](bool son) -> Açış {
    return [&, son](bool, const auto& iş) {
      if (!liste.isVisible()) Göster(liste);
      if (!liste.TümTarihlerOnayı->isChecked()) QTest::mouseClick(liste.TümTarihlerOnayı, Qt::LeftButton);
      QTest::mouseClick(liste.ListeleDüğmesi, Qt::LeftButton);
      const int hepsi = liste.Liste->SatırSayısı();
      QTest::mouseClick(liste.TümTarihlerOnayı, Qt::LeftButton);
      liste.İlkTarihKutusu->DeğerAyarla(ocak1);
      liste.SonTarihKutusu->DeğerAyarla(ocak31);
      iş({son ? liste.SonTarihKutusu : liste.İlkTarihKutusu, liste.ListeleDüğmesi, [&, hepsi] {
            const int n = liste.Liste->SatırSayısı();
            return n == hepsi ? QString() : QString::number(n);
          }});
    };
  };
  const struct {
    const char* ad;
    Açış aç;
    Qt::Key erişim;  // the button's access key with Alt; none: Qt::Key_unknown
    QDate önceki;
    const char* bütün;  // day and month
    QString beklenen;   // what the action makes with it
  } durumlar[] = {
      // The lists first: the dialogs change the movements they count.
      {"liste başlangıç", listele(false), Qt::Key_L, ocak1, "1001", Girişler({2026, 1, 10}, ocak31)},
      {"liste bitiş", listele(true), Qt::Key_L, ocak31, "1502", Girişler(ocak1, {2026, 2, 15})},
      {"giriş fişi", fiş, Qt::Key_L, aralık, "1511", "15.11.2026"},
      {"değiştirme", değiştir, Qt::Key_unknown, aralık, "1511", "15.11.2026"},
      {"iade", iade, Qt::Key_E, aralık, "1511", "15.11.2026"},
  };
  for (const auto& d : durumlar) {
    for (const bool tık : {false, true}) {
      if (!tık && d.erişim == Qt::Key_unknown) continue;
      SCOPED_TRACE(std::string(d.ad) + (tık ? " tık" : " erişim"));
      d.aç(tık, [&](const Sahne& s) {
        const auto yaz = [&](const char* yazılan) {
          s.alan->DeğerAyarla(d.önceki);
          s.alan->setFocus();
          mesajlar.clear();
          QTest::keyClicks(s.alan, yazılan);
          EXPECT_EQ(s.alan->Değer(), d.önceki) << yazılan;  // typed, not yet the value
          if (tık) QTest::mouseClick(s.düğme, Qt::LeftButton);
          else QTest::keyClick(s.düğme->window(), d.erişim, Qt::AltModifier);
          // An access key presses the button for a moment before it clicks.
          EXPECT_TRUE(QTest::qWaitFor([&] { return !s.düğme->isDown(); }));
          QCoreApplication::processEvents();
        };
        for (const char* yarım : {"150", "1", "280"}) {
          yaz(yarım);
          EXPECT_EQ(s.sonuç().toStdString(), "") << yarım;
          ASSERT_EQ(mesajlar.size(), 1u) << yarım;
          EXPECT_EQ(mesajlar[0].metin, "Lütfen, geçerli bir TARİH giriniz!");
          EXPECT_EQ(s.alan->Değer(), d.önceki) << yarım;
          EXPECT_EQ(QApplication::focusWidget(), s.alan) << yarım;
          EXPECT_EQ(s.alan->findChild<QLineEdit*>()->selectedText(), d.önceki.toString("dd")) << yarım;
        }
        yaz(d.bütün);
        EXPECT_EQ(s.sonuç().toStdString(), d.beklenen.toStdString());
        EXPECT_TRUE(mesajlar.empty());
      });
    }
    for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
  }
}

// Delete, paste and the steps (the wheel, the arrow keys, the calendar's button) on 10.02.2024: what
// the field shows is what it holds or what is being typed, never a text of neither; a whole date
// pasted is taken wherever the cursor stands; a half date is neither stepped nor opened.
TEST_F(TarihYazmaTesti, SilmeYapıştırmaVeAdımlarGösterilenleTutulanıAyırmaz) {
  ListeFormu& f = Form<GirişÇıkışİşlemleriListesiFormu>();
  Göster(f);
  QTest::mouseClick(f.TümTarihlerOnayı, Qt::LeftButton);
  TarihKutusu* alan = f.İlkTarihKutusu;
  const QDate önceki{2024, 2, 10};
  const struct {
    int imleç;  // -1: the day selected, as the field is reached
    const char* pano;
    // 'x' Delete, 'v' Ctrl+V, '\t' Tab, 'w' the wheel up, 'W' the wheel over the other date field,
    // 'u' Up, 'd' Down, 'c' a click on the calendar's button, digits typed
    const char* tuşlar;
    const char* görünen;
    QDate değer;
    bool uyarı;
  } durumlar[] = {
      {8, "", "xx", "10.02.20", önceki, false},
      {8, "", "xx25", "10.02.2025", {2025, 2, 10}, false},
      {1, "", "x5", "15.02.2024", önceki, false},  // the day typed on: the value waits for the typing's end
      {1, "", "x5\t", "15.02.2024", {2024, 2, 15}, false},
      {8, "", "xx\t", "10.02.2024", önceki, true},
      {-1, "", "x\t", "10.02.2024", önceki, true},
      {-1, "15.03.2025", "v", "15.03.2025", {2025, 3, 15}, false},
      {8, " 15.03.2025\n", "v", "15.03.2025", {2025, 3, 15}, false},
      {-1, "31.02.2024", "v", "10.02.2024", önceki, true},
      {8, "2025", "xv", "10.02.2024", önceki, true},
      // 31.0_: refused once, and nothing stepped or opened on the date before.
      {-1, "", "310w", "10.02.2024", önceki, true},
      {-1, "", "310u", "10.02.2024", önceki, true},
      {-1, "", "310d", "10.02.2024", önceki, true},
      {-1, "", "310c", "10.02.2024", önceki, true},
      {-1, "", "310W", "10.02.2024", önceki, true},  // the other field is not stepped either
      // A whole date typed is taken, then stepped on the part typed last, or opened.
      {-1, "", "1503w", "15.03.2025", {2025, 3, 15}, false},
      {-1, "", "1503d", "15.03.2023", {2023, 3, 15}, false},
      {-1, "", "15032025w", "15.03.2026", {2026, 3, 15}, false},
      {-1, "", "1503c", "15.03.2024", {2024, 3, 15}, false},
  };
  QWidget* takvim = alan->calendarWidget()->window();
  const QDate öbürü = f.SonTarihKutusu->Değer();
  for (const auto& d : durumlar) {
    SCOPED_TRACE(std::string(d.tuşlar) + " " + d.pano);
    alan->DeğerAyarla(önceki);
    alan->clearFocus();
    alan->setFocus(Qt::TabFocusReason);  // reached anew, whichever part a step left selected
    auto* satır = alan->findChild<QLineEdit*>();
    if (d.imleç >= 0) satır->setCursorPosition(d.imleç);
    QGuiApplication::clipboard()->setText(d.pano);
    mesajlar.clear();
    for (const char* t = d.tuşlar; *t; ++t) {
      if (*t == 'x') QTest::keyClick(alan, Qt::Key_Delete);
      else if (*t == 'v') QTest::keyClick(alan, Qt::Key_V, Qt::ControlModifier);
      else if (*t == '\t') QTest::keyClick(alan, Qt::Key_Tab);
      else if (*t == 'u') QTest::keyClick(alan, Qt::Key_Up);
      else if (*t == 'd') QTest::keyClick(alan, Qt::Key_Down);
      else if (*t == 'c') QTest::mouseClick(alan, Qt::LeftButton, {}, {alan->width() - 8, alan->height() / 2});
      else if (*t == 'w' || *t == 'W') {
        QWidget* hedef = *t == 'w' ? alan : f.SonTarihKutusu;
        const QPointF orta = QRectF(hedef->rect()).center();
        QWheelEvent teker(orta, hedef->mapToGlobal(orta), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(hedef, &teker);
      } else QTest::keyClick(alan, *t);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(takvim->isVisible(), std::strchr(d.tuşlar, 'c') && !d.uyarı);
    takvim->hide();
    EXPECT_EQ(alan->text().toStdString(), d.görünen);
    EXPECT_EQ(alan->Değer(), d.değer);
    EXPECT_EQ(f.SonTarihKutusu->Değer(), öbürü);
    EXPECT_EQ(mesajlar.size(), d.uyarı ? 1u : 0u);
    if (!d.uyarı) continue;
    EXPECT_EQ(QApplication::focusWidget(), alan);
    EXPECT_EQ(satır->selectedText(), "10");  // back on the day, to be typed again
  }
}

}  // namespace
