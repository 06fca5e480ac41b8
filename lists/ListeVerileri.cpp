#include "ListeVerileri.h"

#include "OkumaIslemi.h"
#include "OrtakYordamlarModulu.h"
#include "StokBakiyesi.h"
#include "Veritabani.h"

#include <array>
#include <functional>
#include <unordered_map>
#include <numeric>

namespace ListeVerileri {
namespace {

// The named field of each column as the statement steps, without a copy of the whole result
// first and without a text per cell: names go to the list's pool as the engine gives them. A
// column without a field (nullptr) is left for the caller to fill after.
SıkıListe Oku(Veritabanı& vt, const QString& sql, const QVariantList& değerler, const std::vector<HücreTürü>& türler,
              const std::vector<const char*>& alanlar) {
  SıkıListe satırlar(türler);
  std::vector<int> sütunlar;
  vt.SatırSatırOku(sql, değerler, [&](const OkunanSatır& k) {
    if (sütunlar.empty())
      for (const char* a : alanlar) sütunlar.push_back(a ? k.Sütun(QString::fromUtf8(a)) : -1);
    for (int i = 0; i < static_cast<int>(türler.size()); ++i) {
      const int sütun = sütunlar[static_cast<size_t>(i)];
      if (sütun < 0) continue;
      switch (türler[static_cast<size_t>(i)]) {
        case HücreTürü::Miktar: satırlar.MiktarEkle(i, k.Miktar(sütun)); break;
        case HücreTürü::Tarih: satırlar.TarihEkle(i, k.Utf8(sütun)); break;
        default: satırlar.MetinEkle(i, k.Utf8(sütun)); break;
      }
    }
  });
  return satırlar;
}

// Orders the rows by the texts of three columns in Turkish order: sorted by the last column
// first, then stably by the ones before it, each on the places of its distinct texts.
void TürkçeSırala(SıkıListe& satırlar, const std::array<int, 3>& sütunlar) {
  std::vector<quint32> sıra(static_cast<size_t>(satırlar.SatırSayısı()));
  std::iota(sıra.begin(), sıra.end(), 0u);
  for (auto s = sütunlar.rbegin(); s != sütunlar.rend(); ++s) satırlar.Sırala(sıra, *s, false);
  satırlar.Diz(sıra);
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

// The names of the products, warehouses and companies, by key, numbered in the list's pool. A list
// of a whole period has hundreds of thousands of rows but a few thousand names: each row reads only
// its keys and takes its names from here, where a join would look each one up again for every row.
class Adlar {
public:
  struct Ürün {
    qint32 kod, ad;
    double birimAğırlığı;
  };

  Adlar(Veritabanı& vt, SıkıListe& liste, const QString& firmaTablosu)
      : vt_(vt), liste_(liste), boş_(liste.MetinNo(QByteArrayView())), boşÜrün_{boş_, boş_, 0} {
    Oku(ürünler_, QStringLiteral("SELECT UrunNo, UrunKodu, UrunAdi, BirimAgirligi FROM UrunBilgileriTablosu"));
    Oku(depolar_, QStringLiteral("SELECT DepoNo, DepoAdi FROM DepoBilgileriTablosu"));
    Oku(firmalar_, QStringLiteral("SELECT FirmaNo, FirmaAdi FROM %1").arg(firmaTablosu));
  }

  const Ürün& ÜrünAdı(qint64 no) { return Bul(ürünler_, no, boşÜrün_); }
  qint32 DepoAdı(qint64 no) { return Bul(depolar_, no, boş_); }
  qint32 FirmaAdı(qint64 no) { return Bul(firmalar_, no, boş_); }

private:
  // The names and the movements are read in one read transaction: a key missing from the names
  // is a record deleted before it, and shows nothing, as a left join would.
  template <class T>
  static const T& Bul(const std::unordered_map<qint64, T>& adlar, qint64 no, const T& yok) {
    const auto i = adlar.find(no);
    return i == adlar.end() ? yok : i->second;
  }
  void Oku(std::unordered_map<qint64, Ürün>& adlar, const QString& sql) {
    vt_.SatırSatırOku(sql, {}, [&](const OkunanSatır& k) {
      adlar[k.Tamsayı(0)] = {liste_.MetinNo(k.Utf8(1)), liste_.MetinNo(k.Utf8(2)), k.Ondalık(3)};
    });
  }
  void Oku(std::unordered_map<qint64, qint32>& adlar, const QString& sql) {
    vt_.SatırSatırOku(sql, {}, [&](const OkunanSatır& k) { adlar[k.Tamsayı(0)] = liste_.MetinNo(k.Utf8(1)); });
  }

  Veritabanı& vt_;
  SıkıListe& liste_;
  const qint32 boş_;
  const Ürün boşÜrün_;
  std::unordered_map<qint64, Ürün> ürünler_;
  std::unordered_map<qint64, qint32> depolar_, firmalar_;
};

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

SıkıListe MevcutStokListesi(Veritabanı& vt, const Süzgeç& s) {
  qint64 alt = 0, üst = 0;
  if (s.depo) {
    alt = üst = *s.depo;
  } else {
    üst = vt.KayıtKümesiAç(QStringLiteral("SELECT Max(DepoNo) AS EnBuyukDepoNo FROM DepoBilgileriTablosu"))
              .Tamsayı(QStringLiteral("EnBuyukDepoNo"));
  }
  // One warehouse counts the transfers that reached or left it; all warehouses leave them out.
  const int nedenSınırı = s.depo ? 100 : 99;
  SıkıListe satırlar = Oku(vt, vt.SorguMetni(QStringLiteral("MevcutStokSorgusu")),
                           {alt, üst, s.dönem.ilk, s.dönem.son, nedenSınırı}, Sütunlar::MevcutStok,
                           {"UrunKodu", "UrunAdi", "GirenToplamMiktar", "GirenToplamAgirlik", "CikanToplamMiktar",
                            "CikanToplamAgirlik", nullptr, "MevcutAgirlik"});
  // The on-hand quantity is what came in less what went out; the on-hand weight comes from the
  // query, rounded once, as the rounded weights do not subtract.
  for (int r = 0; r < satırlar.SatırSayısı(); ++r)
    satırlar.MiktarEkle(6, TürkçeMetin::Kırp(static_cast<__int128>(satırlar.Miktar(r, 2)) - satırlar.Miktar(r, 4)));
  return satırlar;
}

SıkıListe ÇıkışNedeniListesi(Veritabanı& vt, const Süzgeç& s) {
  const qint64 alt = s.seçim.value_or(0), üst = s.seçim.value_or(98);
  SıkıListe satırlar =
      Oku(vt, vt.SorguMetni(QStringLiteral("CikisNedeniSorgusu")), {alt, üst, s.dönem.ilk, s.dönem.son},
          Sütunlar::ÇıkışNedeni, {"UrunKodu", "UrunAdi", "DepoAdi", "FirmaAdi", "ToplamCikisMiktari", "ToplamAgirlik"});
  TürkçeSırala(satırlar, {1, 2, 3});
  return satırlar;
}

SıkıListe FirmaStokListesi(Veritabanı& vt, const QString& firmaTürü, const Süzgeç& s) {
  const Hareket h = HareketTablosu(firmaTürü != QLatin1String("Alici"));
  QVariantList değerler;
  const QString koşul = Koşullar(QStringLiteral("h.IslemTarihi"), s, QStringLiteral("h.") + h.firmaNo, değerler);
  // Summed by group from the period's rows first: the names are joined to a row per group.
  const QString toplam = QStringLiteral("(SELECT h.{firmaNo}, h.UrunNo, h.DepoNo, ") +
                         QString::fromStdString(StokBakiyesi::Toplam("ROUND(h.{miktar} * 100)")) +
                         QStringLiteral(" AS Yuzde FROM {tablo} h WHERE h.{neden} < 99 AND ") +
                         koşul + QStringLiteral(" GROUP BY h.{firmaNo}, h.UrunNo, h.DepoNo)");
  const QString sql = Doldur(
      QStringLiteral("SELECT f.FirmaAdi, u.UrunKodu, u.UrunAdi, d.DepoAdi, h.Yuzde / 100.0 AS Miktar, ") +
          Ağırlık("h.Yuzde") +
          QString(AdlarıBirleştir).replace(QLatin1String("{kaynak}"), toplam),
      h);
  SıkıListe satırlar = Oku(vt, sql, değerler, Sütunlar::FirmaStok,
                           {"FirmaAdi", "UrunKodu", "UrunAdi", "DepoAdi", "Miktar", "Agirlik"});
  TürkçeSırala(satırlar, {0, 2, 3});
  return satırlar;
}

// Columns: date, company, product code, product name, warehouse, [reason,] quantity, weight.
SıkıListe HareketSatırları(Veritabanı& vt, const QString& sql, const QVariantList& değerler,
                           const QString& firmaTablosu, const std::function<qint32(SıkıListe&, qint64)>& neden) {
  SıkıListe satırlar(neden ? Sütunlar::İşlem : Sütunlar::İade);
  // The names and the movements from one moment: a product renamed and another given its old
  // name between the reads would show both under one name.
  const Okumaİşlemi okuma(vt);
  Adlar adlar(vt, satırlar, firmaTablosu);
  const int miktarSütunu = neden ? 6 : 5;
  vt.SatırSatırOku(sql, değerler, [&](const OkunanSatır& k) {
    const Adlar::Ürün& ürün = adlar.ÜrünAdı(k.Tamsayı(2));
    satırlar.TarihEkle(0, k.Utf8(0));
    satırlar.MetinNoEkle(1, adlar.FirmaAdı(k.Tamsayı(1)));
    satırlar.MetinNoEkle(2, ürün.kod);
    satırlar.MetinNoEkle(3, ürün.ad);
    satırlar.MetinNoEkle(4, adlar.DepoAdı(k.Tamsayı(3)));
    if (neden) satırlar.MetinNoEkle(5, neden(satırlar, k.Tamsayı(4)));
    const Miktar miktar = k.Miktar(5);
    satırlar.MiktarEkle(miktarSütunu, miktar);
    satırlar.MiktarEkle(miktarSütunu + 1, StokBakiyesi::Ağırlık(miktar, ürün.birimAğırlığı));
  });
  return satırlar;
}

SıkıListe İşlemListesi(Veritabanı& vt, const QString& işlemTürü, const Süzgeç& s) {
  const bool giriş = işlemTürü != QLatin1String("Cikis");
  const Hareket h = HareketTablosu(giriş);
  QVariantList değerler;
  const QString koşul = Koşullar(QStringLiteral("h.IslemTarihi"), s, {}, değerler);
  const QString sql = Doldur(QStringLiteral("SELECT h.IslemTarihi, h.{firmaNo}, h.UrunNo, h.DepoNo, h.{neden}, "
                                            "h.{miktar} FROM {tablo} h WHERE h.{neden} < 99 AND ") +
                                 koşul + QStringLiteral(" ORDER BY h.IslemTarihi, h.IslemNo"),
                             h);
  std::unordered_map<qint64, qint32> nedenler;
  return HareketSatırları(vt, sql, değerler, h.firmaTablosu, [&](SıkıListe& l, qint64 n) {
    auto i = nedenler.find(n);
    if (i == nedenler.end()) {
      const QString ad = giriş ? QStringLiteral("Alım") : OrtakYordamlarModülü::ÇıkışNedeniAdı(n);
      i = nedenler.emplace(n, l.MetinNo(QByteArrayView(ad.toUtf8()))).first;
    }
    return i->second;
  });
}

SıkıListe İadeListesi(Veritabanı& vt, const Süzgeç& s) {
  QVariantList değerler;
  const QString koşul = Koşullar(QStringLiteral("i.IadeTarihi"), s, {}, değerler);
  return HareketSatırları(vt,
                          QStringLiteral("SELECT i.IadeTarihi, i.FirmaNo, i.UrunNo, i.DepoNo, 0, i.IadeMiktari "
                                         "FROM IadeBilgileriTablosu i WHERE ") +
                              koşul + QStringLiteral(" ORDER BY i.IadeTarihi, i.IadeNo"),
                          değerler, QStringLiteral("AliciFirmaBilgileriTablosu"), {});
}

}  // namespace ListeVerileri
