#pragma once
// The report-style list view of the voucher and review forms, one widget item per row: columns
// as every list of the program has them (SütunluListe), hidden columns that still carry their
// texts, row tags, its own text sort where rows added later take their place at once.

#include "SutunluListe.h"

#include <QString>
#include <QTreeWidget>

#include <functional>
#include <vector>

class ListeGörünümü : public QTreeWidget, public SütunluListe {
public:
  explicit ListeGörünümü(QWidget* ebeveyn = nullptr);
  using SütunluListe::SütunEkle;

  // Rows. Positions count from 1 in the order the list shows them; column k is sub-item k.
  // While the list's own sort is off, adding a row or clearing the list takes the header
  // arrows off: the rows no longer stand in the order an arrow shows.
  QTreeWidgetItem* SatırEkle(const QString& metin);
  // Rows of whole cells at once, after the rows there are and in this order (in their place while
  // the own sort is on): a long list fills in one step instead of a step per cell.
  void SatırlarıEkle(const std::vector<QStringList>& satırlar);
  int SatırSayısı() const override;
  QTreeWidgetItem* Satır(int konum) const;  // null outside 1..SatırSayısı()
  int SatırKonumu(const QTreeWidgetItem* satır) const;  // 0 when not in this list
  void SatırSil(int konum);
  void Temizle() override;
  QString AltÖğe(int konum, int k) const override;
  void AltÖğeAyarla(int konum, int k, const QString& metin);
  static QString SatırEtiketi(const QTreeWidgetItem* satır);
  static void SatırEtiketiAyarla(QTreeWidgetItem* satır, const QString& etiket);
  QTreeWidgetItem* EtiketleBul(const QString& etiket) const;  // exact match, or null

  // The one selected row; position 0 when none.
  QTreeWidgetItem* SeçiliSatır() const;
  int SeçiliSatırKonumu() const;
  void SatırSeç(int konum);

  // Puts the rows in the given order; it must hold every row of the list once.
  void SatırlarıDiz(const std::vector<QTreeWidgetItem*>& sıra);

  std::function<void(QTreeWidgetItem* satır)> SatıraÇiftTıklandı;

protected:
  void SütunuKur(int mantıksal, const QString& metin, Hiza hiza) override;
  // A row added or whose key text changes takes its place at once, after the rows of an equal key.
  void KendiSıralamasınaDiz() override;

private:
  // Figures (in right-aligned columns) and dates are shown whole: their columns learn the widest.
  void HücreleriÖlç(int ilkSatır, int sonSatır, int ilkSütun, int sonSütun);
  void YenidenÖlç();
  QString SıralamaMetni(const QTreeWidgetItem* satır) const;
  // Whether a row keyed `a` stands before one keyed `b` in the current order.
  bool Önce(const QString& a, const QString& b) const;
  // The position among the top-level rows after every row whose key does not come after `anahtar`.
  int SıralıYer(const QString& anahtar) const;
  void SıralıYerineTaşı(QTreeWidgetItem* satır);
  // Runs a rearrangement of rows; the current and the selected row stay so.
  void SeçimiKoruyarak(const std::function<void()>& iş);

  std::vector<bool> metinSütunları_;  // columns holding a text that is neither figure nor date
};
