#pragma once
// The saved server folders (at most four) and the change of the current one.
// Kept loaded, hidden, for the whole run as the program's view of "Sunucular".

#include "Ayarlar.h"

#include <QDialog>

#include <array>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class SunucuDeğiştirFormu : public QDialog {
public:
  SunucuDeğiştirFormu();

  // Loads the form again after it was unloaded (the list is read afresh from the settings).
  void Yükle();
  // Closes the form; the next Yükle reads the list again.
  void Kaldır();
  bool Yüklü() const { return yüklü_; }

  // Adds a folder to the list by the rule of four (below four it is appended; at four it takes the
  // fourth's place; a longer list written by hand takes no more), remembering the change for the save.
  void SunucuEkle(const QString& klasör);
  // Applies this form's changes (the folders added, those they replaced) and the index of the
  // current folder to the list as the file holds it now, in one write, so that a folder another
  // copy added meanwhile stays; the list then shows the file's. Called only once that folder's
  // database has opened: a cancelled change leaves the settings as they were.
  Ayarlar::Sonuç ListeyiKaydet(int seçili);

  void Form_Load();
  void Form_Activate();
  void SunucuListesi_Click();
  void SunucuSeçDüğmesi_Click();
  void SeçilenSunucuyaBağlanDüğmesi_Click();
  void VaçgeçDüğmesi_Click();

  std::array<QLabel*, 3> Etiket;
  QListWidget* SunucuListesi;
  QPushButton* SunucuSeçDüğmesi;
  QPushButton* SeçilenSunucuyaBağlanDüğmesi;
  QPushButton* VaçgeçDüğmesi;

  // Esc and the close box go through "Vazgeç".
  void reject() override;

protected:
  void showEvent(QShowEvent* olay) override;

private:
  struct Ekleme {
    QString eklenen, çıkan;
  };
  std::vector<Ekleme> eklemeler_;
  bool yüklü_ = false;
};

// Command "Sunucu Değiştir...": shows the server change form modally over the main window.
void SunucuDeğiştir();
