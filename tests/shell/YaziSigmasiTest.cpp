#include "AnaForm.h"
#include "FormYoneticisi.h"
#include "GirisSifresiBelirleDegistirFormu.h"
#include "GirisSifresiSorFormu.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "RaporTuvali.h"
#include "SunucuDegistirFormu.h"
#include "VeritabaninaBaglanFormu.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QStyle>

#include <functional>

namespace {

// The least a title bar needs for the caption: its text in bold beside the window icon and three buttons.
int BaşlığınYeri(const QWidget& form) {
  QFont yazı = form.font();
  yazı.setBold(true);
  const int düğme = form.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &form);
  return QFontMetrics(yazı).horizontalAdvance(form.windowTitle()) + 4 * düğme;
}

class YazıSığmasıTesti : public KabukTestOrtamı {
protected:
  void TearDown() override {
    FormuYokEt<GirişŞifresiBelirleDeğiştirFormu>();
    FormuYokEt<GirişŞifresiSorFormu>();
    FormuYokEt<SunucuDeğiştirFormu>();
    FormuYokEt<VeritabanınaBağlanFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    FormuYokEt<AnaForm>();
    Ortak::GirişŞifresiSorulsun = false;
    KabukTestOrtamı::TearDown();
  }
};

// Every dialog of fixed width is at least as wide as its caption, also when the caption changes.
TEST_F(YazıSığmasıTesti, SabitGenişlikliPencerelerBaşlığıKesmez) {
  struct Durum {
    const char* ad;
    std::function<QDialog&()> hazırla;
  };
  const auto şifreFormu = [](bool değiştir) -> QDialog& {
    Ortak::GirişŞifresiSorulsun = değiştir;  // the caption says "Değiştir" then
    auto& f = Form<GirişŞifresiBelirleDeğiştirFormu>();
    f.Form_Activate();
    return f;
  };
  const std::vector<Durum> durumlar = {
      {"şifre belirle", [&]() -> QDialog& { return şifreFormu(false); }},
      {"şifre değiştir", [&]() -> QDialog& { return şifreFormu(true); }},
      {"şifre sor", []() -> QDialog& { return Form<GirişŞifresiSorFormu>(); }},
      {"sunucu değiştir", []() -> QDialog& { return Form<SunucuDeğiştirFormu>(); }},
      {"bağlantı", []() -> QDialog& { return Form<VeritabanınaBağlanFormu>(); }},
      {"ilerleme", []() -> QDialog& {
         auto& f = Form<İlerlemeGösterFormu>();
         f.setWindowTitle(QStringLiteral("Çıkış Nedenine Göre Stok Listesi Excel'e Aktarılıyor"));
         return f;
       }},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.ad);
    QDialog& form = d.hazırla();
    form.layout()->activate();
    EXPECT_GE(form.width(), BaşlığınYeri(form)) << form.windowTitle().toStdString();
  }
}

// The date pane is as wide as its text in the status bar's font, whatever the font's size.
TEST_F(YazıSığmasıTesti, TarihBölmesiYazıTipineGöreGenişler) {
  const QFont özgün = QApplication::font();
  for (const int boy : {9, 14, 20}) {
    SCOPED_TRACE(boy);
    QFont yazı = özgün;
    yazı.setPointSize(boy);
    QApplication::setFont(yazı);
    FormuYokEt<AnaForm>();
    Form<AnaForm>().Yükle();
    const QLabel* tarih = Form<AnaForm>().DurumPanelleri.at(3);
    EXPECT_GE(tarih->width(), tarih->fontMetrics().horizontalAdvance(tarih->text()) + 2 * tarih->margin());
  }
  QApplication::setFont(özgün);
}

// A text is cut to its width with an ellipsis; an empty one prints nothing at any width.
TEST_F(YazıSığmasıTesti, SığdırBoşMetneÜçNoktaKoymaz) {
  KayıtTuvali t;
  t.YazıBoyutu(8);
  const QString uzun = QStringLiteral("ÇAĞDAŞ YAPI MALZEMELERİ");
  struct Durum {
    QString metin;
    double genişlik;
    QString beklenen;  // empty for a long text: cut somewhere within the width
  };
  const std::vector<Durum> durumlar{{"", -5, ""},        {"", 0, ""},          {"", 0.3, ""},
                                    {"", 40, ""},        {"ELMA", 40, "ELMA"}, {"ELMA", 0.3, "…"},
                                    {"ELMA", -5, "…"}, {uzun, 20, {}}};
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(QString("%1 @ %2").arg(d.metin).arg(d.genişlik).toStdString());
    const QString sonuç = t.Sığdır(d.metin, d.genişlik);
    if (!d.beklenen.isEmpty() || d.metin.isEmpty()) {
      EXPECT_EQ(sonuç, d.beklenen);
    } else {
      EXPECT_TRUE(sonuç.endsWith("…") && sonuç.size() > 4 && d.metin.startsWith(sonuç.chopped(1))) << sonuç.toStdString();
      EXPECT_LE(t.MetinGenişliği(sonuç), d.genişlik);
    }
  }
}

}  // namespace
