#include "ListeKutusu.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListView>
#include <QTreeView>

namespace {

// The column the view's own keys move along: a list view's first shown one.
int GezilenSütun(const QAbstractItemView& liste) {
  if (const auto* ağaç = qobject_cast<const QTreeView*>(&liste)) {
    const QHeaderView* başlık = ağaç->header();
    for (int konum = 0; konum < başlık->count(); ++konum)
      if (!başlık->isSectionHidden(başlık->logicalIndex(konum))) return başlık->logicalIndex(konum);
    return 0;
  }
  if (const auto* kutu = qobject_cast<const QListView*>(&liste)) return kutu->modelColumn();
  return 0;
}

class ListeKlavyesi final : public QObject {
public:
  explicit ListeKlavyesi(QAbstractItemView& liste) : QObject(&liste), liste_(liste) {
    liste.installEventFilter(this);
    connect(liste.selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { AkımıSeçimeGetir(); });
    // A row chosen by program is current in its first column, which a list view may hide: from a
    // hidden cell the view's arrow keys start again at the first row.
    connect(liste.selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& akım) { AkımıGörünürSütunaGetir(akım); });
  }

  bool eventFilter(QObject* nesne, QEvent* olay) override {
    if (nesne != &liste_ || olay->type() != QEvent::KeyPress) return false;
    const auto* tuş = static_cast<const QKeyEvent*>(olay);
    if ((tuş->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (tuş->key() != Qt::Key_Down && tuş->key() != Qt::Key_Up && tuş->key() != Qt::Key_Home) return false;
    // Getting the focus made the first row current without selecting it: Down would skip it
    // and Home would find itself there already.
    const QItemSelectionModel* seçim = liste_.selectionModel();
    const QAbstractItemModel* model = liste_.model();
    if (!seçim || !model || seçim->hasSelection() || model->rowCount(liste_.rootIndex()) == 0) return false;
    const QModelIndex ilk = model->index(0, GezilenSütun(liste_), liste_.rootIndex());
    liste_.setCurrentIndex(ilk);
    liste_.scrollTo(ilk);
    return true;
  }

private:
  void AkımıSeçimeGetir() {
    QItemSelectionModel* seçim = liste_.selectionModel();
    const QModelIndexList seçili = seçim->selectedIndexes();
    if (seçili.isEmpty()) return;
    const QModelIndex akım = seçim->currentIndex(), ilk = seçili.first();
    if (akım.isValid() && akım.row() == ilk.row() && akım.parent() == ilk.parent()) return;
    seçim->setCurrentIndex(ilk.siblingAtColumn(akım.isValid() ? akım.column() : GezilenSütun(liste_)),
                           QItemSelectionModel::NoUpdate);
  }

  void AkımıGörünürSütunaGetir(const QModelIndex& akım) {
    const auto* ağaç = qobject_cast<const QTreeView*>(&liste_);
    if (!akım.isValid() || !ağaç || !ağaç->isColumnHidden(akım.column())) return;
    const int sütun = GezilenSütun(liste_);
    if (sütun != akım.column())
      liste_.selectionModel()->setCurrentIndex(akım.siblingAtColumn(sütun), QItemSelectionModel::NoUpdate);
  }

  QAbstractItemView& liste_;
};

}  // namespace

void ListeKlavyesiniKur(QAbstractItemView& liste) { new ListeKlavyesi(liste); }

ListeKutusu::ListeKutusu(QWidget* ebeveyn) : QListWidget(ebeveyn) { ListeKlavyesiniKur(*this); }
