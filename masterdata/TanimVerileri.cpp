#include "TanimVerileri.h"

#include "OrtakYordamlarModulu.h"
#include "StokBakiyesi.h"
#include "TurkceMetin.h"

#include <cmath>

namespace TanımVerileri {

const Tanım Ürünler{"UrunBilgileriTablosu", "UrunNo", "UrunKodu", "UrunAdi", nullptr, "ürün"};
const Tanım Depolar{"DepoBilgileriTablosu", "DepoNo", "DepoKodu", "DepoAdi", nullptr, "depo"};

namespace {

QString S(const char* metin) { return QString::fromUtf8(metin); }

bool Boş(const QString& metin) { return metin.trimmed().isEmpty(); }

// Each movement and critical level of the product weighs its own quantity at the unit weight: the
// largest of them decides. Its weight is reckoned without wrapping, whatever the unit weight.
bool HareketlerTamTutulur(Veritabanı& vt, qint64 ürün, double birimAğırlığı) {
  const double enBüyük =
      vt.KayıtKümesiAç(QStringLiteral("SELECT MAX(m) AS EnBuyuk FROM ("
                                      "SELECT MAX(ABS(GirisMiktari)) AS m FROM GirisIslemleriTablosu WHERE UrunNo = ?1 "
                                      "UNION ALL SELECT MAX(ABS(CikisMiktari)) FROM CikisIslemleriTablosu WHERE UrunNo = ?1 "
                                      "UNION ALL SELECT MAX(ABS(IadeMiktari)) FROM IadeBilgileriTablosu WHERE UrunNo = ?1 "
                                      "UNION ALL SELECT MAX(ABS(KritikStokMiktari)) FROM KritikStokBilgileriTablosu "
                                      "WHERE UrunNo = ?1)"),
                       {ürün})
          .Ondalık(QStringLiteral("EnBuyuk"));
  // A quantity already past what is kept is not turned into hundredths: it would not fit.
  if (!(enBüyük <= TürkçeMetin::MiktarDeğeri(TürkçeMetin::EnBüyükMiktar))) return false;
  return StokBakiyesi::AğırlıkTamTutulur(TürkçeMetin::MiktaraÇevir(enBüyük), birimAğırlığı);
}

// The record the held try added, when the try is in the file: the save changes it instead of adding
// another. Gone since (another workstation deleted it), the save adds anew: 0.
qint64 DenemeninKaydı(Veritabanı& vt, const Tanım& t, Deneme* deneme, bool önceYazıldı) {
  if (!deneme || !deneme->no || !önceYazıldı) return 0;
  // Read under the save's lock: it cannot go between here and the write.
  if (!vt.KayıtKümesiAç(QStringLiteral("SELECT %1 FROM %2 WHERE %1= ?").arg(S(t.anahtar), S(t.tablo)), {deneme->no})
           .Boş())
    return deneme->no;
  deneme->no = 0;
  deneme->silinmiş = true;
  return 0;
}

}  // namespace

QVariant Metin(const QString& metin) { return metin.isNull() ? QVariant(QStringLiteral("")) : QVariant(metin); }

bool BaşkasındaVar(Veritabanı& vt, const Tanım& t, const char* sütun, const QString& değer, qint64 no) {
  const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE TR_KATLA(%3)= TR_KATLA(?) AND %1<>? LIMIT 1")
                          .arg(S(t.anahtar), S(t.tablo), S(sütun));
  return !vt.KayıtKümesiAç(sql, {değer, no}).Boş();
}

KayıtKümesi KaydıOku(Veritabanı& vt, const Tanım& t, qint64 no) {
  KayıtKümesi k = vt.KayıtKümesiAç(QStringLiteral("SELECT * FROM %1 WHERE %2= ?").arg(S(t.tablo), S(t.anahtar)), {no});
  if (k.Sonda()) throw VeritabanıHatası(VeritabanıHataNo::KayıtYok, QStringLiteral("Geçerli kayıt yok."));
  return k;
}

Kayıtİşlemi::Kayıtİşlemi(Veritabanı& vt, const Tanım& t, qint64 no, const QString& kayıt, Deneme* deneme)
    : deneme(deneme),
      işlem(vt, KayıtİşiAdı(t, no, kayıt), deneme ? &deneme->bekleyen : nullptr),
      no(no ? no : DenemeninKaydı(vt, t, deneme, işlem.ÖnceYazıldı())) {}

KayıtSonucu Yaz(Veritabanı& vt, Kayıtİşlemi& k, const Tanım& t, const QStringList& sütunlar,
                const QVariantList& değerler, const std::function<Sonuç(qint64)>& denetle) {
  qint64 no = k.no;
  if (no == 0) {
    QStringList yerler;
    for (qsizetype i = 0; i < sütunlar.size(); ++i) yerler << QStringLiteral("?");
    vt.Çalıştır(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(S(t.tablo), sütunlar.join(QStringLiteral(", ")), yerler.join(QStringLiteral(", "))),
                değerler);
    no = vt.SonEklenenNo();
    // Kept before the commit: a commit left unknown is found by it when saved again.
    if (k.deneme) k.deneme->no = no;
  } else {
    QStringList atamalar;
    for (const QString& s : sütunlar) atamalar << s + QStringLiteral("= ?");
    QVariantList d = değerler;
    d << no;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE %3=?")
                            .arg(S(t.tablo), atamalar.join(QStringLiteral(", ")), S(t.anahtar));
    // Another workstation deleted it meanwhile.
    if (vt.Çalıştır(sql, d) == 0) return {Sonuç::KayıtYok};
  }
  if (denetle)
    if (const Sonuç s = denetle(no); s != Sonuç::Kaydedildi) return {s};
  k.işlem.Onayla();
  return {Sonuç::Kaydedildi, no};
}

namespace {
QString Ne(const Tanım& t) {
  const QString ne = S(t.ne);
  return TürkçeMetin::BüyükHarf(ne.front()) + ne.mid(1);
}
}  // namespace

QString KayıtİşiAdı(const Tanım& t, qint64 no, const QString& kayıt) {
  const QString iş = no ? Ne(t) + QStringLiteral(" değişikliği") : QStringLiteral("Yeni ") + S(t.ne);
  return iş + QStringLiteral(": ") + kayıt.simplified();
}

std::vector<Bulunan> Ara(Veritabanı& vt, const Tanım& t, bool adaGöre, const QString& aranan) {
  const QString sütun = S(adaGöre ? t.ad : t.kod);
  const QString sql = QStringLiteral(
                          "SELECT %1, %2, %3 FROM %4 WHERE TR_KATLA(%5) LIKE TR_KATLA(?) ESCAPE '\\' "
                          "ORDER BY %3 COLLATE TURKCE, %2 COLLATE TURKCE")
                          .arg(S(t.anahtar), S(t.kod), S(t.ad), S(t.tablo), sütun);
  std::vector<Bulunan> bulunan;
  for (KayıtKümesi k = vt.KayıtKümesiAç(sql, {BaşlayanKalıbı(aranan)}); !k.Sonda(); k.MoveNext())
    bulunan.push_back({k.Tamsayı(S(t.anahtar)), k.Metin(sütun)});
  return bulunan;
}

bool GirişVar(Veritabanı& vt, const Tanım& t, qint64 no) {
  const QString sql = t.kullanım ? S(t.kullanım)
                                 : QStringLiteral("SELECT %1 FROM GirisIslemleriTablosu WHERE %1=?").arg(S(t.anahtar));
  return !vt.KayıtKümesiAç(sql + QStringLiteral(" LIMIT 1"), {no}).Boş();
}

bool Sil(Veritabanı& vt, const Tanım& t, qint64 no) {
  // Named by its code and name, as read before the deletion, should its outcome be told later.
  const KayıtKümesi kayıt = vt.KayıtKümesiAç(
      QStringLiteral("SELECT %1 || ' ' || %2 AS Kayit FROM %3 WHERE %4=?").arg(S(t.kod), S(t.ad), S(t.tablo), S(t.anahtar)),
      {no});
  Veritabanı::İşlem işlem(vt, Ne(t) + QStringLiteral(" silme: ") + (kayıt.Sonda() ? QString() : kayıt.Metin("Kayit")));
  // Asked again here: an entry may have come from another workstation since the question.
  if (GirişVar(vt, t, no)) return false;
  vt.Çalıştır(QStringLiteral("DELETE FROM %1 WHERE %2=?").arg(S(t.tablo), S(t.anahtar)), {no});
  işlem.Onayla();
  return true;
}

ÜrünBilgisi ÜrünOku(Veritabanı& vt, qint64 no) {
  const KayıtKümesi k = KaydıOku(vt, Ürünler, no);
  const auto sayı = [&](const char* alan) -> std::optional<qint64> {
    if (k.BoşMu(S(alan))) return std::nullopt;
    return k.Tamsayı(S(alan));
  };
  ÜrünBilgisi b{k.Metin("UrunKodu"), k.Metin("UreticiKodu"), k.Metin("UrunAdi"), k.Metin("BirimTuru"),
                std::nullopt,        sayı("PaketlemeAdedi"),   sayı("AskilamaSayisi"), k.Metin("Aciklama")};
  if (!k.BoşMu("BirimAgirligi")) b.BirimAgirligi = k.Ondalık("BirimAgirligi");
  return b;
}

DepoBilgisi DepoOku(Veritabanı& vt, qint64 no) {
  const KayıtKümesi k = KaydıOku(vt, Depolar, no);
  return {k.Metin("DepoKodu"), k.Metin("DepoAdi"), k.Metin("DepoYeri"), k.Metin("Aciklama")};
}

KayıtSonucu ÜrünKaydet(Veritabanı& vt, const ÜrünBilgisi& b, qint64 no, Deneme* deneme) {
  const double ağırlık = std::round(b.BirimAgirligi.value_or(0) * 100.0) / 100.0;
  const QVariantList değerler{Metin(b.UrunKodu), Metin(b.UreticiKodu), Metin(b.UrunAdi), Metin(b.BirimTuru), ağırlık,
                              b.PaketlemeAdedi.value_or(0), b.AskilamaSayisi.value_or(0), Metin(b.Aciklama)};
  Kayıtİşlemi k(vt, Ürünler, no, b.UrunKodu + u' ' + b.UrunAdi, deneme);
  if (Boş(b.UrunKodu)) return {Sonuç::KodBoş};
  if (BaşkasındaVar(vt, Ürünler, Ürünler.kod, b.UrunKodu, k.no)) return {Sonuç::KodVar};
  if (Boş(b.UrunAdi)) return {Sonuç::AdBoş};
  // A new unit weight reweighs every movement and critical level of the product and the stock of
  // every warehouse holding it, as stored now: a weight past what is kept exactly is refused, as
  // every movement that would make one is.
  const auto ağırlıklarTutulur = [&vt, ağırlık](qint64 ürün) {
    if (!HareketlerTamTutulur(vt, ürün, ağırlık)) return Sonuç::AğırlıkTutulamaz;
    for (KayıtKümesi d = vt.KayıtKümesiAç(QStringLiteral("SELECT DepoNo FROM StokBakiyeleriTablosu WHERE UrunNo= ?"),
                                          {ürün});
         !d.Sonda(); d.MoveNext())
      if (!OrtakYordamlarModülü::StokTamTutulur(vt, ürün, d.Tamsayı(QStringLiteral("DepoNo"))))
        return Sonuç::AğırlıkTutulamaz;
    return Sonuç::Kaydedildi;
  };
  return Yaz(vt, k, Ürünler,
             {"UrunKodu", "UreticiKodu", "UrunAdi", "BirimTuru", "BirimAgirligi", "PaketlemeAdedi", "AskilamaSayisi",
              "Aciklama"},
             değerler, ağırlıklarTutulur);
}

KayıtSonucu DepoKaydet(Veritabanı& vt, const DepoBilgisi& b, qint64 no, Deneme* deneme) {
  const QVariantList değerler{Metin(b.DepoKodu), Metin(b.DepoAdi), Metin(b.DepoYeri), Metin(b.Aciklama)};
  Kayıtİşlemi k(vt, Depolar, no, b.DepoKodu + u' ' + b.DepoAdi, deneme);
  if (Boş(b.DepoKodu)) return {Sonuç::KodBoş};
  if (Boş(b.DepoAdi)) return {Sonuç::AdBoş};
  if (BaşkasındaVar(vt, Depolar, Depolar.ad, b.DepoAdi, k.no)) return {Sonuç::AdVar};
  return Yaz(vt, k, Depolar, {"DepoKodu", "DepoAdi", "DepoYeri", "Aciklama"}, değerler);
}

}  // namespace TanımVerileri
