#include "ListeyiSiralaModulu.h"

#include "ListeGorunumu.h"
#include "OrtakDegiskenlerModulu.h"
#include "SikiListeGorunumu.h"
#include "TurkceMetin.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace ListeyiSıralaModülü {
namespace {

// Cells were read through a 32-character buffer: only the first 31 characters compare.
constexpr int KarşılaştırılanUzunluk = 31;

// The zero date of the original program: an empty cell sorts as 30 December 1899.
const qint64 SıfırTarihi = QDate(1899, 12, 30).toJulianDay();

}  // namespace

double SıralamaDeğeri(const QString& hücre) {
  const QString metin = hücre.left(KarşılaştırılanUzunluk);
  if (Ortak::SayısalSırala == 0) {
    const QDate tarih = TürkçeMetin::TarihOku(metin);
    return static_cast<double>(tarih.isValid() ? tarih.toJulianDay() : SıfırTarihi);
  }
  return TürkçeMetin::SayıOku(metin).value_or(0.0);
}

void ListeyiSırala(ListeGörünümü& liste) {
  const qint64 sütun = Ortak::SıralamaSütunu;
  const bool geçerliSütun = sütun >= 0 && sütun < liste.SütunSayısı();

  // Each cell is read and converted once, then the rows are ordered by those keys.
  std::vector<std::pair<double, QTreeWidgetItem*>> anahtarlar;
  anahtarlar.reserve(liste.SatırSayısı());
  for (int i = 1; i <= liste.SatırSayısı(); ++i) {
    QTreeWidgetItem* satır = liste.Satır(i);
    const QString hücre = geçerliSütun ? satır->text(static_cast<int>(sütun)) : QString();
    anahtarlar.emplace_back(SıralamaDeğeri(hücre), satır);
  }
  const bool azalan = Ortak::SıralamaYönü != 0;
  std::stable_sort(anahtarlar.begin(), anahtarlar.end(), [azalan](const auto& a, const auto& b) {
    return azalan ? a.first > b.first : a.first < b.first;
  });

  std::vector<QTreeWidgetItem*> sıra;
  sıra.reserve(anahtarlar.size());
  for (const auto& a : anahtarlar) sıra.push_back(a.second);
  liste.SatırlarıDiz(sıra);
}

void ListeyeSimgeEkle(SütunluListe& liste, int başlıkIndex) {
  const int resim = Ortak::SıralamaYönü + 1;
  for (int i = 1; i <= liste.SütunSayısı(); ++i) liste.BaşlıkResmiAyarla(i, i == başlıkIndex ? resim : 0);
}

namespace {

// The click on either kind of list; `değereGöre` orders the rows by the column's dates or numbers.
template <class Liste, class DeğereGöre>
void Tıklandı(Liste& liste, int başlıkIndex, SütunTürü tür, DeğereGöre değereGöre) {
  const qint64 sütun = static_cast<qint64>(başlıkIndex) - 1;
  if (Ortak::SıralamaSütunu == sütun)
    Ortak::SıralamaYönü = Ortak::SıralamaYönü == 0 ? 1 : 0;
  else
    Ortak::SıralamaYönü = 0;
  Ortak::SıralamaSütunu = sütun;
  liste.SıralıAyarla(false);

  switch (tür) {
    case SütunTürü::Metin:
      liste.SıralamaDüzeniAyarla(Ortak::SıralamaYönü);
      liste.SıralamaAnahtarıAyarla(static_cast<int>(sütun));
      liste.SıralıAyarla(true);
      break;
    case SütunTürü::Tarih:
    case SütunTürü::Sayı:
      Ortak::SayısalSırala = tür == SütunTürü::Tarih ? 0 : 1;
      değereGöre();
      break;
  }
  ListeyeSimgeEkle(liste, başlıkIndex);
}

}  // namespace

void SütunTıklandı(ListeGörünümü& liste, int başlıkIndex, SütunTürü tür) {
  Tıklandı(liste, başlıkIndex, tür, [&] { ListeyiSırala(liste); });
}

void SütunTıklandı(SıkıListeGörünümü& liste, int başlıkIndex, SütunTürü tür) {
  Tıklandı(liste, başlıkIndex, tür, [&] {
    liste.SütunaGöreSırala(static_cast<int>(Ortak::SıralamaSütunu), Ortak::SıralamaYönü != 0);
  });
}

}  // namespace ListeyiSıralaModülü
