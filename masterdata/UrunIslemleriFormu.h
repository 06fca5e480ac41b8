#pragma once
// Products: found by name or code, looked at, added, changed and deleted.

#include "TanimFormu.h"

class QComboBox;
class QPlainTextEdit;

class ÜrünİşlemleriFormu : public TanımFormu {
public:
  ÜrünİşlemleriFormu();

  QLineEdit* const& ArananÜrünKutusu = AramaKutusu;
  QListWidget* const& BulunanÜrünlerListesi = BulunanListe;
  QLineEdit* ÜrünKoduKutusu;
  QLineEdit* ÜreticiKoduKutusu;
  QPlainTextEdit* ÜrünAdıKutusu;
  QComboBox* BirimTürüKutusu;  // the unit kinds used last, kept in the settings
  QLineEdit* BirimAğırlığıKutusu;
  QLineEdit* PaketlemeAdediKutusu;
  QLineEdit* AskılamaSayısıKutusu;
  QPlainTextEdit* AçıklamaKutusu;

protected:
  std::vector<QWidget*> KayıtAlanları() const override;
  void KaydıYükle(qint64 no) override;
  void Kaydet() override;
  void KayıtSonrası(qint64 no) override;
  void Form_Load() override;
};
