#include "ListeRaporu.h"

#include "ExcelAktarmaDuzeni.h"

#include "SutunluListe.h"
#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "RaporTuvali.h"
#include "YazdirmaModulu.h"

#include <QDate>

namespace ListeRaporu {
namespace {

constexpr double SolKenar = 10, SağBoşluk = 10, Aralık = RaporTuvali::SütunAralığı;

struct Sütun {
  int index;     // sub-item
  double x, sağ;  // left and right edge on paper
  bool sayı;
  bool tarih = false;  // left as a text, but never cut
};

// A number is never cut: a part of it would read as another number.
void Hücre(RaporTuvali& t, const Sütun& s, const QString& metin) {
  if (s.sayı) {
    t.SağaYaslıYaz(s.sağ, metin);
  } else if (s.tarih) {
    t.X = s.x;
    t.Yaz(metin);
  } else {
    t.X = s.x;
    t.Yaz(t.Sığdır(metin, s.sağ - s.x - Aralık));
  }
}

// Heads too wide for their column break at their last blank onto a second line.
void Başlıklar(RaporTuvali& t, const std::vector<Sütun>& sütunlar, const SütunluListe& liste) {
  t.YazıBoyutu(9);
  t.Kalın(true);
  t.AltıÇizili(true);
  std::vector<QStringList> satırlar;
  size_t en = 1;
  for (const Sütun& s : sütunlar) {
    const QString b = liste.SütunBaşlığı(s.index + 1);
    const qsizetype boşluk = b.lastIndexOf(QLatin1Char(' '));
    if (t.MetinGenişliği(b) > s.sağ - s.x - Aralık && boşluk > 0)
      satırlar.push_back({b.left(boşluk), b.mid(boşluk + 1)});
    else
      satırlar.push_back({b});
    en = std::max(en, static_cast<size_t>(satırlar.back().size()));
  }
  for (size_t satır = 0; satır < en; ++satır) {
    const double y = t.Y;
    for (size_t i = 0; i < sütunlar.size(); ++i) {
      t.Y = y;
      if (satır < static_cast<size_t>(satırlar[i].size())) Hücre(t, sütunlar[i], satırlar[i][static_cast<qsizetype>(satır)]);
    }
    t.Y = y + t.SatırYüksekliği();
  }
  t.YazıBoyutu(8);
  t.Kalın(false);
  t.AltıÇizili(false);
  t.Y += 1;
}

// Whether every cell of a column is a date (or empty): a part of a date would read as another.
bool TarihSütunu(const SütunluListe& liste, int index) {
  bool dolu = false;
  for (int satır = 1; satır <= liste.SatırSayısı(); ++satır) {
    const QString m = liste.AltÖğe(satır, index);
    if (m.isEmpty()) continue;
    if (!QDate::fromString(m, QStringLiteral("dd.MM.yyyy")).isValid()) return false;
    dolu = true;
  }
  return dolu;
}

// Each figure or date column takes its widest text or head part; the text columns give way.
void SayılaraYerAç(RaporTuvali& t, std::vector<Sütun>& sütunlar, const SütunluListe& liste) {
  std::vector<RaporTuvali::Sütun> yer;
  for (Sütun& s : sütunlar) {
    double en = 0;
    s.tarih = !s.sayı && TarihSütunu(liste, s.index);
    if (s.sayı || s.tarih) {
      t.YazıBoyutu(9);
      t.Kalın(true);
      t.AltıÇizili(true);
      const QString b = liste.SütunBaşlığı(s.index + 1);
      const qsizetype boşluk = b.lastIndexOf(QLatin1Char(' '));
      en = boşluk > 0 ? std::max(t.MetinGenişliği(b.left(boşluk)), t.MetinGenişliği(b.mid(boşluk + 1)))
                      : t.MetinGenişliği(b);
      t.YazıBoyutu(8);
      t.Kalın(false);
      t.AltıÇizili(false);
      for (int satır = 1; satır <= liste.SatırSayısı(); ++satır)
        en = std::max(en, t.MetinGenişliği(liste.AltÖğe(satır, s.index)));
    }
    yer.push_back({s.x, s.sağ, s.sayı || s.tarih, en});
  }
  // A figure wider than its share: every figure column takes just its widest text, and the text
  // columns share what is left as they shared the list's width.
  double sayılar = 0, metinler = 0;
  bool sığmıyor = false;
  for (const RaporTuvali::Sütun& s : yer) {
    const double gereken = s.enGeniş + Aralık;
    if (s.bütün)
      sayılar += gereken;
    else
      metinler += s.sağ - s.sol;
    sığmıyor = sığmıyor || (s.bütün && s.sağ - s.sol < gereken);
  }
  if (sığmıyor && !yer.empty()) {
    const double kalan = std::max(0.0, yer.back().sağ - yer.front().sol - sayılar);
    double x = yer.front().sol;
    for (RaporTuvali::Sütun& s : yer) {
      const double w = s.bütün ? s.enGeniş + Aralık : metinler > 0 ? kalan * (s.sağ - s.sol) / metinler : 0;
      s.sol = x;
      s.sağ = x += w;
    }
  }
  RaporTuvali::SütunlarıYerleştir(yer);
  for (size_t i = 0; i < sütunlar.size(); ++i) {
    sütunlar[i].x = yer[i].sol;
    sütunlar[i].sağ = yer[i].sağ;
  }
}

// What the list covers, centred under the title. Its parts share a line while they fit between
// the margins, so a long warehouse or company name moves to a line of its own instead of running
// off the paper; only a part wider than a whole line is cut.
void Kapsam(RaporTuvali& t, const QStringList& kapsam) {
  const double genişlik = Ortak::SayfaGenişliği - SolKenar - SağBoşluk;
  QStringList satırlar;
  for (const QString& parça : kapsam) {
    const QString sığan = t.Sığdır(parça, genişlik);
    if (!satırlar.isEmpty() && t.MetinGenişliği(satırlar.back() + KapsamAyracı + sığan) <= genişlik)
      satırlar.back() += KapsamAyracı + sığan;
    else
      satırlar << sığan;
  }
  for (const QString& satır : satırlar) {
    t.X = (Ortak::SayfaGenişliği - t.MetinGenişliği(satır)) / 2;
    t.SatırYaz(satır);
  }
}

}  // namespace

void ListeBaskıDüzeni(RaporTuvali& t, const SütunluListe& liste, const Tanım& tanım) {
  std::vector<Sütun> sütunlar;
  double toplamTwip = 0;
  for (int i = 1; i <= liste.SütunSayısı(); ++i)
    if (!liste.SütunGizli(i)) toplamTwip += liste.SütunGenişliği(i);
  const double genişlik = Ortak::SayfaGenişliği - SolKenar - SağBoşluk;
  double x = SolKenar;
  for (int i = 1; i <= liste.SütunSayısı(); ++i) {
    if (liste.SütunGizli(i)) continue;
    const double w = genişlik * liste.SütunGenişliği(i) / toplamTwip;
    sütunlar.push_back({i - 1, x, x + w, liste.SütunHizası(i) == SütunluListe::Hiza::Sağ});
    x += w;
  }
  SayılaraYerAç(t, sütunlar, liste);

  t.YazıBoyutu(14);
  t.Kalın(true);
  t.AltıÇizili(true);
  t.Y = Ortak::ÜstBoşluk;
  t.X = (Ortak::SayfaGenişliği - t.MetinGenişliği(tanım.başlık)) / 2;
  t.SatırYaz(tanım.başlık);
  if (!tanım.kapsam.isEmpty()) {
    t.YazıBoyutu(9);
    t.Kalın(false);
    t.AltıÇizili(false);
    t.Y += 1;
    Kapsam(t, tanım.kapsam);
  }
  t.Y += 5;
  Başlıklar(t, sütunlar, liste);

  const int n = liste.SatırSayısı();
  for (int satır = 1; satır <= n; ++satır) {
    if (t.Y + Ortak::AltBoşluk + 10 >= Ortak::SayfaYüksekliği) {
      t.YeniSayfa();
      YazdırmaModülü::SayfaBaşlığı(t, tanım.başlık);
      t.Y = Ortak::ÜstBoşluk;
      Başlıklar(t, sütunlar, liste);
    }
    const double y = t.Y;
    for (const Sütun& s : sütunlar) {
      t.Y = y;
      Hücre(t, s, liste.AltÖğe(satır, s.index));
    }
    t.Y = y + t.SatırYüksekliği();
  }

  if (!tanım.toplamAğırlık.isEmpty()) {
    t.YazıBoyutu(9);
    t.Kalın(true);
    t.Y += 4;
    t.SağaYaslıYaz(Ortak::SayfaGenişliği - SağBoşluk, QStringLiteral("Toplam Ağırlık: ") + tanım.toplamAğırlık, true);
    t.Kalın(false);
  }
}

void Yazdır(QWidget& sahip, QPushButton* düğme, const SütunluListe& liste, const Tanım& tanım) {
  if (liste.SatırSayısı() == 0) {
    OrtakYordamlarModülü::MesajKutusu(BoşListeMetni, OrtakYordamlarModülü::Stil::Bilgi);
    return;
  }
  YazdırmaModülü::Yazdır(&sahip, düğme, tanım.başlık, [&](RaporTuvali& t) { ListeBaskıDüzeni(t, liste, tanım); });
}

void ExceleAktar(QWidget& form, const SütunluListe& liste, int işKodu) {
  if (liste.SatırSayısı() == 0) {
    OrtakYordamlarModülü::MesajKutusu(BoşListeMetni, OrtakYordamlarModülü::Stil::Bilgi);
    return;
  }
  ExcelAktarmaDüzeni::DüğmeTıklandı(&form, liste, işKodu);
}

void MSExceleAktar(const SütunluListe& liste, const QString& sayfaAdı, const QString& başlık,
                   const std::vector<ListeyiSıralaModülü::SütunTürü>& türler) {
  using ListeyiSıralaModülü::SütunTürü;
  ExcelAktarmaDüzeni::Tanım t{sayfaAdı, başlık, {}};
  for (size_t i = 0; i < türler.size(); ++i)
    t.sütunlar.push_back({static_cast<int>(i), türler[i] == SütunTürü::Sayı    ? ExcelKitabı::HücreTürü::Sayı
                                               : türler[i] == SütunTürü::Tarih ? ExcelKitabı::HücreTürü::Tarih
                                                                               : ExcelKitabı::HücreTürü::Metin});
  ExcelAktarmaDüzeni::MSExceleAktar(liste, t);
}

}  // namespace ListeRaporu
