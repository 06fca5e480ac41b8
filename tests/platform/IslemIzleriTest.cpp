// Works the settings keep as unknown, read back at connection: what the user is told, and which
// tokens the file keeps.
#include "Ayarlar.h"
#include "IslemIzleri.h"
#include "TestOrtami.h"

#include <sqlite3.h>

namespace {

class İşlemİzleriTesti : public TestOrtamı {
protected:
  void SetUp() override {
    TestOrtamı::SetUp();
    İşlemİzleri::AyarlardaTut = true;
    İşlemİzleri::Söyle = [this](const İşlemİzleri::Bekleyenİş& iş, std::optional<bool> y, bool) {
      söylenen.push_back({iş.ad, y});
    };
  }
  // Runs on the file past the program, as another workstation or an earlier version would.
  void Dışarıdan(const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(vt->Yol()).constData(), &db, SQLITE_OPEN_READWRITE, "unix");
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
  }
  void Bekleyen(const QString& iz, const QDateTime& zaman) {
    Ayarlar::BölümüYaz(QStringLiteral("SonucuBilinmeyenIsler"),
                       {{QStringLiteral("Is-1"), QStringList{vt->Yol(), iz, zaman.toString(Qt::ISODate),
                                                            QStringLiteral("Stoğa giriş fişi")}
                                                     .join(u'\t')}});
  }
  std::vector<std::pair<QString, std::optional<bool>>> söylenen;
};

// The token of a pending work in the file is told stored; one missing, not stored, unless the
// work is older than tokens are kept for: then it can no longer be told either way. The one work
// an earlier version kept is read from its own table.
TEST_F(İşlemİzleriTesti, BekleyenİşBağlanıncaSöylenir) {
  const QDateTime şimdi = QDateTime::currentDateTime();
  Dışarıdan("CREATE TABLE IF NOT EXISTS IslemIzleri (Iz TEXT PRIMARY KEY, Zaman INTEGER NOT NULL) WITHOUT ROWID;"
            "INSERT INTO IslemIzleri VALUES ('var', 0);"
            "CREATE TABLE IslemIzleriTablosu (Istasyon TEXT PRIMARY KEY, Iz TEXT NOT NULL) WITHOUT ROWID;"
            "INSERT INTO IslemIzleriTablosu VALUES ('istasyon/1', 'eski-var');");
  const struct {
    const char* iz;
    QDateTime zaman;
    bool eskiSürüm;
    std::optional<bool> beklenen;
  } durumlar[] = {
      {"var", şimdi, false, true},
      {"yok", şimdi, false, false},
      {"yok", şimdi.addDays(-61), false, std::nullopt},
      {"eski-var", şimdi, true, true},
      {"eski-yok", şimdi, true, false},
  };
  for (const auto& d : durumlar) {
    SCOPED_TRACE(d.iz);
    if (d.eskiSürüm) {
      Ayarlar::BölümüYaz(QStringLiteral("SonucuBilinmeyenIs"),
                         {{QStringLiteral("Veritabani"), vt->Yol()},
                          {QStringLiteral("Iz"), QString::fromUtf8(d.iz)},
                          {QStringLiteral("Ad"), QStringLiteral("Stoğa giriş fişi")},
                          {QStringLiteral("Zaman"), d.zaman.toString(Qt::ISODate)}});
    } else {
      Bekleyen(QString::fromUtf8(d.iz), d.zaman);
    }
    söylenen.clear();
    for (int başlangıç = 0; başlangıç < 2; ++başlangıç) {  // told at the first start only
      İşlemİzleri::HepsiniUnut();
      vt = Veritabanı::Aç(vt->Yol());
      İşlemİzleri::Bildir(*vt);
    }
    ASSERT_EQ(söylenen.size(), 1u);
    EXPECT_EQ(söylenen[0].second, d.beklenen);
    EXPECT_FALSE(Ayarlar::BölümVar(QStringLiteral("SonucuBilinmeyenIsler")));
    EXPECT_FALSE(Ayarlar::BölümVar(QStringLiteral("SonucuBilinmeyenIs")));
  }
}

// A write that changes nothing stores no token; one that does removes the tokens of runs long
// ended, never another's recent one, and its own earlier ones once their outcome is known.
TEST_F(İşlemİzleriTesti, İzlerYalnızDeğişenYazımdaYazılırVeKüçükKalır) {
  const qint64 eski = QDateTime::currentSecsSinceEpoch() - 100LL * 24 * 3600;
  Dışarıdan(QStringLiteral("CREATE TABLE IF NOT EXISTS IslemIzleri (Iz TEXT PRIMARY KEY, Zaman INTEGER NOT NULL) "
                           "WITHOUT ROWID; INSERT INTO IslemIzleri VALUES ('eski', %1), ('başkasının', %2);")
                .arg(eski)
                .arg(QDateTime::currentSecsSinceEpoch())
                .toUtf8()
                .constData());
  const auto izler = [&] {
    QStringList l;
    for (KayıtKümesi k = vt->KayıtKümesiAç("SELECT Iz FROM IslemIzleri ORDER BY Iz"); !k.Sonda(); k.MoveNext())
      l << k.Metin("Iz");
    return l;
  };
  {
    Veritabanı::İşlem işlem(*vt);
    vt->KayıtKümesiAç("SELECT Count(*) AS n FROM GirisCikisYapanlarTablosu");
    işlem.Onayla();
  }
  EXPECT_EQ(izler().size(), 2);
  for (int i = 0; i < 3; ++i) {
    Veritabanı::İşlem işlem(*vt);
    vt->Çalıştır("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)", {QString::number(i)});
    işlem.Onayla();
  }
  const QStringList kalan = izler();
  ASSERT_EQ(kalan.size(), 2);  // the other workstation's and this connection's last
  EXPECT_TRUE(kalan.contains(QStringLiteral("başkasının")));
  EXPECT_FALSE(kalan.contains(QStringLiteral("eski")));
}

}  // namespace
