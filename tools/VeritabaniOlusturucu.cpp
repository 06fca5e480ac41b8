#include "VeritabaniOlusturucu.h"

#include "Veritabani.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <sqlite3.h>

namespace VeritabanıOluşturucu {
namespace {

const char* const Şema = R"SQL(
CREATE TABLE UrunBilgileriTablosu (
  UrunNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunKodu TEXT,
  UreticiKodu TEXT,
  UrunAdi TEXT,
  BirimTuru TEXT,
  BirimAgirligi REAL,
  PaketlemeAdedi INTEGER,
  AskilamaSayisi INTEGER,
  Aciklama TEXT
) STRICT;
CREATE TABLE DepoBilgileriTablosu (
  DepoNo INTEGER PRIMARY KEY AUTOINCREMENT,
  DepoKodu TEXT,
  DepoAdi TEXT,
  DepoYeri TEXT,
  Aciklama TEXT
) STRICT;
CREATE TABLE SaticiFirmaBilgileriTablosu (
  FirmaNo INTEGER PRIMARY KEY AUTOINCREMENT,
  FirmaAdi TEXT,
  Telefonu TEXT,
  Faksi TEXT,
  Adresi TEXT,
  BirinciYetkiliAdi TEXT,
  BirinciYetkiliTelefonu TEXT,
  IkinciYetkiliAdi TEXT,
  IkinciYetkiliTelefonu TEXT,
  Aciklama TEXT
) STRICT;
CREATE TABLE AliciFirmaBilgileriTablosu (
  FirmaNo INTEGER PRIMARY KEY AUTOINCREMENT,
  FirmaAdi TEXT,
  Telefonu TEXT,
  Faksi TEXT,
  Adresi TEXT,
  BirinciYetkiliAdi TEXT,
  BirinciYetkiliTelefonu TEXT,
  IkinciYetkiliAdi TEXT,
  IkinciYetkiliTelefonu TEXT,
  Aciklama TEXT
) STRICT;
CREATE TABLE GirisCikisYapanlarTablosu (
  GirisCikisYapanNo INTEGER PRIMARY KEY AUTOINCREMENT,
  GirisCikisYapanAdi TEXT
) STRICT;
CREATE TABLE GirisIslemleriTablosu (
  IslemNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo INTEGER,
  DepoNo INTEGER,
  SaticiFirmaNo INTEGER,
  GirisiYapan INTEGER,
  GirisNedeni INTEGER,
  IslemTarihi TEXT,
  GirisMiktari REAL
) STRICT;
CREATE TABLE CikisIslemleriTablosu (
  IslemNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo INTEGER,
  DepoNo INTEGER,
  AliciFirmaNo INTEGER,
  CikisiYapan INTEGER,
  CikisNedeni INTEGER,
  IslemTarihi TEXT,
  CikisMiktari REAL,
  GirisIslemNo INTEGER
) STRICT;
CREATE TABLE IadeBilgileriTablosu (
  IadeNo INTEGER PRIMARY KEY AUTOINCREMENT,
  IslemNo INTEGER,
  UrunNo INTEGER,
  FirmaNo INTEGER,
  DepoNo INTEGER,
  IadeTarihi TEXT,
  IadeMiktari REAL
) STRICT;
CREATE TABLE KritikStokBilgileriTablosu (
  KritikStokNo INTEGER PRIMARY KEY AUTOINCREMENT,
  UrunNo INTEGER,
  DepoNo INTEGER,
  KritikStokMiktari REAL,
  UNIQUE (UrunNo, DepoNo)
) STRICT;

-- Stock sums read only these indexes (covering), also on large files.
CREATE INDEX GirisUrunDepo ON GirisIslemleriTablosu (UrunNo, DepoNo, GirisMiktari, IslemTarihi, GirisNedeni);
CREATE INDEX CikisUrunDepo ON CikisIslemleriTablosu (UrunNo, DepoNo, CikisMiktari, IslemTarihi, CikisNedeni);
CREATE INDEX CikisGirisIslemNo ON CikisIslemleriTablosu (GirisIslemNo);
CREATE INDEX GirisDepo ON GirisIslemleriTablosu (DepoNo);
CREATE INDEX CikisDepo ON CikisIslemleriTablosu (DepoNo);
CREATE INDEX GirisSatici ON GirisIslemleriTablosu (SaticiFirmaNo);
CREATE INDEX CikisAlici ON CikisIslemleriTablosu (AliciFirmaNo);
CREATE INDEX GirisYapan ON GirisIslemleriTablosu (GirisiYapan);
CREATE INDEX CikisYapan ON CikisIslemleriTablosu (CikisiYapan);
CREATE INDEX IadeIslemNo ON IadeBilgileriTablosu (IslemNo);

-- Stock on hand against each critical level; sums in whole hundredths so that a
-- level met exactly compares as 0. Inner joins: levels of deleted products or
-- warehouses do not show.
CREATE VIEW KritikStokSorgusu AS
SELECT DepoNo, DepoAdi, UrunNo, UrunKodu, UrunAdi,
       MevcutYuzde / 100.0 AS MevcutMiktari,
       KritikYuzde / 100.0 AS KritikStokMiktari,
       (MevcutYuzde - KritikYuzde) / 100.0 AS KritikStokBilgisi
FROM (
  SELECT d.DepoNo, d.DepoAdi, u.UrunNo, u.UrunKodu, u.UrunAdi,
         ROUND(COALESCE(k.KritikStokMiktari, 0) * 100) AS KritikYuzde,
         COALESCE((SELECT SUM(ROUND(g.GirisMiktari * 100)) FROM GirisIslemleriTablosu g
                   WHERE g.UrunNo = k.UrunNo AND g.DepoNo = k.DepoNo), 0)
       - COALESCE((SELECT SUM(ROUND(c.CikisMiktari * 100)) FROM CikisIslemleriTablosu c
                   WHERE c.UrunNo = k.UrunNo AND c.DepoNo = k.DepoNo), 0) AS MevcutYuzde
  FROM (KritikStokBilgileriTablosu k
        INNER JOIN UrunBilgileriTablosu u ON k.UrunNo = u.UrunNo)
        INNER JOIN DepoBilgileriTablosu d ON k.DepoNo = d.DepoNo
)
ORDER BY DepoAdi COLLATE TURKCE, UrunAdi COLLATE TURKCE;

-- Saved queries with positional parameters, prepared by name.
CREATE TABLE KayitliSorgular (
  Ad TEXT PRIMARY KEY,
  Metin TEXT NOT NULL
) STRICT;

-- Salted hash of the database password.
CREATE TABLE VeritabaniGuvenligi (
  Tuz BLOB NOT NULL,
  Ozet BLOB NOT NULL
) STRICT;
)SQL";

struct KayıtlıSorgu {
  const char* ad;
  const char* metin;
};

// ?5 of MevcutStokSorgusu: 99 keeps transfers out (reasons below 99), 100 keeps them in.
const KayıtlıSorgu Sorgular[] = {
    {"MevcutStokSorgusu", R"SQL(
SELECT u.UrunNo, u.UrunKodu, u.UrunAdi,
       COALESCE(g.Yuzde, 0) / 100.0 AS GirenToplamMiktar,
       ROUND(COALESCE(g.Yuzde, 0) / 100.0 * COALESCE(u.BirimAgirligi, 0), 2) AS GirenToplamAgirlik,
       COALESCE(c.Yuzde, 0) / 100.0 AS CikanToplamMiktar,
       ROUND(COALESCE(c.Yuzde, 0) / 100.0 * COALESCE(u.BirimAgirligi, 0), 2) AS CikanToplamAgirlik
FROM (UrunBilgileriTablosu u
      LEFT JOIN (SELECT UrunNo, SUM(ROUND(GirisMiktari * 100)) AS Yuzde
                 FROM GirisIslemleriTablosu
                 WHERE DepoNo BETWEEN ?1 AND ?2 AND IslemTarihi BETWEEN ?3 AND ?4 AND GirisNedeni < ?5
                 GROUP BY UrunNo) g ON g.UrunNo = u.UrunNo)
      LEFT JOIN (SELECT UrunNo, SUM(ROUND(CikisMiktari * 100)) AS Yuzde
                 FROM CikisIslemleriTablosu
                 WHERE DepoNo BETWEEN ?1 AND ?2 AND IslemTarihi BETWEEN ?3 AND ?4 AND CikisNedeni < ?5
                 GROUP BY UrunNo) c ON c.UrunNo = u.UrunNo
WHERE g.UrunNo IS NOT NULL OR c.UrunNo IS NOT NULL
ORDER BY u.UrunAdi COLLATE TURKCE
)SQL"},
    {"CikisNedeniSorgusu", R"SQL(
SELECT u.UrunKodu, u.UrunAdi, d.DepoAdi, f.FirmaAdi,
       SUM(ROUND(c.CikisMiktari * 100)) / 100.0 AS ToplamCikisMiktari,
       ROUND(SUM(ROUND(c.CikisMiktari * 100)) / 100.0 * COALESCE(u.BirimAgirligi, 0), 2) AS ToplamAgirlik
FROM ((CikisIslemleriTablosu c
       LEFT JOIN UrunBilgileriTablosu u ON c.UrunNo = u.UrunNo)
       LEFT JOIN DepoBilgileriTablosu d ON c.DepoNo = d.DepoNo)
       LEFT JOIN AliciFirmaBilgileriTablosu f ON c.AliciFirmaNo = f.FirmaNo
WHERE c.CikisNedeni BETWEEN ?1 AND ?2 AND c.CikisNedeni < 99 AND c.IslemTarihi BETWEEN ?3 AND ?4
GROUP BY c.UrunNo, c.DepoNo, c.AliciFirmaNo
ORDER BY u.UrunAdi COLLATE TURKCE, d.DepoAdi COLLATE TURKCE, f.FirmaAdi COLLATE TURKCE
)SQL"},
    {"ToplamAgirlikBulSorgusu", R"SQL(
SELECT ROUND(COALESCE(SUM(s.Yuzde / 100.0 * COALESCE(u.BirimAgirligi, 0)), 0), 2) AS ToplamAgirlikBilgisi
FROM (SELECT UrunNo, SUM(Yuzde) AS Yuzde FROM (
        SELECT UrunNo, ROUND(GirisMiktari * 100) AS Yuzde FROM GirisIslemleriTablosu WHERE DepoNo = ?1
        UNION ALL
        SELECT UrunNo, -ROUND(CikisMiktari * 100) FROM CikisIslemleriTablosu WHERE DepoNo = ?1)
      GROUP BY UrunNo) s
      INNER JOIN UrunBilgileriTablosu u ON s.UrunNo = u.UrunNo
)SQL"},
    {"ToplamKritikStokAgirligiBulSorgusu", R"SQL(
SELECT ROUND(COALESCE(SUM(k.KritikStokMiktari * COALESCE(u.BirimAgirligi, 0)), 0), 2) AS ToplamAgirlikBilgisi
FROM KritikStokBilgileriTablosu k INNER JOIN UrunBilgileriTablosu u ON k.UrunNo = u.UrunNo
WHERE k.DepoNo = ?1
)SQL"},
};

void Yürüt(sqlite3* db, const char* sql) {
  char* hata = nullptr;
  if (sqlite3_exec(db, sql, nullptr, nullptr, &hata) != SQLITE_OK) {
    const QString metin = QString::fromUtf8(hata ? hata : "?");
    sqlite3_free(hata);
    throw VeritabanıHatası(HataNumarası(sqlite3_extended_errcode(db)), metin);
  }
}

}  // namespace

QString SorguMetni(const QString& ad) {
  for (const auto& s : Sorgular)
    if (ad == QLatin1String(s.ad)) return QString::fromUtf8(s.metin);
  return {};
}

QString Oluştur(const QString& klasör) {
  using namespace VeritabanıHataNo;
  const QFileInfo k(klasör);
  if (klasör.trimmed().isEmpty() || !k.exists() || !k.isDir())
    throw VeritabanıHatası(YolGeçersiz, QStringLiteral("'%1' klasörü bulunamadı.").arg(klasör));
  const QString yol = QDir(k.absoluteFilePath()).filePath(QString::fromLatin1(Veritabanı::DosyaAdı));
  if (QFileInfo::exists(yol))
    throw VeritabanıHatası(Genel, QStringLiteral("'%1' dosyası zaten var; üzerine yazılmaz.").arg(yol));

  sqlite3* db = nullptr;
  const QByteArray yerel = QFile::encodeName(yol);
  const int kod = sqlite3_open_v2(yerel.constData(), &db,
                                  SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE, nullptr);
  if (kod != SQLITE_OK) {
    sqlite3_close(db);
    QFile::remove(yol);
    throw VeritabanıHatası(kod == SQLITE_CANTOPEN ? ErişimYok : HataNumarası(kod),
                           QStringLiteral("'%1' dosyası oluşturulamadı.").arg(yol));
  }
  try {
    Veritabanı::TürkçeİşlevleriKaydet(db);
    Yürüt(db, "PRAGMA journal_mode=DELETE");
    Yürüt(db, "BEGIN IMMEDIATE");
    Yürüt(db, Şema);
    for (const auto& s : Sorgular) {
      sqlite3_stmt* d = nullptr;
      sqlite3_prepare_v2(db, "INSERT INTO KayitliSorgular (Ad, Metin) VALUES (?, ?)", -1, &d, nullptr);
      sqlite3_bind_text(d, 1, s.ad, -1, SQLITE_STATIC);
      sqlite3_bind_text(d, 2, s.metin, -1, SQLITE_STATIC);
      const int r = sqlite3_step(d);
      sqlite3_finalize(d);
      if (r != SQLITE_DONE) throw VeritabanıHatası(HataNumarası(r), QString::fromUtf8(sqlite3_errmsg(db)));
      // Each saved query must prepare against the schema it was written for.
      sqlite3_stmt* deneme = nullptr;
      if (sqlite3_prepare_v2(db, s.metin, -1, &deneme, nullptr) != SQLITE_OK)
        throw VeritabanıHatası(Genel, QString::fromUtf8(sqlite3_errmsg(db)));
      sqlite3_finalize(deneme);
    }
    QByteArray tuz(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(tuz.data()), tuz.size() / 4);
    const QByteArray özet = Veritabanı::ParolaÖzeti(tuz, Veritabanı::Parola());
    sqlite3_stmt* d = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO VeritabaniGuvenligi (Tuz, Ozet) VALUES (?, ?)", -1, &d, nullptr);
    sqlite3_bind_blob(d, 1, tuz.constData(), static_cast<int>(tuz.size()), SQLITE_TRANSIENT);
    sqlite3_bind_blob(d, 2, özet.constData(), static_cast<int>(özet.size()), SQLITE_TRANSIENT);
    const int r = sqlite3_step(d);
    sqlite3_finalize(d);
    if (r != SQLITE_DONE) throw VeritabanıHatası(HataNumarası(r), QString::fromUtf8(sqlite3_errmsg(db)));
    Yürüt(db, "COMMIT");
  } catch (...) {
    sqlite3_close(db);
    QFile::remove(yol);
    throw;
  }
  sqlite3_close(db);
  return yol;
}

}  // namespace VeritabanıOluşturucu
