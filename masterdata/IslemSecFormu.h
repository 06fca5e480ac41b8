#pragma once
// The toolbar's chooser of what to define: products, warehouses, supplier or customer
// companies. "Tamam" opens the chosen definition form over it; it stays until closed.

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

class İşlemSeçFormu : public QDialog {
public:
  İşlemSeçFormu();

  // The kind chosen last (0 products, 1 warehouses, 2 suppliers, 3 customers), for the whole run.
  quint8 SeçilenTanımlama = 0;

  QGroupBox* Çerçeve;
  QWidget* Altlık;
  std::array<QRadioButton*, 4> TanımlamaSeçeneği{};
  QPushButton* TamamDüğmesi;
  QPushButton* İptalDüğmesi;

  void Form_Load();
  void TanımlamaSeçeneği_Click(int index);
  void TamamDüğmesi_Click();
  void İptalDüğmesi_Click();

protected:
  void showEvent(QShowEvent* olay) override;
};
