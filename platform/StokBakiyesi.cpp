#include "StokBakiyesi.h"

#include "TurkceMetin.h"
#include "Veritabani.h"

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace StokBakiyesi {
namespace {

// What one movement row adds to the balance of its pair; {r} is new or old, {M} the
// quantity column, {N} the reason column. A row without product or warehouse belongs to
// no pair, as no sum by pair ever counts it.
const char* const Y = "CAST(COALESCE(ROUND({r}.{M} * 100), 0) AS INTEGER)";
const char* const N = "COALESCE({r}.{N} < 99, 0)";
const char* const T = "COALESCE({r}.{N} = 99, 0)";
const char* const D = "COALESCE({r}.IslemTarihi, '')";

const char* const Sütunlar =
    "UrunNo, DepoNo, MevcutYuzde, TumGirisSayisi, GirisSayisi, GirisYuzde, TransferGirisSayisi, "
    "TransferGirisYuzde, CikisSayisi, CikisYuzde, TransferCikisSayisi, TransferCikisYuzde, IlkTarih, SonTarih";

const char* const Birleştir = R"SQL(
ON CONFLICT (UrunNo, DepoNo) DO UPDATE SET
  MevcutYuzde = MevcutYuzde + excluded.MevcutYuzde,
  TumGirisSayisi = TumGirisSayisi + excluded.TumGirisSayisi,
  GirisSayisi = GirisSayisi + excluded.GirisSayisi,
  GirisYuzde = GirisYuzde + excluded.GirisYuzde,
  TransferGirisSayisi = TransferGirisSayisi + excluded.TransferGirisSayisi,
  TransferGirisYuzde = TransferGirisYuzde + excluded.TransferGirisYuzde,
  CikisSayisi = CikisSayisi + excluded.CikisSayisi,
  CikisYuzde = CikisYuzde + excluded.CikisYuzde,
  TransferCikisSayisi = TransferCikisSayisi + excluded.TransferCikisSayisi,
  TransferCikisYuzde = TransferCikisYuzde + excluded.TransferCikisYuzde,
  IlkTarih = CASE WHEN IlkTarih IS NULL OR excluded.IlkTarih < IlkTarih THEN excluded.IlkTarih ELSE IlkTarih END,
  SonTarih = CASE WHEN SonTarih IS NULL OR excluded.SonTarih > SonTarih THEN excluded.SonTarih ELSE SonTarih END)SQL";

// A pair's first or last date from its rows, when the row that held it goes.
const char* const TarihiBul =
    "(SELECT {F}(t) FROM (SELECT COALESCE(IslemTarihi, '') AS t FROM GirisIslemleriTablosu "
    "WHERE UrunNo = old.UrunNo AND DepoNo = old.DepoNo UNION ALL SELECT COALESCE(IslemTarihi, '') "
    "FROM CikisIslemleriTablosu WHERE UrunNo = old.UrunNo AND DepoNo = old.DepoNo))";

struct Taraf {
  const char* tablo;
  const char* ad;      // in the trigger names
  const char* miktar;  // quantity column
  const char* neden;   // reason column
  bool giriş;
};
const Taraf Taraflar[] = {
    {"GirisIslemleriTablosu", "Giris", "GirisMiktari", "GirisNedeni", true},
    {"CikisIslemleriTablosu", "Cikis", "CikisMiktari", "CikisNedeni", false},
};

void Değiştir(std::string& s, const std::string& ne, const std::string& ile) {
  for (size_t i = s.find(ne); i != std::string::npos; i = s.find(ne, i + ile.size())) s.replace(i, ne.size(), ile);
}

std::string Doldur(std::string s, const Taraf& t, const char* satır) {
  Değiştir(s, "{y}", Y);
  Değiştir(s, "{n}", N);
  Değiştir(s, "{t}", T);
  Değiştir(s, "{d}", D);
  Değiştir(s, "{r}", satır);
  Değiştir(s, "{M}", t.miktar);
  Değiştir(s, "{N}", t.neden);
  return s;
}

// The row `{r}` added to its pair.
std::string Ekleme(const Taraf& t) {
  const std::string değerler = t.giriş ? "{y}, 1, {n}, {n} * {y}, {t}, {t} * {y}, 0, 0, 0, 0"
                                       : "-{y}, 0, 0, 0, 0, 0, {n}, {n} * {y}, {t}, {t} * {y}";
  return "INSERT INTO StokBakiyeleriTablosu (" + std::string(Sütunlar) + ") SELECT {r}.UrunNo, {r}.DepoNo, " +
         değerler + ", {d}, {d} WHERE {r}.UrunNo IS NOT NULL AND {r}.DepoNo IS NOT NULL" + Birleştir + ";\n";
}

// The row `old` taken off its pair.
std::string Çıkarma(const Taraf& t) {
  const std::string ön = t.giriş ? "Giris" : "Cikis";
  std::string min = TarihiBul, max = TarihiBul;
  Değiştir(min, "{F}", "Min");
  Değiştir(max, "{F}", "Max");
  return "UPDATE StokBakiyeleriTablosu SET MevcutYuzde = MevcutYuzde " + std::string(t.giriş ? "-" : "+") +
         " {y}, " + (t.giriş ? "TumGirisSayisi = TumGirisSayisi - 1, " : "") + ön + "Sayisi = " + ön +
         "Sayisi - {n}, " + ön + "Yuzde = " + ön + "Yuzde - {n} * {y}, Transfer" + ön + "Sayisi = Transfer" + ön +
         "Sayisi - {t}, Transfer" + ön + "Yuzde = Transfer" + ön + "Yuzde - {t} * {y}, " +
         "IlkTarih = CASE WHEN {d} > IlkTarih THEN IlkTarih ELSE " + min + " END, " +
         "SonTarih = CASE WHEN {d} < SonTarih THEN SonTarih ELSE " + max + " END " +
         "WHERE UrunNo = old.UrunNo AND DepoNo = old.DepoNo;\n";
}

std::string ŞemayıKur() {
  std::string s = R"SQL(
CREATE TABLE StokBakiyeleriTablosu (
  UrunNo INTEGER NOT NULL,
  DepoNo INTEGER NOT NULL,
  MevcutYuzde INTEGER NOT NULL DEFAULT 0,
  TumGirisSayisi INTEGER NOT NULL DEFAULT 0,
  GirisSayisi INTEGER NOT NULL DEFAULT 0,
  GirisYuzde INTEGER NOT NULL DEFAULT 0,
  TransferGirisSayisi INTEGER NOT NULL DEFAULT 0,
  TransferGirisYuzde INTEGER NOT NULL DEFAULT 0,
  CikisSayisi INTEGER NOT NULL DEFAULT 0,
  CikisYuzde INTEGER NOT NULL DEFAULT 0,
  TransferCikisSayisi INTEGER NOT NULL DEFAULT 0,
  TransferCikisYuzde INTEGER NOT NULL DEFAULT 0,
  IlkTarih TEXT,
  SonTarih TEXT,
  PRIMARY KEY (UrunNo, DepoNo)
) STRICT, WITHOUT ROWID;
CREATE INDEX StokBakiyesiDepo ON StokBakiyeleriTablosu (DepoNo);
CREATE INDEX StokBakiyesiIlkTarih ON StokBakiyeleriTablosu (IlkTarih);
CREATE INDEX StokBakiyesiSonTarih ON StokBakiyeleriTablosu (SonTarih);
)SQL";
  for (const Taraf& t : Taraflar) {
    const std::string ad = std::string("StokBakiyesi") + t.ad;
    s += "CREATE TRIGGER " + ad + "Ekle AFTER INSERT ON " + t.tablo + " BEGIN\n" + Doldur(Ekleme(t), t, "new") +
         "END;\n";
    s += "CREATE TRIGGER " + ad + "Degistir AFTER UPDATE OF UrunNo, DepoNo, " + t.neden + ", " + t.miktar +
         ", IslemTarihi ON " + t.tablo + " BEGIN\n" + Doldur(Çıkarma(t), t, "old") + Doldur(Ekleme(t), t, "new") +
         "END;\n";
    s += "CREATE TRIGGER " + ad + "Sil AFTER DELETE ON " + t.tablo + " BEGIN\n" + Doldur(Çıkarma(t), t, "old") +
         "END;\n";
  }
  return s;
}

std::string DoldurmayıKur() {
  std::string s;
  for (const Taraf& t : Taraflar) {
    // Grouped in the order of the covering (UrunNo, DepoNo, ...) index: no sort.
    const std::string değerler =
        t.giriş ? "Sum({y}), Count(*), Sum({n}), Sum({n} * {y}), Sum({t}), Sum({t} * {y}), 0, 0, 0, 0"
                : "-Sum({y}), 0, 0, 0, 0, 0, Sum({n}), Sum({n} * {y}), Sum({t}), Sum({t} * {y})";
    s += Doldur("INSERT INTO StokBakiyeleriTablosu (" + std::string(Sütunlar) + ") SELECT UrunNo, DepoNo, " +
                    değerler + ", Min({d}), Max({d}) FROM " + t.tablo +
                    " AS {r} WHERE UrunNo IS NOT NULL AND DepoNo IS NOT NULL GROUP BY UrunNo, DepoNo HAVING true" +
                    Birleştir + ";\n",
                t, "h");
  }
  return s;
}

const char* const Görünüm = R"SQL(
-- Stock on hand against each critical level, from the kept balance; sums in whole
-- hundredths so that a level met exactly compares as 0. Inner joins: levels of deleted
-- products or warehouses do not show.
CREATE VIEW KritikStokSorgusu AS
SELECT DepoNo, DepoAdi, UrunNo, UrunKodu, UrunAdi,
       MevcutYuzde / 100.0 AS MevcutMiktari,
       KritikYuzde / 100.0 AS KritikStokMiktari,
       (MevcutYuzde - KritikYuzde) / 100.0 AS KritikStokBilgisi
FROM (
  SELECT d.DepoNo, d.DepoAdi, u.UrunNo, u.UrunKodu, u.UrunAdi,
         ROUND(COALESCE(k.KritikStokMiktari, 0) * 100) AS KritikYuzde,
         COALESCE(b.MevcutYuzde, 0) AS MevcutYuzde
  FROM ((KritikStokBilgileriTablosu k
        INNER JOIN UrunBilgileriTablosu u ON k.UrunNo = u.UrunNo)
        INNER JOIN DepoBilgileriTablosu d ON k.DepoNo = d.DepoNo)
        LEFT JOIN StokBakiyeleriTablosu b ON b.UrunNo = k.UrunNo AND b.DepoNo = k.DepoNo
)
ORDER BY DepoAdi COLLATE TURKCE, UrunAdi COLLATE TURKCE;
)SQL";

// A weight in millionths is hundredths of quantity times the unit weight in ten-thousandths,
// both whole numbers; that product passes 64 bits (and the engine goes on in a double) long
// before the weight does. So both are split at 10^4 and the product kept as whole hundredths
// I plus a remainder F of millionths below 10^8: every part fits while the weight does.
struct Parçalar {
  std::string I, F;
};
Parçalar Çarpım(const std::string& yüzde) {
  const std::string x = "CAST(" + yüzde + " AS INTEGER)";
  const std::string u = "CAST(ROUND(COALESCE(u.BirimAgirligi, 0) * 10000) AS INTEGER)";
  return {"((" + x + " / 10000) * (" + u + " / 10000) * 10000 + (" + x + " / 10000) * (" + u + " % 10000) + (" + x +
              " % 10000) * (" + u + " / 10000))",
          "((" + x + " % 10000) * (" + u + " % 10000))"};
}

// Hundredths I and millionths F as hundredths, rounded once, half away from zero (integer
// division truncates toward zero), then as the number the lists read. A double product rounded
// afterwards can fall on the wrong side of a half, and weights rounded apart and then
// subtracted drift by a hundredth. I and F of one row have one sign; sums of rows may not.
std::string Yuvarla(const std::string& I, const std::string& F) {
  const std::string q = "(" + I + " + " + F + " / 10000)", r = "(" + F + " % 10000)";
  return "((CASE WHEN " + q + " > 0 AND " + r + " < 0 THEN " + q + " - 1 + (" + r + " + 15000) / 10000 WHEN " + q +
         " < 0 AND " + r + " > 0 THEN " + q + " + 1 + (" + r + " - 15000) / 10000 ELSE " + q + " + (" + r +
         " + CASE WHEN " + r + " < 0 THEN -5000 ELSE 5000 END) / 10000 END) / 100.0)";
}

// The weight of x hundredths of the product u in the engine's own arithmetic, for the texts the
// file keeps: an older program sharing the file runs them and knows no AGIRLIK.
std::string AçıkAğırlık(const std::string& yüzde) {
  const Parçalar p = Çarpım(yüzde);
  return Yuvarla(p.I, p.F);
}

// In a text, {A:x} is the weight of x hundredths of the product u, {T:x} the sum over the rows;
// `işlevle`: each row's weight from AGIRLIK, one call in place of that long arithmetic, and the
// sum from AGIRLIKTOPLAMI.
std::string Aç(std::string s, bool işlevle) {
  for (size_t i = s.find("{"); i != std::string::npos; i = s.find("{", i)) {
    const size_t son = s.find('}', i);
    const std::string x = s.substr(i + 3, son - i - 3);
    const Parçalar p = Çarpım(x);
    const std::string ifade =
        s[i + 1] == 'T' ? (işlevle ? "AGIRLIKTOPLAMI(" + x + ", u.BirimAgirligi)"
                                   : Yuvarla("COALESCE(SUM(" + p.I + "), 0)", "COALESCE(SUM(" + p.F + "), 0)"))
        : işlevle       ? Ağırlık(x)
                        : AçıkAğırlık(x);
    s.replace(i, son + 1 - i, ifade);
    i += ifade.size();
  }
  return s;
}

// ?5 of MevcutStokSorgusu: 99 keeps transfers out (reasons below 99), 100 keeps them in.
// A period that holds every movement of the file (and ?5 one of those two) is read from the
// balance; any other is summed from the rows. The LIMIT of each branch is 0 when the other
// answers, so that only one of them reads anything (a WHERE would still walk the rows). The
// balance is read in its own order (by product), which the grouping needs, not by warehouse.
const KayıtlıSorgu Şablonlar[] = {
    {"MevcutStokSorgusu", R"SQL(
WITH Kapsam AS (
  SELECT ?5 IN (99, 100) AND CAST(?3 AS TEXT) > ''
         AND CAST(?3 AS TEXT) <= (SELECT Min(IlkTarih) FROM StokBakiyeleriTablosu)
         AND CAST(?4 AS TEXT) >= (SELECT Max(SonTarih) FROM StokBakiyeleriTablosu) AS Tumu)
SELECT * FROM (
  SELECT u.UrunNo, u.UrunKodu, u.UrunAdi,
         b.GirisYuzde / 100.0 AS GirenToplamMiktar,
         {A:b.GirisYuzde} AS GirenToplamAgirlik,
         b.CikisYuzde / 100.0 AS CikanToplamMiktar,
         {A:b.CikisYuzde} AS CikanToplamAgirlik,
         {A:b.GirisYuzde - b.CikisYuzde} AS MevcutAgirlik
  FROM UrunBilgileriTablosu u
       INNER JOIN (SELECT UrunNo,
                          Sum(GirisYuzde + CASE WHEN ?5 = 100 THEN TransferGirisYuzde ELSE 0 END) AS GirisYuzde,
                          Sum(CikisYuzde + CASE WHEN ?5 = 100 THEN TransferCikisYuzde ELSE 0 END) AS CikisYuzde,
                          Sum(GirisSayisi + CikisSayisi
                              + CASE WHEN ?5 = 100 THEN TransferGirisSayisi + TransferCikisSayisi ELSE 0 END) AS Sayi
                   FROM StokBakiyeleriTablosu
                   WHERE +DepoNo BETWEEN ?1 AND ?2
                   GROUP BY UrunNo) b ON b.UrunNo = u.UrunNo
  WHERE b.Sayi > 0
  LIMIT (SELECT CASE WHEN Tumu THEN -1 ELSE 0 END FROM Kapsam))
UNION ALL
SELECT * FROM (
  SELECT u.UrunNo, u.UrunKodu, u.UrunAdi,
         COALESCE(g.Yuzde, 0) / 100.0 AS GirenToplamMiktar,
         {A:COALESCE(g.Yuzde, 0)} AS GirenToplamAgirlik,
         COALESCE(c.Yuzde, 0) / 100.0 AS CikanToplamMiktar,
         {A:COALESCE(c.Yuzde, 0)} AS CikanToplamAgirlik,
         {A:COALESCE(g.Yuzde, 0) - COALESCE(c.Yuzde, 0)} AS MevcutAgirlik
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
  LIMIT (SELECT CASE WHEN Tumu THEN 0 ELSE -1 END FROM Kapsam))
ORDER BY UrunAdi COLLATE TURKCE
)SQL"},
    // Each group summed from the period's rows (through the date index) before the names are
    // joined, so that the join touches a row per group, not per movement. The list orders the
    // rows itself (by product, warehouse and company name).
    {"CikisNedeniSorgusu", R"SQL(
SELECT u.UrunKodu, u.UrunAdi, d.DepoAdi, f.FirmaAdi,
       c.Yuzde / 100.0 AS ToplamCikisMiktari,
       {A:c.Yuzde} AS ToplamAgirlik
FROM (((SELECT UrunNo, DepoNo, AliciFirmaNo, SUM(ROUND(CikisMiktari * 100)) AS Yuzde
        FROM CikisIslemleriTablosu
        WHERE CikisNedeni BETWEEN ?1 AND ?2 AND CikisNedeni < 99 AND IslemTarihi BETWEEN ?3 AND ?4
        GROUP BY UrunNo, DepoNo, AliciFirmaNo) c
       LEFT JOIN UrunBilgileriTablosu u ON c.UrunNo = u.UrunNo)
       LEFT JOIN DepoBilgileriTablosu d ON c.DepoNo = d.DepoNo)
       LEFT JOIN AliciFirmaBilgileriTablosu f ON c.AliciFirmaNo = f.FirmaNo
)SQL"},
    {"ToplamAgirlikBulSorgusu", R"SQL(
SELECT {T:b.MevcutYuzde} AS ToplamAgirlikBilgisi
FROM StokBakiyeleriTablosu b INNER JOIN UrunBilgileriTablosu u ON b.UrunNo = u.UrunNo
WHERE b.DepoNo = ?1
)SQL"},
    {"ToplamKritikStokAgirligiBulSorgusu", R"SQL(
SELECT {T:ROUND(k.KritikStokMiktari * 100)} AS ToplamAgirlikBilgisi
FROM KritikStokBilgileriTablosu k INNER JOIN UrunBilgileriTablosu u ON k.UrunNo = u.UrunNo
WHERE k.DepoNo = ?1
)SQL"},
    {nullptr, nullptr},
};

// The person review lists by person in entry order and sums by person: one index each
// covers both, so neither reads the table.
const char* const Dizinler = R"SQL(
DROP INDEX IF EXISTS GirisYapan;
DROP INDEX IF EXISTS CikisYapan;
CREATE INDEX IF NOT EXISTS GirisYapanHareketleri
  ON GirisIslemleriTablosu (GirisiYapan, IslemNo, UrunNo, IslemTarihi, GirisMiktari, GirisNedeni);
CREATE INDEX IF NOT EXISTS CikisYapanHareketleri
  ON CikisIslemleriTablosu (CikisiYapan, IslemNo, UrunNo, IslemTarihi, CikisMiktari, CikisNedeni);
)SQL";

const char* const TetikleyiciAdları[] = {"StokBakiyesiGirisEkle", "StokBakiyesiGirisDegistir",
                                         "StokBakiyesiGirisSil",  "StokBakiyesiCikisEkle",
                                         "StokBakiyesiCikisDegistir", "StokBakiyesiCikisSil", nullptr};

// Millionths to hundredths, half away from zero (the division truncates toward zero).
__int128 Yüzdelik(__int128 milyonda) { return (milyonda + (milyonda < 0 ? -5000 : 5000)) / 10000; }

// Sums and products in 128 bits stop at ±2^125, far past any figure a list holds, instead of
// wrapping; the rounding above still has room there.
constexpr __int128 Uç = static_cast<__int128>(1) << 125;
__int128 Sınırla(__int128 x) { return x > Uç ? Uç : x < -Uç ? -Uç : x; }
__int128 Topla(__int128 a, __int128 b) {
  __int128 c = 0;
  return __builtin_add_overflow(a, b, &c) ? (b < 0 ? -Uç : Uç) : Sınırla(c);
}
__int128 Çarp(__int128 a, __int128 b) {
  __int128 c = 0;
  return __builtin_mul_overflow(a, b, &c) ? ((a < 0) != (b < 0) ? -Uç : Uç) : Sınırla(c);
}

// Hundredths as the engine gives them: an integer, or a REAL where a sum or difference passed 64
// bits, which keeps its size here instead of stopping at their edge.
__int128 Yüzde(sqlite3_value* d) {
  if (sqlite3_value_numeric_type(d) != SQLITE_FLOAT) return sqlite3_value_int64(d);
  const double r = sqlite3_value_double(d);
  if (std::isnan(r)) return 0;
  return static_cast<__int128>(std::clamp(r, -0x1p100, 0x1p100));
}

// A sum in 128 bits as the engine takes it back: an integer where it fits, else a REAL.
void Sonuç(sqlite3_context* bağlam, __int128 toplam) {
  if (toplam >= std::numeric_limits<sqlite3_int64>::min() && toplam <= std::numeric_limits<sqlite3_int64>::max())
    return sqlite3_result_int64(bağlam, static_cast<sqlite3_int64>(toplam));
  sqlite3_result_double(bağlam, static_cast<double>(toplam));
}

// The unit weight in ten-thousandths as the texts take it, CAST(ROUND(COALESCE(b, 0) * 10000)
// AS INTEGER), step by step as the engine does: its ROUND adds a half and truncates (a product a
// hair under a half goes up), leaves alone what is past 2^52, and the cast saturates.
qint64 OnBindeBirim(sqlite3_value* b) {
  double r = 0;
  switch (sqlite3_value_numeric_type(b)) {
    case SQLITE_NULL: return 0;
    case SQLITE_INTEGER: {
      const sqlite3_int64 i = sqlite3_value_int64(b);
      sqlite3_int64 çarpım = 0;
      r = __builtin_mul_overflow(i, sqlite3_int64{10000}, &çarpım) ? static_cast<double>(i) * 10000.0
                                                                   : static_cast<double>(çarpım);
      break;
    }
    default: r = sqlite3_value_double(b) * 10000; break;
  }
  if (r >= -4503599627370496.0 && r <= 4503599627370496.0)
    r = static_cast<double>(static_cast<sqlite3_int64>(r + (r < 0 ? -0.5 : 0.5)));
  if (r <= -9223372036854775808.0) return std::numeric_limits<qint64>::min();
  if (r >= 9223372036854775807.0) return std::numeric_limits<qint64>::max();
  return static_cast<qint64>(r);
}

// AGIRLIK(yüzde, birimAğırlığı). The texts split the product to keep it in 64 bits; here it is
// whole in 128, so that both agree wherever the quantity and the weight's hundredths fit in 64
// bits, far past the largest figure kept. A quantity of NULL weighs NULL, as its CAST does there.
void AğırlıkHesapla(sqlite3_context* bağlam, int, sqlite3_value** değerler) {
  if (sqlite3_value_type(değerler[0]) == SQLITE_NULL) return sqlite3_result_null(bağlam);
  const __int128 milyonda = Çarp(Yüzde(değerler[0]), OnBindeBirim(değerler[1]));
  sqlite3_result_double(bağlam, static_cast<double>(Yüzdelik(milyonda)) / 100.0);
}

// The engine's SUM of integers stops the statement with an error once it passes 64 bits: a list
// of a file that holds such sums would not open. These sum in 128 bits; NULLs are passed over.
// TAMTOPLAM(yüzde): NULL for no rows, as SUM.
struct TamToplam {
  __int128 değer;
  bool dolu;
};
// The engine's memory for a sum is aligned for 8 bytes only: a 128-bit one is copied in and out.
template <class T>
std::optional<T> Durum(sqlite3_context* bağlam, bool yarat) {
  const void* yer = sqlite3_aggregate_context(bağlam, yarat ? sizeof(T) : 0);
  if (!yer) return std::nullopt;
  T t;
  std::memcpy(&t, yer, sizeof t);
  return t;
}
template <class T>
void DurumYaz(sqlite3_context* bağlam, const T& t) {
  std::memcpy(sqlite3_aggregate_context(bağlam, sizeof(T)), &t, sizeof t);
}
void TamToplamAdımı(sqlite3_context* bağlam, int, sqlite3_value** değerler) {
  if (sqlite3_value_type(değerler[0]) == SQLITE_NULL) return;
  const auto t = Durum<TamToplam>(bağlam, true);
  if (!t) return sqlite3_result_error_nomem(bağlam);
  DurumYaz(bağlam, TamToplam{Topla(t->değer, Yüzde(değerler[0])), true});
}
void TamToplamSonu(sqlite3_context* bağlam) {
  const auto t = Durum<TamToplam>(bağlam, false);
  if (!t || !t->dolu) return sqlite3_result_null(bağlam);
  Sonuç(bağlam, t->değer);
}
// AGIRLIKTOPLAMI(yüzde, birimAğırlığı): the rows' weights in millionths summed, rounded once, as
// {T:x} of the texts; 0 for no rows.
void AğırlıkToplamıAdımı(sqlite3_context* bağlam, int, sqlite3_value** değerler) {
  if (sqlite3_value_type(değerler[0]) == SQLITE_NULL) return;
  const auto t = Durum<__int128>(bağlam, true);
  if (!t) return sqlite3_result_error_nomem(bağlam);
  DurumYaz(bağlam, Topla(*t, Çarp(Yüzde(değerler[0]), OnBindeBirim(değerler[1]))));
}
void AğırlıkToplamıSonu(sqlite3_context* bağlam) {
  const auto t = Durum<__int128>(bağlam, false);
  sqlite3_result_double(bağlam, static_cast<double>(Yüzdelik(t.value_or(0))) / 100.0);
}

// The texts of the saved queries, built once; each name points into its own list.
struct Metinler {
  std::vector<std::string> metin;
  std::vector<KayıtlıSorgu> sorgu;
  explicit Metinler(bool işlevle) {
    for (const KayıtlıSorgu* s = Şablonlar; s->ad; ++s) {
      std::string şablon = s->metin;
      if (işlevle) {
        // Every sum of hundredths in 128 bits.
        Değiştir(şablon, "Sum(", "TAMTOPLAM(");
        Değiştir(şablon, "SUM(", "TAMTOPLAM(");
      }
      metin.push_back(Aç(şablon, işlevle));
    }
    for (size_t i = 0; i < metin.size(); ++i) sorgu.push_back({Şablonlar[i].ad, metin[i].c_str()});
    sorgu.push_back({nullptr, nullptr});
  }
};

void Yürüt(Veritabanı& vt, const std::string& sql) {
  char* hata = nullptr;
  if (sqlite3_exec(vt.Tutamaç(), sql.c_str(), nullptr, nullptr, &hata) != SQLITE_OK) {
    const QString metin = QString::fromUtf8(hata ? hata : "?");
    sqlite3_free(hata);
    throw VeritabanıHatası(HataNumarası(sqlite3_extended_errcode(vt.Tutamaç())), metin);
  }
}

// The table and every trigger are there.
bool Tam(Veritabanı& vt) {
  QVariantList adlar{QStringLiteral("StokBakiyeleriTablosu")};
  for (const char* const* t = TetikleyiciAdları; *t; ++t) adlar << QString::fromLatin1(*t);
  return vt.KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM sqlite_master WHERE name IN (?, ?, ?, ?, ?, ?, ?)"),
                          adlar)
             .Tamsayı(QStringLiteral("n")) == adlar.size();
}

// Every saved query that comes with the balance has the text of this program.
bool SorgularGüncel(Veritabanı& vt) {
  for (const KayıtlıSorgu* s = Sorgular(); s->ad; ++s)
    if (vt.KayıtKümesiAç(QStringLiteral("SELECT Count(*) AS n FROM KayitliSorgular WHERE Ad = ? AND Metin = ?"),
                         {QString::fromUtf8(s->ad), QString::fromUtf8(s->metin)})
            .Tamsayı(QStringLiteral("n")) == 0)
      return false;
  return true;
}

void SorgularıYaz(Veritabanı& vt) {
  for (const KayıtlıSorgu* s = Sorgular(); s->ad; ++s)
    vt.Çalıştır(QStringLiteral("INSERT OR REPLACE INTO KayitliSorgular (Ad, Metin) VALUES (?, ?)"),
                {QString::fromUtf8(s->ad), QString::fromUtf8(s->metin)});
}

}  // namespace

const char* Şema() {
  static const std::string s = ŞemayıKur();
  return s.c_str();
}

const char* Doldurma() {
  static const std::string s = DoldurmayıKur();
  return s.c_str();
}

const char* KritikStokGörünümü() { return Görünüm; }
std::string Ağırlık(const std::string& yüzde) { return "AGIRLIK(" + yüzde + ", u.BirimAgirligi)"; }
std::string Toplam(const std::string& yüzde) { return "TAMTOPLAM(" + yüzde + ")"; }

void AğırlıkİşleviniKaydet(sqlite3* db) {
  const int tür = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
  sqlite3_create_function(db, "AGIRLIK", 2, tür, nullptr, AğırlıkHesapla, nullptr, nullptr);
  sqlite3_create_function(db, "TAMTOPLAM", 1, tür, nullptr, nullptr, TamToplamAdımı, TamToplamSonu);
  sqlite3_create_function(db, "AGIRLIKTOPLAMI", 2, tür, nullptr, nullptr, AğırlıkToplamıAdımı, AğırlıkToplamıSonu);
}

qint64 Ağırlık(qint64 yüzde, double birimAğırlığı) {
  return TürkçeMetin::Kırp(Yüzdelik(static_cast<__int128>(yüzde) * TürkçeMetin::Yuvarla(birimAğırlığı * 10000)));
}

bool AğırlıkTamTutulur(qint64 yüzde, double birimAğırlığı) {
  if (!TürkçeMetin::TamTutulur(yüzde)) return false;
  if (yüzde == 0) return true;
  // Far beyond the limit by the rough product (a unit weight past 10^14 at 0,01 already is): the
  // exact product below would not fit its 64 bits.
  if (std::fabs(birimAğırlığı) > 1e14 || std::fabs(TürkçeMetin::MiktarDeğeri(yüzde) * birimAğırlığı) > 2e13)
    return false;
  return TürkçeMetin::TamTutulur(Ağırlık(yüzde, birimAğırlığı));
}

const KayıtlıSorgu* Sorgular() {
  static const Metinler m(false);
  return m.sorgu.data();
}

const KayıtlıSorgu* ProgramınSorguları() {
  static const Metinler m(true);
  return m.sorgu.data();
}
const char* KişiDizinleri() { return Dizinler; }
const char* const* Tetikleyiciler() { return TetikleyiciAdları; }

bool Ekle(Veritabanı& vt) {
  // The file keeps the texts every program can run; this connection runs its faster own.
  for (const KayıtlıSorgu* s = ProgramınSorguları(); s->ad; ++s)
    vt.SorguMetniAyarla(QString::fromUtf8(s->ad), QString::fromUtf8(s->metin));
  if (Tam(vt)) {
    if (SorgularGüncel(vt)) return false;
    // A file with older texts of the readers gets this program's. A file that cannot be written
    // now keeps them until the next opening; this connection runs its own texts meanwhile.
    try {
      Veritabanı::İşlem işlem(vt);
      if (!SorgularGüncel(vt)) SorgularıYaz(vt);
      işlem.Onayla();
    } catch (const VeritabanıHatası&) {
    }
    return false;
  }
  Veritabanı::İşlem işlem(vt);
  // Another workstation may have built it while this one waited for the lock.
  if (Tam(vt)) return false;
  std::string sql;
  for (const char* const* t = TetikleyiciAdları; *t; ++t) sql += std::string("DROP TRIGGER IF EXISTS ") + *t + ";\n";
  sql += "DROP TABLE IF EXISTS StokBakiyeleriTablosu;\n";
  sql += Şema();
  sql += Doldurma();
  sql += "DROP VIEW IF EXISTS KritikStokSorgusu;\n";
  sql += Görünüm;
  sql += Dizinler;
  sql += "ANALYZE StokBakiyeleriTablosu;\n";
  Yürüt(vt, sql);
  SorgularıYaz(vt);
  işlem.Onayla();
  return true;
}

}  // namespace StokBakiyesi
