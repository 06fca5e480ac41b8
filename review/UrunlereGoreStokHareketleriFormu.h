#pragma once
// Every entry or exit of one product with its totals; the one place where a single
// movement is changed, deleted or returned to stock. Job 12 fills its product list.

#include "HareketIzlemeFormu.h"

class ÜrünlereGöreStokHareketleriFormu : public HareketİzlemeFormu {
public:
  ÜrünlereGöreStokHareketleriFormu();

  QListWidget* ÜrünListesi;  // sorted by its text; item data the UrunNo
  QLineEdit* ÜrünBulKutusu;
  std::array<QRadioButton*, 2> ÜrünKoduAdıSeçeneği{};  // 0 names, 1 codes
  QPushButton* HareketiDeğiştirDüğmesi;
  QPushButton* HareketiSilDüğmesi;
  QPushButton* ÇıkışıStoğaİadeEtDüğmesi;

  // The movement chosen for a change, a delete or a return, and its row's position (from 1).
  qint64 SeçiliHareketNo = 0;
  int Sayaç = 0;

  // Lists the chosen product's movements of the current view again, with the totals.
  void ÜrünListesi_Click();
  void ÜrünKoduAdıSeçeneği_Click(int index);
  void HareketiDeğiştirDüğmesi_Click();
  void HareketiSilDüğmesi_Click();
  void ÇıkışıStoğaİadeEtDüğmesi_Click();

  // What the selected row shows, as the dialogs and the commands read it back.
  std::optional<HareketVerileri::GörülenHareket> SeçiliHareket() const;
  // A total box read back as a number.
  static TürkçeMetin::Miktar Toplam(const QLineEdit* kutu);
  // After a reload: the row at `sayaç`, or the one before it when the list got shorter.
  void SatırıYenidenSeç(int sayaç);
  // Lists the product again from the file, sorted as the user sorted it; `satırıSeç`: chooses
  // the movement SeçiliHareketNo again, or, gone, the row at Sayaç.
  void ListeyiYenile(bool satırıSeç = true);
  // Closing lets go of a delete whose outcome the disk hid.
  void done(int sonuç) override;

protected:
  void Listele() override { ÜrünListesi_Click(); }
  void HareketTürüSeçeneği_Click(int index) override;
  void Form_Load() override;

private:
  static Tasarım Tasarımı();

  // The token of a delete whose outcome the disk hid, and the movement it was tried on: deleted
  // again, the earlier try found in the file is not taken for a delete from elsewhere.
  İşlemİzleri::Bekleyenİz silmeBekleyen_;
  std::pair<HareketVerileri::HareketTürü, qint64> silinen_{};
};
