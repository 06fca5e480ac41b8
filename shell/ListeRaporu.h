#pragma once
// What every list form prints and exports of its list view: the list report on paper in the
// voucher's manner (title, heads, rows, running header with the page number, the total weight
// under the rows) and the spreadsheet types of its columns.

#include "ListeyiSiralaModulu.h"

#include <QString>
#include <QStringList>

#include <vector>

class SütunluListe;
class QPushButton;
class QWidget;
class RaporTuvali;

namespace ListeRaporu {

// Between the parts of a list's `kapsam` printed on one line.
inline const QString KapsamAyracı = QStringLiteral("     ");

struct Tanım {
  QString başlık;
  QString toplamAğırlık;  // printed under the rows when given
  QStringList kapsam;     // under the title: what the list covers, in parts: warehouse, period, ...
};

// Said for an empty list instead of printing or exporting nothing.
inline const QString BoşListeMetni = QStringLiteral("Listede kayıt yok! Lütfen, önce listeyi oluşturunuz.");

// The print button: an empty list is told so; otherwise the print run (no printer: the message;
// the printer choice, which may cancel) prints the report on the chosen printer.
void Yazdır(QWidget& sahip, QPushButton* düğme, const SütunluListe& liste, const Tanım& tanım);

// The report: rows in the order the list shows them, the visible columns in the order they were
// made, each as wide on paper as its share of the list's width; texts are cut to their column,
// numbers end whole at its right edge. Further pages begin with the running header and the heads again.
void ListeBaskıDüzeni(RaporTuvali& t, const SütunluListe& liste, const Tanım& tanım);

// The export button: an empty list is told so; otherwise the export job `işKodu` runs under the
// progress form over `form` (after the check that a spreadsheet program is there).
void ExceleAktar(QWidget& form, const SütunluListe& liste, int işKodu);
// The export job: every column of the list, its cells typed by the column's sort kind.
void MSExceleAktar(const SütunluListe& liste, const QString& sayfaAdı, const QString& başlık,
                   const std::vector<ListeyiSıralaModülü::SütunTürü>& türler);

}  // namespace ListeRaporu
