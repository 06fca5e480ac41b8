#include "FisBaskisi.h"

#include "OrtakDegiskenlerModulu.h"
#include "RaporTuvali.h"
#include "TurkceMetin.h"
#include "YazdirmaModulu.h"

#include <algorithm>

namespace {

// Columns of a working-list row that the voucher prints.
enum { Tarih = 4, Firma = 5, ÜrünKodu = 6, Depo = 8, Miktarı = 9, Ağırlığı = 10 };
constexpr double TarihX = 15, FirmaX = 35, MiktarSağı = 160, AğırlıkSağı = 180;

QString İkiOndalık(const QString& hücre) {
  const auto m = TürkçeMetin::MiktarOku(hücre);
  return m ? TürkçeMetin::MiktarMetni(*m) : hücre;
}

}  // namespace

void FişBaskıDüzeni(RaporTuvali& t, const FişBaskısı& fiş, const std::vector<QStringList>& satırlar) {
  t.YazıBoyutu(14);
  t.Kalın(true);
  t.AltıÇizili(true);
  t.Y = Ortak::ÜstBoşluk;
  t.X = (Ortak::SayfaGenişliği - t.MetinGenişliği(fiş.başlık)) / 2;
  t.SatırYaz(fiş.başlık);

  // The figure columns take their widest figure, head or footer; the quantity column has no
  // width of its own beyond that.
  std::vector<QStringList> hücreler;
  hücreler.reserve(satırlar.size());
  for (const QStringList& h : satırlar)
    hücreler.push_back({h.value(Tarih), h.value(Firma), h.value(ÜrünKodu), h.value(Depo), İkiOndalık(h.value(Miktarı)),
                        İkiOndalık(h.value(Ağırlığı))});
  const QStringList başlar{QStringLiteral("Tarihi"),   QStringLiteral("Firma"),   QStringLiteral("Ürün Kodu"),
                           QStringLiteral("Depo"),     QStringLiteral("Miktarı"), QStringLiteral("Ağırlığı")};
  const QString noktalar = QStringLiteral("...............");
  t.YazıBoyutu(9);
  double enMiktar = t.MetinGenişliği(başlar[4]), enAğırlık = t.MetinGenişliği(noktalar);
  enAğırlık = std::max(enAğırlık, t.MetinGenişliği(başlar[5]));
  t.YazıBoyutu(8);
  t.Kalın(false);
  t.AltıÇizili(false);
  for (const QStringList& h : hücreler) {
    enMiktar = std::max(enMiktar, t.MetinGenişliği(h[4]));
    enAğırlık = std::max(enAğırlık, t.MetinGenişliği(h[5]));
  }
  std::vector<RaporTuvali::Sütun> sütunlar{{TarihX, FirmaX, false},
                                           {FirmaX, fiş.ürünKoduX, false},
                                           {fiş.ürünKoduX, fiş.depoX, false},
                                           {fiş.depoX, MiktarSağı, false},
                                           {MiktarSağı, MiktarSağı, true, enMiktar},
                                           {MiktarSağı, AğırlıkSağı, true, enAğırlık}};
  RaporTuvali::SütunlarıYerleştir(sütunlar);

  t.YazıBoyutu(9);
  t.Kalın(true);
  t.AltıÇizili(true);
  t.Y += 5;
  // A text is cut where the next column begins, so a long name never prints over its neighbour;
  // the numbers are printed whole.
  const auto satırıYaz = [&t, &sütunlar](const QStringList& h) {
    for (size_t i = 0; i < 4; ++i) {
      t.X = sütunlar[i].sol;
      t.Yaz(t.Sığdır(h[static_cast<qsizetype>(i)], sütunlar[i].sağ - sütunlar[i].sol - RaporTuvali::SütunAralığı));
    }
    t.SağaYaslıYaz(sütunlar[4].sağ, h[4]);
    t.SağaYaslıYaz(sütunlar[5].sağ, h[5], true);
  };
  satırıYaz(başlar);

  t.YazıBoyutu(8);
  t.Kalın(false);
  t.AltıÇizili(false);
  t.Y += 1;
  for (const QStringList& h : hücreler) {
    if (t.Y + Ortak::AltBoşluk + 10 >= Ortak::SayfaYüksekliği) {
      t.YeniSayfa();
      YazdırmaModülü::SayfaBaşlığı(t, fiş.başlık);
      t.Y = Ortak::ÜstBoşluk;
    }
    satırıYaz(h);
  }

  // The weight is left for the signer to fill in.
  t.YazıBoyutu(9);
  t.Kalın(true);
  t.Y += 4;
  t.SağaYaslıYaz(sütunlar[4].sağ, QStringLiteral("Toplam Ağırlık:"));
  t.SağaYaslıYaz(sütunlar[5].sağ, noktalar, true);
  t.Kalın(false);
  t.AltıÇizili(false);
}
