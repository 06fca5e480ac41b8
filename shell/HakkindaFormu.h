#pragma once
// The about box of the help menu: picture, title, version, legal notice and the maker's link.

#include <QDialog>

#include <array>

class BağlantıEtiketleri;
class QGroupBox;
class QLabel;
class QPushButton;

class HakkındaFormu : public QDialog {
public:
  HakkındaFormu();

  QLabel* FotografKutusu;
  std::array<QWidget*, 2> Altlık{};
  QLabel* SimgeKutusu;
  QLabel* ProgramAdıEtiketi;
  QLabel* SürümEtiketi;
  QLabel* TelifEtiketi;
  QLabel* AyrıntılıBilgiEtiketi;
  QLabel* WebEtiketi;
  QPushButton* TamamDüğmesi;
  QGroupBox* Çerçeve;
  BağlantıEtiketleri* Bağlantılar;

  // "Sürüm 1.24" for 1.2.4: no mark between the minor number and the revision.
  static QString SürümMetni(int ana, int alt, int düzeltme);

  void Form_Load();

protected:
  void showEvent(QShowEvent* olay) override;
};
