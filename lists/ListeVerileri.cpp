#include "ListeVerileri.h"

#include "OrtakYordamlarModulu.h"
#include "StokBakiyesi.h"
#include "Veritabani.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace ListeVerileri {
namespace {

enum class Tür { Metin, Miktar, Tarih };
struct Alan {
  const char* ad;
  Tür tür;
};

QVariant Hücre(const OkunanSatır& k, int sütun, Tür tür) {
  switch (tür) {
    case Tür::Miktar: return k.Miktar(sütun);
    case Tür::Tarih: return k.Tarih(sütun);
    default: return k.Metin(sütun);
  }
}

// The named fields of each row as the statement steps, without a copy of the whole result first.
std::vector<Satır> Oku(Veritabanı& vt, const QString& sql, const QVariantList& değerler,
                       std::initializer_list<Alan> alanlar) {
  std::vector<Satır> satırlar;
  std::vector<int> sütunlar;
  vt.SatırSatırOku(sql, değerler, [&](const OkunanSatır& k) {
    if (sütunlar.empty())
      for (const Alan& a : alanlar) sütunlar.push_back(k.Sütun(QString::fromUtf8(a.ad)));
    Satır s;
    s.reserve(alanlar.size());
    size_t i = 0;
    for (const Alan& a : alanlar) s.push_back(Hücre(k, sütunlar[i++], a.tür));
    satırlar.push_back(std::move(s));
  });
  return satırlar;
}

// Orders the rows by the texts of three columns in Turkish order. Each distinct text (a few
// thousand names at most) is placed among the others once; the rows are then ordered by those
// places, which costs far less than comparing their texts row against row.
void TürkçeSırala(std::vector<Satır>& satırlar, const std::array<size_t, 3>& sütunlar) {
  QHash<QString, int> yer;
  for (const Satır& r : satırlar)
    for (size_t s : sütunlar) yer.insert(r[s].toString(), 0);
  QStringList metinler = yer.keys();
  std::sort(metinler.begin(), metinler.end(),
            [](const QString& a, const QString& b) { return TürkçeMetin::Karşılaştır(a, b) < 0; });
  for (int i = 0; i < metinler.size(); ++i) yer[metinler[i]] = i;
  std::vector<std::pair<std::array<int, 3>, size_t>> anahtarlar;
  anahtarlar.reserve(satırlar.size());
  for (size_t i = 0; i < satırlar.size(); ++i) {
    const Satır& r = satırlar[i];
    anahtarlar.push_back({{yer.value(r[sütunlar[0]].toString()), yer.value(r[sütunlar[1]].toString()),
                           yer.value(r[sütunlar[2]].toString())},
                          i});
  }
  std::sort(anahtarlar.begin(), anahtarlar.end());
  std::vector<Satır> sıralı;
  sıralı.reserve(satırlar.size());
  for (const auto& a : anahtarlar) sıralı.push_back(std::move(satırlar[a.second]));
  satırlar = std::move(sıralı);
}

// The movement table read for a company kind ("Satici": entries) or an operation kind ("Giris").
struct Hareket {
  QString tablo, firmaTablosu, firmaNo, miktar, neden;
};

Hareket HareketTablosu(bool giriş) {
  if (giriş)
    return {"GirisIslemleriTablosu", "SaticiFirmaBilgileriTablosu", "SaticiFirmaNo", "GirisMiktari", "GirisNedeni"};
  return {"CikisIslemleriTablosu", "AliciFirmaBilgileriTablosu", "AliciFirmaNo", "CikisMiktari", "CikisNedeni"};
}

QString Doldur(QString sql, const Hareket& h) {
  return sql.replace(QLatin1String("{kaynak}"), QLatin1String("{tablo}"))
      .replace(QLatin1String("{tablo}"), h.tablo)
      .replace(QLatin1String("{firmaTablosu}"), h.firmaTablosu)
      .replace(QLatin1String("{firmaNo}"), h.firmaNo)
      .replace(QLatin1String("{miktar}"), h.miktar)
      .replace(QLatin1String("{neden}"), h.neden);
}

// The period, then the warehouse and the chooser value where they are given.
QString Koşullar(const QString& tarih, const Süzgeç& s, const QString& seçimAlanı, QVariantList& değerler) {
  QString koşul = tarih + QStringLiteral(" BETWEEN ? AND ?");
  değerler << s.dönem.ilk << s.dönem.son;
  const QString tablo = tarih.section(QLatin1Char('.'), 0, 0);
  if (s.depo) {
    koşul += QStringLiteral(" AND %1.DepoNo = ?").arg(tablo);
    değerler << *s.depo;
  }
  if (s.seçim && !seçimAlanı.isEmpty()) {
    koşul += QStringLiteral(" AND %1 = ?").arg(seçimAlanı);
    değerler << *s.seçim;
  }
  return koşul;
}

// The weight of `yüzde` hundredths of the product u, rounded once, as the column "Agirlik".
QString Ağırlık(const char* yüzde) {
  return QString::fromStdString(StokBakiyesi::Ağırlık(yüzde)) + QStringLiteral(" AS Agirlik ");
}

// {kaynak} is the movement table, or its rows already summed by group.
const QString AdlarıBirleştir = QStringLiteral(
    "FROM (({kaynak} h LEFT JOIN UrunBilgileriTablosu u ON h.UrunNo = u.UrunNo) "
    "LEFT JOIN DepoBilgileriTablosu d ON h.DepoNo = d.DepoNo) "
    "LEFT JOIN {firmaTablosu} f ON h.{firmaNo} = f.FirmaNo ");

}  // namespace

std::optional<Dönem> TümDönem(Veritabanı& vt, Kaynak kaynak) {
  QStringList tablolar;
  QString alan = QStringLiteral("IslemTarihi");
  switch (kaynak) {
    case Kaynak::GirişVeÇıkış: tablolar << "GirisIslemleriTablosu" << "CikisIslemleriTablosu"; break;
    case Kaynak::Giriş: tablolar << "GirisIslemleriTablosu"; break;
    case Kaynak::Çıkış: tablolar << "CikisIslemleriTablosu"; break;
    case Kaynak::İade:
      tablolar << "IadeBilgileriTablosu";
      alan = QStringLiteral("IadeTarihi");
      break;
  }
  // One Min or Max per subquery, so that each is answered from the date index.
  QStringList parçalar;
  for (const QString& t : tablolar)
    parçalar << QStringLiteral("SELECT (SELECT Min(%1) FROM %2) AS a, (SELECT Max(%1) FROM %2) AS b").arg(alan, t);
  const KayıtKümesi k = vt.KayıtKümesiAç(QStringLiteral("SELECT Min(a) AS EnKucukTarih, Max(b) AS EnBuyukTarih FROM (") +
                                         parçalar.join(QStringLiteral(" UNION ALL ")) + QLatin1Char(')'));
  const QDate ilk = k.Tarih(QStringLiteral("EnKucukTarih")), son = k.Tarih(QStringLiteral("EnBuyukTarih"));
  if (!ilk.isValid() || !son.isValid()) return std::nullopt;
  return Dönem{ilk, son};
}

std::vector<Seçenek> Depolar(Veritabanı& vt) {
  std::vector<Seçenek> d;
  for (KayıtKümesi k = vt.KayıtKümesiAç(QStringLiteral(
           "SELECT DepoNo, DepoAdi FROM DepoBilgileriTablosu ORDER BY DepoAdi COLLATE TURKCE"));
       !k.Sonda(); k.MoveNext())
    d.push_back({k.Tamsayı(QStringLiteral("DepoNo")), k.Metin(QStringLiteral("DepoAdi"))});
  return d;
}

std::vector<Seçenek> Firmalar(Veritabanı& vt, const QString& firmaTürü) {
  const QString tablo = firmaTürü == QLatin1String("Alici") ? QStringLiteral("AliciFirmaBilgileriTablosu")
                                                            : QStringLiteral("SaticiFirmaBilgileriTablosu");
  std::vector<Seçenek> f;
  for (KayıtKümesi k = vt.KayıtKümesiAç(
           QStringLiteral("SELECT FirmaNo, FirmaAdi FROM %1 ORDER BY FirmaAdi COLLATE TURKCE").arg(tablo));
       !k.Sonda(); k.MoveNext())
    f.push_back({k.Tamsayı(QStringLiteral("FirmaNo")), k.Metin(QStringLiteral("FirmaAdi"))});
  return f;
}

std::vector<Satır> MevcutStokListesi(Veritabanı& vt, const Süzgeç& s) {
  qint64 alt = 0, üst = 0;
  if (s.depo) {
    alt = üst = *s.depo;
  } else {
    üst = vt.KayıtKümesiAç(QStringLiteral("SELECT Max(DepoNo) AS EnBuyukDepoNo FROM DepoBilgileriTablosu"))
              .Tamsayı(QStringLiteral("EnBuyukDepoNo"));
  }
  // One warehouse counts the transfers that reached or left it; all warehouses leave them out.
  const int nedenSınırı = s.depo ? 100 : 99;
  std::vector<Satır> satırlar =
      Oku(vt, vt.SorguMetni(QStringLiteral("MevcutStokSorgusu")), {alt, üst, s.dönem.ilk, s.dönem.son, nedenSınırı},
          {{"UrunKodu", Tür::Metin},
           {"UrunAdi", Tür::Metin},
           {"GirenToplamMiktar", Tür::Miktar},
           {"GirenToplamAgirlik", Tür::Miktar},
           {"CikanToplamMiktar", Tür::Miktar},
           {"CikanToplamAgirlik", Tür::Miktar},
           {"MevcutAgirlik", Tür::Miktar}});
  // The on-hand weight comes from the query, rounded once; the rounded weights do not subtract.
  for (Satır& r : satırlar) r.insert(r.begin() + 6, r[2].toLongLong() - r[4].toLongLong());
  return satırlar;
}

std::vector<Satır> ÇıkışNedeniListesi(Veritabanı& vt, const Süzgeç& s) {
  const qint64 alt = s.seçim.value_or(0), üst = s.seçim.value_or(98);
  std::vector<Satır> satırlar =
      Oku(vt, vt.SorguMetni(QStringLiteral("CikisNedeniSorgusu")), {alt, üst, s.dönem.ilk, s.dönem.son},
          {{"UrunKodu", Tür::Metin},
           {"UrunAdi", Tür::Metin},
           {"DepoAdi", Tür::Metin},
           {"FirmaAdi", Tür::Metin},
           {"ToplamCikisMiktari", Tür::Miktar},
           {"ToplamAgirlik", Tür::Miktar}});
  TürkçeSırala(satırlar, {1, 2, 3});
  return satırlar;
}

std::vector<Satır> FirmaStokListesi(Veritabanı& vt, const QString& firmaTürü, const Süzgeç& s) {
  const Hareket h = HareketTablosu(firmaTürü != QLatin1String("Alici"));
  QVariantList değerler;
  const QString koşul = Koşullar(QStringLiteral("h.IslemTarihi"), s, QStringLiteral("h.") + h.firmaNo, değerler);
  // Summed by group from the period's rows first: the names are joined to a row per group.
  const QString toplam = QStringLiteral("(SELECT h.{firmaNo}, h.UrunNo, h.DepoNo, SUM(ROUND(h.{miktar} * 100)) AS Yuzde "
                                        "FROM {tablo} h WHERE h.{neden} < 99 AND ") +
                         koşul + QStringLiteral(" GROUP BY h.{firmaNo}, h.UrunNo, h.DepoNo)");
  const QString sql = Doldur(
      QStringLiteral("SELECT f.FirmaAdi, u.UrunKodu, u.UrunAdi, d.DepoAdi, h.Yuzde / 100.0 AS Miktar, ") +
          Ağırlık("h.Yuzde") +
          QString(AdlarıBirleştir).replace(QLatin1String("{kaynak}"), toplam),
      h);
  std::vector<Satır> satırlar = Oku(vt, sql, değerler,
                                    {{"FirmaAdi", Tür::Metin},
                                     {"UrunKodu", Tür::Metin},
                                     {"UrunAdi", Tür::Metin},
                                     {"DepoAdi", Tür::Metin},
                                     {"Miktar", Tür::Miktar},
                                     {"Agirlik", Tür::Miktar}});
  TürkçeSırala(satırlar, {0, 2, 3});
  return satırlar;
}

std::vector<Satır> İşlemListesi(Veritabanı& vt, const QString& işlemTürü, const Süzgeç& s) {
  const bool giriş = işlemTürü != QLatin1String("Cikis");
  const Hareket h = HareketTablosu(giriş);
  QVariantList değerler;
  const QString koşul = Koşullar(QStringLiteral("h.IslemTarihi"), s, {}, değerler);
  const QString sql = Doldur(QStringLiteral("SELECT h.IslemTarihi, f.FirmaAdi, u.UrunKodu, u.UrunAdi, d.DepoAdi, "
                                            "h.{neden} AS Neden, h.{miktar} AS Miktar, ") +
                                 Ağırlık("ROUND(h.{miktar} * 100)") +
                                 AdlarıBirleştir + QStringLiteral("WHERE h.{neden} < 99 AND ") + koşul +
                                 QStringLiteral(" ORDER BY h.IslemTarihi, h.IslemNo"),
                             h);
  std::vector<Satır> satırlar = Oku(vt, sql, değerler, {{"IslemTarihi", Tür::Tarih},
                                                                     {"FirmaAdi", Tür::Metin},
                                                                     {"UrunKodu", Tür::Metin},
                                                                     {"UrunAdi", Tür::Metin},
                                                                     {"DepoAdi", Tür::Metin},
                                                                     {"Neden", Tür::Metin},
                                                                     {"Miktar", Tür::Miktar},
                                                                     {"Agirlik", Tür::Miktar}});
  for (Satır& r : satırlar)
    r[5] = giriş ? QStringLiteral("Alım") : OrtakYordamlarModülü::ÇıkışNedeniAdı(r[5].toString().toLongLong());
  return satırlar;
}

std::vector<Satır> İadeListesi(Veritabanı& vt, const Süzgeç& s) {
  QVariantList değerler;
  const QString koşul = Koşullar(QStringLiteral("i.IadeTarihi"), s, {}, değerler);
  return Oku(vt,
             QStringLiteral("SELECT i.IadeTarihi, f.FirmaAdi, u.UrunKodu, u.UrunAdi, d.DepoAdi, "
                            "i.IadeMiktari AS Miktar, ") +
                 Ağırlık("ROUND(i.IadeMiktari * 100)") +
                 QStringLiteral("FROM ((IadeBilgileriTablosu i LEFT JOIN UrunBilgileriTablosu u ON i.UrunNo = u.UrunNo) "
                                "LEFT JOIN DepoBilgileriTablosu d ON i.DepoNo = d.DepoNo) "
                                "LEFT JOIN AliciFirmaBilgileriTablosu f ON i.FirmaNo = f.FirmaNo WHERE ") +
             koşul + QStringLiteral(" ORDER BY i.IadeTarihi, i.IadeNo"),
             değerler,
             {{"IadeTarihi", Tür::Tarih},
              {"FirmaAdi", Tür::Metin},
              {"UrunKodu", Tür::Metin},
              {"UrunAdi", Tür::Metin},
              {"DepoAdi", Tür::Metin},
              {"Miktar", Tür::Miktar},
              {"Agirlik", Tür::Miktar}});
}

}  // namespace ListeVerileri
