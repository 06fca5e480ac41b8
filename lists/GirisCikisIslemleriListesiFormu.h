#pragma once
// Every entry or every exit of a warehouse or all, over a period; transfers left out.

#include "ListeFormu.h"

class GirişÇıkışİşlemleriListesiFormu : public ListeFormu {
public:
  GirişÇıkışİşlemleriListesiFormu();
  // "Giris" or "Cikis", set by the dispatch before the form loads.
  QString İşlemTürü = QStringLiteral("Giris");

protected:
  SıkıListe Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) override;
  ListeVerileri::Kaynak TarihKaynağı() const override;
  QString SayfaAdı() const override;
};
