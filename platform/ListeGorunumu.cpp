#include "ListeGorunumu.h"

#include "Ayarlar.h"
#include "ListeKutusu.h"
#include "TurkceMetin.h"

#include <QHeaderView>
#include <QPainter>
#include <QSet>
#include <QStyleOption>

#include <algorithm>
#include <utility>

namespace {

// The header draws the sort arrow itself, so that it can stand after a left-aligned
// caption and before a right-aligned one (the style's sort indicator has one fixed place).
class ListeBaşlığı final : public QHeaderView {
public:
  explicit ListeBaşlığı(QWidget* ebeveyn) : QHeaderView(Qt::Horizontal, ebeveyn) {}

  std::vector<int> resimler;  // image number per logical column
  QPixmap yukarı, aşağı;

  int Resim(int mantıksal) const {
    if (mantıksal < 0 || mantıksal >= static_cast<int>(resimler.size())) return 0;
    const int r = resimler[mantıksal];
    return r == 1 || r == 2 ? r : 0;
  }

  QRect ResimAlanı(int mantıksal, const QRect& bölme) const {
    const int resim = Resim(mantıksal);
    if (resim == 0 || bölme.isEmpty()) return {};
    const QPixmap& p = resim == 1 ? yukarı : aşağı;
    QSize boyut = p.isNull() ? QSize(9, 9) : (p.deviceIndependentSize().toSize());
    const int enFazla = std::max(1, bölme.height() - 4);
    if (boyut.height() > enFazla) boyut = boyut.scaled(boyut.width(), enFazla, Qt::KeepAspectRatio);
    const int kenar = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const QString metin = model() ? model()->headerData(mantıksal, orientation(), Qt::DisplayRole).toString()
                                  : QString();
    const int metinGenişliği = fontMetrics().horizontalAdvance(metin);
    const bool sağa = model() && (model()->headerData(mantıksal, orientation(), Qt::TextAlignmentRole).toInt() &
                                  Qt::AlignRight);
    int x;
    if (sağa) {
      x = bölme.left() + bölme.width() - kenar - metinGenişliği - kenar - boyut.width();
      x = std::max(x, bölme.left() + kenar);
    } else {
      x = bölme.left() + kenar + metinGenişliği + kenar;
      x = std::min(x, bölme.left() + bölme.width() - kenar - boyut.width());
    }
    const int y = bölme.top() + (bölme.height() - boyut.height()) / 2;
    return QRect(QPoint(x, y), boyut).intersected(bölme);
  }

protected:
  void paintSection(QPainter* ressam, const QRect& bölme, int mantıksal) const override {
    ressam->save();
    QHeaderView::paintSection(ressam, bölme, mantıksal);
    ressam->restore();
    const QRect alan = ResimAlanı(mantıksal, bölme);
    if (alan.isEmpty()) return;
    const int resim = Resim(mantıksal);
    const QPixmap& p = resim == 1 ? yukarı : aşağı;
    if (!p.isNull()) {
      ressam->drawPixmap(alan, p);
      return;
    }
    QStyleOption seçenek;
    seçenek.initFrom(this);
    seçenek.rect = alan;
    style()->drawPrimitive(resim == 1 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &seçenek,
                           ressam, this);
  }
};

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

ListeBaşlığı* Başlık(const QTreeWidget* liste) { return static_cast<ListeBaşlığı*>(liste->header()); }

QString Bölüm(const QString& listeAdı) { return QStringLiteral("Listeler\\") + listeAdı; }

// Widths beyond this are not a layout anyone saved.
constexpr qint64 EnGenişTwip = 15LL * 100000;
// Room either side of a column caption, in pixels.
constexpr int BaşlıkPayı = 6;

}  // namespace

ListeGörünümü::ListeGörünümü(QWidget* ebeveyn) : QTreeWidget(ebeveyn) {
  auto* başlık = new ListeBaşlığı(this);
  setHeader(başlık);
  setColumnCount(0);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  başlık->setStretchLastSection(false);
  başlık->setSectionsClickable(true);
  başlık->setSectionsMovable(true);
  başlık->setSectionResizeMode(QHeaderView::Interactive);

  connect(başlık, &QHeaderView::sectionClicked, this, [this](int mantıksal) {
    if (BaşlığaTıklandı) BaşlığaTıklandı(mantıksal + 1);
  });
  // A width the user drags is taken in whole pixels; widths set by program stay as given.
  connect(başlık, &QHeaderView::sectionResized, this, [this](int mantıksal, int, int yeni) {
    if (içeridenBoyutlanıyor_ || mantıksal < 0 || mantıksal >= static_cast<int>(genişlikler_.size())) return;
    if (yeni > 0 && !header()->isSectionHidden(mantıksal)) genişlikler_[mantıksal] = yeni * PikselBaşınaTwip;
  });
  // Whoever changes a key text (the list's own calls or the row itself), the row moves to its place.
  connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* satır, int sütun) {
    if (sıralı_ && sütun == sıralamaAnahtarı_ && !satır->parent()) SıralıYerineTaşı(satır);
  });
  connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* satır, int) {
    if (SatıraÇiftTıklandı) SatıraÇiftTıklandı(satır);
  });
  ListeKlavyesiniKur(*this);
}

bool ListeGörünümü::GeçerliSütun(int başlıkIndex) const {
  return başlıkIndex >= 1 && başlıkIndex <= static_cast<int>(genişlikler_.size());
}

int ListeGörünümü::SütunEkle(const QString& metin, int genişlikTwip, Hiza hiza) {
  const int mantıksal = static_cast<int>(genişlikler_.size());
  setColumnCount(mantıksal + 1);
  headerItem()->setText(mantıksal, metin);
  headerItem()->setTextAlignment(mantıksal, (hiza == Hiza::Sağ ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  // A visible column is at least as wide as its caption in the font shown here, which may
  // be wider than the one the widths were laid out for.
  if (genişlikTwip >= PikselBaşınaTwip) {
    const int gerekli = header()->fontMetrics().horizontalAdvance(metin) + 2 * BaşlıkPayı;
    genişlikTwip = std::max(genişlikTwip, gerekli * PikselBaşınaTwip);
  }
  genişlikler_.push_back(genişlikTwip);
  tasarımGenişlikleri_.push_back(genişlikTwip);
  hizalar_.push_back(hiza);
  Başlık(this)->resimler.push_back(0);
  SütunGenişliğiAyarla(mantıksal + 1, genişlikTwip);
  return mantıksal + 1;
}

int ListeGörünümü::SütunSayısı() const { return static_cast<int>(genişlikler_.size()); }

QString ListeGörünümü::SütunBaşlığı(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? headerItem()->text(başlıkIndex - 1) : QString();
}

ListeGörünümü::Hiza ListeGörünümü::SütunHizası(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? hizalar_[başlıkIndex - 1] : Hiza::Sol;
}

int ListeGörünümü::SütunKonumu(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? header()->visualIndex(başlıkIndex - 1) + 1 : 0;
}

void ListeGörünümü::SütunKonumuAyarla(int başlıkIndex, int konum) {
  if (!GeçerliSütun(başlıkIndex) || konum < 1 || konum > SütunSayısı()) return;
  header()->moveSection(header()->visualIndex(başlıkIndex - 1), konum - 1);
}

int ListeGörünümü::SütunGenişliği(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? genişlikler_[başlıkIndex - 1] : 0;
}

void ListeGörünümü::SütunGenişliğiAyarla(int başlıkIndex, int genişlikTwip) {
  if (!GeçerliSütun(başlıkIndex)) return;
  const int mantıksal = başlıkIndex - 1;
  genişlikler_[mantıksal] = genişlikTwip;
  içeridenBoyutlanıyor_ = true;
  if (genişlikTwip < PikselBaşınaTwip) {
    header()->hideSection(mantıksal);
  } else {
    header()->showSection(mantıksal);
    header()->resizeSection(mantıksal, (genişlikTwip + PikselBaşınaTwip / 2) / PikselBaşınaTwip);
  }
  içeridenBoyutlanıyor_ = false;
}

bool ListeGörünümü::SütunGizli(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) && header()->isSectionHidden(başlıkIndex - 1);
}

void ListeGörünümü::TasarımaDön() {
  Temizle();
  SıralıAyarla(false);
  for (int i = 1; i <= SütunSayısı(); ++i) {
    SütunKonumuAyarla(i, i);
    SütunGenişliğiAyarla(i, tasarımGenişlikleri_[i - 1]);
    BaşlıkResmiAyarla(i, 0);
  }
}

QTreeWidgetItem* ListeGörünümü::SatırEkle(const QString& metin) {
  auto* satır = new ListeSatırı({metin});
  if (sıralı_) {
    insertTopLevelItem(SıralıYer(SıralamaMetni(satır)), satır);
  } else {
    addTopLevelItem(satır);
    SıralamaBozuldu();
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
  SıralamaBozuldu();
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
  // Rows that come next stand in the order they come, unless the list keeps its own sort.
  if (!sıralı_) SıralamaBozuldu();
}

void ListeGörünümü::SıralamaBozuldu() {
  // An arrow says the rows are sorted by its column: a row put at the end leaves no arrow true.
  ListeBaşlığı* başlık = Başlık(this);
  if (std::all_of(başlık->resimler.begin(), başlık->resimler.end(), [](int r) { return r == 0; })) return;
  std::fill(başlık->resimler.begin(), başlık->resimler.end(), 0);
  header()->viewport()->update();
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

void ListeGörünümü::SıralamaAnahtarıAyarla(int sütun) {
  sıralamaAnahtarı_ = sütun;
  if (sıralı_) MetneGöreSırala();
}

void ListeGörünümü::SıralamaDüzeniAyarla(int düzen) {
  sıralamaDüzeni_ = düzen;
  if (sıralı_) MetneGöreSırala();
}

void ListeGörünümü::SıralıAyarla(bool açık) {
  sıralı_ = açık;
  if (sıralı_) MetneGöreSırala();
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

void ListeGörünümü::MetneGöreSırala() {
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

void ListeGörünümü::BaşlıkResimleriAyarla(const QPixmap& yukarı, const QPixmap& aşağı) {
  Başlık(this)->yukarı = yukarı;
  Başlık(this)->aşağı = aşağı;
  header()->viewport()->update();
}

void ListeGörünümü::BaşlıkResmiAyarla(int başlıkIndex, int resimNo) {
  if (!GeçerliSütun(başlıkIndex)) return;
  Başlık(this)->resimler[başlıkIndex - 1] = resimNo;
  header()->viewport()->update();
}

int ListeGörünümü::BaşlıkResmi(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? Başlık(this)->Resim(başlıkIndex - 1) : 0;
}

QRect ListeGörünümü::BaşlıkResmiAlanı(int başlıkIndex) const {
  if (!GeçerliSütun(başlıkIndex) || SütunGizli(başlıkIndex)) return {};
  const int mantıksal = başlıkIndex - 1;
  const QHeaderView* başlık = header();
  const QRect bölme(başlık->sectionViewportPosition(mantıksal), 0, başlık->sectionSize(mantıksal),
                    başlık->viewport()->height());
  return Başlık(this)->ResimAlanı(mantıksal, bölme);
}

void ListeGörünümü::DüzeniYükle(const QString& listeAdı) {
  const QString bölüm = Bölüm(listeAdı);
  const int n = SütunSayısı();

  // Place the columns by their wanted positions, lowest first, so that a saved
  // arrangement comes back exactly and a damaged one still gives every column a place.
  struct Yer {
    qint64 istenen;
    int şimdiki;
    int mantıksal;
  };
  std::vector<Yer> yerler;
  for (int i = 1; i <= n; ++i) {
    const int şimdiki = SütunKonumu(i);
    yerler.push_back({Ayarlar::SayıOku(bölüm, QStringLiteral("Konum-%1").arg(i), şimdiki), şimdiki, i - 1});
  }
  std::sort(yerler.begin(), yerler.end(), [](const Yer& a, const Yer& b) {
    return a.istenen != b.istenen ? a.istenen < b.istenen : a.şimdiki < b.şimdiki;
  });
  for (int p = 0; p < n; ++p) header()->moveSection(header()->visualIndex(yerler[p].mantıksal), p);

  // Hidden columns stay hidden and shown ones shown, whatever the file says.
  for (int i = 1; i <= n; ++i) {
    if (SütunGizli(i)) continue;
    const qint64 g = Ayarlar::SayıOku(bölüm, QStringLiteral("Genislik-%1").arg(i), SütunGenişliği(i));
    if (g >= PikselBaşınaTwip && g <= EnGenişTwip) SütunGenişliğiAyarla(i, static_cast<int>(g));
  }
}

void ListeGörünümü::DüzeniKaydet(const QString& listeAdı) const {
  const QString bölüm = Bölüm(listeAdı);
  for (int i = 1; i <= SütunSayısı(); ++i) {
    Ayarlar::Yaz(bölüm, QStringLiteral("Konum-%1").arg(i), QString::number(SütunKonumu(i)));
    Ayarlar::Yaz(bölüm, QStringLiteral("Genislik-%1").arg(i), QString::number(SütunGenişliği(i)));
  }
}
