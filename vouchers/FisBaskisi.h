#pragma once
// The paper voucher of the entry and transfer forms: title, column heads, one line per row
// of the working list, a running header on further pages and the signature footer.

#include <QString>
#include <QStringList>

#include <vector>

class RaporTuvali;

struct FişBaskısı {
  QString başlık;
  double ürünKoduX;  // where the "Ürün Kodu" and "Depo" columns begin, in millimetres
  double depoX;
};

inline const FişBaskısı GirişFişiBaskısı{QStringLiteral("Depo/Stok Giriş Fişi"), 80, 115};
inline const FişBaskısı TransferFişiBaskısı{QStringLiteral("Depo/Stok Transfer Fişi"), 70, 110};

// Draws the rows (cells by column number, as the working list holds them) on a canvas whose
// page values the print run has set.
void FişBaskıDüzeni(RaporTuvali& t, const FişBaskısı& fiş, const std::vector<QStringList>& satırlar);
