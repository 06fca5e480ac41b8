#include "AnaForm.h"
#include "FormYoneticisi.h"
#include "GirisSifresiBelirleDegistirFormu.h"
#include "GirisSifresiSorFormu.h"
#include "IlerlemeGosterFormu.h"
#include "KabukTestOrtami.h"
#include "ListeGorunumu.h"
#include "ListeRaporu.h"
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

// The line under a printed list's title with a warehouse and a company of long names: every text
// stays on the paper and both names are printed whole; a short line is one line as before. A column
// dragged narrow prints its empty cells empty.
TEST_F(YazıSığmasıTesti, ListeBaskısıKapsamSatırıKağıttaKalır) {
  Ortak::SayfaGenişliği = 190, Ortak::SayfaYüksekliği = 277, Ortak::ÜstBoşluk = 15, Ortak::AltBoşluk = 15;
  const QString depo = "GEBZE ORGANİZE SANAYİ BÖLGESİ ÇOK AMAÇLI LOJİSTİK DEPOSU",
                firma = "ÇAĞDAŞ YAPI MALZEMELERİ İNŞAAT TAAHHÜT SANAYİ VE TİCARET LTD. ŞTİ.";
  const auto kapsam = [](const QString& d, const QString& f) {
    return QStringList{"Depo: " + d, "Dönem: 01.01.2026 - 31.12.2026", "Firma: " + f};
  };
  ListeGörünümü liste;
  liste.SütunEkle("Ürün Adı", 3000);
  liste.SütunEkle("Kod", 1000);
  liste.SütunEkle("Miktarı", 1200, SütunluListe::Hiza::Sağ);
  liste.SatırlarıEkle({{"ELMA", "", "5,00"}, {"ARMUT", "A1", "2,00"}});
  liste.SütunGenişliğiAyarla(2, 30);  // dragged to two pixels

  for (const bool uzun : {true, false}) {
    SCOPED_TRACE(uzun);
    const QStringList k = uzun ? kapsam(depo, firma) : kapsam("MERKEZ", "AKIN LTD.");
    KayıtTuvali t;
    ListeRaporu::ListeBaskıDüzeni(t, liste, {"Tedarikçi Firmalara Göre Stok Listesi", "7,00", k});
    QStringList yazılan;
    for (const KayıtTuvali::Metin& m : t.Metinler) {
      EXPECT_GE(m.x, 0) << m.metin.toStdString();
      EXPECT_LE(m.Sağ(), t.SayfaGenişliği() + 1e-9) << m.metin.toStdString();
      yazılan << m.metin;
    }
    // The title, the line(s) under it, the heads, then the rows: only the cut "A1" shows an ellipsis.
    const qsizetype başlar = yazılan.indexOf("Ürün Adı");
    const QStringList altındaki = yazılan.mid(1, başlar - 1);
    EXPECT_EQ(altındaki.join(ListeRaporu::KapsamAyracı), k.join(ListeRaporu::KapsamAyracı));
    EXPECT_EQ(altındaki.size(), uzun ? 2 : 1);
    EXPECT_EQ(yazılan.mid(başlar + 3, 6), QStringList({"ELMA", "", "5,00", "ARMUT", "…", "2,00"}));
    if (!uzun) {
      EXPECT_DOUBLE_EQ(t.Metinler[1].x, (190 - t.Metinler[1].genişlik) / 2);  // centred as before
    }
  }
}

}  // namespace
