#pragma once
// The stock exit voucher: goods that leave a warehouse for a customer, each line with its
// reason, tested against the stock on hand and committed as exit rows.

#include "StoktanFisFormu.h"

class ÇıkışİşlemleriFormu : public StoktanFişFormu {
public:
  ÇıkışİşlemleriFormu();

  SeçiciSütunu& FirmaSeçici() const { return *Seçiciler[2]; }
  QListWidget* DepoListesi() const { return DepoSeçici().Liste; }
  QListWidget* ÜrünListesi() const { return ÜrünSeçici().Liste; }
  QListWidget* FirmaListesi() const { return FirmaSeçici().Liste; }
  QComboBox* ÇıkışıYapanKutusu() const { return KişiKutusu; }
  QLineEdit* ÇıkışMiktarıKutusu() const { return MiktarKutusu; }
  QComboBox* ÇıkışNedeniKutusu() const { return NedenKutusu; }
  ListeGörünümü* ÇıkışıYapılacakÜrünListesi() const { return Çalışma->Liste; }
  QPushButton* ListeyiStoktanÇıkDüğmesi() const { return ListeDüğmeleri[0]; }

  void DepoKoduAdıSeçeneği_Click();
  void ListeyeEkleDüğmesi_Click();
  void ListeyiStoktanÇıkDüğmesi_Click();

  // What the list-loading jobs fill.
  ListeHedefi Hedef();
};
