#pragma once
// The critical stock level of a product in a warehouse, and the warehouse's weight totals.

#include "TurkceMetin.h"
#include "Veritabani.h"

#include <optional>

namespace KritikStokVerileri {

struct Seviye {
  TürkçeMetin::Miktar miktar;   // the critical quantity
  TürkçeMetin::Miktar ağırlık;  // the quantity times the product's unit weight
};
// The stored level of the pair, or nothing.
std::optional<Seviye> Oku(Veritabanı& vt, qint64 depoNo, qint64 ürünNo);

enum class Sonuç {
  Yazıldı,
  KayıtYok,          // the product or the warehouse no longer exists
  AğırlıkTutulamaz,  // the level would weigh past the largest figure kept
};
// Writes the level of the pair in one statement that changes its row or adds it, so no
// two workstations can leave two rows for one pair; refused, nothing is written. `bekleyen`
// holds the form's earlier try whose outcome the disk hid.
Sonuç Kaydet(Veritabanı& vt, qint64 depoNo, qint64 ürünNo, TürkçeMetin::Miktar miktar,
             İşlemİzleri::Bekleyenİz* bekleyen = nullptr);

// The weight of the warehouse's stock and of its critical levels, from the saved queries.
TürkçeMetin::Miktar ToplamAğırlık(Veritabanı& vt, qint64 depoNo);
TürkçeMetin::Miktar ToplamKritikStokAğırlığı(Veritabanı& vt, qint64 depoNo);

}  // namespace KritikStokVerileri
