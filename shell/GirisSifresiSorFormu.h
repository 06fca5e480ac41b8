#pragma once
// The login prompt after connecting: three wrong passwords end the program.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class GirişŞifresiSorFormu : public QDialog {
public:
  GirişŞifresiSorFormu();

  QLabel* Etiket;
  QLineEdit* ŞifreKutusu;
  QPushButton* TamamDüğmesi;
  QPushButton* İptalDüğmesi;

  void ŞifreKutusu_GotFocus();
  void TamamDüğmesi_Click();
  // Also Esc and the third wrong password: hides the prompt, unloads the main window and ends.
  void İptalDüğmesi_Click();

  // Esc presses İptal.
  void reject() override;

protected:
  // Left only through its two buttons.
  void closeEvent(QCloseEvent* olay) override;
  bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
  void Kaldır();

  quint8 YanlışŞifreSayısı = 0;
};
