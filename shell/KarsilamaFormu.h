#pragma once
// The welcome window of start-up; it warns about regional settings the program needs.

#include "Platform.h"

#include <QDialog>
#include <QStringList>

class KarşılamaFormu : public QDialog {
public:
  KarşılamaFormu();
  void Form_Load();
  void Form_Activate();

protected:
  void mousePressEvent(QMouseEvent* olay) override;  // Form_Click
};

// The warnings for the regional values that differ from what the program needs, in order.
QStringList BölgeAyarıUyarıları(const Platform::BölgeAyarları& ayarlar);
