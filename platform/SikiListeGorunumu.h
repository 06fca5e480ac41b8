#pragma once
// The list view of the long lists (the "Listeler" menu's forms, the critical stock list): the
// columns, arrows and layout of every list of the program over a model of compact rows. No item
// per row: a cell is formatted when it is drawn, printed or exported.

#include "SikiListe.h"
#include "SutunluListe.h"

#include <QAbstractTableModel>
#include <QTreeView>

#include <vector>

class SıkıListeModeli final : public QAbstractTableModel {
public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& üst = {}) const override;
  int columnCount(const QModelIndex& üst = {}) const override;
  QVariant data(const QModelIndex& yer, int rol) const override;
  QVariant headerData(int bölme, Qt::Orientation yön, int rol) const override;

  void SütunEkle(const QString& başlık, SütunluListe::Hiza hiza);
  void Doldur(SıkıListe satırlar);
  const SıkıListe& Satırlar() const { return satırlar_; }
  // The row shown at `gösterilen` (from 0).
  quint32 Satır(int gösterilen) const { return sıra_[static_cast<size_t>(gösterilen)]; }
  QString HücreMetni(int gösterilen, int sütun) const;
  // Orders the shown rows by a column's values; the selection and the current row stay on their rows.
  void Sırala(int sütun, bool azalan);

private:
  SıkıListe satırlar_;
  std::vector<quint32> sıra_;  // the rows in the order shown
  std::vector<QString> başlıklar_;
  std::vector<SütunluListe::Hiza> hizalar_;
};

class SıkıListeGörünümü : public QTreeView, public SütunluListe {
public:
  explicit SıkıListeGörünümü(QWidget* ebeveyn = nullptr);

  // A column of the rows' type `tür`: amounts stand at the right. The type also says how the
  // column sorts and exports.
  int SütunEkle(const QString& metin, int genişlikTwip, HücreTürü tür);
  HücreTürü SütununTürü(int başlıkIndex) const;

  // The list's rows from now on, in their order (in the own sort's order while it is on; otherwise
  // the header arrows are taken off). Rows whose columns are not the list's throw
  // std::invalid_argument; rows without columns empty the list.
  void Doldur(SıkıListe satırlar);
  void Temizle() override;
  int SatırSayısı() const override;
  QString AltÖğe(int konum, int k) const override;
  const SıkıListeModeli& Model() const { return *model_; }

  // The one selected row; position 0 when none.
  int SeçiliSatırKonumu() const;
  void SatırSeç(int konum);

  // Orders the rows by column k's values (dates and amounts by value, texts in Turkish order);
  // equal ones keep their order.
  void SütunaGöreSırala(int k, bool azalan);

protected:
  void SütunuKur(int mantıksal, const QString& metin, Hiza hiza) override;
  void KendiSıralamasınaDiz() override;

private:
  SıkıListeModeli* model_;
  std::vector<HücreTürü> türler_;
};
