#pragma once
// Takes all or part of an exit chosen in the product review back into stock.

#include "TarihMiktarFormu.h"

class StoğaİadeEtFormu : public TarihMiktarFormu {
public:
  StoğaİadeEtFormu();
  TarihKutusu* İadeTarihiKutusu;
  QLineEdit* İadeMiktarıKutusu;
  QPushButton* İadeEtDüğmesi;

  void İadeEtDüğmesi_Click();

protected:
  void Form_Load() override;
  void ÜstDüğme_Click() override { İadeEtDüğmesi_Click(); }
};
