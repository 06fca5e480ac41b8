// The voucher data rules on a real database file, without widgets.
#include "FisTestOrtami.h"
#include "FisVerileri.h"

namespace {

using namespace FişVerileri;

using FişVerileriTesti = FişTestOrtamı;

TEST_F(FişVerileriTesti, MevcutStokGirişlerEksiÇıkışlarTransferYarılarıDahil) {
  ÖrnekTanımlar();
  Giriş(civata, merkez, 10.25), Giriş(civata, merkez, 4.75), Çıkış(civata, merkez, 3.5);
  Çıkış(civata, merkez, 2, 99), Giriş(somun, şube, 5, 99);  // halves of transfers
  Giriş(pul, merkez, 0.1), Giriş(pul, merkez, 0.2), Çıkış(pul, merkez, 0.3);
  Giriş(somun, merkez, 1), Çıkış(somun, merkez, 3.25);
  const std::vector<std::tuple<qint64, qint64, Miktar>> durumlar{
      {civata, merkez, 950}, {somun, şube, 500}, {pul, merkez, 0}, {pul, şube, 0}, {somun, merkez, -225}};
  for (const auto& [ürün, depo, stok] : durumlar) EXPECT_EQ(MevcutStok(*vt, ürün, depo), stok) << ürün << "/" << depo;
}

TEST_F(FişVerileriTesti, MiktarHücreVeAğırlıkKurallarıKuruşla) {
  const std::vector<std::pair<const char*, std::optional<Miktar>>> miktarlar{
      {"", std::nullopt},   {"0", std::nullopt},    {"0,00", std::nullopt}, {",", std::nullopt},
      {"-3", std::nullopt}, {"1,2,3", std::nullopt}, {"12,5", 1250},        {"1.234,50", 123450}};
  for (const auto& [metin, beklenen] : miktarlar) EXPECT_EQ(FişMiktarı(QString::fromUtf8(metin)), beklenen) << metin;
  EXPECT_EQ(Ağırlık(100, 0.333), 33);
  EXPECT_EQ(Ağırlık(1250, 0.333), 416);
  EXPECT_EQ(Ağırlık(150, 0.15), 23);  // 0,225 exactly
  // Read from the digits, never through a double: fifteen digits and two decimals stay whole.
  const std::pair<const char*, Miktar> tam[] = {{"999999999999999", 99'999'999'999'999'900},
                                                {"9.999.999.999.999,99", 999'999'999'999'999},
                                                {"90071992547409,93", 9'007'199'254'740'993},
                                                {"0,005", 1},
                                                {"-2,345", -235}};
  for (const auto& [metin, beklenen] : tam) EXPECT_EQ(TürkçeMetin::MiktarOku(QString::fromUtf8(metin)), beklenen) << metin;
  // Up to the largest figure kept exactly, quantity and weight alike; past it, refused.
  EXPECT_EQ(Ağırlık(TürkçeMetin::EnBüyükMiktar, 1.0), TürkçeMetin::EnBüyükMiktar);
  EXPECT_EQ(Ağırlık(-TürkçeMetin::EnBüyükMiktar, 0.01), -10'000'000'000'000);
  for (const auto& [miktar, birim] : std::vector<std::pair<Miktar, double>>{
           {TürkçeMetin::EnBüyükMiktar + 1, 0.01}, {TürkçeMetin::EnBüyükMiktar, 1.0001}, {1, 1e15}, {1, 1e20}})
    EXPECT_THROW(Ağırlık(miktar, birim), VeritabanıHatası) << miktar << " " << birim;
  EXPECT_EQ(SatırAnahtarı(40000, 70000, 3), QStringLiteral("40000-70000-3"));
  EXPECT_EQ(HücreNo(QStringLiteral("40000")) + HücreMiktarı(QStringLiteral("1.234,50")), 40000 + 123450);
  EXPECT_EQ(HücreTarihi(QStringLiteral("07.12.2026")), QDate(2026, 12, 7));
  EXPECT_THROW(HücreNo(QStringLiteral("12a")), VeritabanıHatası);
  EXPECT_THROW(HücreTarihi(QStringLiteral("31.02.2026")), VeritabanıHatası);
}

TEST_F(FişVerileriTesti, KişiHarfBüyüklüğüneBakılmadanBulunurYenisiDosyanınVerdiğiNumarayıAlır) {
  // Past the 16-bit range, and a deleted number that the highest-plus-one rule would hand out again.
  Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanNo, GirisCikisYapanAdi) VALUES (40000, 'Ali Veli')", {});
  const qint64 silinen = Kişi("IŞIK");
  vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu WHERE GirisCikisYapanNo = ?"), {silinen});
  QStringList adlar;
  for (const auto& k : KişileriOku(*vt)) adlar << k.ad;
  ASSERT_EQ(adlar, QStringList{QStringLiteral("Ali Veli")});
  for (const auto& [yazılan, indeks] :
       std::vector<std::pair<const char*, int>>{{"ALİ VELİ", 0}, {"ali veli", 0}, {"ALI VELI", -1}, {"ALİ VELİ ", -1}})
    EXPECT_EQ(KişiBul(adlar, QString::fromUtf8(yazılan)), indeks) << yazılan;

  const qint64 no = KişiEkle(*vt, QStringLiteral("O'NEIL"));
  EXPECT_EQ(no, silinen + 1);
  EXPECT_EQ(KişileriOku(*vt).back().ad, QStringLiteral("O'NEIL"));
  // The same name from a workstation whose box did not hold it yet: the stored person.
  EXPECT_EQ(KişiEkle(*vt, QStringLiteral("o'neıl")), no);
  EXPECT_EQ(KişiEkle(*vt, QStringLiteral("ali veli")), 40000);
  EXPECT_EQ(KişileriOku(*vt).size(), 2u);
}

TEST_F(FişVerileriTesti, GirişListesiTekİşlemdeYazılırBirSatırDüşerseHiçbiriYazılmaz) {
  ÖrnekTanımlar();
  const std::vector<GirişSatırı> satırlar{{akın, civata, merkez, ali, 1, QDate(2026, 3, 1), 1250},
                                          {yıldız, somun, şube, 40000, 1, QDate(2026, 3, 2), 300},
                                          {akın, pul, şube, ali, 1, QDate(2026, 3, 3), 100000}};
  ReddetmeTetiği(pul);
  EXPECT_THROW(GirişleriYaz(*vt, satırlar), VeritabanıHatası);
  EXPECT_TRUE(GirişSatırları().empty());

  vt->Çalıştır(QStringLiteral("DROP TRIGGER Reddet"));
  GirişleriYaz(*vt, satırlar);
  std::vector<QVariantList> beklenen;
  for (const GirişSatırı& s : satırlar)
    beklenen.push_back({s.firmaNo, s.ürünNo, s.depoNo, s.kişiNo, 1, s.tarih, s.miktar});
  EXPECT_EQ(GirişSatırları(), beklenen);
}

}  // namespace
