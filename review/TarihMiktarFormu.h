#pragma once
// The small dialogs over the product review: a frame of labelled date and quantity fields
// (an exit's change adds its reason) and two buttons at its right, the first on top.

#include "IslemIzleri.h"

#include <QDialog>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TarihKutusu;

class TarihMiktarFormu : public QDialog {
public:
  QGroupBox* Çerçeve;
  std::array<QLabel*, 3> Etiket{};  // date, quantity, reason
  TarihKutusu* Tarih;
  QLineEdit* Miktar;
  QComboBox* Neden = nullptr;  // the exit reasons, item data their codes
  QPushButton* ÜstDüğme;
  QPushButton* İptalDüğmesi;
  // The token of a save whose outcome the disk hid, while the dialog stays open with its input:
  // saved again, the earlier try found in the file is not written twice.
  İşlemİzleri::Bekleyenİz Bekleyen;

  // Loads the dialog again after it was unloaded: its fields as designed.
  void Yükle();
  bool Yüklü() const { return yüklü_; }
  void İptalDüğmesi_Click();
  // Every way out unloads the dialog.
  void done(int sonuç) override;

  struct Tasarım {
    QString başlık;
    QString çerçeve;
    QString tarihEtiketi;
    QString miktarEtiketi;
    int miktarUzunluğu;
    QString düğme;
    QString nedenEtiketi;  // empty: no reason field
  };

protected:
  explicit TarihMiktarFormu(const Tasarım& tasarım);

  virtual void Form_Load();
  virtual void ÜstDüğme_Click() = 0;

  // Refuses with an information message and puts the focus back on the field.
  static void Uyar(const QString& metin, QWidget* alan);
  // No quantity to work with: empty, "0", "0,00" or nothing above zero.
  static bool MiktarYok(const QString& metin);

  void showEvent(QShowEvent* olay) override;

private:
  bool yüklü_ = false;
};
