// The exit and transfer commits on a real file, without widgets.
#include "FisTestOrtami.h"
#include "HataliDisk.h"
#include "Ayarlar.h"
#include "KosuDosyalari.h"
#include "CocukSureci.h"
#include "TransferVerileri.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <unistd.h>

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

// The disk hides whether an exit or a transfer list reached the file, in a file that has no token
// table yet. Saved again with its token and a line added since, the earlier rows are in the file
// once and the added line once. Settled first by another work (a new person; another workstation
// with a copy of the settings writing), it is told once, and a new list of the same values is a
// new voucher. Other workstations' writes never touch the token, whatever their clocks say: the
// other workstation's runs 100 days ahead, this one's 100 days behind. A second connection of this
// program that settles it first leaves its answer to the holder.
TEST_F(StoktanVerileriTesti, SonucuBilinmeyenListeYalnızKendiİziyleÇözülür) {
  const auto çıkış = [&](Miktar m) { return ÇıkışSatırı{akın, civata, merkez, ali, 3, gün, m, {}}; };
  const auto transfer = [&](Miktar m) { return TransferSatırı{merkez, civata, şube, ali, gün, m}; };
  // Writes a line of 100 for each flag (true: it went with the earlier try), then one of `ek`.
  using Yazıcı = std::function<void(std::vector<bool>, Miktar, İşlemİzleri::Bekleyenİz*)>;
  const Yazıcı yazılar[] = {
      [&](std::vector<bool> ö, Miktar ek, İşlemİzleri::Bekleyenİz* b) {
        std::vector<ÇıkışSatırı> s(ö.size(), çıkış(100));
        if (ek) s.push_back(çıkış(ek)), ö.push_back(false);
        ÇıkışlarıYaz(*vt, s, {b, ö});
      },
      [&](std::vector<bool> ö, Miktar ek, İşlemİzleri::Bekleyenİz* b) {
        std::vector<TransferSatırı> s(ö.size(), transfer(100));
        if (ek) s.push_back(transfer(ek)), ö.push_back(false);
        TransferleriYaz(*vt, s, {b, ö});
      }};
  const auto çıkışlar = [&](Miktar m) {
    return vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM CikisIslemleriTablosu WHERE CikisMiktari = ?"),
                             {TürkçeMetin::MiktarDeğeri(m)})
        .Tamsayı("n");
  };
  struct Söylenen {
    QString ad;
    std::optional<bool> yazılmış;
    bool kendi;
  };
  std::vector<Söylenen> söylenen;
  İşlemİzleri::Söyle = [&](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> y, bool kendi) {
    söylenen.push_back({iş.ad, y, kendi});
  };
  İşlemİzleri::KoşuDosyasındaTut = true;
  enum Önce { Hiçbiri, YeniKişi, Başkası, İkinciBağlantı } const öncekiler[] = {Hiçbiri, YeniKişi, Başkası,
                                                                                İkinciBağlantı};
  const auto saat = [](int gün) { return [gün] { return QDateTime::currentDateTime().addDays(gün); }; };
  for (const bool yazılmış : {true, false}) {
    for (const auto& yaz : yazılar) {
      for (const Önce önce : öncekiler) {
        SCOPED_TRACE(testing::Message() << yazılmış << (&yaz - yazılar) << önce);
        vt->Çalıştır(QStringLiteral("DROP TABLE IF EXISTS OnayIzleri"));
        İşlemİzleri::Bekleyenİz bekleyen;
        söylenen.clear();
        {
          HatalıDisk disk(yazılmış ? HatalıDisk::SilinipHataVeren : HatalıDisk::GünlükSilme, EIO, 1, {},
                          yazılmış ? HatalıDisk::BaşlıkOkunamaz : HatalıDisk::DurumOkunamaz);
          vt = Veritabanı::Aç(vt->Yol());
          İşlemİzleri::Saat = saat(-100);
          try {
            yaz({false}, 0, &bekleyen);
            ADD_FAILURE() << "sonuç söylendi";
          } catch (const VeritabanıHatası& h) {
            EXPECT_EQ(h.Numara(), VeritabanıHataNo::SonucuBilinmiyor);
          }
        }
        ASSERT_TRUE(bekleyen.Var());
        if (önce == Başkası) {
          // Another workstation whose settings folder is a copy of this one's, the works kept there
          // too, writes an exit of its own.
          const QString kopya = GeçiciYol(QStringLiteral("kopya-ayarlar"));
          const QString kaynak = KoşuDosyaları::Klasör();
          const QString hedef = kopya + u'/' + QFileInfo(Ayarlar::DosyaYolu()).dir().dirName() + u'/' +
                                QFileInfo(kaynak).fileName();
          QDir(hedef).removeRecursively();
          QDir().mkpath(hedef);
          // The copies name that workstation's run, of another machine.
          for (const QString& ad : QDir(kaynak).entryList(QDir::Files))
            ASSERT_TRUE(QFile::copy(kaynak + u'/' + ad, hedef + QStringLiteral("/baska") + ad.mid(ad.indexOf(u'_'))));
          const QByteArray onun = Çocukta([&]() -> QByteArray {
            Ayarlar::KlasöreYönlendir(kopya);
            İşlemİzleri::Saat = saat(100);
            İşlemİzleri::HepsiniUnut();
            söylenen.clear();
            // Seen at its connection, the run's file has not changed a period later: that run has ended.
            KoşuDosyaları::Dönem = std::chrono::milliseconds(1);
            KoşuDosyaları::BayatDönemi = 1;
            auto başka = Veritabanı::Aç(vt->Yol());
            usleep(5000);
            İşlemİzleri::Yokla(*başka);
            ÇıkışlarıYaz(*başka, {çıkış(7)});
            return QByteArray::number(static_cast<int>(söylenen.size())) +
                   (söylenen.size() == 1 && söylenen[0].yazılmış == yazılmış ? "+" : "-");
          });
          EXPECT_EQ(onun, "1+");  // it too is told the truth, once
          EXPECT_EQ(çıkışlar(7), 1);
          EXPECT_TRUE(bekleyen.Var());
        }
        if (önce == İkinciBağlantı) {
          // It settles the work at its connection; the holder has not heard yet.
          auto ikinci = Veritabanı::Aç(vt->Yol());
          EXPECT_TRUE(bekleyen.Var());
        }
        if (önce == YeniKişi) {
          KişiEkle(*vt, QStringLiteral("VELİ"));  // any other write settles it and tells
          ASSERT_EQ(söylenen.size(), 1u);
          EXPECT_EQ(söylenen[0].yazılmış, yazılmış);
          EXPECT_FALSE(söylenen[0].kendi);
          EXPECT_FALSE(bekleyen.Var());
          // What the user enters now is a new voucher, whatever its values.
          yaz({false}, 0, nullptr);
          EXPECT_EQ(çıkışlar(100), yazılmış + 1);
        } else {
          // Saved again with a line added: the earlier line once in all, the added one once.
          yaz({true}, 5, &bekleyen);
          EXPECT_EQ(çıkışlar(100), 1);
          EXPECT_EQ(çıkışlar(5), 1);
          EXPECT_FALSE(bekleyen.Var());
          ASSERT_EQ(söylenen.size(), 1u);
          EXPECT_TRUE(söylenen[0].kendi);
          EXPECT_EQ(söylenen[0].yazılmış, yazılmış);
          // Tried once more, nothing is pending: a new voucher.
          yaz({true}, 0, &bekleyen);
          EXPECT_EQ(çıkışlar(100), 2);
        }
        EXPECT_EQ(Kalıcıİşler(), 0);
        vt->Çalıştır(QStringLiteral("DELETE FROM CikisIslemleriTablosu"));
        vt->Çalıştır(QStringLiteral("DELETE FROM GirisIslemleriTablosu WHERE GirisNedeni = 99"));
      }
    }
  }
  // Only the tokens of this run's last commits are left, the settled ones removed with later writes.
  EXPECT_LE(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM OnayIzleri")).Tamsayı("n"), 2);
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
