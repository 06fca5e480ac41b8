// The voucher data rules on a real database file, without widgets.
#include "FisTestOrtami.h"
#include "FisVerileri.h"

#include <gtest/gtest.h>

namespace {

using namespace FişVerileri;

class FişVerileriTesti : public FişTestOrtamı {
protected:
  qint64 Sayı(const char* sql) { return vt->KayıtKümesiAç(QString::fromUtf8(sql)).Tamsayı("n"); }
};

TEST_F(FişVerileriTesti, MevcutStokGirişlerEksiÇıkışlarTransferYarılarıDahil) {
  ÖrnekTanımlar();
  struct Hareket {
    bool giriş;
    qint64 ürün, depo;
    double miktar;
    int neden;
  };
  for (const Hareket& h : std::vector<Hareket>{{true, civata, merkez, 10.25, 1},
                                               {true, civata, merkez, 4.75, 1},
                                               {false, civata, merkez, 3.5, 0},
                                               {true, civata, şube, 99, 1},
                                               {false, civata, merkez, 2, 99},  // transfer out of MERKEZ
                                               {true, somun, şube, 5, 99},      // transfer into ŞUBE
                                               {true, pul, merkez, 0.1, 1},
                                               {true, pul, merkez, 0.2, 1},
                                               {false, pul, merkez, 0.3, 0},
                                               {true, somun, merkez, 1, 1},
                                               {false, somun, merkez, 3.25, 0}})
    h.giriş ? Giriş(h.ürün, h.depo, h.miktar, h.neden) : Çıkış(h.ürün, h.depo, h.miktar, h.neden);

  struct Durum {
    qint64 ürün, depo;
    const char* gösterilen;
  };
  for (const Durum& d : std::vector<Durum>{{civata, merkez, "9,50"},
                                           {civata, şube, "99,00"},
                                           {somun, şube, "5,00"},
                                           {pul, merkez, "0,00"},   // hundredths that are no exact doubles
                                           {pul, şube, "0,00"},     // no movement at all
                                           {somun, merkez, "-2,25"}})
    EXPECT_EQ(TürkçeMetin::MiktarMetni(MevcutStok(*vt, d.ürün, d.depo)), QString::fromUtf8(d.gösterilen))
        << d.ürün << "/" << d.depo;
}

TEST_F(FişVerileriTesti, MiktarYalnızcaArtıSayıOlarakKabulEdilir) {
  const std::vector<std::pair<const char*, std::optional<Miktar>>> durumlar{
      {"", std::nullopt},  {"0", std::nullopt},    {"0,00", std::nullopt}, {",", std::nullopt},
      {"-3", std::nullopt}, {"1,2,3", std::nullopt}, {"12,5", 1250},        {"1.234,50", 123450},
      {"0,01", 1},          {"1234", 123400}};
  for (const auto& [metin, beklenen] : durumlar) EXPECT_EQ(FişMiktarı(QString::fromUtf8(metin)), beklenen) << metin;
}

TEST_F(FişVerileriTesti, AğırlıkKuruşaYuvarlanırVeAnahtarÜçNumaradır) {
  EXPECT_EQ(Ağırlık(100, 0.333), 33);
  EXPECT_EQ(Ağırlık(1250, 0.333), 416);
  EXPECT_EQ(Ağırlık(123450, 2), 246900);
  EXPECT_EQ(SatırAnahtarı(12, 5, 3), QStringLiteral("12-5-3"));
  EXPECT_EQ(SatırAnahtarı(40000, 70000, 1), QStringLiteral("40000-70000-1"));
}

TEST_F(FişVerileriTesti, KişiHarfBüyüklüğüneBakılmadanBulunurYenisiGerçekNumarasıylaEklenir) {
  // Numbers past the 16-bit range, and a gap the highest-plus-one rule would miss.
  Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanNo, GirisCikisYapanAdi) VALUES (40000, 'ALİ VELİ')", {});
  Ekle("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanNo, GirisCikisYapanAdi) VALUES (40005, 'IŞIK')", {});
  vt->Çalıştır(QStringLiteral("DELETE FROM GirisCikisYapanlarTablosu WHERE GirisCikisYapanNo = 40005"));
  Kişi("IŞIK");

  QStringList adlar;
  for (const auto& k : KişileriOku(*vt)) adlar << k.ad;
  EXPECT_EQ(adlar, (QStringList{QStringLiteral("ALİ VELİ"), QStringLiteral("IŞIK")}));
  for (const auto& [yazılan, indeks] : std::vector<std::pair<const char*, int>>{
           {"ali veli", 0}, {"ALİ VELİ", 0}, {"Ali Veli", 0}, {"ışık", 1}, {"ALI VELI", -1}, {"ALİ VELİ ", -1}})
    EXPECT_EQ(KişiBul(adlar, QString::fromUtf8(yazılan)), indeks) << yazılan;

  const qint64 no = KişiEkle(*vt, QStringLiteral("O'NEIL"));
  EXPECT_EQ(no, 40007);
  const KayıtKümesi k = vt->KayıtKümesiAç(
      QStringLiteral("SELECT GirisCikisYapanAdi FROM GirisCikisYapanlarTablosu WHERE GirisCikisYapanNo = ?"), {no});
  EXPECT_EQ(k.Metin("GirisCikisYapanAdi"), QStringLiteral("O'NEIL"));
}

TEST_F(FişVerileriTesti, GirişListesiTekİşlemdeYazılırBirSatırDüşerseHiçbiriYazılmaz) {
  ÖrnekTanımlar();
  const std::vector<GirişSatırı> satırlar{{akın, civata, merkez, ali, 1, QDate(2026, 3, 1), 1250},
                                          {yıldız, somun, şube, 40000, 1, QDate(2026, 3, 2), 300},
                                          {akın, pul, şube, ali, 1, QDate(2026, 3, 3), 100000}};

  // The third row is refused by the file: nothing of the list stays.
  vt->Çalıştır(QStringLiteral("CREATE TRIGGER Reddet BEFORE INSERT ON GirisIslemleriTablosu "
                              "WHEN NEW.UrunNo = %1 BEGIN SELECT RAISE(ABORT, 'disk dolu'); END")
                   .arg(pul));
  EXPECT_THROW(GirişleriYaz(*vt, satırlar), VeritabanıHatası);
  EXPECT_EQ(Sayı("SELECT Count(*) AS n FROM GirisIslemleriTablosu"), 0);

  vt->Çalıştır(QStringLiteral("DROP TRIGGER Reddet"));
  GirişleriYaz(*vt, satırlar);
  KayıtKümesi k = vt->KayıtKümesiAç(QStringLiteral(
      "SELECT SaticiFirmaNo, UrunNo, DepoNo, GirisiYapan, GirisNedeni, IslemTarihi, GirisMiktari "
      "FROM GirisIslemleriTablosu ORDER BY IslemNo"));
  for (const GirişSatırı& s : satırlar) {
    ASSERT_FALSE(k.Sonda());
    EXPECT_EQ(k.Tamsayı("SaticiFirmaNo"), s.firmaNo);
    EXPECT_EQ(k.Tamsayı("UrunNo"), s.ürünNo);
    EXPECT_EQ(k.Tamsayı("DepoNo"), s.depoNo);
    EXPECT_EQ(k.Tamsayı("GirisiYapan"), s.kişiNo);
    EXPECT_EQ(k.Tamsayı("GirisNedeni"), 1);
    EXPECT_EQ(k.Tarih("IslemTarihi"), s.tarih);
    EXPECT_EQ(k.Miktar("GirisMiktari"), s.miktar);
    k.MoveNext();
  }
  EXPECT_TRUE(k.Sonda());
}

TEST_F(FişVerileriTesti, ListeHücreleriOkunamazsaHataVerir) {
  EXPECT_EQ(HücreNo(QStringLiteral("40000")), 40000);
  EXPECT_EQ(HücreTarihi(QStringLiteral("07.12.2026")), QDate(2026, 12, 7));
  EXPECT_EQ(HücreMiktarı(QStringLiteral("1.234,50")), 123450);
  for (const char* bozuk : {"", "12a", "31.02.2026"}) {
    EXPECT_THROW(HücreNo(QString::fromUtf8(bozuk)), VeritabanıHatası) << bozuk;
    EXPECT_THROW(HücreTarihi(QString::fromUtf8(bozuk)), VeritabanıHatası) << bozuk;
  }
  EXPECT_THROW(HücreMiktarı(QStringLiteral("x")), VeritabanıHatası);
}

}  // namespace
