#include "FisBaskisi.h"

#include "OrtakDegiskenlerModulu.h"
#include "RaporTuvali.h"
#include "TurkceMetin.h"
#include "YazdirmaModulu.h"

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

  t.YazıBoyutu(9);
  t.Y += 5;
  // A text is cut where the next column begins (the last one where the quantity begins), so a
  // long name never prints over its neighbour; the numbers are printed whole.
  const auto satırıYaz = [&t, &fiş](const QString& tarih, const QString& firma, const QString& ürünKodu,
                                    const QString& depo, const QString& miktar, const QString& ağırlık) {
    const auto metin = [&t](double x, double sonraki, const QString& m) {
      t.X = x;
      t.Yaz(t.Sığdır(m, sonraki - x - RaporTuvali::SütunAralığı));
    };
    metin(TarihX, FirmaX, tarih);
    metin(FirmaX, fiş.ürünKoduX, firma);
    metin(fiş.ürünKoduX, fiş.depoX, ürünKodu);
    metin(fiş.depoX, MiktarSağı - t.MetinGenişliği(miktar), depo);
    t.SağaYaslıYaz(MiktarSağı, miktar);
    t.SağaYaslıYaz(AğırlıkSağı, ağırlık, true);
  };
  satırıYaz(QStringLiteral("Tarihi"), QStringLiteral("Firma"), QStringLiteral("Ürün Kodu"), QStringLiteral("Depo"),
            QStringLiteral("Miktarı"), QStringLiteral("Ağırlığı"));

  t.YazıBoyutu(8);
  t.Kalın(false);
  t.AltıÇizili(false);
  t.Y += 1;
  for (const QStringList& h : satırlar) {
    if (t.Y + Ortak::AltBoşluk + 10 >= Ortak::SayfaYüksekliği) {
      t.YeniSayfa();
      YazdırmaModülü::SayfaBaşlığı(t, fiş.başlık);
      t.Y = Ortak::ÜstBoşluk;
    }
    satırıYaz(h.value(Tarih), h.value(Firma), h.value(ÜrünKodu), h.value(Depo), İkiOndalık(h.value(Miktarı)),
              İkiOndalık(h.value(Ağırlığı)));
  }

  // The weight is left for the signer to fill in.
  t.YazıBoyutu(9);
  t.Kalın(true);
  t.Y += 4;
  t.SağaYaslıYaz(MiktarSağı, QStringLiteral("Toplam Ağırlık:"));
  t.SağaYaslıYaz(AğırlıkSağı, QStringLiteral("..............."), true);
  t.Kalın(false);
  t.AltıÇizili(false);
}
