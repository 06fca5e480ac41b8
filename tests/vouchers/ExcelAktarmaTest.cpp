// The voucher lists exported to a spreadsheet from their button, each workbook read back.
#include "CikisIslemleriFormu.h"
#include "DepodanDepoyaTransferFormu.h"
#include "ExcelAktarmaDuzeni.h"
#include "FisTestOrtami.h"
#include "FormYoneticisi.h"
#include "GirisIslemleriFormu.h"
#include "IlerlemeGosterFormu.h"
#include "Platform.h"
#include "XlsxOku.h"

#include <QDir>
#include <QPushButton>
#include <QTest>

#include <clocale>

namespace {

class ExcelAktarmaTesti : public FişTestOrtamı {
protected:
  void SetUp() override {
    FişTestOrtamı::SetUp();
    // The exports' temporary folder is the test's own, so that what is left there can be seen.
    eskiGeçici_ = qgetenv("TMPDIR");
    geçiciKlasör_ = GeçiciYol(QStringLiteral("tmp"));
    QDir().mkpath(geçiciKlasör_);
    qputenv("TMPDIR", geçiciKlasör_.toLocal8Bit());
    // The program runs with the user's locale, whose decimal comma must not reach the file.
    eskiYerel_ = setlocale(LC_NUMERIC, nullptr);
    setlocale(LC_NUMERIC, "tr_TR.UTF-8");
    Platform::TabloProgramıVar = [] { return true; };
    Platform::DosyaAç = [this](const QUrl& adres) {
      açılanlar << adres.toLocalFile();
      return true;
    };
  }
  void TearDown() override {
    FormuYokEt<GirişİşlemleriFormu>();
    FormuYokEt<ÇıkışİşlemleriFormu>();
    FormuYokEt<DepodanDepoyaTransferFormu>();
    FormuYokEt<İlerlemeGösterFormu>();
    Ortak::YazıcıVar = false;
    qputenv("TMPDIR", eskiGeçici_);
    setlocale(LC_NUMERIC, eskiYerel_.c_str());
    FişTestOrtamı::TearDown();
  }

  static FişFormu& Aç(FişFormu& f, const std::vector<QStringList>& satırlar) {
    f.Yükle();
    f.show();
    for (size_t i = 0; i < satırlar.size(); ++i) f.Çalışma->Ekle(satırlar[i], QString::number(i));
    return f;
  }
  static void Aktar(FişFormu& f) { QTest::mouseClick(f.ListeDüğmeleri.back(), Qt::LeftButton); }
  QStringList GeçiciDosyalar() const {
    return QDir(geçiciKlasör_).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
  }

  QByteArray eskiGeçici_;
  std::string eskiYerel_;
  QString geçiciKlasör_;
  QStringList açılanlar;
};

struct Fiş {
  const char* ad;
  FişFormu& (*form)();
  std::vector<QStringList> satırlar;  // cells from column 0
  bool yazıcı;
  QString sayfa, başlık, birleşik;
  QStringList başlıklar;
  std::vector<double> genişlikler;
  std::vector<QStringList> beklenen;  // typed cells from column A
};

}  // namespace

template <class F>
FişFormu& FormuAl() {
  return Form<F>();
}

TEST_F(ExcelAktarmaTesti, ÜçFişinListesiTürlüHücrelerleOkunur) {
  const auto M = [](const char* m) { return QString::fromUtf8(m); };
  const QStringList girişBaşlıkları{"Tarihi", M("Firması"), M("Ürün Kodu"), M("Ürün Adı"), M("Depo Adı"),
                                   M("Miktarı"), M("Miktar Ağırlığı")};
  const std::vector<Fiş> fişler = {
      {"giriş", FormuAl<GirişİşlemleriFormu>,
       {{"1", "1", "1", "1", "05.03.2026", M("AKIN LTD."), "00123", M("CİVATA ığüşöç"), "MERKEZ", "1.234,50",
         "411,09"},
        {"2", "3", "2", "1", "28.02.2026", M("YILDIZ A.Ş."), "C-10", "SOMUN", M("ŞUBE"), "2,00", "5,00"}},
       true, M("Giriş Fişi"), M("Depo/Stok Giriş Fişi"), "A1:G1", girişBaşlıkları,
       {12, 16, 13, 24.5, 19, 13, 13},
       {{"t:2026-03-05", "s:AKIN LTD.", "s:00123", M("s:CİVATA ığüşöç"), "s:MERKEZ", "n:1234.5", "n:411.09"},
        {"t:2026-02-28", M("s:YILDIZ A.Ş."), "s:C-10", "s:SOMUN", M("s:ŞUBE"), "n:2", "n:5"}}},
      {"çıkış", FormuAl<ÇıkışİşlemleriFormu>,
       {{"1", "1", "1", "1", "6", "01.12.2026", "ALICI", "007", "PUL", "MERKEZ", "10,00", "1,00"},
        {"1", "2", "1", "1", "0", "02.12.2026", "ALICI", "S-20", "SOMUN", "MERKEZ", "3,50", "8,75"}},
       false, M("Çıkış Fişi"), M("Depo/Stok Çıkış Fişi"), "A1:H1",
       QStringList{M("Çıkış Nedeni")} + girişBaşlıkları.mid(0, 2) + QStringList{M("Ürün Kodu"), M("Ürün Adı"),
                                                                            M("Depo Adı"), M("Miktarı"),
                                                                            M("Miktar Ağırlığı")},
       {0.01, 12, 19, 12, 20, 19, 12, 12},
       {{"s:6", "t:2026-12-01", "s:ALICI", "s:007", "s:PUL", "s:MERKEZ", "n:10", "n:1"},
        {"s:0", "t:2026-12-02", "s:ALICI", "s:S-20", "s:SOMUN", "s:MERKEZ", "n:3.5", "n:8.75"}}},
      {"transfer", FormuAl<DepodanDepoyaTransferFormu>,
       {{"1", "1", "2", "1", "07.12.2026", "MERKEZ", "0042", "CİVATA", M("ŞUBE"), "1.000.000,25", "333.000,08"}},
       false, M("Transfer Fişi"), M("Depo/Stok Transfer Fişi"), "A1:G1",
       {"Tarihi", M("Çıkan Depo"), M("Ürün Kodu"), M("Ürün Adı"), M("Giren Depo"), M("Miktarı"),
        M("Miktar Ağırlığı")},
       {12, 19, 12, 20, 19, 12, 12},
       {{"t:2026-12-07", "s:MERKEZ", "s:0042", M("s:CİVATA"), M("s:ŞUBE"), "n:1000000.25", "n:333000.08"}}},
  };
  for (const Fiş& fiş : fişler) {
    SCOPED_TRACE(fiş.ad);
    açılanlar.clear();
    Ortak::YazıcıVar = fiş.yazıcı;
    FişFormu& f = Aç(fiş.form(), fiş.satırlar);
    // A column the user widened goes over with its new width.
    if (fiş.genişlikler[3] == 24.5) f.Çalışma->Liste->SütunGenişliğiAyarla(8, 2450);
    Aktar(f);
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
    ASSERT_EQ(açılanlar.size(), 1);
    EXPECT_EQ(QFileInfo(açılanlar[0]).fileName(), fiş.sayfa + ".xlsx");
    EXPECT_EQ(GeçiciDosyalar(), QStringList{fiş.sayfa + ".xlsx"});  // no half-written file beside it

    const QJsonObject k = XlsxOku(açılanlar[0]);
    EXPECT_EQ(k["sayfalar"].toArray(), QJsonArray{fiş.sayfa});
    EXPECT_EQ(k["birleşik"].toArray(), QJsonArray{fiş.birleşik});
    EXPECT_EQ(k["yükseklik"].toArray(), (QJsonArray{30, 20}));
    const QJsonArray satırlar = k["satırlar"].toArray();
    ASSERT_EQ(satırlar.size(), static_cast<qsizetype>(fiş.beklenen.size() + 2));
    const QJsonObject başlık = satırlar[0].toArray()[0].toObject();
    EXPECT_EQ(başlık["d"].toString(), fiş.başlık);
    EXPECT_TRUE(başlık["kalın"].toBool() && başlık["ortalı"].toBool());
    const QJsonArray genişlikler = k["genişlik"].toArray();
    ASSERT_EQ(genişlikler.size(), static_cast<qsizetype>(fiş.genişlikler.size()));
    for (qsizetype s = 0; s < fiş.başlıklar.size(); ++s) {
      const QJsonObject h = satırlar[1].toArray()[s].toObject();
      EXPECT_EQ(h["d"].toString(), fiş.başlıklar[s]);
      EXPECT_TRUE(h["kalın"].toBool() && h["kaydır"].toBool() && h["ortalı"].toBool()) << s;
      EXPECT_NEAR(genişlikler[s].toDouble(), fiş.genişlikler[static_cast<size_t>(s)], 0.15) << s;
    }
    for (size_t r = 0; r < fiş.beklenen.size(); ++r) {
      const QJsonArray satır = satırlar[static_cast<qsizetype>(r + 2)].toArray();
      QStringList okunan;
      for (const QJsonValue& h : satır) {
        okunan << XlsxHücre(h);
        const QString t = h.toObject()["t"].toString();
        EXPECT_EQ(h.toObject()["f"].toString(), t == "n" ? "#,##0.00" : t == "tarih" ? "dd.mm.yyyy" : "General");
      }
      EXPECT_EQ(okunan.join(" | ").toStdString(), fiş.beklenen[r].join(" | ").toStdString());
    }
    // Page setup only with a printer.
    const QJsonArray kenarlar = k["kenarlar"].toArray();
    EXPECT_EQ(kenarlar == (QJsonArray{0.6, 0.6, 0.6, 0.6}), fiş.yazıcı);
    EXPECT_EQ(k["yatayOrtalı"].toBool(), fiş.yazıcı);
    EXPECT_EQ(k["ızgara"].toBool(), fiş.yazıcı);
    QFile::remove(açılanlar[0]);
  }
}

TEST_F(ExcelAktarmaTesti, YarımKalanVeYapılamayanAktarmaDosyaBırakmaz) {
  const QStringList satır{"1", "1", "1", "1", "05.03.2026", "AKIN", "C-10", "CİVATA", "MERKEZ", "1,00", "0,33"};
  QStringList uzun = satır;
  uzun[7] = QString(40000, u'x');  // more than a cell can hold
  struct Durum {
    const char* ad;
    bool programVar;
    std::vector<QStringList> satırlar;
    QString mesaj;  // the start of the one message shown
  };
  const std::vector<Durum> durumlar = {
      {"hücreye sığmayan metin", true, {satır, uzun, satır}, QString::fromUtf8("Program, aşağıdaki hata")},
      {"tablo programı yok", false, {satır}, ExcelAktarmaDüzeni::ExcelYokMetni},
  };
  for (const Durum& d : durumlar) {
    SCOPED_TRACE(d.ad);
    mesajlar.clear();
    Platform::TabloProgramıVar = [&d] { return d.programVar; };
    Cevapla({Platform::Cevap::Evet});
    FişFormu& f = Aç(Form<GirişİşlemleriFormu>(), d.satırlar);
    Aktar(f);
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_TRUE(mesajlar[0].metin.startsWith(d.mesaj)) << mesajlar[0].metin.toStdString();
    EXPECT_EQ(mesajlar[0].metin.contains("Hata Kodu: 1004"), d.programVar);
    EXPECT_TRUE(GeçiciDosyalar().isEmpty()) << GeçiciDosyalar().join(' ').toStdString();
    EXPECT_TRUE(açılanlar.isEmpty());
    EXPECT_FALSE(FormVar<İlerlemeGösterFormu>() && Form<İlerlemeGösterFormu>().isVisible());
    EXPECT_FALSE(Ortak::ExcelUygulaması);
    EXPECT_EQ(f.Çalışma->Liste->SatırSayısı(), static_cast<int>(d.satırlar.size()));  // the list is kept
    FormuYokEt<GirişİşlemleriFormu>();
  }
}
