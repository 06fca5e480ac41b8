#include "HareketVerileri.h"

#include "StokBakiyesi.h"
#include "Veritabani.h"

#include <array>

namespace HareketVerileri {
namespace {

// The entry and exit tables differ only in these names.
struct Tablo {
  QString ad;
  QString firmaTablosu;
  QString firmaNo;
  QString miktar;
  QString neden;
  QString yapan;
  QString girişİşlemNo;  // the exit's pointer to its transfer entry; NULL for entries
};

const Tablo& T(HareketTürü tür) {
  static const std::array<Tablo, 2> tablolar{{
      {"GirisIslemleriTablosu", "SaticiFirmaBilgileriTablosu", "SaticiFirmaNo", "GirisMiktari", "GirisNedeni",
       "GirisiYapan", "NULL"},
      {"CikisIslemleriTablosu", "AliciFirmaBilgileriTablosu", "AliciFirmaNo", "CikisMiktari", "CikisNedeni",
       "CikisiYapan", "GirisIslemNo"},
  }};
  return tablolar[tür == HareketTürü::Giriş ? 0 : 1];
}

QString Doldur(QString sql, const Tablo& t) {
  return sql.replace(QLatin1String("{ad}"), t.ad)
      .replace(QLatin1String("{firmaTablosu}"), t.firmaTablosu)
      .replace(QLatin1String("{firmaNo}"), t.firmaNo)
      .replace(QLatin1String("{miktar}"), t.miktar)
      .replace(QLatin1String("{neden}"), t.neden)
      .replace(QLatin1String("{yapan}"), t.yapan)
      .replace(QLatin1String("{girisIslemNo}"), t.girişİşlemNo);
}

qint64 Neden(const KayıtKümesi& k) {
  return k.BoşMu(QStringLiteral("Neden")) ? NedenYok : k.Tamsayı(QStringLiteral("Neden"));
}

std::optional<qint64> GirişİşlemNo(const KayıtKümesi& k) {
  if (k.BoşMu(QStringLiteral("GirisIslemNo"))) return std::nullopt;
  return k.Tamsayı(QStringLiteral("GirisIslemNo"));
}

// Sums in whole hundredths, so that a balance met exactly compares as 0.
Toplamlar Topla(Veritabanı& vt, bool kişininki, qint64 no) {
  Toplamlar s;
  for (HareketTürü tür : {HareketTürü::Giriş, HareketTürü::Çıkış}) {
    const KayıtKümesi k = vt.KayıtKümesiAç(
        Doldur(QStringLiteral("SELECT Sum(Round({miktar} * 100)) AS Yuzde FROM {ad} WHERE %1= ? AND {neden}<99")
                   .arg(kişininki ? T(tür).yapan : QStringLiteral("UrunNo")),
               T(tür)),
        {no});
    (tür == HareketTürü::Giriş ? s.giriş : s.çıkış) = k.Tamsayı(QStringLiteral("Yuzde"));
  }
  return s;
}

// A movement as stored, read inside the write's transaction.
struct Kayıt {
  QVariant urunNo, depoNo, firmaNo;
  QDate tarih;
  Miktar miktar = 0;
  qint64 neden = NedenYok;
  std::optional<qint64> girişİşlemNo;
};

std::optional<Kayıt> KaydıOku(Veritabanı& vt, HareketTürü tür, qint64 islemNo) {
  const KayıtKümesi k = vt.KayıtKümesiAç(
      Doldur(QStringLiteral("SELECT UrunNo, DepoNo, {firmaNo} AS FirmaNo, IslemTarihi, {miktar} AS Miktar, "
                            "{neden} AS Neden, {girisIslemNo} AS GirisIslemNo FROM {ad} WHERE IslemNo= ?"),
             T(tür)),
      {islemNo});
  if (k.Sonda()) return std::nullopt;
  return Kayıt{k.Değer(QStringLiteral("UrunNo")), k.Değer(QStringLiteral("DepoNo")),
               k.Değer(QStringLiteral("FirmaNo")),  k.Tarih(QStringLiteral("IslemTarihi")),
               k.Miktar(QStringLiteral("Miktar")),  Neden(k),
               GirişİşlemNo(k)};
}

bool GösterildiğiGibi(const Kayıt& k, const GörülenHareket& h) {
  return k.tarih == h.tarih && k.miktar == h.miktar && k.neden == h.neden && k.girişİşlemNo == h.girişİşlemNo;
}

// After a write that took `azalan` off the warehouse's stock, as stored now; a refusal is
// described in `eksik` when given.
bool EksiyeDüştü(Veritabanı& vt, const Kayıt& k, Miktar azalan, DepoEksiği* eksik) {
  if (azalan <= 0) return false;
  const qint64 ürün = k.urunNo.toLongLong(), depo = k.depoNo.toLongLong();
  const Miktar kalan = MevcutStok(vt, ürün, depo);
  if (kalan >= 0) return false;
  if (eksik) *eksik = {ürün, depo, kalan + azalan, azalan};
  return true;
}

// After a write that raised the stock of the product in the warehouse: whether that stock as
// stored now, or its weight, is past what is kept exactly.
bool SınırıAştı(Veritabanı& vt, const QVariant& ürünNo, const QVariant& depoNo) {
  return !OrtakYordamlarModülü::StokTamTutulur(vt, ürünNo.toLongLong(), depoNo.toLongLong());
}

// The work `iş` on the movement named by its product, should its outcome be told later.
QString İşAdı(Veritabanı& vt, const GörülenHareket& h, const QString& iş) {
  const KayıtKümesi k =
      vt.KayıtKümesiAç(QStringLiteral("SELECT UrunNo FROM %1 WHERE IslemNo= ?").arg(T(h.tür).ad), {h.islemNo});
  // A movement gone meanwhile is not written: its work is never told.
  if (k.Sonda()) return iş;
  return OrtakYordamlarModülü::ÜrünİşiAdı(vt, iş, k.Tamsayı(QStringLiteral("UrunNo")));
}

// One transaction on the movement as stored, the work `ad`; `yaz` writes and says whether it stands.
// The try `kendi` holds, whose outcome the disk hid, found in the file is not written twice: the
// work is done, unless the movement as that try left it (`deneme`) takes the new values over it.
template <class Yaz>
Sonuç KayıtÜzerinde(Veritabanı& vt, const GörülenHareket& h, const QString& ad, İşlemİzleri::Bekleyenİz* kendi,
                   const GörülenHareket* deneme, Yaz&& yaz) {
  Veritabanı::İşlem işlem(vt, İşAdı(vt, h, ad), kendi);
  const GörülenHareket* taban = &h;
  if (işlem.ÖnceYazıldı()) {
    if (!deneme) return Sonuç::Yapıldı;
    taban = deneme;
  }
  const std::optional<Kayıt> kayıt = KaydıOku(vt, taban->tür, taban->islemNo);
  if (!kayıt || !GösterildiğiGibi(*kayıt, *taban)) return Sonuç::HareketDeğişmiş;
  const Sonuç sonuç = yaz(*kayıt);
  if (sonuç == Sonuç::Yapıldı) işlem.Onayla();
  return sonuç;
}

void Sil(Veritabanı& vt, HareketTürü tür, const QString& koşul, qint64 no) {
  vt.Çalıştır(QStringLiteral("DELETE FROM %1 WHERE %2= ?").arg(T(tür).ad, koşul), {no});
}

Sonuç Değiştir(Veritabanı& vt, const GörülenHareket& h, const QDate& tarih, Miktar miktar,
               std::optional<qint64> neden, DepoEksiği* eksik, İşlemİzleri::Bekleyenİz* kendi,
               const GörülenHareket* deneme) {
  return KayıtÜzerinde(vt, h, QStringLiteral("Hareket değişikliği"), kendi, deneme,
                       [&](const Kayıt& k) {
    if (k.neden == TransferNedeni) return Sonuç::Reddedildi;
    // Already so (an earlier try stored these very values): nothing to write.
    if (k.tarih == tarih && k.miktar == miktar && k.neden == neden.value_or(k.neden)) return Sonuç::Yapıldı;
    // Its weight is shown and printed by the lists: it must be kept exactly too.
    const KayıtKümesi ürün = vt.KayıtKümesiAç(
        QStringLiteral("SELECT BirimAgirligi FROM UrunBilgileriTablosu WHERE UrunNo= ?"), {k.urunNo});
    if (!StokBakiyesi::AğırlıkTamTutulur(miktar, ürün.Sonda() ? 0 : ürün.Ondalık(QStringLiteral("BirimAgirligi"))))
      return Sonuç::TutulamazMiktar;
    QVariantList değerler{tarih, TürkçeMetin::MiktarDeğeri(miktar)};
    if (neden) değerler << *neden;
    değerler << h.islemNo;
    vt.Çalıştır(Doldur(QStringLiteral("UPDATE {ad} SET IslemTarihi= ?, {miktar}= ?%1 WHERE IslemNo= ?")
                           .arg(neden ? QStringLiteral(", {neden}= ?") : QString()),
                       T(h.tür)),
                değerler);
    const Miktar azalan = h.tür == HareketTürü::Giriş ? k.miktar - miktar : miktar - k.miktar;
    if (azalan < 0 && SınırıAştı(vt, k.urunNo, k.depoNo)) return Sonuç::TutulamazMiktar;
    return EksiyeDüştü(vt, k, azalan, eksik) ? Sonuç::StokEksiyeDüşer : Sonuç::Yapıldı;
  });
}

}  // namespace

std::vector<ÜrünHareketi> ÜrünHareketleri(Veritabanı& vt, qint64 urunNo, HareketTürü tür) {
  // A transfer half names the other warehouse in its company column.
  KayıtKümesi k = vt.KayıtKümesiAç(
      Doldur(QStringLiteral(
                 "SELECT h.IslemNo, CASE WHEN h.{neden} = 99 THEN k.DepoAdi ELSE f.FirmaAdi END AS Firmasi, "
                 "d.DepoAdi, h.IslemTarihi, h.{miktar} AS Miktar, h.{neden} AS Neden, "
                 "{girisIslemNo} AS GirisIslemNo "
                 "FROM (({ad} h LEFT JOIN DepoBilgileriTablosu d ON h.DepoNo = d.DepoNo) "
                 "LEFT JOIN {firmaTablosu} f ON h.{firmaNo} = f.FirmaNo) "
                 "LEFT JOIN DepoBilgileriTablosu k ON h.{firmaNo} = k.DepoNo "
                 "WHERE h.UrunNo= ? ORDER BY h.IslemNo"),
             T(tür)),
      {urunNo});
  std::vector<ÜrünHareketi> satırlar;
  satırlar.reserve(k.KayıtSayısı());
  for (; !k.Sonda(); k.MoveNext())
    satırlar.push_back({k.Tamsayı(QStringLiteral("IslemNo")), k.Metin(QStringLiteral("Firmasi")),
                        k.Metin(QStringLiteral("DepoAdi")), k.Tarih(QStringLiteral("IslemTarihi")),
                        k.Miktar(QStringLiteral("Miktar")), Neden(k), GirişİşlemNo(k)});
  return satırlar;
}

void KişiHareketleri(Veritabanı& vt, qint64 kişiNo, HareketTürü tür,
                     const std::function<void(const KişiHareketi&)>& işle) {
  KişiHareketi h;
  vt.SatırSatırOku(
      Doldur(QStringLiteral("SELECT u.UrunKodu, u.UrunAdi, h.IslemTarihi, h.{miktar}, h.{neden} "
                            "FROM UrunBilgileriTablosu u INNER JOIN {ad} h ON u.UrunNo = h.UrunNo "
                            "WHERE h.{yapan}= ? ORDER BY h.IslemNo"),
             T(tür)),
      {kişiNo}, [&](const OkunanSatır& s) {
        h = {s.Metin(0), s.Metin(1), s.Tarih(2), s.Miktar(3), s.BoşMu(4) ? NedenYok : s.Tamsayı(4)};
        işle(h);
      });
}

Toplamlar ÜrünToplamları(Veritabanı& vt, qint64 urunNo) { return Topla(vt, false, urunNo); }

Toplamlar KişiToplamları(Veritabanı& vt, qint64 kişiNo) { return Topla(vt, true, kişiNo); }

QString NedenAdı(HareketTürü tür, qint64 neden) {
  if (neden == TransferNedeni) return QStringLiteral("Transfer");
  if (tür == HareketTürü::Giriş) return QStringLiteral("Alım");
  // No part of the program writes another code: it has no name.
  return OrtakYordamlarModülü::ÇıkışNedeniAdı(neden);
}

bool TransferGirişiVar(Veritabanı& vt, qint64 urunNo) {
  return !vt
              .KayıtKümesiAç(QStringLiteral("SELECT UrunNo FROM GirisIslemleriTablosu "
                                            "WHERE UrunNo= ? AND GirisNedeni=99 LIMIT 1"),
                             {urunNo})
              .Boş();
}


QString DepoEksiğiMetni(Veritabanı& vt, const DepoEksiği& e, bool silme) {
  return OrtakYordamlarModülü::DepodakiStokMetni(vt, e.ürünNo, e.depoNo, e.mevcut) +
         (silme ? QStringLiteral(", silinecek girişin MİKTARINDAN (%1) az!\n\nHareket silinmedi.")
                : QStringLiteral(", değişikliğin stoktan düşeceği MİKTARDAN (%1) az!\n\n"
                                 "Değişiklik kaydedilmedi; lütfen, miktarı düzeltiniz."))
             .arg(TürkçeMetin::MiktarMetni(e.düşülen));
}

Sonuç HareketiSil(Veritabanı& vt, const GörülenHareket& h, DepoEksiği* eksik, İşlemİzleri::Bekleyenİz* kendi) {
  return KayıtÜzerinde(vt, h, QStringLiteral("Hareket silme"), kendi, nullptr, [&](const Kayıt& k) {
    Sil(vt, h.tür, QStringLiteral("IslemNo"), h.islemNo);
    // The exit's warehouse gets back what it gave: for a transfer, the source the entry half names.
    if (h.tür == HareketTürü::Çıkış || k.neden == TransferNedeni)
      if (SınırıAştı(vt, k.urunNo, h.tür == HareketTürü::Çıkış ? k.depoNo : k.firmaNo)) return Sonuç::TutulamazMiktar;
    if (k.neden != TransferNedeni)
      return h.tür == HareketTürü::Giriş && EksiyeDüştü(vt, k, k.miktar, eksik) ? Sonuç::StokEksiyeDüşer
                                                                              : Sonuç::Yapıldı;

    // A transfer goes with both halves; its target warehouse loses the entry.
    std::optional<Kayıt> giriş;
    if (h.tür == HareketTürü::Giriş) {
      giriş = k;
      Sil(vt, HareketTürü::Çıkış, QStringLiteral("GirisIslemNo"), h.islemNo);
    } else if (k.girişİşlemNo) {
      giriş = KaydıOku(vt, HareketTürü::Giriş, *k.girişİşlemNo);
      Sil(vt, HareketTürü::Giriş, QStringLiteral("IslemNo"), *k.girişİşlemNo);
    }
    return giriş && EksiyeDüştü(vt, *giriş, giriş->miktar, eksik) ? Sonuç::StokEksiyeDüşer : Sonuç::Yapıldı;
  });
}

Sonuç GirişiDeğiştir(Veritabanı& vt, const GörülenHareket& h, const QDate& tarih, Miktar miktar,
                     DepoEksiği* eksik, İşlemİzleri::Bekleyenİz* kendi, const GörülenHareket* deneme) {
  return Değiştir(vt, h, tarih, miktar, std::nullopt, eksik, kendi, deneme);
}

Sonuç ÇıkışıDeğiştir(Veritabanı& vt, const GörülenHareket& h, const QDate& tarih, Miktar miktar, qint64 neden,
                     DepoEksiği* eksik, İşlemİzleri::Bekleyenİz* kendi, const GörülenHareket* deneme) {
  return Değiştir(vt, h, tarih, miktar, neden, eksik, kendi, deneme);
}

Sonuç StoğaİadeEt(Veritabanı& vt, const GörülenHareket& h, const QDate& iadeTarihi, Miktar iade,
                  İşlemİzleri::Bekleyenİz* kendi) {
  return KayıtÜzerinde(vt, h, QStringLiteral("Stoğa iade"), kendi, nullptr, [&](const Kayıt& k) {
    if (h.tür != HareketTürü::Çıkış || k.neden == TransferNedeni || iade <= 0 || iade > k.miktar)
      return Sonuç::Reddedildi;
    if (iadeTarihi < k.tarih) return Sonuç::İadeÇıkıştanÖnce;
    if (iade == k.miktar)
      Sil(vt, HareketTürü::Çıkış, QStringLiteral("IslemNo"), h.islemNo);
    else
      vt.Çalıştır(QStringLiteral("UPDATE CikisIslemleriTablosu SET CikisMiktari= ? WHERE IslemNo= ?"),
                  {TürkçeMetin::MiktarDeğeri(k.miktar - iade), h.islemNo});
    vt.Çalıştır(QStringLiteral("INSERT INTO IadeBilgileriTablosu "
                               "(IslemNo, UrunNo, FirmaNo, DepoNo, IadeTarihi, IadeMiktari) VALUES (?, ?, ?, ?, ?, ?)"),
                {h.islemNo, k.urunNo, k.firmaNo, k.depoNo, iadeTarihi, TürkçeMetin::MiktarDeğeri(iade)});
    return SınırıAştı(vt, k.urunNo, k.depoNo) ? Sonuç::TutulamazMiktar : Sonuç::Yapıldı;
  });
}

}  // namespace HareketVerileri
