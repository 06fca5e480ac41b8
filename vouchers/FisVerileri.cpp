#include "FisVerileri.h"

#include "CikisVerileri.h"
#include "StokBakiyesi.h"
#include "Veritabani.h"

#include <cmath>

namespace FişVerileri {

namespace {
[[noreturn]] void HücreHatası(const QString& hücre) {
  throw VeritabanıHatası(VeritabanıHataNo::Genel, QStringLiteral("Listedeki '%1' değeri okunamadı.").arg(hücre));
}
}  // namespace

ÜrünBilgisi ÜrünBilgisiOku(Veritabanı& vt, qint64 ürünNo) {
  const KayıtKümesi k = vt.KayıtKümesiAç(
      QStringLiteral("SELECT UrunKodu, BirimAgirligi FROM UrunBilgileriTablosu WHERE UrunNo= ?"), {ürünNo});
  if (k.Sonda()) throw VeritabanıHatası(VeritabanıHataNo::KayıtYok, QStringLiteral("Geçerli kayıt yok."));
  return {k.Metin(QStringLiteral("UrunKodu")), k.Ondalık(QStringLiteral("BirimAgirligi"))};
}

bool AğırlıkHesaplanır(Miktar miktar, double birimAğırlığı) { return StokBakiyesi::AğırlıkTamTutulur(miktar, birimAğırlığı); }

Miktar Ağırlık(Miktar miktar, double birimAğırlığı) {
  if (!AğırlıkHesaplanır(miktar, birimAğırlığı))
    throw VeritabanıHatası(VeritabanıHataNo::Genel, QStringLiteral("Miktar ya da ağırlığı tam tutulamayacak kadar büyük."));
  // Exactly and rounded once, as the lists do: the double product of 1,50 and 0,15 falls just under 0,225.
  return StokBakiyesi::Ağırlık(miktar, birimAğırlığı);
}

std::optional<Miktar> FişMiktarı(const QString& metin) {
  const auto m = TürkçeMetin::MiktarOku(metin);
  if (!m || *m <= 0) return std::nullopt;
  return m;
}

QString SatırAnahtarı(qint64 a, qint64 b, qint64 c) { return QStringLiteral("%1-%2-%3").arg(a).arg(b).arg(c); }

int KişiBul(const QStringList& adlar, const QString& ad) {
  const QString aranan = TürkçeMetin::Katla(ad);
  for (int i = 0; i < adlar.size(); ++i)
    if (TürkçeMetin::Katla(adlar[i]) == aranan) return i;
  return -1;
}

qint64 KişiEkle(Veritabanı& vt, const QString& ad, YeniKişi* deneme) {
  // Another name is another work: the earlier try is then told as any other.
  if (deneme && TürkçeMetin::Katla(deneme->ad) != TürkçeMetin::Katla(ad)) deneme->bekleyen.Bırak();
  Veritabanı::İşlem işlem(vt, QStringLiteral("Yeni kişi: %1").arg(ad), deneme ? &deneme->bekleyen : nullptr);
  if (işlem.ÖnceYazıldı()) return deneme->no;
  // Another workstation may have added the same name since the box was filled: one person, not two.
  KayıtKümesi k = vt.KayıtKümesiAç(QStringLiteral("SELECT GirisCikisYapanNo FROM GirisCikisYapanlarTablosu "
                                                  "WHERE TR_KATLA(GirisCikisYapanAdi) = TR_KATLA(?) "
                                                  "ORDER BY GirisCikisYapanNo"),
                                   {ad});
  if (!k.Sonda()) return k.Tamsayı(QStringLiteral("GirisCikisYapanNo"));
  vt.Çalıştır(QStringLiteral("INSERT INTO GirisCikisYapanlarTablosu (GirisCikisYapanAdi) VALUES (?)"), {ad});
  const qint64 no = vt.SonEklenenNo();
  // Kept before the commit: left unknown, the try is settled by this number.
  if (deneme) deneme->ad = ad, deneme->no = no;
  işlem.Onayla();
  return no;
}

qint64 HücreNo(const QString& hücre) {
  bool tamam = false;
  const qint64 no = hücre.toLongLong(&tamam);
  if (!tamam) HücreHatası(hücre);
  return no;
}

QDate HücreTarihi(const QString& hücre) {
  const QDate tarih = TürkçeMetin::TarihOku(hücre);
  if (!tarih.isValid()) HücreHatası(hücre);
  return tarih;
}

Miktar HücreMiktarı(const QString& hücre) {
  const auto m = TürkçeMetin::MiktarOku(hücre);
  if (!m) HücreHatası(hücre);
  return *m;
}

qint64 GirişYaz(Veritabanı& vt, const GirişSatırı& s) {
  vt.Çalıştır(QStringLiteral("INSERT INTO GirisIslemleriTablosu (SaticiFirmaNo, UrunNo, DepoNo, GirisiYapan, "
                             "GirisNedeni, IslemTarihi, GirisMiktari) VALUES (?, ?, ?, ?, ?, ?, ?)"),
              {s.firmaNo, s.ürünNo, s.depoNo, s.kişiNo, s.neden, s.tarih, TürkçeMetin::MiktarDeğeri(s.miktar)});
  return vt.SonEklenenNo();
}

ListeYazılamaz::ListeYazılamaz(const QString& mesaj) : std::runtime_error(mesaj.toStdString()), mesaj_(mesaj) {}

void TanımlarYerinde(Veritabanı& vt, const ListeTanımları& t) {
  const auto denetle = [&vt](const QString& tablo, const char* anahtar, const std::set<qint64>& nolar,
                             const QString& ne) {
    for (qint64 no : nolar) {
      const KayıtKümesi k =
          vt.KayıtKümesiAç(QStringLiteral("SELECT 1 AS Var FROM %1 WHERE %2 = ?").arg(tablo, QLatin1String(anahtar)), {no});
      if (k.Sonda())
        throw ListeYazılamaz(QStringLiteral("Listedeki %1 bu arada başka bir bilgisayardan silinmiş! "
                                            "Liste kaydedilmedi.").arg(ne));
    }
  };
  if (!t.firmaTablosu.isEmpty()) denetle(t.firmaTablosu, "FirmaNo", t.firmalar, QStringLiteral("FİRMALARDAN biri"));
  denetle(QStringLiteral("UrunBilgileriTablosu"), "UrunNo", t.ürünler, QStringLiteral("ÜRÜNLERDEN biri"));
  denetle(QStringLiteral("DepoBilgileriTablosu"), "DepoNo", t.depolar, QStringLiteral("DEPOLARDAN biri"));
}

void TekİşlemdeYaz(Veritabanı& vt, const QString& ad, const ÖncekiDeneme& önceki, const std::function<void(bool)>& yaz) {
  Veritabanı::İşlem işlem(vt, ad, önceki.bekleyen);
  yaz(işlem.ÖnceYazıldı());
  işlem.Onayla();
}

void GirişleriYaz(Veritabanı& vt, const std::vector<GirişSatırı>& tüm, const ÖncekiDeneme& önceki) {
  TekİşlemdeYaz(vt, FişİşiAdı(vt, QStringLiteral("Stoğa giriş fişi"), tüm), önceki, [&](bool önceYazıldı) {
    const std::vector<GirişSatırı> satırlar = YazılacakSatırlar(tüm, önceki, önceYazıldı);
    ListeTanımları t{QStringLiteral("SaticiFirmaBilgileriTablosu"), {}, {}, {}};
    for (const GirişSatırı& s : satırlar) t.firmalar.insert(s.firmaNo), t.ürünler.insert(s.ürünNo), t.depolar.insert(s.depoNo);
    TanımlarYerinde(vt, t);
    std::vector<Çekiş> girenler;
    for (const GirişSatırı& s : satırlar) girenler.push_back({s.ürünNo, s.depoNo, s.miktar});
    StokTutulur(vt, girenler);
    for (const GirişSatırı& s : satırlar) GirişYaz(vt, s);
  });
}

}  // namespace FişVerileri
