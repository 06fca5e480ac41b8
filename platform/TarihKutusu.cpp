#include "TarihKutusu.h"

#include <QCalendarWidget>
#include <QFocusEvent>

TarihKutusu::TarihKutusu(QWidget* ebeveyn) : QDateEdit(ebeveyn) {
  setCalendarPopup(true);
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  connect(this, &QDateEdit::dateChanged, this, [this](QDate) {
    if (Değişti) Değişti();
  });
}

bool TarihKutusu::OdakSende() const {
  if (hasFocus()) return true;
  const QCalendarWidget* takvim = calendarWidget();
  return takvim && takvim->window() != window() && takvim->window()->isVisible();
}

// Opening and closing the calendar moves the focus into the pop-up and back; for the
// form the field keeps its focus all along, so its caption does not flicker.
void TarihKutusu::focusInEvent(QFocusEvent* olay) {
  QDateEdit::focusInEvent(olay);
  if (olay->reason() == Qt::PopupFocusReason) return;
  if (OdakAldı) OdakAldı();
}

void TarihKutusu::focusOutEvent(QFocusEvent* olay) {
  QDateEdit::focusOutEvent(olay);
  if (olay->reason() == Qt::PopupFocusReason) return;
  if (OdakKaybetti) OdakKaybetti();
}
