#pragma once
// What the two movement reviews (by product, by person) share: a chooser list with its
// find box, the entries/exits option, the movement list with its sorting and saved layout,
// the three totals and the close button.

#include "HareketVerileri.h"
#include "ListeyiSiralaModulu.h"

#include <QDialog>

#include <array>
#include <optional>
#include <vector>

class ListeGörünümü;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// Said when a movement was deleted or changed elsewhere since the list was loaded.
inline const QString HareketDeğişmişMetni = QStringLiteral(
    "Bu hareket, liste yüklendikten sonra başka bir yerden değiştirilmiş ya da silinmiş! "
    "Liste yeniden yüklenecek; lütfen, kontrol edip tekrar deneyiniz.");

// Shows a dialog modally over `sahip`.
int ÜzerindeGöster(QDialog& form, QWidget* sahip);

class HareketİzlemeFormu : public QDialog {
public:
  std::array<QGroupBox*, 3> Çerçeve{};  // the chooser, the movement kind, the totals
  std::array<QLabel*, 6> Etiket{};      // 0 movements, 1 entry total, 2 chooser, 3 find, 4 exit total, 5 on hand
  QListWidget* SeçimListesi;
  QLineEdit* BulKutusu;
  std::array<QRadioButton*, 2> HareketTürüSeçeneği{};  // 0 entries, 1 exits
  ListeGörünümü* StokHareketleriListesi;
  QLineEdit* GirişMiktarıToplamıKutusu;
  QLineEdit* ÇıkışMiktarıToplamıKutusu;
  QLineEdit* MevcutKutusu;
  QPushButton* KapatDüğmesi;

  // Loads the form again after it was unloaded: controls as designed, saved layout, entries view.
  void Yükle();
  bool Yüklü() const { return yüklü_; }

  HareketVerileri::HareketTürü Görünüm() const;
  void StokHareketleriListesi_ColumnClick(int başlıkIndex);
  void BulKutusu_Change();
  void KapatDüğmesi_Click();
  // Every way out (Kapat, Esc, the close box) unloads the form and saves the layout.
  void done(int sonuç) override;

protected:
  struct Sütun {
    const char* başlık;
    int genişlikTwip;
    bool sağa;
    ListeyiSıralaModülü::SütunTürü tür;
  };
  struct Tasarım {
    QString başlık;
    QString seçiciEtiketi;
    QString bulEtiketi;
    QString listeAdı;  // settings section under "Listeler\"
    std::vector<Sütun> sütunlar;
  };
  explicit HareketİzlemeFormu(Tasarım tasarım);

  // The chooser's click: lists the chosen item's movements of the current view again.
  virtual void Listele() = 0;
  // Listele, with the rows ordered again as the user sorted them by dates or figures.
  void SıralamasıKorunarakListele();
  virtual void HareketTürüSeçeneği_Click(int index);
  virtual void Form_Load();
  void Form_Unload();

  std::optional<qint64> SeçiliNo() const;
  // Empty boxes when nothing is chosen.
  void ToplamlarıGöster(const std::optional<HareketVerileri::Toplamlar>& t);
  // A choice whose movements or totals could not be read is let go: the view stays empty, and
  // no change, delete or return works from a view half read.
  void SeçimiBırak();

  QVBoxLayout* SeçiciDüzeni;  // under the find box: room for a form's own options
  QHBoxLayout* DüğmeDüzeni;   // before the close button

  void showEvent(QShowEvent* olay) override;

private:
  Tasarım tasarım_;
  bool yüklü_ = false;
};
