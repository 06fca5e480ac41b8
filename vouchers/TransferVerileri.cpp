#include "TransferVerileri.h"

namespace FişVerileri {

void TransferleriYaz(Veritabanı& vt, const std::vector<TransferSatırı>& tüm, const ÖncekiDeneme& önceki) {
  TekİşlemdeYaz(vt, FişİşiAdı(vt, QStringLiteral("Depodan depoya transfer fişi"), tüm), önceki, [&](bool önceYazıldı) {
    const std::vector<TransferSatırı> satırlar = YazılacakSatırlar(tüm, önceki, önceYazıldı);
    std::vector<Çekiş> çekişler, girenler;
    ListeTanımları t;
    for (const TransferSatırı& s : satırlar) {
      çekişler.push_back({s.ürünNo, s.kaynakDepoNo, s.miktar});
      girenler.push_back({s.ürünNo, s.hedefDepoNo, s.miktar});
      t.ürünler.insert(s.ürünNo), t.depolar.insert(s.kaynakDepoNo), t.depolar.insert(s.hedefDepoNo);
    }
    TanımlarYerinde(vt, t);
    StokYeterli(vt, çekişler);
    StokTutulur(vt, girenler);
    // Each entry's key is taken as it is written, so the pairing holds whatever else the file holds.
    std::vector<qint64> girişler;
    for (const TransferSatırı& s : satırlar)
      girişler.push_back(
          GirişYaz(vt, {s.kaynakDepoNo, s.ürünNo, s.hedefDepoNo, s.kişiNo, TransferNedeni, s.tarih, s.miktar}));
    for (std::size_t i = 0; i < satırlar.size(); ++i) {
      const TransferSatırı& s = satırlar[i];
      ÇıkışYaz(vt, {s.hedefDepoNo, s.ürünNo, s.kaynakDepoNo, s.kişiNo, TransferNedeni, s.tarih, s.miktar, girişler[i]});
    }
  });
}

}  // namespace FişVerileri
