#pragma once
// The dialogs that change one entry (date and quantity) or one exit (also its reason)
// chosen in the product review. Saving is possible only after the user has edited a field.

#include "HareketVerileri.h"
#include "TarihMiktarFormu.h"

class İşlemDeğiştirFormu : public TarihMiktarFormu {
public:
  QPushButton* KaydetDüğmesi;
  void KaydetDüğmesi_Click();
  void done(int sonuç) override;

protected:
  explicit İşlemDeğiştirFormu(HareketVerileri::HareketTürü tür);
  void Form_Load() override;
  void ÜstDüğme_Click() override { KaydetDüğmesi_Click(); }
  void ÖncekiDenemeYazılmış(const İşlemİzleri::Bekleyenİş& iş, const Değerler& deneme) override;
  bool İncelemeEskiKalabilir() const override;

private:
  // The movement the review shows, with `d`'s values.
  HareketVerileri::GörülenHareket Hali(HareketVerileri::GörülenHareket h, const Değerler& d) const;

  HareketVerileri::HareketTürü tür_;
  // What the file holds once an earlier try was found in it, which the review does not show yet.
  std::optional<Değerler> taban_;
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
