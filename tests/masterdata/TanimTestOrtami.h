#pragma once
// Typing as a user does, Turkish letters included.

#include <QTest>
#include <QWidget>

inline void Yaz(QWidget* alan, const QString& metin) {
  for (QChar c : metin) {
    if (c.unicode() < 128)
      QTest::keyClick(alan, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}
