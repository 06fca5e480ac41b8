#pragma once
// Data rules of the vouchers that take stock out of a warehouse (exit and transfer):
// what a working list already takes, the stock guards of a commit and the exit rows.

#include "FisVerileri.h"

#include <stdexcept>

namespace FişVerileri {

// The quantities that rows of a working list already take of the product from the warehouse.
struct ListeSütunları {
  int ürün;
  int depo;
  int miktar;
};
Miktar ListedekiMiktar(const std::vector<QStringList>& satırlar, ListeSütunları sütunlar, qint64 ürünNo,
                       qint64 depoNo);

// Stock a list takes out of one warehouse (or, for the upper guard, brings into it).
struct Çekiş {
  qint64 ürünNo;
  qint64 depoNo;
  Miktar miktar;
};

// A commit that would take a warehouse below zero: nothing is written, and the text says where.
class StokYetersiz : public ListeYazılamaz {
public:
  using ListeYazılamaz::ListeYazılamaz;
};

// Reads the stock of every product and warehouse taken from again and compares it with what
// the list takes in all; throws StokYetersiz for the first that is short. Call inside TekİşlemdeYaz.
void StokYeterli(Veritabanı& vt, const std::vector<Çekiş>& çekişler);
// The upper guard: reads the stock of every product and warehouse the list brings stock into and
// throws ListeYazılamaz, with the add's message for a figure too large, for the first whose stock
// with all the list brings, or its weight, would not be kept exactly. Call inside TekİşlemdeYaz.
void StokTutulur(Veritabanı& vt, const std::vector<Çekiş>& girişler);

// One exit row as a commit writes it; a transfer exit names its entry row.
struct ÇıkışSatırı {
  qint64 firmaNo = 0;
  qint64 ürünNo = 0;
  qint64 depoNo = 0;
  qint64 kişiNo = 0;
  int neden = 0;
  QDate tarih;
  Miktar miktar = 0;
  std::optional<qint64> girişİşlemNo;
};
// Writes one exit row; returns its IslemNo. Call inside TekİşlemdeYaz.
qint64 ÇıkışYaz(Veritabanı& vt, const ÇıkışSatırı& satır);

// The exit list, in the given order, all rows or none, and only while every warehouse holds enough.
void ÇıkışlarıYaz(Veritabanı& vt, const std::vector<ÇıkışSatırı>& satırlar, const ÖncekiDeneme& önceki = {});

}  // namespace FişVerileri
