#pragma once
// The stock entered from each supplier or gone out to each customer, per product and warehouse.

#include "ListeFormu.h"

class FirmalaraGöreStokListesi : public ListeFormu {
public:
  FirmalaraGöreStokListesi();
  // "Satici" or "Alici", set by the dispatch before the form loads: the companies of its chooser
  // and the movements it lists (entries from suppliers, exits to customers).
  QString FirmaTürü = QStringLiteral("Satici");

protected:
  SıkıListe Satırlar(Veritabanı& vt, const ListeVerileri::Süzgeç& s) override;
  ListeVerileri::Kaynak TarihKaynağı() const override;
  QString SeçiciFirmaTürü() const override { return FirmaTürü; }
  QString SayfaAdı() const override;
};
