#include "TanimVerileri.h"
#include "TestOrtami.h"

namespace {

using namespace TanımVerileri;

// A save of code and name, as a new record (no 0) or a change, and what it should give.
struct Durum {
  const char* kod;
  const char* ad;
  qint64 no;
  Sonuç beklenen;
};

class TanımVerileriTesti : public TestOrtamı {
protected:
  qint64 Ürün(const QString& kod, const QString& ad) {
    const auto s = ÜrünKaydet(*vt, {kod, {}, ad, {}, 1.5, 2, 3, {}}, 0);
    EXPECT_EQ(s.sonuç, Sonuç::Kaydedildi) << kod.toStdString();
    return s.no;
  }
  qint64 Depo(const QString& kod, const QString& ad) { return DepoKaydet(*vt, {kod, ad, {}, {}}, 0).no; }
  void Giriş(qint64 ürün, qint64 depo) {
    vt->Çalıştır("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, GirisNedeni) VALUES (?, ?, 1, 1)",
                 {ürün, depo});
  }
  QStringList Bul(const Tanım& t, bool adaGöre, const QString& aranan) {
    QStringList s;
    for (const Bulunan& b : Ara(*vt, t, adaGöre, aranan)) s << b.metin;
    return s;
  }
};

TEST_F(TanımVerileriTesti, AramaÖnEkleTürkçeHarfleriVeÖzelKarakterleriTanır) {
  for (const char* ad :
       {"VİDA M8", "VİDA M6", "vida uzun", "VIDALI", "%50 İNDİRİM", "A_B BORU", "AB BORU", "[X] KAPAK"})
    Ürün(QStringLiteral("K-%1").arg(QString::fromUtf8(ad)), QString::fromUtf8(ad));
  EXPECT_EQ(Bul(Ürünler, true, "VİD"), (QStringList{"VİDA M6", "VİDA M8", "vida uzun"}));
  EXPECT_EQ(Bul(Ürünler, true, "VID"), QStringList{"VIDALI"});
  EXPECT_EQ(Bul(Ürünler, true, "%5"), QStringList{"%50 İNDİRİM"});
  EXPECT_EQ(Bul(Ürünler, true, "A_"), QStringList{"A_B BORU"});
  EXPECT_EQ(Bul(Ürünler, true, "[X]"), QStringList{"[X] KAPAK"});
  EXPECT_EQ(Bul(Ürünler, false, "K-VİDA M"), (QStringList{"K-VİDA M6", "K-VİDA M8"}));
  EXPECT_TRUE(Bul(Ürünler, false, "VİD").isEmpty());
}

TEST_F(TanımVerileriTesti, ÜrünKaydınınDenetimleriSırasıyla) {
  const qint64 vida = Ürün("VD-1", "VİDA");
  const Durum durumlar[] = {
      {"", "", 0, Sonuç::KodBoş},          // the code first, before the name
      {"  ", "X", 0, Sonuç::KodBoş},
      {"vd-1", "", 0, Sonuç::KodVar},      // another's code in any case, before the empty name
      {"VD-2", "", 0, Sonuç::AdBoş},
      {"VD-1", "VİDA 2", vida, Sonuç::Kaydedildi},  // its own code
      {"vd-1", "VİDA 3", vida, Sonuç::Kaydedildi},
  };
  for (const Durum& d : durumlar)
    EXPECT_EQ(ÜrünKaydet(*vt, {d.kod, {}, d.ad, {}, {}, {}, {}, {}}, d.no).sonuç, d.beklenen) << d.kod << d.ad;
  const qint64 somun = Ürün("SM-1", "SOMUN");
  EXPECT_EQ(ÜrünKaydet(*vt, {"VD-1", {}, "SOMUN", {}, {}, {}, {}, {}}, somun).sonuç, Sonuç::KodVar);

  // Missing numbers are stored as 0, the weight to two decimals, empty texts as empty texts.
  ÜrünKaydet(*vt, {"SM-1", {}, "SOMUN", {}, 2.345, {}, {}, {}}, somun);
  const ÜrünBilgisi b = ÜrünOku(*vt, somun);
  EXPECT_DOUBLE_EQ(*b.BirimAgirligi, 2.35);
  EXPECT_EQ(b.PaketlemeAdedi, 0);
  EXPECT_EQ(b.AskilamaSayisi, 0);
  EXPECT_EQ(vt->KayıtKümesiAç("SELECT Count(*) AS n FROM UrunBilgileriTablosu WHERE UreticiKodu = ''").Tamsayı("n"), 2);
}

TEST_F(TanımVerileriTesti, DepoKaydınınDenetimleriSırasıyla) {
  const qint64 merkez = Depo("M", "MERKEZ");
  const Durum durumlar[] = {
      {"", "", 0, Sonuç::KodBoş},
      {"X", "", 0, Sonuç::AdBoş},
      {"X", "merkez", 0, Sonuç::AdVar},
      {"M", "ŞUBE", 0, Sonuç::Kaydedildi},  // codes may repeat
      {"M", "Merkez", merkez, Sonuç::Kaydedildi},  // only the case of its own name
  };
  for (const Durum& d : durumlar)
    EXPECT_EQ(DepoKaydet(*vt, {d.kod, d.ad, {}, {}}, d.no).sonuç, d.beklenen) << d.kod << d.ad;
  EXPECT_EQ(DepoKaydet(*vt, {"M", "ŞUBE", {}, {}}, merkez).sonuç, Sonuç::AdVar);
  EXPECT_EQ(DepoOku(*vt, merkez).DepoAdi, "Merkez");
}

TEST_F(TanımVerileriTesti, SilinmişKaydınDeğişikliğiYazılmaz) {
  const qint64 ürün = Ürün("A", "ARMUT");
  const qint64 depo = Depo("M", "MERKEZ");
  vt->Çalıştır("DELETE FROM UrunBilgileriTablosu");
  vt->Çalıştır("DELETE FROM DepoBilgileriTablosu");
  EXPECT_EQ(ÜrünKaydet(*vt, {"A", {}, "ELMA", {}, {}, {}, {}, {}}, ürün).sonuç, Sonuç::KayıtYok);
  EXPECT_EQ(DepoKaydet(*vt, {"M", "ŞUBE", {}, {}}, depo).sonuç, Sonuç::KayıtYok);
  EXPECT_EQ(vt->KayıtKümesiAç("SELECT Count(*) AS n FROM UrunBilgileriTablosu").Tamsayı("n"), 0);
  EXPECT_THROW(ÜrünOku(*vt, ürün), VeritabanıHatası);
}

TEST_F(TanımVerileriTesti, GirişiOlanSilinmezGirişlerSilininceSilinir) {
  const qint64 ürün = Ürün("A", "ARMUT");
  const qint64 depo = Depo("M", "MERKEZ");
  const qint64 boşDepo = Depo("B", "BOŞ");
  vt->Çalıştır("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, 5)",
               {ürün, boşDepo});
  Giriş(ürün, depo);
  for (const Tanım* t : {&Ürünler, &Depolar}) {
    const qint64 no = t == &Ürünler ? ürün : depo;
    EXPECT_TRUE(GirişVar(*vt, *t, no));
    EXPECT_FALSE(Sil(*vt, *t, no));
  }
  EXPECT_TRUE(Sil(*vt, Depolar, boşDepo));  // critical levels do not hold it
  vt->Çalıştır("DELETE FROM GirisIslemleriTablosu");
  EXPECT_TRUE(Sil(*vt, Ürünler, ürün));
  EXPECT_TRUE(Sil(*vt, Depolar, depo));
  EXPECT_EQ(vt->KayıtKümesiAç("SELECT (SELECT Count(*) FROM UrunBilgileriTablosu) + "
                              "(SELECT Count(*) FROM DepoBilgileriTablosu) AS n")
                .Tamsayı("n"),
            0);
}

}  // namespace
