#pragma once
// The critical stock list: every product and warehouse at or below its critical level.
// Job 33 of the progress form builds it just before the form is shown.

#include "ListeFormuTabani.h"

class SıkıListeGörünümü;
class QCheckBox;
class QPushButton;

// How many rows the list would show; the start-up warning and the list command ask it.
qint64 KritikStokSayısı();

class KritikStokListesiFormu : public ListeFormuTabanı {
public:
  KritikStokListesiFormu();

  SıkıListeGörünümü* KritikStokListesi;
  QCheckBox* BaşlangıçtaGösterOnayı;
  QPushButton* YazdırDüğmesi;
  QPushButton* ExceleAktarDüğmesi;
  QPushButton* KapatDüğmesi;

  // Fills the list from the database while it drives the progress form's bar, and
  // unloads the progress form at its end, whatever happened.
  void ListeOluştur();
  // Job 26: the list to the spreadsheet program.
  void MSExceleAktar();

  // Beside the list: the start-up setting.
  void Form_Load() override;
  void KritikStokListesi_ColumnClick(int başlıkIndex);
  void BaşlangıçtaGösterOnayı_Click();
  void YazdırDüğmesi_Click();
  void ExceleAktarDüğmesi_Click();
  void KapatDüğmesi_Click();
};
