// The exit and transfer commits on a real file, without widgets.
#include "FisTestOrtami.h"
#include "HataliDisk.h"
#include "TransferVerileri.h"

#include <gtest/gtest.h>

namespace {

using namespace FişVerileri;

class StoktanVerileriTesti : public FişTestOrtamı {
protected:
  void SetUp() override {
    FişTestOrtamı::SetUp();
    ÖrnekTanımlar();
    // The exits go to customers under the suppliers' numbers.
    for (qint64 no : {akın, yıldız})
      vt->Çalıştır(QStringLiteral("INSERT INTO AliciFirmaBilgileriTablosu (FirmaNo, FirmaAdi) VALUES (?, 'ALICI')"), {no});
    Giriş(civata, merkez, 10);
    Giriş(somun, merkez, 5);
  }
  qint64 Sayı(const char* tablo) {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM %1").arg(QString::fromUtf8(tablo))).Tamsayı("n");
  }
  const QDate gün{2026, 3, 1};
};

TEST_F(StoktanVerileriTesti, SonSatırıDüşenYaDaStokAşanListedenHiçbirSatırKalmaz) {
  const std::vector<ÇıkışSatırı> çıkışlar{{akın, civata, merkez, ali, 3, gün, 600, {}},
                                          {yıldız, civata, merkez, ali, 6, gün, 400, {}},
                                          {akın, somun, merkez, ali, 0, gün, 500, {}}};
  const std::vector<TransferSatırı> transferler{
      {merkez, civata, şube, ali, gün, 600}, {merkez, civata, şube, ali, gün, 400}, {merkez, somun, şube, ali, gün, 500}};
  const std::function<void()> yazılar[] = {[&] { ÇıkışlarıYaz(*vt, çıkışlar); },
                                           [&] { TransferleriYaz(*vt, transferler); }};
  for (const auto& yaz : yazılar) {
    // The file refuses the exit of the last row.
    vt->Çalıştır(QStringLiteral("CREATE TRIGGER Reddet BEFORE INSERT ON CikisIslemleriTablosu "
                                "WHEN NEW.UrunNo = %1 BEGIN SELECT RAISE(ABORT, 'disk dolu'); END")
                     .arg(somun));
    EXPECT_THROW(yaz(), VeritabanıHatası);
    vt->Çalıştır(QStringLiteral("DROP TRIGGER Reddet"));
    // Another workstation took one of the ten: the first product short is named.
    Çıkış(civata, merkez, 1);
    try {
      yaz();
      ADD_FAILURE() << "yazıldı";
    } catch (const StokYetersiz& h) {
      EXPECT_EQ(h.Mesaj().section(u'\n', 0, 0),
                QStringLiteral("MERKEZ deposundaki CİVATA ürününün stok mevcudu (9,00), listedeki MİKTARDAN (10,00) az!"));
    }
    EXPECT_EQ(Sayı("GirisIslemleriTablosu"), 2);
    EXPECT_EQ(Sayı("CikisIslemleriTablosu"), 1);
    vt->Çalıştır(QStringLiteral("DELETE FROM CikisIslemleriTablosu"));
  }
}

// A record the list names was deleted from another workstation meanwhile: no row is written.
TEST_F(StoktanVerileriTesti, SilinmişTanımıAnanListeYazılmaz) {
  const std::vector<GirişSatırı> girişler{{akın, civata, şube, ali, 1, gün, 100}, {yıldız, somun, şube, ali, 1, gün, 100}};
  const std::vector<ÇıkışSatırı> çıkışlar{{akın, civata, merkez, ali, 0, gün, 100, {}},
                                          {yıldız, somun, merkez, ali, 0, gün, 100, {}}};
  const std::vector<TransferSatırı> transferler{{merkez, civata, şube, ali, gün, 100},
                                                {merkez, somun, şube, ali, gün, 100}};
  const std::function<void()> yazılar[] = {[&] { GirişleriYaz(*vt, girişler); }, [&] { ÇıkışlarıYaz(*vt, çıkışlar); },
                                           [&] { TransferleriYaz(*vt, transferler); }};
  const struct {
    const char* tablo;
    const char* anahtar;
    qint64 no;
    const char* ne;
    std::array<bool, 3> reddedilir;  // entry, exit, transfer
  } durumlar[] = {
      {"UrunBilgileriTablosu", "UrunNo", somun, "ÜRÜNLERDEN", {true, true, true}},
      {"DepoBilgileriTablosu", "DepoNo", şube, "DEPOLARDAN", {true, false, true}},
      {"SaticiFirmaBilgileriTablosu", "FirmaNo", yıldız, "FİRMALARDAN", {true, false, false}},
      {"AliciFirmaBilgileriTablosu", "FirmaNo", yıldız, "FİRMALARDAN", {false, true, false}},
  };
  for (const auto& d : durumlar) {
    // Deleted for this case only, then put back under its own number.
    const QString tablo = QString::fromUtf8(d.tablo), koşul = QStringLiteral(" WHERE %1 = ?").arg(d.anahtar);
    vt->Çalıştır(QStringLiteral("CREATE TEMP TABLE Yedek AS SELECT * FROM ") + tablo + koşul, {d.no});
    vt->Çalıştır(QStringLiteral("DELETE FROM ") + tablo + koşul, {d.no});
    for (int i = 0; i < 3; ++i) {
      if (!d.reddedilir[i]) continue;
      try {
        yazılar[i]();
        ADD_FAILURE() << d.ne << " " << i;
      } catch (const ListeYazılamaz& h) {
        EXPECT_TRUE(h.Mesaj().startsWith(QStringLiteral("Listedeki %1 biri").arg(QString::fromUtf8(d.ne)))) << i;
      }
    }
    vt->Çalıştır(QStringLiteral("INSERT INTO ") + tablo + QStringLiteral(" SELECT * FROM Yedek"));
    vt->Çalıştır(QStringLiteral("DROP TABLE Yedek"));
  }
  EXPECT_EQ(Sayı("GirisIslemleriTablosu"), 2);
  EXPECT_EQ(Sayı("CikisIslemleriTablosu"), 0);
}

// The disk hides whether an exit or a transfer list reached the file. Tried again, it is found
// there by its token and not written again; or, rolled back, it is written once. A different list
// tried meanwhile is refused once, with what became of the pending one.
TEST_F(StoktanVerileriTesti, SonucuBilinmeyenListeYenidenDeneninceBirKezYazılır) {
  const std::vector<ÇıkışSatırı> çıkışlar{{akın, civata, merkez, ali, 3, gün, 600, {}}};
  const std::vector<TransferSatırı> transferler{{merkez, civata, şube, ali, gün, 400}};
  const std::function<void()> yazılar[] = {[&] { ÇıkışlarıYaz(*vt, çıkışlar); },
                                           [&] { TransferleriYaz(*vt, transferler); }};
  std::vector<Veritabanı::Bildirim> bildirimler;
  Veritabanı::Bildir = [&](Veritabanı::Bildirim b) { bildirimler.push_back(b); };
  for (const bool yazılmış : {true, false}) {
    for (const auto& yaz : yazılar) {
      SCOPED_TRACE(testing::Message() << yazılmış << (&yaz - yazılar));
      const qint64 giriş = Sayı("GirisIslemleriTablosu"), çıkış = Sayı("CikisIslemleriTablosu");
      const qint64 eklenen = &yaz == &yazılar[1] ? 1 : 0;  // a transfer adds an entry too
      bildirimler.clear();
      {
        HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                        yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
        vt = Veritabanı::Aç(vt->Yol());
        try {
          yaz();
          ADD_FAILURE() << "sonuç söylendi";
        } catch (const VeritabanıHatası& h) {
          EXPECT_EQ(h.Numara(), VeritabanıHataNo::SonucuBilinmiyor);
        }
      }
      // Another work first: while the pending list is in the file it is refused, with that news.
      bool reddedildi = false;
      try {
        KişiEkle(*vt, yazılmış ? QStringLiteral("VELİ") : QStringLiteral("AYŞE"));
      } catch (const VeritabanıHatası& h) {
        reddedildi = true;
        EXPECT_EQ(h.Numara(), VeritabanıHataNo::ÖncekiİşinSonucu);
        EXPECT_TRUE(h.Açıklama().contains(QStringLiteral("kaydedilmiş.")));
      }
      EXPECT_EQ(reddedildi, yazılmış);
      EXPECT_EQ(Sayı("CikisIslemleriTablosu"), çıkış + yazılmış);
      yaz();
      EXPECT_EQ(Sayı("CikisIslemleriTablosu"), çıkış + 1);
      EXPECT_EQ(Sayı("GirisIslemleriTablosu"), giriş + eklenen);
      EXPECT_EQ(bildirimler.size(), yazılmış ? 1u : 0u);
      vt->Çalıştır(QStringLiteral("DELETE FROM CikisIslemleriTablosu"));
      vt->Çalıştır(QStringLiteral("DELETE FROM GirisIslemleriTablosu WHERE GirisNedeni = 99"));
    }
  }
}

}  // namespace

// A warehouse's stock, or its weight, past the largest figure kept exactly: the commit is refused
// with the add's message and writes nothing, also when each line alone is kept; at the limit it is written.
TEST_F(StoktanVerileriTesti, TamTutulamayacakStokYazılmaz) {
  Giriş(somun, şube, 3'999'999'999'996.0);  // 9.999.999.999.990,00 kg at 2,5
  const Miktar yarım = 500'000'000'000'000;
  struct Durum {
    const char* ad;
    std::function<void()> yaz;
    bool reddedilir;
  };
  const std::vector<Durum> durumlar{
      {"satırları toplamda sınırı aşan giriş",
       [&] { GirişleriYaz(*vt, {{akın, pul, merkez, ali, 1, gün, yarım}, {yıldız, pul, merkez, ali, 1, gün, yarım}}); },
       true},
      {"mevcutla ağırlığı aşan giriş", [&] { GirişleriYaz(*vt, {{akın, somun, şube, ali, 1, gün, 500}}); }, true},
      {"hedefin ağırlığını aşan transfer", [&] { TransferleriYaz(*vt, {{merkez, somun, şube, ali, gün, 500}}); }, true},
      {"sınırda kalan giriş",
       [&] {
         GirişleriYaz(*vt, {{akın, pul, merkez, ali, 1, gün, yarım}, {yıldız, pul, merkez, ali, 1, gün, yarım - 1}});
       },
       false},
  };
  for (const Durum& d : durumlar) {
    const qint64 girişler = Sayı("GirisIslemleriTablosu"), çıkışlar = Sayı("CikisIslemleriTablosu");
    try {
      d.yaz();
      EXPECT_FALSE(d.reddedilir) << d.ad;
    } catch (const ListeYazılamaz& h) {
      EXPECT_TRUE(d.reddedilir) << d.ad;
      EXPECT_EQ(h.Mesaj(), OrtakYordamlarModülü::BüyükMiktarMetni) << d.ad;
    }
    EXPECT_EQ(Sayı("GirisIslemleriTablosu"), girişler + (d.reddedilir ? 0 : 2)) << d.ad;
    EXPECT_EQ(Sayı("CikisIslemleriTablosu"), çıkışlar) << d.ad;
  }
  EXPECT_EQ(MevcutStok(*vt, pul, merkez), TürkçeMetin::EnBüyükMiktar);
  EXPECT_EQ(MevcutStok(*vt, somun, şube), 399'999'999'999'600);
}
