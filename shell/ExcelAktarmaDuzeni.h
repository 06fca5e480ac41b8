#pragma once
// The spreadsheet export every list runs: the button's checks, the progress form, and the
// sheet built from the list view through ExcelKitabı, then opened for the user.

#include "ExcelKitabi.h"

#include <QString>

#include <vector>

class SütunluListe;
class QWidget;

namespace ExcelAktarmaDüzeni {

// One exported column: the list's sub-item (0 is the row's own text) and how its texts are read.
struct Sütun {
  int altÖğe;
  ExcelKitabı::HücreTürü tür = ExcelKitabı::HücreTürü::Metin;
};

struct Tanım {
  QString sayfaAdı;
  QString başlık;  // across the merged first row
  std::vector<Sütun> sütunlar;  // in the sheet's column order
};

inline const QString ExcelYokMetni = QStringLiteral("Bilgisayarınızda MS Excel kurulu değil!");

// The export button: nothing for an empty list; the message when no program opens spreadsheet
// files; otherwise job `işKodu` runs under the progress form over `form`, whose registered
// procedure calls MSExceleAktar.
void DüğmeTıklandı(QWidget* form, const SütunluListe& liste, int işKodu);

// The job: headers and widths as the user sees them (twips / 100), one sheet row per list row in
// the list's order with the progress bar moving per row, page setup only with a printer, then the
// workbook opened. A failure leaves no file and goes to the error routine. The progress form is
// unloaded in every case.
void MSExceleAktar(const SütunluListe& liste, const Tanım& tanım);

}  // namespace ExcelAktarmaDüzeni
