#pragma once
// Every entry or exit recorded under one person, with the person's totals. It only reads.

#include "HareketIzlemeFormu.h"

class GirişÇıkışYapanlaraGöreStokHareketleriFormu : public HareketİzlemeFormu {
public:
  GirişÇıkışYapanlaraGöreStokHareketleriFormu();

  QListWidget* GirişÇıkışYapanlarListesi;  // item data the GirisCikisYapanNo
  QLineEdit* GirişÇıkışYapanıBulKutusu;

  void GirişÇıkışYapanlarListesi_Click();

protected:
  void Listele() override { GirişÇıkışYapanlarListesi_Click(); }
  void Form_Load() override;

private:
  static Tasarım Tasarımı();
};
