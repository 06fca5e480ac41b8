#pragma once
// What every list form prints and exports of its list view: the list report on paper
// (title, heads, rows, running header with the page number, the total weight under the rows)
// and the spreadsheet types of its columns.

#include "ExcelKitabi.h"
#include "ListeyiSiralaModulu.h"

#include <QString>

class ListeGörünümü;
class QWidget;

namespace ListeRaporu {

struct Tanım {
  QString başlık;
  QString toplamAğırlık;  // printed under the rows when given
};

// The print contract (no printer: the message; the printer choice; cancelled: nothing), then
// the list's rows in the order it shows them, every column in the order it was made; numbers
// end at their column's right edge.
void Yazdır(QWidget& sahip, const ListeGörünümü& liste, const Tanım& tanım);

// How the spreadsheet reads a column that sorts as this kind.
ExcelKitabı::HücreTürü HücreTürü(ListeyiSıralaModülü::SütunTürü tür);

}  // namespace ListeRaporu
