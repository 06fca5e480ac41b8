#pragma once
// Sets, changes or removes the login password; the mode follows Ortak::GirişŞifresiSorulsun.

#include <QDialog>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

class GirişŞifresiBelirleDeğiştirFormu : public QDialog {
public:
  GirişŞifresiBelirleDeğiştirFormu();

  std::array<QLabel*, 2> Etiket{};
  QLineEdit* ŞifreKutusu;
  QLineEdit* ŞifreDoğrulaKutusu;
  QPushButton* TamamDüğmesi;
  QPushButton* İptalDüğmesi;

  void Form_Activate();
  void ŞifreKutusu_GotFocus();
  void ŞifreKutusu_LostFocus();
  void ŞifreDoğrulaKutusu_GotFocus();
  void ŞifreDoğrulaKutusu_LostFocus();
  void TamamDüğmesi_Click();
  // İptal in set mode, "Şifreyi Kaldır" in change mode; also Esc.
  void İptalDüğmesi_Click();

  // Esc presses İptal.
  void reject() override;

protected:
  void showEvent(QShowEvent* olay) override;
  // The close box unloads the dialog without any change.
  void closeEvent(QCloseEvent* olay) override;
  bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
  void Kaldır();
};

// The main window's password command: shows the dialog modally over the main window.
void GirişŞifresiBelirleDeğiştirFormunuGöster();
