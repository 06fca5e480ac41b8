#pragma once
// Whether a figure shows whole where the program puts it: in a line edit, or in a cell of a list
// view. Measured as Qt draws them, on the widgets as laid out.

#include "RaporTuvali.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionViewItem>

// The widest figure a box or a column has to hold: the largest quantity or weight kept.
inline const QString EnBüyükSayı = QStringLiteral("9.999.999.999.999,99");

// The box shows `sayı` and the text fits between its frame, its inner margins and the cursor.
inline testing::AssertionResult KutudaBütün(const QLineEdit& kutu, const QString& sayı) {
  if (kutu.text() != sayı)
    return testing::AssertionFailure() << "shows \"" << kutu.text().toStdString() << "\", not " << sayı.toStdString();
  QStyleOptionFrame o;
  o.initFrom(&kutu);
  o.lineWidth = kutu.hasFrame() ? kutu.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &o, &kutu) : 0;
  const QRect içi =
      kutu.style()->subElementRect(QStyle::SE_LineEditContents, &o, &kutu).marginsRemoved(kutu.textMargins());
  // Inside the contents a line edit keeps 2 pixels either side and one past the text for the cursor.
  const int gereken = QFontMetrics(kutu.font()).horizontalAdvance(sayı) + 2 * 2 + 1 +
                      kutu.style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, &kutu);
  if (!kutu.isVisible() || gereken > içi.width())
    return testing::AssertionFailure() << sayı.toStdString() << " needs " << gereken << " px, the box gives "
                                       << içi.width() << (kutu.isVisible() ? "" : " (not shown)");
  return testing::AssertionSuccess();
}

// The cell's text is drawn whole: no ellipsis in it, in the rectangle the view gives the cell, and
// that rectangle within the view's edges.
inline testing::AssertionResult HücredeBütün(const QAbstractItemView& görünüm, const QModelIndex& yer) {
  const QString metin = yer.data().toString();
  QStyleOptionViewItem o;
  o.initFrom(görünüm.viewport());
  o.rect = görünüm.visualRect(yer);
  o.text = metin;
  o.features = QStyleOptionViewItem::HasDisplay;
  o.displayAlignment = Qt::Alignment(yer.data(Qt::TextAlignmentRole).toInt());
  o.font = görünüm.font();
  o.fontMetrics = görünüm.fontMetrics();
  QRect alan = görünüm.style()->subElementRect(QStyle::SE_ItemViewItemText, &o, &görünüm);
  const int pay = görünüm.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &görünüm) + 1;
  alan.adjust(pay, 0, -pay, 0);
  const QString çizilen = görünüm.fontMetrics().elidedText(metin, Qt::ElideRight, alan.width());
  if (o.rect.isEmpty() || çizilen != metin)
    return testing::AssertionFailure() << "drawn as \"" << çizilen.toStdString() << "\" in " << alan.width() << " px";
  if (o.rect.left() < 0 || o.rect.right() >= görünüm.viewport()->width())
    return testing::AssertionFailure() << metin.toStdString() << " at [" << o.rect.left() << ", " << o.rect.right()
                                       << "] passes the view's edge at " << görünüm.viewport()->width();
  return testing::AssertionSuccess();
}

// No printed figure's rectangle (its width, the height of its type) meets another text's on its
// page; `bulunan` counts the figures found, so that a test knows it looked at some.
inline testing::AssertionResult SayılarÜstüsteBinmez(const KayıtTuvali& t, int* bulunan = nullptr) {
  static const QRegularExpression sayı(QStringLiteral("^-?\\d{1,3}(\\.\\d{3})*,\\d\\d$"));
  const auto yükseklik = [](const KayıtTuvali::Metin& m) { return m.punto * 25.4 / 72; };
  int n = 0;
  for (const KayıtTuvali::Metin& s : t.Metinler) {
    if (!sayı.match(s.metin).hasMatch()) continue;
    ++n;
    for (const KayıtTuvali::Metin& m : t.Metinler) {
      if (&m == &s || m.sayfa != s.sayfa || m.metin.isEmpty()) continue;
      if (s.x < m.Sağ() && m.x < s.Sağ() && s.y < m.y + yükseklik(m) && m.y < s.y + yükseklik(s))
        return testing::AssertionFailure() << s.metin.toStdString() << " [" << s.x << ", " << s.Sağ() << "] meets \""
                                           << m.metin.toStdString() << "\" [" << m.x << ", " << m.Sağ() << "] at y "
                                           << s.y;
    }
  }
  if (bulunan) *bulunan = n;
  return testing::AssertionSuccess();
}
