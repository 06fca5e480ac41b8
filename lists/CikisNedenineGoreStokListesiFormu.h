#pragma once
// The stock gone out for one exit reason or all, per product, warehouse and customer, over a period.

#include "ListeFormu.h"

class ÇıkışNedenineGöreStokListesiFormu : public ListeFormu {
public:
  ÇıkışNedenineGöreStokListesiFormu();

protected:
  SıkıListe Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) override;
  ListeVerileri::Kaynak TarihKaynağı() const override;
};
