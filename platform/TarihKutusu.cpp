#include "TarihKutusu.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QShowEvent>

#include <algorithm>

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

// The date edit would walk its day, month and year on Tab first.
bool TarihKutusu::focusNextPrevChild(bool ileri) { return QWidget::focusNextPrevChild(ileri); }

void TarihKutusu::keyPressEvent(QKeyEvent* olay) {
  const bool sol = olay->key() == Qt::Key_Left, sağ = olay->key() == Qt::Key_Right;
  if ((sol || sağ) && !(olay->modifiers() & (Qt::ShiftModifier | Qt::AltModifier))) {
    BölümeGeç(currentSectionIndex() + (sağ ? 1 : -1));
    olay->accept();
    return;
  }
  QDateEdit::keyPressEvent(olay);
}

// A form shown again (the dialogs are reused) must not leave typing on the part used last,
// where the digits of a whole date would be refused.
void TarihKutusu::showEvent(QShowEvent* olay) {
  QDateEdit::showEvent(olay);
  if (!olay->spontaneous()) BölümeGeç(0);
}

void TarihKutusu::BölümeGeç(int index) {
  const int bölüm = std::clamp(index, 0, sectionCount() - 1);
  setCurrentSectionIndex(bölüm);
  setSelectedSection(sectionAt(bölüm));
}
