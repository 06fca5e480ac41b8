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

  // Said when the earlier try of a return was found in the file and the values given after it
  // differ: a return is not changed, so they were not written.
  static QString İadeYazılmışMetni(const QDate& tarih, TürkçeMetin::Miktar miktar);

protected:
  void Form_Load() override;
  void ÜstDüğme_Click() override { İadeEtDüğmesi_Click(); }
  void ÖncekiDenemeYazılmış(const İşlemİzleri::Bekleyenİş& iş, const Değerler& deneme) override;

private:
  // The return is in the file: the fields show it as stored, the review is listed again.
  void Yazıldı(const Değerler& deneme, const QString& aynıysa);
  void Bitti(bool yapıldı);
};
