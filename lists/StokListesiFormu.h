#pragma once
// The current stock list: what entered, left and is on hand of each product, in all warehouses or one, over a period.

#include "ListeFormu.h"

class StokListesiFormu : public ListeFormu {
public:
  StokListesiFormu();

protected:
  SıkıListe Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) override;
  ListeVerileri::Kaynak TarihKaynağı() const override;
};
