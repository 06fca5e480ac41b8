#pragma once
// The dialogs that change one entry (date and quantity) or one exit (also its reason)
// chosen in the product review. Saving is possible only after the user has edited a field.

#include "HareketVerileri.h"
#include "TarihMiktarFormu.h"

class İşlemDeğiştirFormu : public TarihMiktarFormu {
public:
  QPushButton* KaydetDüğmesi;
  void KaydetDüğmesi_Click();

protected:
  explicit İşlemDeğiştirFormu(HareketVerileri::HareketTürü tür);
  void Form_Load() override;
  void ÜstDüğme_Click() override { KaydetDüğmesi_Click(); }

private:
  HareketVerileri::HareketTürü tür_;
};

class GirişİşlemiDeğiştirFormu : public İşlemDeğiştirFormu {
public:
  GirişİşlemiDeğiştirFormu();
  TarihKutusu* GirişTarihiKutusu;
  QLineEdit* GirişMiktarıKutusu;
};

class ÇıkışİşlemiDeğiştirFormu : public İşlemDeğiştirFormu {
public:
  ÇıkışİşlemiDeğiştirFormu();
  TarihKutusu* ÇıkışTarihiKutusu;
  QLineEdit* ÇıkışMiktarıKutusu;
  QComboBox* ÇıkışNedeniKutusu;
};
