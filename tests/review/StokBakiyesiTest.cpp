// The stock balance kept in the file equals the movement rows after every kind of write,
// also one that fails half-way; a file made before it gets it, filled, when it is opened.

#include "HareketTestOrtami.h"
#include "OrtakYordamlarModulu.h"
#include "StokBakiyesi.h"
#include "TransferVerileri.h"

#include <QRandomGenerator>

#include <thread>

namespace {

using namespace HareketVerileri;
namespace Fiş = FişVerileri;

// The balance row of every pair as the movement rows give it, and as it is kept; equal when
// the query returns nothing.
const QString Beklenen = QStringLiteral(R"SQL(
SELECT UrunNo, DepoNo,
       Sum(y) AS MevcutYuzde, Sum(g) AS TumGirisSayisi,
       Sum(g * (n < 99)) AS GirisSayisi, Sum(g * (n < 99) * y) AS GirisYuzde,
       Sum(g * (n = 99)) AS TransferGirisSayisi, Sum(g * (n = 99) * y) AS TransferGirisYuzde,
       Sum((1 - g) * (n < 99)) AS CikisSayisi, -Sum((1 - g) * (n < 99) * y) AS CikisYuzde,
       Sum((1 - g) * (n = 99)) AS TransferCikisSayisi, -Sum((1 - g) * (n = 99) * y) AS TransferCikisYuzde,
       Min(d) AS IlkTarih, Max(d) AS SonTarih
FROM (SELECT UrunNo, DepoNo, 1 AS g, Coalesce(GirisNedeni, 1000) AS n, Coalesce(IslemTarihi, '') AS d,
             Coalesce(Round(GirisMiktari * 100), 0) AS y FROM GirisIslemleriTablosu
      UNION ALL
      SELECT UrunNo, DepoNo, 0, Coalesce(CikisNedeni, 1000), Coalesce(IslemTarihi, ''),
             -Coalesce(Round(CikisMiktari * 100), 0) FROM CikisIslemleriTablosu)
WHERE UrunNo IS NOT NULL AND DepoNo IS NOT NULL
GROUP BY UrunNo, DepoNo)SQL");
const QString Sütunlar = QStringLiteral(
    "UrunNo, DepoNo, MevcutYuzde, TumGirisSayisi, GirisSayisi, GirisYuzde, TransferGirisSayisi, "
    "TransferGirisYuzde, CikisSayisi, CikisYuzde, TransferCikisSayisi, TransferCikisYuzde, IlkTarih, SonTarih");

class StokBakiyesiTesti : public HareketTestOrtamı {
protected:
  // Pairs whose kept row differs from the rows, both ways; a pair left without rows keeps zeros.
  qint64 Farklar(Veritabanı& v) {
    const QString tutulan = QStringLiteral("SELECT %1 FROM StokBakiyeleriTablosu WHERE TumGirisSayisi + "
                                           "GirisSayisi + TransferGirisSayisi + CikisSayisi + TransferCikisSayisi "
                                           "+ MevcutYuzde + GirisYuzde + CikisYuzde > 0 OR IlkTarih IS NOT NULL")
                                .arg(Sütunlar);
    return v.KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM (SELECT * FROM (%1) EXCEPT %2 UNION ALL "
                                          "SELECT * FROM (%2 EXCEPT SELECT * FROM (%1)))")
                               .arg(Beklenen, tutulan))
        .Tamsayı("n");
  }

  // Every figure the readers give from the balance equals the one summed from the rows.
  void OkuyucularEşit(const char* ne) {
    SCOPED_TRACE(ne);
    EXPECT_EQ(Farklar(*vt), 0);
    const KayıtKümesi çiftler = vt->KayıtKümesiAç("SELECT UrunNo, DepoNo, Sum(y) AS Yuzde FROM (SELECT UrunNo, DepoNo, "
                                                  "Round(GirisMiktari * 100) AS y FROM GirisIslemleriTablosu UNION ALL "
                                                  "SELECT UrunNo, DepoNo, -Round(CikisMiktari * 100) FROM "
                                                  "CikisIslemleriTablosu) GROUP BY UrunNo, DepoNo");
    for (KayıtKümesi k = çiftler; !k.Sonda(); k.MoveNext())
      EXPECT_EQ(MevcutStok(*vt, k.Tamsayı("UrunNo"), k.Tamsayı("DepoNo")), k.Tamsayı("Yuzde"));
    // A period holding every movement reads the balance; 98.5 and 99.5 keep the same reasons
    // (all are whole numbers) but make the query sum the rows.
    const QDate ilk(2000, 1, 1), son(2100, 1, 1);
    for (const auto& [bakiye, satırlar] : {std::pair{99.0, 98.5}, std::pair{100.0, 99.5}})
      for (const auto& [d1, d2] : {std::pair{depolar.front(), depolar.back()}, std::pair{depolar[1], depolar[1]}})
        EXPECT_EQ(Satırlar(vt->SorguAç("MevcutStokSorgusu", {d1, d2, ilk, son, bakiye})),
                  Satırlar(vt->SorguAç("MevcutStokSorgusu", {d1, d2, ilk, son, satırlar})))
            << bakiye << " " << d1 << "-" << d2;
  }

  static QStringList Satırlar(KayıtKümesi k) {
    QStringList s;
    for (; !k.Sonda(); k.MoveNext()) {
      QStringList alanlar;
      for (const QString& a : k.Alanlar()) alanlar << k.Metin(a);
      s << alanlar.join(u'|');
    }
    return s;
  }

  std::vector<qint64> ürünler, depolar;
};

// Entries, exits, transfers, changes, deletes and returns at random, through the program's own
// data code and a few by plain SQL; after each, every pair is compared with the rows.
TEST_F(StokBakiyesiTesti, RastgeleYazmalardanSonraBakiyeSatırToplamınaEşittir) {
  for (int i = 0; i < 4; ++i) ürünler.push_back(Ürün(QStringLiteral("U%1").arg(i), QStringLiteral("ÜRÜN %1").arg(i)));
  for (int i = 0; i < 3; ++i) depolar.push_back(Depo(QStringLiteral("DEPO %1").arg(i)));
  // Weights on half hundredths, so that both ways round the on-hand weight alike.
  vt->Çalıştır("UPDATE UrunBilgileriTablosu SET BirimAgirligi = 0.15 + 0.2 * UrunNo");
  const qint64 satıcı = Satıcı("SATICI"), alıcı = Alıcı("ALICI"), kişi = Kişi("KİŞİ");
  QRandomGenerator r(20261207);
  const auto ürün = [&] { return ürünler[r.bounded(static_cast<int>(ürünler.size()))]; };
  const auto depo = [&] { return depolar[r.bounded(static_cast<int>(depolar.size()))]; };
  const auto tarih = [&] { return QDate(2026, 1, 1).addDays(r.bounded(300)); };
  const auto miktar = [&] { return Miktar(1 + r.bounded(5000)); };
  // A movement of the review list, at random.
  const auto görülen = [&](Tür tür) -> std::optional<GörülenHareket> {
    const auto liste = ÜrünHareketleri(*vt, ürün(), tür);
    if (liste.empty()) return std::nullopt;
    const ÜrünHareketi& h = liste[r.bounded(static_cast<int>(liste.size()))];
    return GörülenHareket{tür, h.islemNo, h.tarih, h.miktar, h.neden, h.girişİşlemNo};
  };
  // A movement row at random, for plain SQL: its table's prefix and number.
  const auto satır = [&]() -> std::optional<std::pair<QString, qint64>> {
    KayıtKümesi k = vt->KayıtKümesiAç(
        "SELECT 'Giris' AS t, IslemNo FROM GirisIslemleriTablosu UNION ALL "
        "SELECT 'Cikis', IslemNo FROM CikisIslemleriTablosu");
    if (k.Boş()) return std::nullopt;
    for (int i = r.bounded(k.KayıtSayısı()); i > 0; --i) k.MoveNext();
    return std::pair{k.Metin("t"), k.Tamsayı("IslemNo")};
  };
  const auto sql = [&](const QString& metin, const QVariantList& değerler) {
    if (const auto s = satır()) vt->Çalıştır(metin.arg(s->first), değerler + QVariantList{s->second});
  };

  const std::vector<std::pair<const char*, std::function<void()>>> işlemler{
      {"giriş fişi",
       [&] {
         std::vector<Fiş::GirişSatırı> s;
         for (int i = 1 + r.bounded(4); i > 0; --i) s.push_back({satıcı, ürün(), depo(), kişi, 1, tarih(), miktar()});
         Fiş::GirişleriYaz(*vt, s);
       }},
      {"çıkış fişi",
       [&] {
         try {
           Fiş::ÇıkışlarıYaz(*vt, {{alıcı, ürün(), depo(), kişi, r.bounded(7), tarih(), miktar() / 4, std::nullopt}});
         } catch (const Fiş::StokYetersiz&) {
         }
       }},
      {"transfer",
       [&] {
         const qint64 a = depo(), b = a == depolar[0] ? depolar[1] : depolar[0];
         try {
           Fiş::TransferleriYaz(*vt, {{a, ürün(), b, kişi, tarih(), miktar() / 4}});
         } catch (const Fiş::StokYetersiz&) {
         }
       }},
      {"giriş değişikliği",
       [&] {
         if (auto h = görülen(Tür::Giriş)) GirişiDeğiştir(*vt, *h, tarih(), miktar());
       }},
      {"çıkış değişikliği",
       [&] {
         if (auto h = görülen(Tür::Çıkış)) ÇıkışıDeğiştir(*vt, *h, tarih(), miktar() / 8, r.bounded(7));
       }},
      {"silme",
       [&] {
         if (auto h = görülen(r.bounded(2) ? Tür::Giriş : Tür::Çıkış)) HareketiSil(*vt, *h);
       }},
      {"iade",
       [&] {
         if (auto h = görülen(Tür::Çıkış); h && h->miktar > 0)
           StoğaİadeEt(*vt, *h, tarih(), r.bounded(2) ? h->miktar : 1 + r.bounded(h->miktar));
       }},
      {"SQL ile ürün ve depo değişikliği",
       [&] { sql("UPDATE %1IslemleriTablosu SET UrunNo = ?, DepoNo = ? WHERE IslemNo = ?", {ürün(), depo()}); }},
      {"SQL ile neden ve tarih değişikliği",
       [&] {
         const QVariant nedenler[] = {99, QVariant(), 1};
         sql("UPDATE %1IslemleriTablosu SET %1Nedeni = ?, IslemTarihi = ? WHERE IslemNo = ?",
             {nedenler[r.bounded(3)], r.bounded(2) ? QVariant() : QVariant(tarih())});
       }},
      {"SQL ile silme", [&] { sql("DELETE FROM %1IslemleriTablosu WHERE IslemNo = ?", {}); }},
  };
  for (int adım = 0; adım < 200; ++adım) {
    const auto& [ad, yap] = işlemler[r.bounded(static_cast<int>(işlemler.size()))];
    SCOPED_TRACE(testing::Message() << adım << ": " << ad);
    if (QString::fromUtf8(ad) == QStringLiteral("SQL ile silme")) {
      const KayıtKümesi k = vt->KayıtKümesiAç("SELECT Max(IslemNo) AS n FROM GirisIslemleriTablosu");
      vt->Çalıştır("DELETE FROM GirisIslemleriTablosu WHERE IslemNo = ?", {k.Tamsayı("n")});
    } else {
      yap();
    }
    ASSERT_EQ(Farklar(*vt), 0);
  }
  EXPECT_GT(Say("FROM StokBakiyeleriTablosu"), 6);
  OkuyucularEşit("rastgele yazmalardan sonra");
  // Without rows lacking a date, the period of every movement is read from the balance.
  for (const char* tablo : {"GirisIslemleriTablosu", "CikisIslemleriTablosu"})
    vt->Çalıştır(QStringLiteral("UPDATE %1 SET IslemTarihi = '2026-06-01' WHERE IslemTarihi IS NULL").arg(tablo));
  OkuyucularEşit("tarihsiz satır kalmayınca");
}

// A transfer list whose second exit fails rolls back with its first pair: nothing of it is kept.
TEST_F(StokBakiyesiTesti, YarıdaKalanYazmaGeriAlınırBakiyeDeğişmez) {
  ürünler = {Ürün("U", "ÜRÜN")};
  depolar = {Depo("A"), Depo("B")};
  Giriş(ürünler[0], depolar[0], 100);
  const KayıtKümesi önce = vt->KayıtKümesiAç("SELECT * FROM StokBakiyeleriTablosu ORDER BY DepoNo");
  vt->Çalıştır("CREATE TRIGGER IkinciCikisBozuk BEFORE INSERT ON CikisIslemleriTablosu "
               "WHEN (SELECT Count(*) FROM CikisIslemleriTablosu) >= 1 BEGIN SELECT RAISE(ABORT, 'disk I/O'); END");
  EXPECT_THROW(Fiş::TransferleriYaz(*vt, {{depolar[0], ürünler[0], depolar[1], 0, {2026, 2, 1}, 1000},
                                          {depolar[0], ürünler[0], depolar[1], 0, {2026, 2, 2}, 2000}}),
               VeritabanıHatası);
  EXPECT_EQ(Satırlar(vt->KayıtKümesiAç("SELECT * FROM StokBakiyeleriTablosu ORDER BY DepoNo")), Satırlar(önce));
  EXPECT_EQ(MevcutStok(*vt, ürünler[0], depolar[1]), 0);
  OkuyucularEşit("geri alınan transferden sonra");
}

// A file made before the balance (its table, triggers and readers as they were) gets it,
// filled from its rows, when it is opened; two workstations opening it at once build it once.
TEST_F(StokBakiyesiTesti, EskiDosyaAçılıncaBakiyesiKurulurİkiİstasyondaBir) {
  ürünler = {Ürün("U1", "ÜRÜN 1"), Ürün("U2", "ÜRÜN 2")};
  depolar = {Depo("A"), Depo("B"), Depo("C")};
  Giriş(ürünler[0], depolar[0], 12.5, {2026, 1, 3});
  Giriş(ürünler[1], depolar[1], 7, {2026, 1, 4});
  Çıkış(ürünler[0], depolar[0], 2.25, {2026, 2, 1}, 0, 0, 3);
  Transfer(ürünler[0], depolar[0], depolar[2], 4);
  vt->Çalıştır("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, 10)",
               {ürünler[0], depolar[0]});
  // What the file held before: no balance, the view and queries summing the rows.
  for (const char* const* t = StokBakiyesi::Tetikleyiciler(); *t; ++t)
    vt->Çalıştır(QStringLiteral("DROP TRIGGER %1").arg(QLatin1String(*t)));
  vt->Çalıştır("DROP TABLE StokBakiyeleriTablosu");
  vt->Çalıştır("DROP VIEW KritikStokSorgusu");
  vt->Çalıştır("CREATE VIEW KritikStokSorgusu AS SELECT 'eski' AS DepoAdi, 0 AS KritikStokBilgisi");
  vt->Çalıştır("UPDATE KayitliSorgular SET Metin = 'SELECT 0 AS ToplamAgirlikBilgisi' "
               "WHERE Ad = 'ToplamAgirlikBulSorgusu'");
  // Rows written meanwhile by a workstation of the old program.
  Giriş(ürünler[1], depolar[0], 3, {2026, 3, 1});
  const QString yol = vt->Yol();
  vt.reset();

  std::vector<std::unique_ptr<Veritabanı>> istasyonlar(2);
  std::vector<std::thread> iş;
  for (auto& i : istasyonlar) iş.emplace_back([&i, &yol] { i = Veritabanı::Aç(yol); });
  for (auto& t : iş) t.join();
  vt = std::move(istasyonlar[0]);
  ASSERT_TRUE(vt && istasyonlar[1]);
  EXPECT_EQ(Say("FROM sqlite_master WHERE name = 'StokBakiyeleriTablosu'"), 1);
  EXPECT_EQ(Say("FROM StokBakiyeleriTablosu"), 4);
  EXPECT_FALSE(StokBakiyesi::Ekle(*vt));
  OkuyucularEşit("açılışta kurulan bakiye");
  EXPECT_EQ(MevcutStok(*vt, ürünler[0], depolar[0]), 1250 - 225 - 400);
  EXPECT_EQ(vt->KayıtKümesiAç("SELECT MevcutMiktari FROM KritikStokSorgusu").Miktar("MevcutMiktari"), 625);

  // The other workstation's writes keep it, as this one's do.
  Giriş(ürünler[0], depolar[1], 1);
  istasyonlar[1]->Çalıştır("DELETE FROM GirisIslemleriTablosu WHERE DepoNo = ?", {depolar[2]});
  OkuyucularEşit("iki istasyonun yazmasından sonra");
}

}  // namespace

namespace {

// A file that has the balance but an older text of a saved query the program brings gets the
// program's text when opened; the balance itself is not rebuilt.
TEST_F(StokBakiyesiTesti, EskiKayıtlıSorguMetniAçılıştaYenilenir) {
  const auto metin = [&] {
    return vt->KayıtKümesiAç("SELECT Metin FROM KayitliSorgular WHERE Ad = 'CikisNedeniSorgusu'").Metin("Metin");
  };
  const QString yeni = metin();
  vt->Çalıştır("UPDATE KayitliSorgular SET Metin = 'SELECT 1 AS UrunKodu' WHERE Ad = 'CikisNedeniSorgusu'");
  const QString yol = vt->Yol();
  vt.reset();
  vt = Veritabanı::Aç(yol);
  EXPECT_EQ(metin(), yeni);
  EXPECT_FALSE(StokBakiyesi::Ekle(*vt));

  // An older program on another workstation writes its text back: this connection still reads
  // the columns of its own, while the file's row is what makes the query exist.
  const qint64 u = Ürün("U1", "ÜRÜN 1"), d = Depo("A");
  vt->Çalıştır("UPDATE UrunBilgileriTablosu SET BirimAgirligi = 0.15 WHERE UrunNo = ?", {u});
  Giriş(u, d, 119.5);
  vt->Çalıştır("UPDATE KayitliSorgular SET Metin = 'SELECT 1 AS UrunKodu' WHERE Ad = 'MevcutStokSorgusu'");
  EXPECT_EQ(vt->SorguAç("MevcutStokSorgusu", {d, d, QDate(2000, 1, 1), QDate(2100, 1, 1), 99}).Miktar("MevcutAgirlik"),
            1793);
  vt->Çalıştır("DELETE FROM KayitliSorgular WHERE Ad = 'MevcutStokSorgusu'");
  EXPECT_THROW(vt->SorguAç("MevcutStokSorgusu", {d, d, QDate(2000, 1, 1), QDate(2100, 1, 1), 99}), VeritabanıHatası);
}

}  // namespace
