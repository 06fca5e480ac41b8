#pragma once
// The report-style list view of the voucher, review and list forms: columns with
// widths in twips (15 twips = 1 pixel), hidden 1-twip columns that still carry
// their texts, row tags, its own text sort, header arrows and a saved layout.

#include <QPixmap>
#include <QString>
#include <QTreeWidget>

#include <functional>
#include <vector>

class ListeGörünümü : public QTreeWidget {
public:
  enum class Hiza { Sol, Sağ };

  // A column narrower than one pixel cannot be seen: it is hidden but keeps its texts.
  static constexpr int PikselBaşınaTwip = 15;

  explicit ListeGörünümü(QWidget* ebeveyn = nullptr);

  // Columns. Header indexes count from 1 in the order of adding; positions count from 1 too.
  int SütunEkle(const QString& metin, int genişlikTwip, Hiza hiza = Hiza::Sol);
  int SütunSayısı() const;
  QString SütunBaşlığı(int başlıkIndex) const;
  Hiza SütunHizası(int başlıkIndex) const;
  int SütunKonumu(int başlıkIndex) const;
  void SütunKonumuAyarla(int başlıkIndex, int konum);
  int SütunGenişliği(int başlıkIndex) const;  // twips
  void SütunGenişliğiAyarla(int başlıkIndex, int genişlikTwip);
  bool SütunGizli(int başlıkIndex) const;
  // Back to the design: no rows, own sort off, every column at its place and width as added,
  // no header image.
  void TasarımaDön();

  // Rows. Positions count from 1 in the order the list shows them; column k is sub-item k.
  // While the list's own sort is off, adding a row or clearing the list takes the header
  // arrows off: the rows no longer stand in the order an arrow shows.
  QTreeWidgetItem* SatırEkle(const QString& metin);
  // Rows of whole cells at once, after the rows there are and in this order (in their place while
  // the own sort is on): a long list fills in one step instead of a step per cell.
  void SatırlarıEkle(const std::vector<QStringList>& satırlar);
  int SatırSayısı() const;
  QTreeWidgetItem* Satır(int konum) const;  // null outside 1..SatırSayısı()
  int SatırKonumu(const QTreeWidgetItem* satır) const;  // 0 when not in this list
  void SatırSil(int konum);
  void Temizle();
  QString AltÖğe(int konum, int k) const;
  void AltÖğeAyarla(int konum, int k, const QString& metin);
  static QString SatırEtiketi(const QTreeWidgetItem* satır);
  static void SatırEtiketiAyarla(QTreeWidgetItem* satır, const QString& etiket);
  QTreeWidgetItem* EtiketleBul(const QString& etiket) const;  // exact match, or null

  // The one selected row; position 0 when none.
  QTreeWidgetItem* SeçiliSatır() const;
  int SeçiliSatırKonumu() const;
  void SatırSeç(int konum);

  // Own text sort: while Sıralı is on, rows stand in Turkish order of the key column's texts;
  // a row added or whose key text changes takes its place at once, after the rows of an equal key.
  int SıralamaAnahtarı() const { return sıralamaAnahtarı_; }
  void SıralamaAnahtarıAyarla(int sütun);
  int SıralamaDüzeni() const { return sıralamaDüzeni_; }  // 0 ascending, 1 descending
  void SıralamaDüzeniAyarla(int düzen);
  bool Sıralı() const { return sıralı_; }
  void SıralıAyarla(bool açık);
  // Puts the rows in the given order; it must hold every row of the list once.
  void SatırlarıDiz(const std::vector<QTreeWidgetItem*>& sıra);

  // Header image store: image 1 the ascending arrow, image 2 the descending arrow.
  void BaşlıkResimleriAyarla(const QPixmap& yukarı, const QPixmap& aşağı);
  void BaşlıkResmiAyarla(int başlıkIndex, int resimNo);  // 0: no image
  int BaşlıkResmi(int başlıkIndex) const;
  // Where the header's image is drawn, in header coordinates; empty when none is shown.
  QRect BaşlıkResmiAlanı(int başlıkIndex) const;

  // Column positions and widths in settings section "Listeler\<ad>", keys "Konum-<i>" and
  // "Genislik-<i>"; a missing or unreadable value keeps the current one.
  void DüzeniYükle(const QString& listeAdı);
  void DüzeniKaydet(const QString& listeAdı) const;

  std::function<void(int başlıkIndex)> BaşlığaTıklandı;
  std::function<void(QTreeWidgetItem* satır)> SatıraÇiftTıklandı;

private:
  bool GeçerliSütun(int başlıkIndex) const;
  QString SıralamaMetni(const QTreeWidgetItem* satır) const;
  // Whether a row keyed `a` stands before one keyed `b` in the current order.
  bool Önce(const QString& a, const QString& b) const;
  // The position among the top-level rows after every row whose key does not come after `anahtar`.
  int SıralıYer(const QString& anahtar) const;
  void SıralıYerineTaşı(QTreeWidgetItem* satır);
  void MetneGöreSırala();
  // Runs a rearrangement of rows; the current and the selected row stay so.
  void SeçimiKoruyarak(const std::function<void()>& iş);
  void SıralamaBozuldu();

  std::vector<int> genişlikler_;  // twips, kept exactly; pixels are only their picture
  std::vector<int> tasarımGenişlikleri_;
  std::vector<Hiza> hizalar_;
  int sıralamaAnahtarı_ = 0;
  int sıralamaDüzeni_ = 0;
  bool sıralı_ = false;
  bool içeridenBoyutlanıyor_ = false;
};
