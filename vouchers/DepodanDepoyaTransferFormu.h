#pragma once
// The transfer voucher: stock of a product moved from one warehouse to another, committed
// as pairs of an entry row in the target and an exit row in the source.

#include "StoktanFisFormu.h"

class DepodanDepoyaTransferFormu : public StoktanFişFormu {
public:
  DepodanDepoyaTransferFormu();

  SeçiciSütunu& YeniDepoSeçici() const { return *Seçiciler[2]; }
  QListWidget* DepoListesi() const { return DepoSeçici().Liste; }
  QListWidget* ÜrünListesi() const { return ÜrünSeçici().Liste; }
  QListWidget* YeniDepoListesi() const { return YeniDepoSeçici().Liste; }
  QComboBox* TransferiYapanKutusu() const { return KişiKutusu; }
  QLineEdit* TransferMiktarıKutusu() const { return MiktarKutusu; }
  ListeGörünümü* TransferEdilecekÜrünListesi() const { return Çalışma->Liste; }
  QPushButton* ListeyiTransferEtDüğmesi() const { return ListeDüğmeleri[0]; }
  QPushButton* TransferFişiYazdırDüğmesi() const { return ListeDüğmeleri[3]; }

  // Index 0 and 1 order the source list, 2 and 3 the target list.
  void DepoKoduAdıSeçeneği_Click(int index);
  void ListeyeEkleDüğmesi_Click();
  void ListeyiTransferEtDüğmesi_Click();
  void TransferFişiYazdırDüğmesi_Click();

  ListeHedefi Hedef();
};
