#include "CikisVerileri.h"

#include "Veritabani.h"

#include <map>

namespace FişVerileri {

Miktar ListedekiMiktar(const std::vector<QStringList>& satırlar, ListeSütunları s, qint64 ürünNo, qint64 depoNo) {
  Miktar toplam = 0;
  for (const QStringList& satır : satırlar)
    if (satır.value(s.ürün).toLongLong() == ürünNo && satır.value(s.depo).toLongLong() == depoNo)
      toplam += TürkçeMetin::MiktarOku(satır.value(s.miktar)).value_or(0);
  return toplam;
}

namespace {
// Summed by product and warehouse, in the order first met, so that a refusal names the first line
// that cannot be met.
std::vector<Çekiş> Topla(const std::vector<Çekiş>& çekişler) {
  std::vector<Çekiş> toplamlar;
  std::map<std::pair<qint64, qint64>, std::size_t> yer;
  for (const Çekiş& ç : çekişler) {
    const auto [i, yeni] = yer.try_emplace({ç.ürünNo, ç.depoNo}, toplamlar.size());
    if (yeni)
      toplamlar.push_back(ç);
    else
      toplamlar[i->second].miktar += ç.miktar;
  }
  return toplamlar;
}
}  // namespace

void StokYeterli(Veritabanı& vt, const std::vector<Çekiş>& çekişler) {
  for (const auto& [ürün, depo, istenen] : Topla(çekişler)) {
    const Miktar mevcut = MevcutStok(vt, ürün, depo);
    if (istenen <= mevcut) continue;
    throw StokYetersiz(OrtakYordamlarModülü::DepodakiStokMetni(vt, ürün, depo, mevcut) +
                       QStringLiteral(", listedeki MİKTARDAN (%1) az!\n\n"
                                      "Stoktan başka bir çıkış yapılmış olabilir. Liste kaydedilmedi; lütfen, "
                                      "miktarı düzeltiniz.")
                           .arg(TürkçeMetin::MiktarMetni(istenen)));
  }
}

void StokTutulur(Veritabanı& vt, const std::vector<Çekiş>& girişler) {
  for (const auto& [ürün, depo, gelen] : Topla(girişler))
    if (!OrtakYordamlarModülü::StokTamTutulur(vt, ürün, depo, gelen))
      throw ListeYazılamaz(OrtakYordamlarModülü::BüyükMiktarMetni);
}

qint64 ÇıkışYaz(Veritabanı& vt, const ÇıkışSatırı& s) {
  vt.Çalıştır(QStringLiteral("INSERT INTO CikisIslemleriTablosu (AliciFirmaNo, UrunNo, DepoNo, CikisiYapan, "
                             "CikisNedeni, IslemTarihi, CikisMiktari, GirisIslemNo) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
              {s.firmaNo, s.ürünNo, s.depoNo, s.kişiNo, s.neden, s.tarih, TürkçeMetin::MiktarDeğeri(s.miktar),
               s.girişİşlemNo ? QVariant(*s.girişİşlemNo) : QVariant()});
  return vt.SonEklenenNo();
}

void ÇıkışlarıYaz(Veritabanı& vt, const std::vector<ÇıkışSatırı>& tüm, const ÖncekiDeneme& önceki) {
  TekİşlemdeYaz(vt, FişİşiAdı(vt, QStringLiteral("Stoktan çıkış fişi"), tüm), önceki, [&](bool önceYazıldı) {
    const std::vector<ÇıkışSatırı> satırlar = YazılacakSatırlar(tüm, önceki, önceYazıldı);
    std::vector<Çekiş> çekişler;
    ListeTanımları t{QStringLiteral("AliciFirmaBilgileriTablosu"), {}, {}, {}};
    for (const ÇıkışSatırı& s : satırlar) {
      çekişler.push_back({s.ürünNo, s.depoNo, s.miktar});
      t.firmalar.insert(s.firmaNo), t.ürünler.insert(s.ürünNo), t.depolar.insert(s.depoNo);
    }
    TanımlarYerinde(vt, t);
    StokYeterli(vt, çekişler);
    for (const ÇıkışSatırı& s : satırlar) ÇıkışYaz(vt, s);
  });
}

}  // namespace FişVerileri
