#include "CocukSureci.h"
#include "TestOrtami.h"
#include "TurkceMetin.h"
#include "VeritabaniOlusturucu.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <sqlite3.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <future>
#include <map>
#include <optional>
#include <thread>

namespace {

using VeritabanıTesti = TestOrtamı;

qint64 Ürün(Veritabanı& vt, const QString& kod, const QString& ad, double ağırlık = 1) {
  vt.Çalıştır(QStringLiteral("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)"),
              {kod, ad, ağırlık});
  return vt.SonEklenenNo();
}

qint64 Depo(Veritabanı& vt, const QString& ad) {
  vt.Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoKodu, DepoAdi) VALUES (?, ?)"), {ad.left(3), ad});
  return vt.SonEklenenNo();
}

qint64 Giriş(Veritabanı& vt, qint64 ürün, qint64 depo, double miktar, int neden = 1, qint64 firma = 1,
             QDate tarih = QDate(2026, 3, 5)) {
  vt.Çalıştır(QStringLiteral("INSERT INTO GirisIslemleriTablosu (UrunNo, DepoNo, SaticiFirmaNo, GirisiYapan, "
                             "GirisNedeni, IslemTarihi, GirisMiktari) VALUES (?, ?, ?, 1, ?, ?, ?)"),
              {ürün, depo, firma, neden, tarih, miktar});
  return vt.SonEklenenNo();
}

void Çıkış(Veritabanı& vt, qint64 ürün, qint64 depo, double miktar, int neden = 0, qint64 firma = 1,
           QVariant girişNo = {}, QDate tarih = QDate(2026, 3, 6)) {
  vt.Çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisiYapan, "
                             "CikisNedeni, IslemTarihi, CikisMiktari, GirisIslemNo) VALUES (?, ?, ?, 1, ?, ?, ?, ?)"),
              {ürün, depo, firma, neden, tarih, miktar, girişNo});
}

qint64 Stok(Veritabanı& vt, qint64 ürün, qint64 depo) {
  auto g = vt.KayıtKümesiAç(QStringLiteral("SELECT Sum(GirisMiktari) AS GirisToplami FROM GirisIslemleriTablosu "
                                           "WHERE UrunNo = ? AND DepoNo = ?"),
                            {ürün, depo});
  auto c = vt.KayıtKümesiAç(QStringLiteral("SELECT Sum(CikisMiktari) AS CikisToplami FROM CikisIslemleriTablosu "
                                           "WHERE UrunNo = ? AND DepoNo = ?"),
                            {ürün, depo});
  return g.Miktar("GirisToplami") - c.Miktar("CikisToplami");
}

template <class İş>
std::pair<int, QString> HataSonucu(İş iş) {
  try {
    iş();
  } catch (const VeritabanıHatası& h) {
    return {h.Numara(), h.Açıklama()};
  }
  return {0, {}};
}

std::pair<int, QString> AçılışSonucu(const QString& yol) {
  return HataSonucu([&] { Veritabanı::Aç(yol); });
}

int AçmaHatası(const QString& yol) { return AçılışSonucu(yol).first; }

// Opens as an ordinary user: root may write to any folder, whatever its mode.
std::pair<int, QString> KullanıcıOlarakAç(const QString& yol) {
  const QByteArray çıktı = Çocukta([&]() -> QByteArray {
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)) return {};
    const auto [numara, metin] = AçılışSonucu(yol);
    return QByteArray::number(numara) + ' ' + metin.toUtf8();
  });
  return {çıktı.left(çıktı.indexOf(' ')).toInt(), QString::fromUtf8(çıktı.mid(çıktı.indexOf(' ') + 1))};
}

// A copy of `kaynak` in folders of 200-letter names below `kök`, deeper than `uzunluk`
// bytes; made from inside, as past PATH_MAX no full path works.
QString DerinKopya(const QString& kök, int uzunluk, const QString& kaynak) {
  QFile k(kaynak);
  k.open(QIODevice::ReadOnly);
  const QString önce = QDir::currentPath();
  QDir::setCurrent(kök);
  QString yol = kök;
  for (const QString ad(200, u'k'); yol.size() <= uzunluk; yol += u'/' + ad) {
    QDir().mkdir(ad);
    QDir::setCurrent(ad);
  }
  QFile kopya(QStringLiteral("Vlm.vtb"));
  kopya.open(QIODevice::WriteOnly);
  kopya.write(k.readAll());
  kopya.close();
  QDir::setCurrent(önce);
  return yol + QStringLiteral("/Vlm.vtb");
}

TEST_F(VeritabanıTesti, AçılışHatalarıNumaralarıylaBildirilir) {
  // A missing file is reported and nothing is created in its place.
  const QString yok = GeçiciYol(QStringLiteral("bos/Vlm.vtb"));
  QDir().mkpath(GeçiciYol(QStringLiteral("bos")));
  EXPECT_EQ(AçmaHatası(yok), 3024);
  EXPECT_FALSE(QFileInfo::exists(yok));

  EXPECT_EQ(AçmaHatası(GeçiciYol(QStringLiteral("olmayan-klasor/Vlm.vtb"))), 3044);
  EXPECT_EQ(AçmaHatası(QString()), 3055);

  // A file that is not a database.
  const QString bozuk = GeçiciYol(QStringLiteral("bozuk.vtb"));
  QFile f(bozuk);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(QByteArray(4096, 'x'));
  f.close();
  EXPECT_EQ(AçmaHatası(bozuk), 3051);

  // An SQLite file of some other program is not ours either.
  const QString başka = GeçiciYol(QStringLiteral("baska.vtb"));
  sqlite3* db = nullptr;
  sqlite3_open(QFile::encodeName(başka).constData(), &db);
  sqlite3_exec(db, "CREATE TABLE t (a)", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  EXPECT_EQ(AçmaHatası(başka), 3051);
}

TEST_F(VeritabanıTesti, AçılıştaİleridePatlayacakDosyaReddedilir) {
  const QString kaynak = vt->Yol();
  const auto kopya = [&](const QString& klasör) {
    QDir().mkpath(GeçiciYol(klasör));
    const QString yol = GeçiciYol(klasör + QStringLiteral("/Vlm.vtb"));
    QFile::copy(kaynak, yol);
    return yol;
  };
  const qint64 boyut = QFileInfo(kaynak).size();
  ASSERT_GT(boyut, 3 * 4096);

  // Copies cut short: part of the last page, a whole page, half the file.
  for (const qint64 kesilen : {qint64{100}, qint64{4096}, boyut / 2}) {
    const QString yol = kopya(QStringLiteral("kesik%1").arg(kesilen));
    ASSERT_TRUE(QFile::resize(yol, boyut - kesilen));
    const auto [numara, metin] = AçılışSonucu(yol);
    EXPECT_EQ(numara, 3051) << kesilen;
    EXPECT_TRUE(metin.contains(QStringLiteral("bozuk"))) << metin.toStdString();
  }

  // Paths the engine cannot name: longer than it holds, and longer than PATH_MAX.
  for (const int uzunluk : {600, 4100}) {
    const QString kök = GeçiciYol(QStringLiteral("derin%1").arg(uzunluk));
    QDir().mkpath(kök);
    const auto [numara, metin] = AçılışSonucu(DerinKopya(kök, uzunluk, kaynak));
    EXPECT_EQ(numara, 3055) << uzunluk;
    EXPECT_TRUE(metin.contains(QStringLiteral("yol çok uzun"))) << metin.toStdString();
    QProcess::execute(QStringLiteral("rm"), {QStringLiteral("-rf"), kök});  // also past PATH_MAX
  }

  // The file may be written but its folder not: the journal could not be created.
  const QString salt = kopya(QStringLiteral("salt"));
  QFile::setPermissions(salt, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
  ::chmod(QFile::encodeName(GeçiciYol(QStringLiteral("salt"))).constData(), 0555);
  ::chmod(QFile::encodeName(GeçiciYol(QStringLiteral("."))).constData(), 0755);
  const auto [numara, metin] = KullanıcıOlarakAç(salt);
  ::chmod(QFile::encodeName(GeçiciYol(QStringLiteral("salt"))).constData(), 0755);
  EXPECT_EQ(numara, 3051);
  EXPECT_TRUE(metin.contains(QStringLiteral("yazma izni yok"))) << metin.toStdString();
  // A sound copy still opens.
  EXPECT_EQ(AçmaHatası(kopya(QStringLiteral("saglam"))), 0);
}

TEST_F(VeritabanıTesti, YanlışParolaReddedilir) {
  const QString yol = QDir(SunucuKlasörü()).filePath(QStringLiteral("Vlm.vtb"));
  vt->Çalıştır(QStringLiteral("UPDATE VeritabaniGuvenligi SET Ozet = ?"),
               {Veritabanı::ParolaÖzeti("tuz", QStringLiteral("baska1"))});
  EXPECT_EQ(AçmaHatası(yol), 3031);
}

TEST_F(VeritabanıTesti, OluşturucuVarOlanDosyanınÜzerineYazmaz) {
  vt->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES ('A')"));
  try {
    VeritabanıOluşturucu::Oluştur(SunucuKlasörü());
    FAIL() << "var olan dosyanın üzerine yazıldı";
  } catch (const VeritabanıHatası&) {
  }
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n"), 1);
  EXPECT_THROW(VeritabanıOluşturucu::Oluştur(GeçiciYol(QStringLiteral("yok/yok"))), VeritabanıHatası);
}

TEST_F(VeritabanıTesti, StokGirişEksiÇıkışVeBoşToplamSıfır) {
  const qint64 u = Ürün(*vt, "A", "ELMA"), d = Depo(*vt, "MERKEZ"), d2 = Depo(*vt, "ŞUBE");
  EXPECT_EQ(Stok(*vt, u, d), 0);
  Giriş(*vt, u, d, 10.25);
  Giriş(*vt, u, d, 4.75);
  Çıkış(*vt, u, d, 3.5);
  Giriş(*vt, u, d2, 99);
  EXPECT_EQ(Stok(*vt, u, d), 1150);
  // Hundredths that do not add up exactly as doubles still reach zero.
  const qint64 u2 = Ürün(*vt, "B", "ARMUT");
  Giriş(*vt, u2, d, 0.10);
  Giriş(*vt, u2, d, 0.20);
  Çıkış(*vt, u2, d, 0.30);
  EXPECT_EQ(Stok(*vt, u2, d), 0);
}

TEST_F(VeritabanıTesti, MevcutStokSorgusuTransferleriBeşinciParametreyleAyırır) {
  const qint64 u = Ürün(*vt, "A", "ELMA", 2.5), d1 = Depo(*vt, "MERKEZ"), d2 = Depo(*vt, "ŞUBE");
  Giriş(*vt, u, d1, 100);
  Çıkış(*vt, u, d1, 10);
  const qint64 g = Giriş(*vt, u, d2, 30, 99, d1);
  Çıkış(*vt, u, d1, 30, 99, d2, g);
  Giriş(*vt, u, d1, 500, 1, 1, QDate(2025, 1, 1));  // outside the period

  const QDate ilk(2026, 1, 1), son(2026, 12, 31);
  auto tümü = vt->SorguAç(QStringLiteral("MevcutStokSorgusu"), {d1, d2, ilk, son, 99});
  ASSERT_EQ(tümü.KayıtSayısı(), 1);
  EXPECT_EQ(tümü.Miktar("GirenToplamMiktar"), 10000);
  EXPECT_EQ(tümü.Miktar("CikanToplamMiktar"), 1000);
  EXPECT_EQ(tümü.Miktar("GirenToplamAgirlik"), 25000);
  EXPECT_EQ(tümü.Metin("UrunKodu"), "A");

  auto merkez = vt->SorguAç(QStringLiteral("MevcutStokSorgusu"), {d1, d1, ilk, son, 100});
  EXPECT_EQ(merkez.Miktar("GirenToplamMiktar"), 10000);
  EXPECT_EQ(merkez.Miktar("CikanToplamMiktar"), 4000);
  auto şube = vt->SorguAç(QStringLiteral("MevcutStokSorgusu"), {d2, d2, ilk, son, 100});
  EXPECT_EQ(şube.Miktar("GirenToplamMiktar"), 3000);
  EXPECT_EQ(şube.Miktar("CikanToplamMiktar"), 0);

  auto boş = vt->SorguAç(QStringLiteral("MevcutStokSorgusu"), {d1, d2, QDate(2027, 1, 1), QDate(2027, 2, 1), 99});
  EXPECT_TRUE(boş.Sonda());
}

TEST_F(VeritabanıTesti, KritikStokSınırdaListelenirÜstündeListelenmez) {
  const qint64 u1 = Ürün(*vt, "A", "ELMA"), u2 = Ürün(*vt, "B", "ARMUT"), u3 = Ürün(*vt, "C", "SİLİNECEK");
  const qint64 d = Depo(*vt, "MERKEZ");
  Giriş(*vt, u1, d, 10.10);
  Giriş(*vt, u1, d, 0.20);
  Çıkış(*vt, u1, d, 0.30);  // 10,00 left
  Giriş(*vt, u2, d, 10.01);
  const QString kritik =
      QStringLiteral("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) VALUES (?, ?, ?)");
  vt->Çalıştır(kritik, {u1, d, 10.0});
  vt->Çalıştır(kritik, {u2, d, 10.0});
  vt->Çalıştır(kritik, {u3, d, 5.0});
  vt->Çalıştır(QStringLiteral("DELETE FROM UrunBilgileriTablosu WHERE UrunNo = ?"), {u3});

  auto liste = vt->KayıtKümesiAç(QStringLiteral("SELECT * FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0"));
  ASSERT_EQ(liste.KayıtSayısı(), 1);
  EXPECT_EQ(liste.Metin("UrunKodu"), "A");
  EXPECT_EQ(liste.Metin("DepoAdi"), "MERKEZ");
  EXPECT_EQ(liste.Miktar("MevcutMiktari"), 1000);
  EXPECT_EQ(liste.Miktar("KritikStokMiktari"), 1000);
  auto sayı = vt->KayıtKümesiAç(QStringLiteral(
      "SELECT Count (DepoAdi) As KritikStokSayisi FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0"));
  EXPECT_EQ(sayı.Tamsayı("KritikStokSayisi"), 1);
  // A second level for the same product and warehouse is refused by the file.
  EXPECT_THROW(vt->Çalıştır(kritik, {u1, d, 3.0}), VeritabanıHatası);
}

TEST_F(VeritabanıTesti, AğırlıkSorguları) {
  const qint64 u1 = Ürün(*vt, "A", "ELMA", 2), u2 = Ürün(*vt, "B", "ARMUT", 0.5);
  const qint64 d = Depo(*vt, "MERKEZ"), d2 = Depo(*vt, "ŞUBE");
  Giriş(*vt, u1, d, 10);
  Çıkış(*vt, u1, d, 4);
  Giriş(*vt, u2, d, 3);
  Giriş(*vt, u2, d2, 100);
  EXPECT_DOUBLE_EQ(vt->SorguAç(QStringLiteral("ToplamAgirlikBulSorgusu"), {d}).Ondalık("ToplamAgirlikBilgisi"), 13.5);
  vt->Çalıştır(QStringLiteral("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo, KritikStokMiktari) "
                              "VALUES (?, ?, 5), (?, ?, 2)"),
               {u1, d, u2, d});
  EXPECT_DOUBLE_EQ(
      vt->SorguAç(QStringLiteral("ToplamKritikStokAgirligiBulSorgusu"), {d}).Ondalık("ToplamAgirlikBilgisi"), 11);
  EXPECT_DOUBLE_EQ(
      vt->SorguAç(QStringLiteral("ToplamKritikStokAgirligiBulSorgusu"), {d2}).Ondalık("ToplamAgirlikBilgisi"), 0);
}

TEST_F(VeritabanıTesti, ÇıkışNedeniSorgusuNedenAralığınıVeDönemiUygular) {
  const qint64 u = Ürün(*vt, "A", "ELMA", 2), d = Depo(*vt, "MERKEZ");
  vt->Çalıştır(QStringLiteral("INSERT INTO AliciFirmaBilgileriTablosu (FirmaAdi) VALUES ('DOĞAN')"));
  const qint64 f = vt->SonEklenenNo();
  Çıkış(*vt, u, d, 3, 0, f);
  Çıkış(*vt, u, d, 2, 0, f);
  Çıkış(*vt, u, d, 7, 3, f);
  Çıkış(*vt, u, d, 9, 99, d);
  auto satış = vt->SorguAç(QStringLiteral("CikisNedeniSorgusu"), {0, 0, QDate(2026, 1, 1), QDate(2026, 12, 31)});
  ASSERT_EQ(satış.KayıtSayısı(), 1);
  EXPECT_EQ(satış.Miktar("ToplamCikisMiktari"), 500);
  EXPECT_EQ(satış.Miktar("ToplamAgirlik"), 1000);
  EXPECT_EQ(satış.Metin("FirmaAdi"), "DOĞAN");
  auto hepsi = vt->SorguAç(QStringLiteral("CikisNedeniSorgusu"), {0, 99, QDate(2026, 1, 1), QDate(2026, 12, 31)});
  EXPECT_EQ(hepsi.KayıtSayısı(), 1);  // transfers are not exits of a reason
}

// The program runs the exit reason list with each row's weight from AGIRLIK; the file keeps the
// text that reckons it in parts, for older programs. Both give every figure bit for bit, at the
// edges of that arithmetic too.
TEST_F(VeritabanıTesti, AğırlıkİşleviDosyanınMetniyleAynıSonucuVerir) {
  const qint64 d = Depo(*vt, "MERKEZ");
  const struct {
    const char* kod;
    QVariant miktar, birim;
    std::optional<qint64> yüzde;  // none: no weight (NULL)
  } durumlar[] = {
      {"YARIM", 1.5, 0.15, 23},  // 0,225
      {"EKSİ YARIM", -1.5, 0.15, -23},
      {"EKSİ BİRİM", 1.5, -0.15, -23},
      {"YARIMIN ALTI", 0.01, 0.4999, 0},
      {"KURUŞ", 0.01, 0.5, 1},
      {"EKSİ KURUŞ", -0.01, 0.5, -1},
      // Ten-thousandths of 0,49999999999999994: the engine's ROUND takes them for one.
      {"KIL PAYI", 100.0, 4.9999999999999996e-05, 1},
      // Hundredths times ten-thousandths pass 64 bits from here on.
      {"EN BÜYÜK", 9999999999999.99, 1.0, 999'999'999'999'999},
      {"EKSİ EN BÜYÜK", -9999999999999.99, 0.0125, -12'500'000'000'000},
      {"SINIRIN ÖTESİ", 9999999999999.99, 9000.0, 8'999'999'999'999'991'000},
      {"BİRİMSİZ", 12.5, QVariant(), 0},
      {"MİKTARSIZ", QVariant(), 0.5, std::nullopt},
  };
  for (const auto& durum : durumlar) {
    vt->Çalıştır(QStringLiteral("INSERT INTO UrunBilgileriTablosu (UrunKodu, UrunAdi, BirimAgirligi) VALUES (?, ?, ?)"),
                 {QString::fromUtf8(durum.kod), QString::fromUtf8(durum.kod), durum.birim});
    vt->Çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (UrunNo, DepoNo, AliciFirmaNo, CikisNedeni, "
                                "IslemTarihi, CikisMiktari) VALUES (?, ?, 1, 0, '2026-03-06', ?)"),
                 {vt->SonEklenenNo(), d, durum.miktar});
  }
  const auto ağırlıklar = [&](const QString& metin) {
    std::map<QString, QVariant> a;
    for (auto k = vt->KayıtKümesiAç(metin, {0, 98, QDate(2026, 3, 6), QDate(2026, 3, 6)}); !k.Sonda(); k.MoveNext())
      a[k.Metin("UrunKodu")] = k.Değer("ToplamAgirlik");
    return a;
  };
  const QString programın = vt->SorguMetni(QStringLiteral("CikisNedeniSorgusu"));
  ASSERT_TRUE(programın.contains(QStringLiteral("AGIRLIK(")));
  auto dosyanın = ağırlıklar(VeritabanıOluşturucu::SorguMetni(QStringLiteral("CikisNedeniSorgusu")));
  auto bulunan = ağırlıklar(programın);
  for (const auto& durum : durumlar) {
    SCOPED_TRACE(durum.kod);
    const QVariant a = bulunan[QString::fromUtf8(durum.kod)], b = dosyanın[QString::fromUtf8(durum.kod)];
    ASSERT_EQ(a.isNull(), !durum.yüzde);
    ASSERT_EQ(b.isNull(), !durum.yüzde);
    if (!durum.yüzde) continue;
    EXPECT_EQ(std::bit_cast<quint64>(a.toDouble()), std::bit_cast<quint64>(static_cast<double>(*durum.yüzde) / 100))
        << a.toDouble();
    EXPECT_EQ(std::bit_cast<quint64>(a.toDouble()), std::bit_cast<quint64>(b.toDouble())) << b.toDouble();
  }
}

TEST_F(VeritabanıTesti, TürkçeSıralamaVeÖnEkAraması) {
  for (const char* ad : {"DOLAP", "ÇANTA", "CAM", "İP", "IŞIK", "ŞAL", "SABUN", "%50 İNDİRİM", "A_B BORU",
                         "AB BORU", "ÜÇ’LÜ PRİZ", "ÜÇLÜ PRİZ"})
    Ürün(*vt, ad, QString::fromUtf8(ad));
  auto sıralı = vt->KayıtKümesiAç(
      QStringLiteral("SELECT UrunAdi FROM UrunBilgileriTablosu WHERE UrunAdi NOT LIKE '%BORU' AND UrunAdi NOT LIKE '\\%%' "
                     "ESCAPE '\\' AND UrunAdi NOT LIKE 'Ü%' ORDER BY UrunAdi COLLATE TURKCE"));
  QStringList adlar;
  for (; !sıralı.Sonda(); sıralı.MoveNext()) adlar << sıralı.Metin("UrunAdi");
  EXPECT_EQ(adlar, (QStringList{"CAM", "ÇANTA", "DOLAP", "IŞIK", "İP", "SABUN", "ŞAL"}));

  const auto bul = [&](const QString& yazılan) {
    auto k = vt->KayıtKümesiAç(QStringLiteral("SELECT UrunAdi FROM UrunBilgileriTablosu WHERE TR_KATLA(UrunAdi) "
                                              "LIKE TR_KATLA(?) ESCAPE '\\' ORDER BY UrunAdi COLLATE TURKCE"),
                               {BaşlayanKalıbı(yazılan)});
    QStringList s;
    for (; !k.Sonda(); k.MoveNext()) s << k.Metin("UrunAdi");
    return s;
  };
  EXPECT_EQ(bul("%5"), QStringList{"%50 İNDİRİM"});
  EXPECT_EQ(bul("A_"), QStringList{"A_B BORU"});
  EXPECT_EQ(bul("üç’"), QStringList{"ÜÇ’LÜ PRİZ"});
  EXPECT_EQ(bul("i"), QStringList{"İP"});
  EXPECT_EQ(bul("ı"), QStringList{"IŞIK"});
  EXPECT_EQ(bul("ç"), QStringList{"ÇANTA"});
  EXPECT_TRUE(bul("%%").isEmpty());
}

// The engine's ORDER BY reads the texts in place; it must order them as the program's own
// comparison does, also texts beyond the Turkish letters and bytes that are not UTF-8.
TEST_F(VeritabanıTesti, MotorunTürkçeSıralamasıProgramınkiyleAynı) {
  const std::vector<QByteArray> metinler{
      "", "a", "A", "ı", "I", "i", "İ", "ÇAM", "CAM", "CAM", "çam", "Ğ", "G", "ü", "u", "₺ 10", "€ 10",
      "\xF0\x9F\x98\x80 gül", "\xEF\xBF\xBF", "z\xF0\x90\x80\x80", "\xC3", "\xFF" "A", "\xE2\x82", "A\xC0\x80",
      "\xED\xA0\x80", QByteArray("ö\0b", 4), "öz"};
  vt->Çalıştır(QStringLiteral("CREATE TEMP TABLE Metinler (Metin TEXT)"));
  for (const QByteArray& m : metinler)
    vt->Çalıştır(QStringLiteral("INSERT INTO Metinler VALUES (CAST(? AS TEXT))"), {m});
  auto k = vt->KayıtKümesiAç(QStringLiteral("SELECT CAST(Metin AS BLOB) AS Ham FROM Metinler ORDER BY Metin COLLATE TURKCE"));
  std::vector<QByteArray> motor;
  for (; !k.Sonda(); k.MoveNext()) motor.push_back(k.Değer(QStringLiteral("Ham")).toByteArray());
  std::vector<QByteArray> beklenen = metinler;
  std::stable_sort(beklenen.begin(), beklenen.end(), [](const QByteArray& a, const QByteArray& b) {
    return TürkçeMetin::Karşılaştır(QString::fromUtf8(a), QString::fromUtf8(b)) < 0;
  });
  ASSERT_EQ(motor.size(), beklenen.size());
  for (size_t i = 0; i < motor.size(); ++i)
    EXPECT_EQ(TürkçeMetin::Karşılaştır(QString::fromUtf8(motor[i]), QString::fromUtf8(beklenen[i])), 0)
        << i << ": " << motor[i].toHex().constData() << " / " << beklenen[i].toHex().constData();
}

TEST_F(VeritabanıTesti, YarıdaKalanİşlemHiçbirŞeyYazmaz) {
  const qint64 d = Depo(*vt, "MERKEZ");
  try {
    Veritabanı::İşlem işlem(*vt);
    Giriş(*vt, 1, d, 5);
    Giriş(*vt, 2, d, 6);
    vt->Çalıştır(QStringLiteral("INSERT INTO OlmayanTablo VALUES (1)"));
    işlem.Onayla();
    FAIL();
  } catch (const VeritabanıHatası&) {
  }
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisIslemleriTablosu")).Tamsayı("n"), 0);
  {
    Veritabanı::İşlem işlem(*vt);
    Giriş(*vt, 1, d, 5);
    işlem.Onayla();
  }
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM GirisIslemleriTablosu")).Tamsayı("n"), 1);
}

TEST_F(VeritabanıTesti, KendiliğindenGeriAlınanİşlemYazılmazVeOnaylanmaz) {
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("PRAGMA synchronous")).Tamsayı("synchronous"), 3);  // EXTRA
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("PRAGMA journal_mode")).Metin("journal_mode"), "delete");
  Depo(*vt, "ÖNCE");
  {
    Veritabanı::İşlem işlem(*vt);
    Depo(*vt, "A");
    // An interrupted write makes the engine roll the whole transaction back, as a full disk may.
    sqlite3_progress_handler(vt->Tutamaç(), 1, [](void*) { return 1; }, nullptr);
    EXPECT_THROW(Depo(*vt, "B"), VeritabanıHatası);
    sqlite3_progress_handler(vt->Tutamaç(), 0, nullptr, nullptr);
    // What follows would otherwise be written on its own, outside the transaction.
    EXPECT_EQ(HataSonucu([&] { Depo(*vt, "C"); }).first, 3034);
    const auto [numara, metin] = HataSonucu([&] { işlem.Onayla(); });
    EXPECT_EQ(numara, 3034);
    EXPECT_TRUE(metin.contains(QStringLiteral("kaydedilmedi"))) << metin.toStdString();
  }
  {
    Veritabanı::İşlem işlem(*vt);
    Depo(*vt, "SONRA");
    işlem.Onayla();
  }
  auto k = vt->KayıtKümesiAç(QStringLiteral("SELECT DepoAdi FROM DepoBilgileriTablosu ORDER BY DepoNo"));
  QStringList adlar;
  for (; !k.Sonda(); k.MoveNext()) adlar << k.Metin("DepoAdi");
  EXPECT_EQ(adlar, (QStringList{"ÖNCE", "SONRA"}));
}

TEST_F(VeritabanıTesti, BirÇağrıTekDeyimÇalıştırır) {
  const QString ekle = QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES ('A')");
  const struct {
    QString metin;
    bool kabul;
  } durumlar[] = {
      {ekle + QStringLiteral("; INSERT INTO DepoBilgileriTablosu (DepoAdi) VALUES ('B')"), false},
      {ekle + QStringLiteral(";DELETE FROM DepoBilgileriTablosu"), false},
      {ekle + QStringLiteral(" /* yorum */ ; x"), false},
      {ekle + QStringLiteral(" ; ;\n"), true},
      {ekle + QStringLiteral("; -- yorum\n/* bir\nyorum daha */"), true},
  };
  qint64 beklenen = 0;
  for (const auto& d : durumlar) {
    EXPECT_EQ(HataSonucu([&] { vt->Çalıştır(d.metin); }).first, d.kabul ? 0 : 3142) << d.metin.toStdString();
    beklenen += d.kabul;
    EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n"),
              beklenen);
  }
  // A recordset text runs nothing of a second statement either.
  EXPECT_EQ(HataSonucu([&] { vt->KayıtKümesiAç(QStringLiteral("SELECT 1; DELETE FROM DepoBilgileriTablosu")); }).first,
            3142);
  EXPECT_EQ(vt->KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM DepoBilgileriTablosu")).Tamsayı("n"), 2);
}

TEST_F(VeritabanıTesti, KısıtHatalarıTürlerineGöreNumaralanır) {
  vt->Çalıştır(QStringLiteral("CREATE TEMP TABLE Deneme (Miktar REAL CONSTRAINT PozitifMiktar CHECK (Miktar > 0))"));
  const qint64 u = Ürün(*vt, "A", "ELMA"), d = Depo(*vt, "MERKEZ");
  vt->Çalıştır(QStringLiteral("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo) VALUES (?, ?)"), {u, d});
  const struct {
    QString sql;
    QVariantList değerler;
    int numara;
    QString metin;
  } durumlar[] = {
      {QStringLiteral("INSERT INTO KritikStokBilgileriTablosu (UrunNo, DepoNo) VALUES (?, ?)"), {u, d}, 3022,
       QStringLiteral("KritikStokBilgileriTablosu.UrunNo, KritikStokBilgileriTablosu.DepoNo alanlarında")},
      {QStringLiteral("INSERT INTO KayitliSorgular (Ad, Metin) VALUES ('MevcutStokSorgusu', 'SELECT 1')"), {}, 3022,
       QStringLiteral("KayitliSorgular.Ad alanında")},
      {QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoNo) VALUES (?)"), {d}, 3022,
       QStringLiteral("DepoBilgileriTablosu.DepoNo alanında")},
      {QStringLiteral("INSERT INTO KayitliSorgular (Ad, Metin) VALUES ('X', ?)"), {QVariant()}, 3314,
       QStringLiteral("KayitliSorgular.Metin alanı boş bırakılamaz")},
      {QStringLiteral("UPDATE UrunBilgileriTablosu SET PaketlemeAdedi = ?"), {QStringLiteral("on iki")}, 3317,
       QStringLiteral("UrunBilgileriTablosu.PaketlemeAdedi alanına metin yazılamaz; bu alan tamsayı bekler")},
      {QStringLiteral("INSERT INTO Deneme (Miktar) VALUES (-1)"), {}, 3317, QStringLiteral("PozitifMiktar")},
  };
  for (const auto& durum : durumlar) {
    const auto [numara, metin] = HataSonucu([&] { vt->Çalıştır(durum.sql, durum.değerler); });
    EXPECT_EQ(numara, durum.numara) << durum.sql.toStdString();
    EXPECT_TRUE(metin.contains(durum.metin)) << metin.toStdString();
  }
}

TEST_F(VeritabanıTesti, YazanDiğerBağlantınınKilidiniBekler) {
  const QString yol = vt->Yol();
  auto ikinci = Veritabanı::Aç(yol);
  std::promise<void> kilitAlındı;
  std::thread tutan([&] {
    Veritabanı::İşlem işlem(*ikinci);
    Depo(*ikinci, "ÖNCE");
    kilitAlındı.set_value();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    işlem.Onayla();
  });
  kilitAlındı.get_future().wait();
  // Waits for the other workstation's write instead of failing at once.
  EXPECT_NO_THROW(Depo(*vt, "SONRA"));
  tutan.join();
  auto k = vt->KayıtKümesiAç(QStringLiteral("SELECT DepoAdi FROM DepoBilgileriTablosu ORDER BY DepoNo"));
  ASSERT_EQ(k.KayıtSayısı(), 2);
  EXPECT_EQ(k.Metin("DepoAdi"), "ÖNCE");
}

TEST_F(VeritabanıTesti, AnahtarlarGeriOkunurVeKayıtKümesiAlanları) {
  const qint64 d1 = Depo(*vt, "A");
  const qint64 d2 = Depo(*vt, "B");
  EXPECT_EQ(d2, d1 + 1);
  vt->Çalıştır(QStringLiteral("DELETE FROM DepoBilgileriTablosu WHERE DepoNo = ?"), {d2});
  EXPECT_GT(Depo(*vt, "C"), d2);  // never reused
  const qint64 büyük = 5'000'000'000LL;
  vt->Çalıştır(QStringLiteral("INSERT INTO DepoBilgileriTablosu (DepoNo, DepoAdi) VALUES (?, 'D')"), {büyük});
  auto k = vt->KayıtKümesiAç(QStringLiteral("SELECT DepoNo, DepoAdi, DepoYeri FROM DepoBilgileriTablosu WHERE DepoNo = ?"),
                             {büyük});
  EXPECT_EQ(k.Tamsayı("DepoNo"), büyük);
  EXPECT_TRUE(k.BoşMu("DepoYeri"));
  EXPECT_EQ(k.Metin("depoadi"), "D");
  try {
    k.Değer("Yok");
    FAIL();
  } catch (const VeritabanıHatası& h) {
    EXPECT_NE(h.Numara(), 3356);
  }
  EXPECT_EQ(vt->Çalıştır(QStringLiteral("UPDATE DepoBilgileriTablosu SET DepoYeri = ?"), {QStringLiteral("X")}), 3);
  EXPECT_EQ(vt->Çalıştır(QStringLiteral("SELECT * FROM DepoBilgileriTablosu")), 0);  // changed nothing
  const qint64 u = Ürün(*vt, "A", "ELMA");
  Giriş(*vt, u, d1, 1, 1, 1, QDate(2024, 3, 5));
  auto t = vt->KayıtKümesiAç(QStringLiteral("SELECT IslemTarihi FROM GirisIslemleriTablosu"));
  EXPECT_EQ(t.Tarih("IslemTarihi"), QDate(2024, 3, 5));
  EXPECT_EQ(t.Metin("IslemTarihi"), "2024-03-05");
}

TEST_F(VeritabanıTesti, ÖrnekVerilerTutarlı) {
  VeritabanıOluşturucu::ÖrnekVerileriEkle(*vt);
  auto kritik = vt->KayıtKümesiAç(QStringLiteral("SELECT * FROM KritikStokSorgusu WHERE KritikStokBilgisi<=0"));
  EXPECT_GE(kritik.KayıtSayısı(), 2);
  // Every transfer exit points to an entry half with the same product and quantity.
  auto yetim = vt->KayıtKümesiAç(QStringLiteral(
      "SELECT Count(*) AS n FROM CikisIslemleriTablosu c LEFT JOIN GirisIslemleriTablosu g ON c.GirisIslemNo = "
      "g.IslemNo WHERE c.CikisNedeni = 99 AND (g.IslemNo IS NULL OR g.UrunNo <> c.UrunNo OR g.GirisMiktari <> "
      "c.CikisMiktari)"));
  EXPECT_EQ(yetim.Tamsayı("n"), 0);
  // No stock below zero anywhere.
  auto eksi = vt->KayıtKümesiAç(QStringLiteral(
      "SELECT Count(*) AS n FROM (SELECT UrunNo, DepoNo, SUM(m) AS s FROM (SELECT UrunNo, DepoNo, GirisMiktari AS m "
      "FROM GirisIslemleriTablosu UNION ALL SELECT UrunNo, DepoNo, -CikisMiktari FROM CikisIslemleriTablosu) "
      "GROUP BY UrunNo, DepoNo) WHERE s < 0"));
  EXPECT_EQ(eksi.Tamsayı("n"), 0);
}

}  // namespace
