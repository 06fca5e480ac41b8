// The workbook writer on its own: long lists, new names, and what a failure leaves.
#include "ExcelKitabi.h"
#include "TestOrtami.h"
#include "XlsxOku.h"

#include <QDir>

namespace {

class ExcelKitabıTesti : public TestOrtamı {
protected:
  ExcelKitabı::Tanım Tanım(const QString& sayfa) {
    return {sayfa, QStringLiteral("Başlık"),
            {{QStringLiteral("Kod"), 10, ExcelKitabı::HücreTürü::Metin},
             {QStringLiteral("Miktar"), 12, ExcelKitabı::HücreTürü::Sayı}}};
  }
  QStringList Dosyalar(const QString& klasör) const {
    return QDir(klasör).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }
};

TEST_F(ExcelKitabıTesti, UzunListeBütünüyleYazılır) {
  const QString klasör = GeçiciYol(QStringLiteral("uzun"));
  QDir().mkpath(klasör);
  ExcelKitabı kitap(Tanım(QStringLiteral("Liste")), klasör);
  constexpr int n = 40000;  // beyond a 16-bit row counter
  for (int i = 1; i <= n; ++i) kitap.SatırEkle({QString::number(i), QStringLiteral("%1,50").arg(i)});
  const QJsonObject k = XlsxOku(kitap.Bitir());
  EXPECT_EQ(k["satırSayısı"].toInt(), n + 2);
  const QJsonArray son = k["son"].toArray();
  ASSERT_EQ(son.size(), 2);
  EXPECT_EQ(XlsxHücre(son[0]), QStringLiteral("s:40000"));
  EXPECT_EQ(XlsxHücre(son[1]), QStringLiteral("n:40000.5"));
}

TEST_F(ExcelKitabıTesti, HerAktarmaYeniBirAdAlır) {
  const QString klasör = GeçiciYol(QStringLiteral("adlar"));
  QDir().mkpath(klasör);
  const struct {
    QString sayfa, dosya;
  } durumlar[] = {
      {QStringLiteral("Giriş Fişi"), QStringLiteral("Giriş Fişi.xlsx")},
      {QStringLiteral("Giriş Fişi"), QStringLiteral("Giriş Fişi (2).xlsx")},
      {QStringLiteral("Giriş Fişi"), QStringLiteral("Giriş Fişi (3).xlsx")},
      // A sheet name holds at most 31 characters and none of []:*?/\.
      {QStringLiteral("Çıkış Nedenine Göre Stok Listesi"), QStringLiteral("Çıkış Nedenine Göre Stok Listes.xlsx")},
      {QStringLiteral("'A/B'"), QStringLiteral("A-B.xlsx")},
  };
  for (const auto& d : durumlar) {
    ExcelKitabı kitap(Tanım(d.sayfa), klasör);
    kitap.SatırEkle({QStringLiteral("1"), QStringLiteral("1,00")});
    EXPECT_EQ(QFileInfo(kitap.Bitir()).fileName(), d.dosya);
  }
  EXPECT_EQ(Dosyalar(klasör).size(), std::size(durumlar));  // earlier ones kept, nothing hidden left
}

TEST_F(ExcelKitabıTesti, BaşarısızAktarmaHiçDosyaBırakmaz) {
  const QString klasör = GeçiciYol(QStringLiteral("hata"));
  QDir().mkpath(klasör);
  const std::function<void()> durumlar[] = {
      [&] { ExcelKitabı(Tanım("Liste"), GeçiciYol(QStringLiteral("olmayan/klasör"))); },
      [&] {
        ExcelKitabı kitap(Tanım("Liste"), klasör);
        kitap.SatırEkle({QStringLiteral("1"), QStringLiteral("1,00")});
        kitap.SatırEkle({QString(40000, u'x'), QStringLiteral("1,00")});
      },
      [&] {
        ExcelKitabı kitap(Tanım("Liste"), klasör);
        kitap.SatırEkle({QStringLiteral("1"), QStringLiteral("1,00")});
        QDir(klasör).removeRecursively();  // the folder goes before the file is written
        kitap.Bitir();
      },
  };
  for (const auto& durum : durumlar) {
    QDir().mkpath(klasör);
    try {
      durum();
      ADD_FAILURE() << "no failure";
    } catch (const ExcelKitabı::Hata& h) {
      EXPECT_EQ(h.Numara(), ExcelKitabı::HataNo);
      EXPECT_TRUE(h.Açıklama().startsWith(QStringLiteral("MS Excel'e aktarılamadı."))) << h.what();
    }
    EXPECT_TRUE(Dosyalar(klasör).isEmpty()) << Dosyalar(klasör).join(' ').toStdString();
  }
}

}  // namespace
