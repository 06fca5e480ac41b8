#pragma once
// What the exit and transfer vouchers share beyond the voucher template: the warehouse is
// chosen first and the product list holds what was entered there, the stock on hand is shown
// at the product click, and a line may take only what the stock less the list's lines leaves.

#include "CikisVerileri.h"
#include "FisSablonu.h"
#include "IlerlemeGosterFormu.h"

class StoktanFişFormu : public FişFormu {
public:
  struct Yapı {
    int depoSeçicisi;  // index in Seçiciler of the warehouse taken from
    int ürünSeçicisi;
    int ürünİşi;       // progress job that loads the products of that warehouse
    FişVerileri::ListeSütunları sütunlar;  // where a row keeps its product, warehouse and quantity
  };
  StoktanFişFormu(const FişTanımı& tanım, Yapı yapı);

  SeçiciSütunu& DepoSeçici() const { return *Seçiciler[yapı_.depoSeçicisi]; }
  SeçiciSütunu& ÜrünSeçici() const { return *Seçiciler[yapı_.ürünSeçicisi]; }

  // The warehouse chosen: its products are loaded (or the product list emptied without one).
  void DepoListesi_Click();
  // The product chosen: its stock on hand in the chosen warehouse; none without a warehouse.
  void ÜrünListesi_Click();

protected:
  // The stock as shown less what the rows of the list already take of it.
  TürkçeMetin::Miktar KalanStok() const;
  // Refusals of the quantity: not a positive number; more than is left (the box is then offered
  // what is left).
  Ret MiktarReddi(const QString& mesaj);
  Ret StokReddi(const QString& mesaj);
  // The line's cells after the checks: quantity and its weight, date, person (stored now when new).
  struct SatırDeğerleri {
    qint64 kişiNo;
    QString tarih;
    QString miktar;
    QString ağırlık;
  };
  SatırDeğerleri DeğerleriAl();

  // While the warehouse list is reloaded its emptying is no choice of the user's.
  bool depoYenileniyor_ = false;
private:
  Yapı yapı_;
};
