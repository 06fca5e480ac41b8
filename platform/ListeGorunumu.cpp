#include "ListeGorunumu.h"

#include "ListeKutusu.h"
#include "TurkceMetin.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace {

// A row keeps the texts it was made with in one list and takes its alignment from its column,
// where a plain item stores every cell and every alignment apart: thousands of rows fill at
// once. A text set later is stored by the item as usual and comes first.
class ListeSatırı final : public QTreeWidgetItem {
public:
  explicit ListeSatırı(QStringList metinler = {}) : metinler_(std::move(metinler)) {}

  QVariant data(int sütun, int rol) const override {
    QVariant d = QTreeWidgetItem::data(sütun, rol);
    if (d.isValid() || sütun < 0) return d;
    if (rol == Qt::DisplayRole || rol == Qt::EditRole) return sütun < metinler_.size() ? metinler_[sütun] : d;
    if (rol == Qt::TextAlignmentRole) {
      const auto* liste = static_cast<const ListeGörünümü*>(treeWidget());
      if (liste && liste->SütunHizası(sütun + 1) == ListeGörünümü::Hiza::Sağ)
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    }
    return d;
  }

private:
  QStringList metinler_;
};

}  // namespace

ListeGörünümü::ListeGörünümü(QWidget* ebeveyn) : QTreeWidget(ebeveyn), SütunluListe(static_cast<QTreeView&>(*this)) {
  setColumnCount(0);
  // Whoever changes a key text (the list's own calls or the row itself), the row moves to its place.
  connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* satır, int sütun) {
    if (sıralı_ && sütun == sıralamaAnahtarı_ && !satır->parent()) SıralıYerineTaşı(satır);
  });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* satır, int) {
    if (SatıraÇiftTıklandı) SatıraÇiftTıklandı(satır);
  });
  ListeKlavyesiniKur(*this);
  // However a figure or a date comes in (whole rows, a cell set later), its column shows it whole.
  connect(model(), &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex& üst, int ilk, int son) {
    if (!üst.isValid()) HücreleriÖlç(ilk, son, 0, columnCount() - 1);
  });
  connect(model(), &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& sol, const QModelIndex& sağ) {
    if (!sol.parent().isValid()) HücreleriÖlç(sol.row(), sağ.row(), sol.column(), sağ.column());
  });
  // A row gone may have held its column's widest figure.
  connect(model(), &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex& üst) {
    if (!üst.isValid()) YenidenÖlç();
  });
}

void ListeGörünümü::HücreleriÖlç(int ilkSatır, int sonSatır, int ilkSütun, int sonSütun) {
  bool değişti = false;
  for (int k = std::max(ilkSütun, 0); k <= sonSütun && k < columnCount(); ++k) {
    const bool sayılar = SütunHizası(k + 1) == Hiza::Sağ;
    // As on paper, a column is one of dates while every text it holds is a date.
    for (int i = ilkSatır; i <= sonSatır && !metinSütunları_[k]; ++i) {
      const QTreeWidgetItem* satır = topLevelItem(i);
      const QString metin = satır ? satır->text(k) : QString();
      if (metin.isEmpty()) continue;
      int& bütün = bütünGenişlikler_[k];
      const int önce = bütün;
      if (sayılar ? TürkçeMetin::MiktarOku(metin).has_value() : TürkçeMetin::TarihOku(metin).isValid()) {
        bütün = std::max(bütün, HücreGenişliği(metin));
      } else if (!sayılar) {
        metinSütunları_[k] = true;
        bütün = 0;
      }
      değişti = değişti || bütün != önce;
    }
  }
  if (değişti) Yerleştir();
}

void ListeGörünümü::YenidenÖlç() {
  std::fill(bütünGenişlikler_.begin(), bütünGenişlikler_.end(), 0);
  metinSütunları_.assign(static_cast<size_t>(columnCount()), false);
  HücreleriÖlç(0, topLevelItemCount() - 1, 0, columnCount() - 1);
  Yerleştir();
}

void ListeGörünümü::SütunuKur(int mantıksal, const QString& metin, Hiza hiza) {
  setColumnCount(mantıksal + 1);
  metinSütunları_.push_back(false);
  headerItem()->setText(mantıksal, metin);
  headerItem()->setTextAlignment(mantıksal, (hiza == Hiza::Sağ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

QTreeWidgetItem* ListeGörünümü::SatırEkle(const QString& metin) {
  auto* satır = new ListeSatırı({metin});
  if (sıralı_) {
    insertTopLevelItem(SıralıYer(SıralamaMetni(satır)), satır);
  } else {
    addTopLevelItem(satır);
    OklarıKaldır();
  }
  return satır;
}

void ListeGörünümü::SatırlarıEkle(const std::vector<QStringList>& satırlar) {
  QList<QTreeWidgetItem*> yeni;
  yeni.reserve(static_cast<qsizetype>(satırlar.size()));
  for (const QStringList& hücreler : satırlar) {
    auto* satır = new ListeSatırı(hücreler);
    if (sıralı_)
      insertTopLevelItem(SıralıYer(SıralamaMetni(satır)), satır);
    else
      yeni << satır;
  }
  if (yeni.isEmpty()) return;
  addTopLevelItems(yeni);
  OklarıKaldır();
}

int ListeGörünümü::SatırSayısı() const { return topLevelItemCount(); }

QTreeWidgetItem* ListeGörünümü::Satır(int konum) const {
  if (konum < 1 || konum > topLevelItemCount()) return nullptr;
  return topLevelItem(konum - 1);
}

int ListeGörünümü::SatırKonumu(const QTreeWidgetItem* satır) const {
  if (!satır || satır->treeWidget() != this || satır->parent()) return 0;
  return indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(satır)) + 1;
}

void ListeGörünümü::SatırSil(int konum) {
  QTreeWidgetItem* satır = Satır(konum);
  if (!satır) return;
  const bool seçiliydi = satır->isSelected();
  delete satır;
  // No neighbour takes the selection by itself: the forms choose the row to select next.
  if (seçiliydi) clearSelection();
}

void ListeGörünümü::Temizle() {
  clear();
  YenidenÖlç();
  // Rows that come next stand in the order they come, unless the list keeps its own sort.
  if (!sıralı_) OklarıKaldır();
}

QString ListeGörünümü::AltÖğe(int konum, int k) const {
  const QTreeWidgetItem* satır = Satır(konum);
  return satır && k >= 0 ? satır->text(k) : QString();
}

void ListeGörünümü::AltÖğeAyarla(int konum, int k, const QString& metin) {
  QTreeWidgetItem* satır = Satır(konum);
  if (satır && k >= 0) satır->setText(k, metin);
}

QString ListeGörünümü::SatırEtiketi(const QTreeWidgetItem* satır) {
  return satır ? satır->data(0, Qt::UserRole).toString() : QString();
}

void ListeGörünümü::SatırEtiketiAyarla(QTreeWidgetItem* satır, const QString& etiket) {
  if (satır) satır->setData(0, Qt::UserRole, etiket);
}

QTreeWidgetItem* ListeGörünümü::EtiketleBul(const QString& etiket) const {
  for (int i = 0; i < topLevelItemCount(); ++i) {
    QTreeWidgetItem* satır = topLevelItem(i);
    if (SatırEtiketi(satır) == etiket) return satır;
  }
  return nullptr;
}

QTreeWidgetItem* ListeGörünümü::SeçiliSatır() const {
  const auto seçililer = selectedItems();
  return seçililer.isEmpty() ? nullptr : seçililer.first();
}

int ListeGörünümü::SeçiliSatırKonumu() const { return SatırKonumu(SeçiliSatır()); }

void ListeGörünümü::SatırSeç(int konum) {
  QTreeWidgetItem* satır = Satır(konum);
  if (!satır) return;
  setCurrentItem(satır);
  scrollToItem(satır);
}

QString ListeGörünümü::SıralamaMetni(const QTreeWidgetItem* satır) const {
  return sıralamaAnahtarı_ >= 0 ? satır->text(sıralamaAnahtarı_) : QString();
}

bool ListeGörünümü::Önce(const QString& a, const QString& b) const {
  const int c = TürkçeMetin::Karşılaştır(a, b);
  return sıralamaDüzeni_ != 0 ? c > 0 : c < 0;
}

int ListeGörünümü::SıralıYer(const QString& anahtar) const {
  int alt = 0, üst = topLevelItemCount();
  while (alt < üst) {
    const int orta = alt + (üst - alt) / 2;
    if (Önce(anahtar, SıralamaMetni(topLevelItem(orta))))
      üst = orta;
    else
      alt = orta + 1;
  }
  return alt;
}

void ListeGörünümü::SıralıYerineTaşı(QTreeWidgetItem* satır) {
  const int i = indexOfTopLevelItem(satır);
  if (i < 0) return;
  const QString anahtar = SıralamaMetni(satır);
  // Still in order between its neighbours: it keeps its place among equal keys.
  const bool öncekiyleUygun = i == 0 || !Önce(anahtar, SıralamaMetni(topLevelItem(i - 1)));
  const bool sonrakiyleUygun = i + 1 == topLevelItemCount() || !Önce(SıralamaMetni(topLevelItem(i + 1)), anahtar);
  if (öncekiyleUygun && sonrakiyleUygun) return;
  SeçimiKoruyarak([&] {
    takeTopLevelItem(i);
    insertTopLevelItem(SıralıYer(anahtar), satır);
  });
}

void ListeGörünümü::KendiSıralamasınaDiz() {
  std::vector<std::pair<QString, QTreeWidgetItem*>> anahtarlar;
  anahtarlar.reserve(topLevelItemCount());
  for (int i = 0; i < topLevelItemCount(); ++i) {
    QTreeWidgetItem* satır = topLevelItem(i);
    anahtarlar.emplace_back(SıralamaMetni(satır), satır);
  }
  std::stable_sort(anahtarlar.begin(), anahtarlar.end(),
                   [this](const auto& a, const auto& b) { return Önce(a.first, b.first); });
  std::vector<QTreeWidgetItem*> sıra;
  sıra.reserve(anahtarlar.size());
  for (const auto& a : anahtarlar) sıra.push_back(a.second);
  SatırlarıDiz(sıra);
}

void ListeGörünümü::SeçimiKoruyarak(const std::function<void()>& iş) {
  QTreeWidgetItem* geçerli = currentItem();
  QTreeWidgetItem* seçili = SeçiliSatır();
  iş();
  if (geçerli) setCurrentItem(geçerli, 0, QItemSelectionModel::NoUpdate);
  if (seçili) seçili->setSelected(true);
}

void ListeGörünümü::SatırlarıDiz(const std::vector<QTreeWidgetItem*>& sıra) {
  if (static_cast<int>(sıra.size()) != topLevelItemCount()) return;
  QSet<QTreeWidgetItem*> görülen;
  görülen.reserve(static_cast<qsizetype>(sıra.size()));
  for (QTreeWidgetItem* satır : sıra) {
    if (!satır || satır->treeWidget() != this || satır->parent() || görülen.contains(satır)) return;
    görülen.insert(satır);
  }
  // The same items come back in the new order: no row is copied or lost.
  SeçimiKoruyarak([&] {
    invisibleRootItem()->takeChildren();
    addTopLevelItems(QList<QTreeWidgetItem*>(sıra.begin(), sıra.end()));
  });
}
