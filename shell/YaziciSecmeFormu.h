#pragma once
// The printer choice every print begins with: the installed printers, the port of the one
// chosen; Tamam makes it the program's current printer, İptal cancels the print.

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class YazıcıSeçmeFormu : public QDialog {
public:
  YazıcıSeçmeFormu();

  QGroupBox* Çerçeve;
  QWidget* Altlık;
  std::array<QLabel*, 2> Etiket{};
  QComboBox* YazıcıAdlarıKutusu;
  QLineEdit* BağlantıNoktasıKutusu;
  QPushButton* TamamDüğmesi;
  QPushButton* İptalDüğmesi;

  void Form_Load();
  void YazıcıAdlarıKutusu_Click();
  void TamamDüğmesi_Click();
  void İptalDüğmesi_Click();

  bool Yüklü() const { return isVisible(); }

  // Esc presses İptal; the close box only closes (the print goes ahead on the current printer).
  void reject() override;

protected:
  void showEvent(QShowEvent* olay) override;
  void closeEvent(QCloseEvent* olay) override;

private:
  void Kaldır();
};
