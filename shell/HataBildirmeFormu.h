#pragma once
// The error-report dialog of the help menu: a request to report faults, with a link to the
// maker's feedback page and one that starts an e-mail.

#include <QDialog>

#include <array>

class BağlantıEtiketleri;
class QGroupBox;
class QLabel;
class QPushButton;

class HataBildirmeFormu : public QDialog {
public:
  HataBildirmeFormu();

  std::array<QLabel*, 2> Etiket{};
  QLabel* WebEtiketi;
  QLabel* EPostaEtiketi;
  QLabel* SimgeKutusu;
  QWidget* Altlık;
  QPushButton* KapatDüğmesi;
  QGroupBox* Çerçeve;
  BağlantıEtiketleri* Bağlantılar;

  static QString GeriBildirimAdresi();
  static QString EPostaAdresi();

protected:
  void showEvent(QShowEvent* olay) override;
};
