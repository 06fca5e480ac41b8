#pragma once
// The stock entry voucher: supplier, product and warehouse chosen from three lists,
// lines collected in the working list and committed to the entries at once.

#include "FisSablonu.h"

class GirişİşlemleriFormu : public FişFormu {
public:
  GirişİşlemleriFormu();

  QListWidget* FirmaListesi;
  QLineEdit* FirmaBulKutusu;
  QListWidget* ÜrünListesi;
  std::array<QRadioButton*, 2> ÜrünKoduAdıSeçeneği;
  QLineEdit* ÜrünBulKutusu;
  QListWidget* DepoListesi;
  std::array<QRadioButton*, 2> DepoKoduAdıSeçeneği;
  QLineEdit* DepoBulKutusu;
  QComboBox* GirişiYapanKutusu;
  TarihKutusu* GirişTarihiKutusu;
  QLineEdit* GirişMiktarıKutusu;
  ListeGörünümü* GirişiYapılacakÜrünListesi;
  QLineEdit* ToplamAğırlıkKutusu;
  QPushButton* ListeyiStoğaEkleDüğmesi;
  QPushButton* GirişiListedenÇıkarDüğmesi;
  QPushButton* ListeyiTemizleDüğmesi;
  QPushButton* GirişFişiYazdırDüğmesi;
  QPushButton* ListeyiExceleAktarDüğmesi;

  // Event procedures.
  void ÜrünKoduAdıSeçeneği_Click(int index);
  void DepoKoduAdıSeçeneği_Click(int index);
  void ÜrünListesi_Click();
  void DepoListesi_Click();
  void ListeyeEkleDüğmesi_Click();
  void GirişiListedenÇıkarDüğmesi_Click();
  void GirişiYapılacakÜrünListesi_DblClick();
  void ListeyiTemizleDüğmesi_Click();
  void ListeyiStoğaEkleDüğmesi_Click();
  void GirişFişiYazdırDüğmesi_Click();
  void GirişiYapılacakÜrünListesi_ColumnClick(int başlıkIndex);
};
