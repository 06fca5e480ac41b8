// The workbook writer on its own: long lists, new names, the values a reader gets back.
#include "ExcelKitabi.h"
#include "TestOrtami.h"
#include "XlsxOku.h"

namespace {

class ExcelKitabıTesti : public TestOrtamı {
protected:
  static ExcelKitabı::Tanım Tanım(const QString& sayfa) {
    return {sayfa, "Başlık", {{"Kod", 10, ExcelKitabı::HücreTürü::Metin}, {"Miktar", 12, ExcelKitabı::HücreTürü::Sayı}}};
  }
  QStringList Dosyalar() const { return QDir(GeçiciYol("k")).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(ExcelKitabıTesti, UzunListeBütünüyleVeHerSeferindeYeniAdlaYazılır) {
  QDir().mkpath(GeçiciYol("k"));
  ExcelKitabı kitap(Tanım("Liste"), GeçiciYol("k"));
  constexpr int n = 40000;  // beyond a 16-bit row counter
  for (int i = 1; i <= n; ++i) kitap.SatırEkle({QString::number(i), QStringLiteral("%1,50").arg(i)});
  const QJsonObject k = XlsxOku(kitap.Bitir());
  EXPECT_EQ(k["satırSayısı"].toInt(), n + 2);
  EXPECT_EQ(k["son"].toString(), "s:40000|n:40000.5");
  // An earlier export is never written over; a sheet name loses what the spreadsheet refuses.
  for (const auto& [sayfa, dosya] : {std::pair{"Liste", "Liste (2).xlsx"}, {"Liste", "Liste (3).xlsx"},
                                     {"'Çıkış Nedenine Göre Stok Listesi'", "Çıkış Nedenine Göre Stok Listes.xlsx"}}) {
    ExcelKitabı sonraki(Tanım(sayfa), GeçiciYol("k"));
    EXPECT_EQ(QFileInfo(sonraki.Bitir()).fileName(), dosya);
  }
  EXPECT_EQ(Dosyalar().size(), 4);
}

// Every reader gets back the list's own values, whatever digits the file spells them with: a figure is
// the double of its two decimals, up to the largest one, a date a date, a code text.
TEST_F(ExcelKitabıTesti, HücrelerListeninDeğerleriniTaşır) {
  QDir().mkpath(GeçiciYol("k"));
  using enum ExcelKitabı::HücreTürü;
  ExcelKitabı kitap({"Liste", "Başlık", {{"Kod", 10, Metin}, {"Miktar", 12, Sayı}, {"Tarih", 10, Tarih}}},
                    GeçiciYol("k"));
  const std::pair<const char*, double> sayılar[] = {{"83,79", 83.79},       {"0,29", 0.29},
                                                    {"1.234,56", 1234.56}, {"9.999.999.999.999,99", 9999999999999.99},
                                                    {"-0,07", -0.07},      {"40.000", 40000}};
  for (const auto& [metin, _] : sayılar) kitap.SatırEkle({"00123", metin, "05.03.2026"});
  const QJsonObject k = XlsxOku(kitap.Bitir());
  const QJsonArray satırlar = k["satırlar"].toArray();
  for (int i = 0; i < int(std::size(sayılar)); ++i) {
    const QJsonObject sayı = satırlar[i + 2].toArray()[1].toObject();
    EXPECT_EQ(sayı["t"].toString(), "n") << sayılar[i].first;
    EXPECT_EQ(sayı["d"].toDouble(), sayılar[i].second) << sayılar[i].first;
  }
  EXPECT_EQ(k["son"].toString(), "s:00123|n:40000|t:2026-03-05");
}

}  // namespace
