#pragma once
// The data rules of the voucher forms, without widgets: product code and unit weight,
// stock on hand, line weights, quantities as typed, persons, and the commit of a list.

#include "IslemIzleri.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceMetin.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <QVariantList>

#include <functional>
#include <optional>
#include <set>
#include <stdexcept>
#include <vector>

class Veritabanı;

namespace FişVerileri {

using TürkçeMetin::Miktar;

struct ÜrünBilgisi {
  QString kod;
  double birimAğırlığı = 0;
};
// A product that is gone throws 3021.
ÜrünBilgisi ÜrünBilgisiOku(Veritabanı& vt, qint64 ürünNo);

// Every entry minus every exit of the product in the warehouse, transfer halves included.
using OrtakYordamlarModülü::MevcutStok;

// A quantity's weight, rounded to hundredths as a list cell shows it; one beyond
// TürkçeMetin::EnBüyükMiktar throws, rather than showing a figure it cannot keep exactly.
Miktar Ağırlık(Miktar miktar, double birimAğırlığı);
// Whether the quantity and its weight are both kept exactly (within TürkçeMetin::EnBüyükMiktar);
// a line is refused at the add otherwise.
bool AğırlıkHesaplanır(Miktar miktar, double birimAğırlığı);

// The quantity box of a line: a positive number in the fixed format, else none.
std::optional<Miktar> FişMiktarı(const QString& metin);

// A line's duplicate key: its three record numbers joined by "-".
QString SatırAnahtarı(qint64 a, qint64 b, qint64 c);

using OrtakYordamlarModülü::Kişi;
using OrtakYordamlarModülü::KişileriOku;

// Index of the name among the known ones, whole text with the Turkish letter case folded; -1 if new.
int KişiBul(const QStringList& adlar, const QString& ad);
// A new person whose store the disk left unknown, as the form keeps it: the name, the number the
// file gave it (read before the commit) and that commit's token.
struct YeniKişi {
  QString ad;
  qint64 no = 0;
  İşlemİzleri::Bekleyenİz bekleyen;
};
// Stores the name exactly as typed and returns the number the file gave it; a person of that
// name (letter case folded) stored meanwhile is taken instead. With `deneme`, a try left unknown
// is held there: tried again with the same name, a store found in the file is not made twice;
// with another name that try is let go.
qint64 KişiEkle(Veritabanı& vt, const QString& ad, YeniKişi* deneme = nullptr);

// A record number, date or quantity read back from a working-list cell; a cell that
// is not one throws, so that a list is never half written.
qint64 HücreNo(const QString& hücre);
QDate HücreTarihi(const QString& hücre);
Miktar HücreMiktarı(const QString& hücre);

// One entry row as the commit writes it.
struct GirişSatırı {
  qint64 firmaNo = 0;
  qint64 ürünNo = 0;
  qint64 depoNo = 0;
  qint64 kişiNo = 0;
  int neden = 1;
  QDate tarih;
  Miktar miktar = 0;
};
// Writes one entry row; returns its IslemNo. Call inside TekİşlemdeYaz.
qint64 GirişYaz(Veritabanı& vt, const GirişSatırı& satır);

// A commit refused before anything was written; the text tells the user why.
class ListeYazılamaz : public std::runtime_error {
public:
  explicit ListeYazılamaz(const QString& mesaj);
  QString Mesaj() const { return mesaj_; }

private:
  QString mesaj_;
};

// The records a list names. Another workstation may have deleted one since it was chosen, and
// the file keeps no references of its own: the commit checks them inside its transaction.
struct ListeTanımları {
  QString firmaTablosu;  // empty: the company column holds warehouses (transfers)
  std::set<qint64> firmalar, ürünler, depolar;
};
// Throws ListeYazılamaz when one of them is gone. Call inside TekİşlemdeYaz.
void TanımlarYerinde(Veritabanı& vt, const ListeTanımları& tanımlar);

// The try of a list whose outcome the disk hid: its token, and which rows went with it.
struct ÖncekiDeneme {
  İşlemİzleri::Bekleyenİz* bekleyen = nullptr;
  std::vector<bool> satırlar;
};

// Runs `yaz` in one BEGIN IMMEDIATE transaction (the work named `ad`): everything it writes is
// stored, or, when anything in it throws, nothing is and the error goes on to the caller. `yaz`
// is told whether the earlier try was found in the file, so that its rows are not written again.
void TekİşlemdeYaz(Veritabanı& vt, const QString& ad, const ÖncekiDeneme& önceki, const std::function<void(bool)>& yaz);
// A list's commit as the user is told of it, should its outcome be known only later: the voucher,
// its number of lines and its first product.
template <class Satır>
QString FişİşiAdı(Veritabanı& vt, const QString& fiş, const std::vector<Satır>& satırlar) {
  return OrtakYordamlarModülü::ÜrünİşiAdı(vt, fiş, satırlar.empty() ? 0 : satırlar.front().ürünNo, satırlar.size());
}
// The rows a commit writes: every row, less those of the earlier try when it was found stored.
template <class Satır>
std::vector<Satır> YazılacakSatırlar(const std::vector<Satır>& satırlar, const ÖncekiDeneme& önceki, bool önceYazıldı) {
  std::vector<Satır> kalan;
  for (size_t i = 0; i < satırlar.size(); ++i)
    if (!önceYazıldı || i >= önceki.satırlar.size() || !önceki.satırlar[i]) kalan.push_back(satırlar[i]);
  return kalan;
}

// The entry list, in the given order, all rows or none.
void GirişleriYaz(Veritabanı& vt, const std::vector<GirişSatırı>& satırlar, const ÖncekiDeneme& önceki = {});

}  // namespace FişVerileri
