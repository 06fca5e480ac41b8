#pragma once
// Warehouses: found by name or code, looked at, added, changed and deleted.

#include "TanimFormu.h"

class QPlainTextEdit;

class DepoİşlemleriFormu : public TanımFormu {
public:
  DepoİşlemleriFormu();

  QLineEdit* const& ArananDepoKutusu = AramaKutusu;
  QListWidget* const& BulunanDepolarListesi = BulunanListe;
  QLineEdit* DepoKoduKutusu;
  QLineEdit* DepoAdıKutusu;
  QLineEdit* DepoYeriKutusu;
  QPlainTextEdit* AçıklamaKutusu;

protected:
  std::vector<QWidget*> KayıtAlanları() const override;
  void KaydıYükle(qint64 no) override;
  void Kaydet() override;
  void KayıtSonrası(qint64 no) override;
};
