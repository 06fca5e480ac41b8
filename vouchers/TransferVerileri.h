#pragma once
// The transfer commit: one entry row in the target and one exit row in the source per list
// row, both with reason 99, each naming the other warehouse, the exit pointing to its entry.

#include "CikisVerileri.h"

namespace FişVerileri {

struct TransferSatırı {
  qint64 kaynakDepoNo = 0;
  qint64 ürünNo = 0;
  qint64 hedefDepoNo = 0;
  qint64 kişiNo = 0;
  QDate tarih;
  Miktar miktar = 0;
};

inline constexpr int TransferNedeni = 99;

// Every pair or none, and only while every source holds enough.
void TransferleriYaz(Veritabanı& vt, const std::vector<TransferSatırı>& satırlar, const ÖncekiDeneme& önceki = {});

}  // namespace FişVerileri
