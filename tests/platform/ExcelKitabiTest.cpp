// The workbook writer on its own: long lists and new names.
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

// A figure is kept with the digits it has, never as the library's sixteen ("83.79000000000001"):
// the file holds it, and a reader reads back, exactly that figure.
TEST_F(ExcelKitabıTesti, SayılarİkiOndalığıylaTutulur) {
  QDir().mkpath(GeçiciYol("k"));
  ExcelKitabı kitap(Tanım("Liste"), GeçiciYol("k"));
  const std::pair<const char*, const char*> sayılar[] = {{"83,79", "83.79"},
                                                         {"0,29", "0.29"},
                                                         {"1.234,56", "1234.56"},
                                                         {"9.999.999.999.999,99", "9999999999999.99"},
                                                         {"-0,07", "-0.07"},
                                                         {"40.000", "40000"}};
  for (const auto& [metin, _] : sayılar) kitap.SatırEkle({"a", metin});
  const QJsonObject k = XlsxOku(kitap.Bitir());
  const QJsonObject ham = k["hamSayılar"].toObject();
  const QJsonArray satırlar = k["satırlar"].toArray();
  for (int i = 0; i < int(std::size(sayılar)); ++i) {
    EXPECT_EQ(ham[QStringLiteral("B%1").arg(i + 3)].toString(), sayılar[i].second) << sayılar[i].first;
    EXPECT_EQ(satırlar[i + 2].toArray()[1].toObject()["d"].toDouble(), QByteArray(sayılar[i].second).toDouble())
        << sayılar[i].first;
  }
  EXPECT_EQ(k["son"].toString(), "s:a|n:40000");
}

}  // namespace
