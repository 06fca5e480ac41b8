// The voucher lists exported from their button, each workbook read back.
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
    // A folder of the test's own shows what an export leaves behind; the user's locale and its
    // decimal comma must not reach the file.
    qputenv("TMPDIR", GeçiciYol("tmp").toLocal8Bit());
    QDir().mkpath(GeçiciYol("tmp"));
    setlocale(LC_NUMERIC, "tr_TR.UTF-8");
    Platform::TabloProgramıVar = [] { return true; };
    Platform::DosyaAç = [this](const QUrl& adres) { return açılanlar << adres.toLocalFile(), true; };
  }
  void TearDown() override {
    FormuYokEt<GirişİşlemleriFormu>(), FormuYokEt<ÇıkışİşlemleriFormu>();
    FormuYokEt<DepodanDepoyaTransferFormu>(), FormuYokEt<İlerlemeGösterFormu>();
    Ortak::YazıcıVar = false;
    setlocale(LC_NUMERIC, "C");
    qunsetenv("TMPDIR");
    FişTestOrtamı::TearDown();
  }
  // The list filled with these rows (cells from column 0), then its export button pressed.
  static void Aktar(FişFormu& f, const std::vector<QStringList>& satırlar) {
    f.Yükle();
    f.show();
    for (const QStringList& s : satırlar) f.Çalışma->Ekle(s, s[0]);
    QTest::mouseClick(f.ListeDüğmeleri.back(), Qt::LeftButton);
  }
  QStringList Kalanlar() const { return QDir(GeçiciYol("tmp")).entryList(QDir::Files | QDir::Hidden); }

  QStringList açılanlar;
};

template <class F>
FişFormu& Fiş() {
  return Form<F>();
}

TEST_F(ExcelAktarmaTesti, ÜçFişinListesiTürlüHücrelerleOkunur) {
  const struct {
    FişFormu& (*form)();
    std::vector<QStringList> satırlar;
    bool yazıcı;
    QString sayfa, birleşik, başlık, başlıklar;
    std::vector<double> genişlikler;  // the entry list's "Ürün Adı" widened to 2450 twips
    QStringList beklenen;
  } fişler[] = {
      {Fiş<GirişİşlemleriFormu>,
       {{"1", "1", "1", "1", "05.03.2026", "AKIN", "00123", "CİVATA ığüşöç", "MERKEZ", "1.234,50", "411,09"},
        {"2", "3", "2", "1", "28.02.2026", "YILDIZ A.Ş.", "C-10", "SOMUN", "ŞUBE", "2,00", "5,00"}},
       true, "Giriş Fişi", "A1:G1", "Depo/Stok Giriş Fişi",
       "Tarihi|Firması|Ürün Kodu|Ürün Adı|Depo Adı|Miktarı|Miktar Ağırlığı", {12, 16, 13, 24.5, 19, 13, 13},
       {"t:2026-03-05|s:AKIN|s:00123|s:CİVATA ığüşöç|s:MERKEZ|n:1234.5|n:411.09",
        "t:2026-02-28|s:YILDIZ A.Ş.|s:C-10|s:SOMUN|s:ŞUBE|n:2|n:5"}},
      {Fiş<ÇıkışİşlemleriFormu>,
       {{"1", "1", "1", "1", "6", "01.12.2026", "ALICI", "007", "PUL", "MERKEZ", "10,00", "1,00"},
        {"2", "2", "1", "1", "0", "02.12.2026", "ALICI", "S-20", "SOMUN", "MERKEZ", "3,50", "8,75"}},
       false, "Çıkış Fişi", "A1:H1", "Depo/Stok Çıkış Fişi",
       "Çıkış Nedeni|Tarihi|Firması|Ürün Kodu|Ürün Adı|Depo Adı|Miktarı|Miktar Ağırlığı",
       {0, 12, 19, 12, 20, 19, 12, 12},
       {"s:6|t:2026-12-01|s:ALICI|s:007|s:PUL|s:MERKEZ|n:10|n:1",
        "s:0|t:2026-12-02|s:ALICI|s:S-20|s:SOMUN|s:MERKEZ|n:3.5|n:8.75"}},
      {Fiş<DepodanDepoyaTransferFormu>,
       {{"1", "1", "2", "1", "07.12.2026", "MERKEZ", "0042", "CİVATA", "ŞUBE", "1.000.000,25", "333.000,08"}},
       false, "Transfer Fişi", "A1:G1", "Depo/Stok Transfer Fişi",
       "Tarihi|Çıkan Depo|Ürün Kodu|Ürün Adı|Giren Depo|Miktarı|Miktar Ağırlığı", {12, 19, 12, 20, 19, 12, 12},
       {"t:2026-12-07|s:MERKEZ|s:0042|s:CİVATA|s:ŞUBE|n:1000000.25|n:333000.08"}},
  };
  for (const auto& fiş : fişler) {
    SCOPED_TRACE(fiş.sayfa.toStdString());
    açılanlar.clear();
    Ortak::YazıcıVar = fiş.yazıcı;
    FişFormu& f = fiş.form();
    f.Yükle();
    if (fiş.genişlikler[3] == 24.5) f.Çalışma->Liste->SütunGenişliğiAyarla(8, 2450);
    Aktar(f, fiş.satırlar);
    EXPECT_TRUE(mesajlar.empty());
    EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible());
    ASSERT_EQ(açılanlar.size(), 1);
    EXPECT_EQ(Kalanlar(), QStringList{fiş.sayfa + ".xlsx"});  // whole, under its own name

    const QJsonObject k = XlsxOku(açılanlar[0]);
    EXPECT_EQ(k["sayfalar"].toArray(), QJsonArray{fiş.sayfa});
    EXPECT_EQ(k["birleşik"].toArray(), QJsonArray{fiş.birleşik});
    EXPECT_EQ(k["yükseklik"].toArray(), (QJsonArray{30, 20}));
    const QJsonArray satırlar = k["satırlar"].toArray();
    ASSERT_EQ(satırlar.size(), fiş.beklenen.size() + 2);
    EXPECT_EQ(satırlar[0][0]["d"].toString(), fiş.başlık);
    EXPECT_TRUE(satırlar[0][0]["kalın"].toBool() && satırlar[0][0]["ortalı"].toBool());
    QStringList başlıklar;
    for (qsizetype s = 0; s < satırlar[1].toArray().size(); ++s) {
      const QJsonValue h = satırlar[1][s];
      başlıklar << h["d"].toString();
      EXPECT_TRUE(h["kalın"].toBool() && h["kaydır"].toBool() && h["ortalı"].toBool()) << s;
      EXPECT_NEAR(k["genişlik"][s].toDouble(), fiş.genişlikler[size_t(s)], 0.15) << s;
    }
    EXPECT_EQ(başlıklar.join('|'), fiş.başlıklar);
    // The exit sheet's reason column is as narrow as in the list: hidden, its codes kept.
    EXPECT_EQ(k["gizli"].toArray(), fiş.genişlikler[0] < 1 ? QJsonArray{"A"} : QJsonArray{});
    EXPECT_EQ(k["metinler"].toVariant().toStringList(), fiş.beklenen);
    // Page setup only with a printer.
    EXPECT_EQ(k["kenarlar"].toArray() == (QJsonArray{0.6, 0.6, 0.6, 0.6}), fiş.yazıcı);
    EXPECT_EQ(k["yatayOrtalı"].toBool() && k["ızgara"].toBool(), fiş.yazıcı);
    QFile::remove(açılanlar[0]);
  }
  // The largest figure widens its columns in the workbook as on the screen, though the widths the
  // list keeps and saves stay its own.
  açılanlar.clear();
  FişFormu& f = Fiş<DepodanDepoyaTransferFormu>();
  f.Çalışma->Temizle();
  Aktar(f, {{"1", "1", "2", "1", "07.12.2026", "MERKEZ", "0042", "CİVATA", "ŞUBE", "9.999.999.999.999,99",
             "-9.999.999.999.999,99"}});
  ASSERT_EQ(açılanlar.size(), 1);
  const QJsonArray genişlik = XlsxOku(açılanlar[0])["genişlik"].toArray();
  for (int s : {5, 6}) EXPECT_GT(genişlik[s].toDouble(), 15) << s;  // 12 as designed
  EXPECT_EQ(f.Çalışma->Liste->SütunGenişliği(10), 1200);
}

TEST_F(ExcelAktarmaTesti, YarımKalanVeYapılamayanAktarmaDosyaBırakmaz) {
  const QStringList satır{"1", "1", "1", "1", "05.03.2026", "AKIN", "C-10", "CİVATA", "MERKEZ", "1,00", "0,33"};
  QStringList uzun = satır;
  uzun[0] = "2", uzun[7] = QString(40000, u'x');  // more than a cell holds
  const struct {
    bool programVar;
    const char* klasör;  // the temporary folder
    QString mesaj;       // the start of the one message
  } durumlar[] = {{true, "tmp", "Program, aşağıdaki hata"},
                  {true, "tmp/olmayan", "Program, aşağıdaki hata"},
                  {false, "tmp", ExcelAktarmaDüzeni::ExcelYokMetni}};
  for (const auto& d : durumlar) {
    mesajlar.clear();
    qputenv("TMPDIR", GeçiciYol(d.klasör).toLocal8Bit());
    Platform::TabloProgramıVar = [&d] { return d.programVar; };
    Cevapla({Platform::Cevap::Evet});
    Aktar(Form<GirişİşlemleriFormu>(), {satır, uzun});
    ASSERT_EQ(mesajlar.size(), 1u);
    EXPECT_TRUE(mesajlar[0].metin.startsWith(d.mesaj)) << mesajlar[0].metin.toStdString();
    EXPECT_EQ(mesajlar[0].metin.contains("Hata Kodu: 1004"), d.programVar);
    EXPECT_TRUE(Kalanlar().isEmpty()) << Kalanlar().join(' ').toStdString();
    EXPECT_TRUE(açılanlar.isEmpty());
    EXPECT_FALSE(Form<İlerlemeGösterFormu>().isVisible() || Ortak::ExcelUygulaması);
    FormuYokEt<GirişİşlemleriFormu>();
  }
}

}  // namespace
