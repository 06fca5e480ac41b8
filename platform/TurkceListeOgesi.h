#pragma once
// A list-box item that a sorted list keeps in Turkish order; it carries its record's key.

#include "TurkceMetin.h"

#include <QListWidgetItem>

class TürkçeListeÖğesi : public QListWidgetItem {
public:
  TürkçeListeÖğesi(const QString& metin, qint64 anahtar) : QListWidgetItem(metin) { setData(Qt::UserRole, anahtar); }
  bool operator<(const QListWidgetItem& diğer) const override {
    return TürkçeMetin::Karşılaştır(text(), diğer.text()) < 0;
  }
};
