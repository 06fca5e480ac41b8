#pragma once
// The products customers returned to stock, in a warehouse or all, over a period.

#include "ListeFormu.h"

class İadeEdilenÜrünlerListesiFormu : public ListeFormu {
public:
  İadeEdilenÜrünlerListesiFormu();

protected:
  SıkıListe Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) override;
  ListeVerileri::Kaynak TarihKaynağı() const override;
};
