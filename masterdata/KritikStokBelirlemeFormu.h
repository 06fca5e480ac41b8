#pragma once
// Sets the critical stock level of a product in a warehouse. The warehouse list is filled
// by job 13 of the progress form before the form is shown, the product list of the chosen
// warehouse by job 14, and the warehouse list again by job 15 when its display changes.

#include "IslemIzleri.h"

#include <QDialog>

#include <array>

struct ListeHedefi;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class KritikStokBelirlemeFormu : public QDialog {
public:
  KritikStokBelirlemeFormu();

  std::array<QGroupBox*, 3> Çerçeve{};
  std::array<QWidget*, 5> Altlık{};
  std::array<QLabel*, 8> Etiket{};
  QListWidget* DepoListesi;
  std::array<QRadioButton*, 2> DepoKoduAdıSeçeneği{};  // 0 names, 1 codes
  QLineEdit* DepoBulKutusu;
  QListWidget* ÜrünListesi;
  std::array<QRadioButton*, 2> ÜrünKoduAdıSeçeneği{};
  QLineEdit* ÜrünBulKutusu;
  QLineEdit* ToplamÜrünAğırlığıKutusu;
  QLineEdit* ToplamKritikStokAğırlığıKutusu;
  QLineEdit* ÜrünKritikStokAğırlığıKutusu;
  QLineEdit* KritikStokMiktarıKutusu;
  QPushButton* KaydetDüğmesi;
  QPushButton* KapatDüğmesi;

  // Loads the form after it was unloaded: every control as designed.
  void Yükle();
  bool Yüklü() const { return yüklü_; }
  // The lists and options that jobs 13 to 15 fill and read; loads the form first.
  ListeHedefi İşHedefi();

  void Form_Load();
  void DepoListesi_Click();
  void ÜrünListesi_Click();
  void DepoKoduAdıSeçeneği_Click();
  void ÜrünKoduAdıSeçeneği_Click();
  void DepoBulKutusu_Change();
  void ÜrünBulKutusu_Change();
  void KritikStokMiktarıKutusu_Change();
  void KaydetDüğmesi_Click();
  void KapatDüğmesi_Click();

  // Every way out (Kapat, Esc, the close box) unloads the form.
  void done(int sonuç) override;

protected:
  void showEvent(QShowEvent* olay) override;
  void keyPressEvent(QKeyEvent* olay) override;

private:
  void KutularıBoşalt();
  void İlerlemeİşi(int kod);

  bool yüklü_ = false;
  bool yükleniyor_ = false;  // options set by the load are not clicks
  // The save whose outcome the disk hid, while its pair is chosen and its quantity in the box.
  İşlemİzleri::Bekleyenİz bekleyen_;
  qint64 denenen_ = 0;         // the quantity that try wrote, in hundredths
  bool kendiBulundu_ = false;  // the save under way found that try in the file
};
