#include "SutunluListe.h"

#include "Ayarlar.h"
#include "RaporTuvali.h"

#include <QHeaderView>
#include <QResizeEvent>
#include <QStyle>
#include <QPainter>
#include <QStyleOption>
#include <QTreeView>

#include <algorithm>
#include <cmath>
#include <numeric>

// The header draws the sort arrow itself, so that it can stand after a left-aligned
// caption and before a right-aligned one (the style's sort indicator has one fixed place).
class ListeBaşlığı final : public QHeaderView {
public:
  explicit ListeBaşlığı(QWidget* ebeveyn) : QHeaderView(Qt::Horizontal, ebeveyn) {}

  std::vector<int> resimler;  // image number per logical column
  QPixmap yukarı, aşağı;
  // Installed on the view's viewport: the room the columns have changed.
  std::function<void()> AlanDeğişti;

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
  bool eventFilter(QObject*, QEvent* olay) override {
    const bool genişlik = olay->type() == QEvent::Resize && static_cast<QResizeEvent*>(olay)->size().width() !=
                                                                 static_cast<QResizeEvent*>(olay)->oldSize().width();
    if ((genişlik || olay->type() == QEvent::Show) && AlanDeğişti) AlanDeğişti();
    return false;
  }

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

namespace {

QString Bölüm(const QString& listeAdı) { return QStringLiteral("Listeler\\") + listeAdı; }

// Widths beyond this are not a layout anyone saved.
constexpr qint64 EnGenişTwip = 15LL * 100000;
// Room either side of a column caption, in pixels.
constexpr int BaşlıkPayı = 6;

int Piksel(int twip) { return (twip + SütunluListe::PikselBaşınaTwip / 2) / SütunluListe::PikselBaşınaTwip; }

}  // namespace

SütunluListe::SütunluListe(QTreeView& görünüm) : görünüm_(görünüm), başlık_(new ListeBaşlığı(&görünüm)) {
  görünüm.setHeader(başlık_);
  görünüm.setRootIsDecorated(false);
  görünüm.setItemsExpandable(false);
  görünüm.setUniformRowHeights(true);
  görünüm.setAllColumnsShowFocus(true);
  görünüm.setSelectionMode(QAbstractItemView::SingleSelection);
  görünüm.setSelectionBehavior(QAbstractItemView::SelectRows);
  görünüm.setEditTriggers(QAbstractItemView::NoEditTriggers);
  görünüm.setSortingEnabled(false);
  başlık_->setStretchLastSection(false);
  başlık_->setSectionsClickable(true);
  başlık_->setSectionsMovable(true);
  başlık_->setSectionResizeMode(QHeaderView::Interactive);
  // A caption of a column that gives way is cut as its texts are.
  başlık_->setTextElideMode(Qt::ElideRight);

  QObject::connect(başlık_, &QHeaderView::sectionClicked, &görünüm, [this](int mantıksal) {
    if (BaşlığaTıklandı) BaşlığaTıklandı(mantıksal + 1);
  });
  // A width the user drags is taken in whole pixels; widths set by program stay as given. The drag
  // is what is kept; the columns are then placed as after any change, so that a figure column
  // dragged narrower than its widest figure still shows it whole.
  QObject::connect(başlık_, &QHeaderView::sectionResized, &görünüm, [this](int mantıksal, int, int yeni) {
    if (içeridenBoyutlanıyor_ || mantıksal < 0 || mantıksal >= static_cast<int>(genişlikler_.size())) return;
    if (yeni <= 0 || başlık_->isSectionHidden(mantıksal)) return;
    genişlikler_[mantıksal] = yeni * PikselBaşınaTwip;
    Yerleştir();
  });
  başlık_->AlanDeğişti = [this] { Yerleştir(); };
  görünüm.viewport()->installEventFilter(başlık_);
}

SütunluListe::~SütunluListe() {
  // The view outlives this part of it for a moment: its resizes then have no columns to place.
  başlık_->AlanDeğişti = nullptr;
}

bool SütunluListe::GeçerliSütun(int başlıkIndex) const {
  return başlıkIndex >= 1 && başlıkIndex <= static_cast<int>(genişlikler_.size());
}

int SütunluListe::SütunEkle(const QString& metin, int genişlikTwip, Hiza hiza) {
  const int mantıksal = static_cast<int>(genişlikler_.size());
  SütunuKur(mantıksal, metin, hiza);
  // A visible column is at least as wide as its caption in the font shown here, which may
  // be wider than the one the widths were laid out for.
  if (genişlikTwip >= PikselBaşınaTwip)
    genişlikTwip = std::max(genişlikTwip, BaşlıkGenişliği(mantıksal) * PikselBaşınaTwip);
  genişlikler_.push_back(genişlikTwip);
  tasarımGenişlikleri_.push_back(genişlikTwip);
  bütünGenişlikler_.push_back(0);
  hizalar_.push_back(hiza);
  başlık_->resimler.push_back(0);
  SütunGenişliğiAyarla(mantıksal + 1, genişlikTwip);
  return mantıksal + 1;
}

int SütunluListe::SütunSayısı() const { return static_cast<int>(genişlikler_.size()); }

QString SütunluListe::SütunBaşlığı(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex)
             ? görünüm_.model()->headerData(başlıkIndex - 1, Qt::Horizontal, Qt::DisplayRole).toString()
             : QString();
}

SütunluListe::Hiza SütunluListe::SütunHizası(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? hizalar_[başlıkIndex - 1] : Hiza::Sol;
}

int SütunluListe::SütunKonumu(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? başlık_->visualIndex(başlıkIndex - 1) + 1 : 0;
}

void SütunluListe::SütunKonumuAyarla(int başlıkIndex, int konum) {
  if (!GeçerliSütun(başlıkIndex) || konum < 1 || konum > SütunSayısı()) return;
  başlık_->moveSection(başlık_->visualIndex(başlıkIndex - 1), konum - 1);
}

int SütunluListe::SütunGenişliği(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? genişlikler_[başlıkIndex - 1] : 0;
}

int SütunluListe::BütünSütunGenişliği(int başlıkIndex) const {
  if (!GeçerliSütun(başlıkIndex)) return 0;
  const int m = başlıkIndex - 1, bütün = bütünGenişlikler_[static_cast<size_t>(m)];
  return std::max(genişlikler_[static_cast<size_t>(m)],
                  bütün > 0 ? std::max(bütün, BaşlıkGenişliği(m)) * PikselBaşınaTwip : 0);
}

void SütunluListe::SütunGenişliğiAyarla(int başlıkIndex, int genişlikTwip) {
  if (!GeçerliSütun(başlıkIndex)) return;
  const int mantıksal = başlıkIndex - 1;
  genişlikler_[mantıksal] = genişlikTwip;
  içeridenBoyutlanıyor_ = true;
  if (genişlikTwip < PikselBaşınaTwip)
    başlık_->hideSection(mantıksal);
  else
    başlık_->showSection(mantıksal);
  içeridenBoyutlanıyor_ = false;
  Yerleştir();
}

int SütunluListe::BaşlıkGenişliği(int mantıksal) const {
  const QString metin = görünüm_.model()->headerData(mantıksal, Qt::Horizontal, Qt::DisplayRole).toString();
  return başlık_->fontMetrics().horizontalAdvance(metin) + 2 * BaşlıkPayı;
}

int SütunluListe::HücreGenişliği(const QString& metin) const {
  // An item's text stands inside the focus frame's margin plus one pixel on either side.
  const int pay = görünüm_.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &görünüm_) + 1;
  return görünüm_.fontMetrics().horizontalAdvance(metin) + 2 * pay + 1;
}

void SütunluListe::Yerleştir() {
  // The paper's layout over the visible columns in the order shown. A text column keeps room for a
  // letter and the ellipsis, so that it still shows it is there; it gives way the rest. The view's
  // right edge stands as a column that never gives way.
  const int enAzMetin = HücreGenişliği(QStringLiteral("W…"));
  std::vector<int> sıra, enAzlar;
  std::vector<RaporTuvali::Sütun> yer;
  double x = 0;
  for (int g = 0; g < SütunSayısı(); ++g) {
    const int m = başlık_->logicalIndex(g);
    if (başlık_->isSectionHidden(m)) continue;
    const int tutulan = Piksel(genişlikler_[static_cast<size_t>(m)]);
    const bool bütün = bütünGenişlikler_[static_cast<size_t>(m)] > 0;
    // A column kept whole shows its caption whole too.
    const int gereken = bütün ? std::max(bütünGenişlikler_[static_cast<size_t>(m)], BaşlıkGenişliği(m)) : 0;
    const int enAz = bütün ? 0 : std::min(tutulan, enAzMetin);
    const int genişlik = bütün ? std::max(tutulan, gereken) : tutulan - enAz;
    // The cell's own margins stand for the gap the paper keeps before a figure.
    yer.push_back({x, x + genişlik, bütün, bütün ? gereken - RaporTuvali::SütunAralığı : 0});
    x += genişlik;
    sıra.push_back(m);
    enAzlar.push_back(enAz);
  }
  const double alan = görünüm_.viewport()->width() - std::accumulate(enAzlar.begin(), enAzlar.end(), 0);
  // A view not shown has no edge yet: its columns are only widened for their figures.
  if (görünüm_.isVisible() && x > alan) {
    yer.push_back({alan, alan, true, -RaporTuvali::SütunAralığı});
    RaporTuvali::SütunlarıYerleştir(yer);
  }
  const auto tam = [](double d) { return static_cast<int>(std::floor(d + 0.5)); };
  içeridenBoyutlanıyor_ = true;
  for (size_t i = 0; i < sıra.size(); ++i)
    başlık_->resizeSection(sıra[i], tam(yer[i].sağ) - tam(yer[i].sol) + enAzlar[i]);
  içeridenBoyutlanıyor_ = false;
}

bool SütunluListe::SütunGizli(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) && başlık_->isSectionHidden(başlıkIndex - 1);
}

void SütunluListe::TasarımaDön() {
  Temizle();
  SıralıAyarla(false);
  for (int i = 1; i <= SütunSayısı(); ++i) {
    SütunKonumuAyarla(i, i);
    SütunGenişliğiAyarla(i, tasarımGenişlikleri_[i - 1]);
    BaşlıkResmiAyarla(i, 0);
  }
}

void SütunluListe::SıralamaAnahtarıAyarla(int sütun) {
  sıralamaAnahtarı_ = sütun;
  if (sıralı_) KendiSıralamasınaDiz();
}

void SütunluListe::SıralamaDüzeniAyarla(int düzen) {
  sıralamaDüzeni_ = düzen;
  if (sıralı_) KendiSıralamasınaDiz();
}

void SütunluListe::SıralıAyarla(bool açık) {
  sıralı_ = açık;
  if (sıralı_) KendiSıralamasınaDiz();
}

void SütunluListe::OklarıKaldır() {
  if (std::all_of(başlık_->resimler.begin(), başlık_->resimler.end(), [](int r) { return r == 0; })) return;
  std::fill(başlık_->resimler.begin(), başlık_->resimler.end(), 0);
  başlık_->viewport()->update();
}

void SütunluListe::BaşlıkResimleriAyarla(const QPixmap& yukarı, const QPixmap& aşağı) {
  başlık_->yukarı = yukarı;
  başlık_->aşağı = aşağı;
  başlık_->viewport()->update();
}

void SütunluListe::BaşlıkResmiAyarla(int başlıkIndex, int resimNo) {
  if (!GeçerliSütun(başlıkIndex)) return;
  başlık_->resimler[başlıkIndex - 1] = resimNo;
  başlık_->viewport()->update();
}

int SütunluListe::BaşlıkResmi(int başlıkIndex) const {
  return GeçerliSütun(başlıkIndex) ? başlık_->Resim(başlıkIndex - 1) : 0;
}

QRect SütunluListe::BaşlıkResmiAlanı(int başlıkIndex) const {
  if (!GeçerliSütun(başlıkIndex) || SütunGizli(başlıkIndex)) return {};
  const int mantıksal = başlıkIndex - 1;
  const QRect bölme(başlık_->sectionViewportPosition(mantıksal), 0, başlık_->sectionSize(mantıksal),
                    başlık_->viewport()->height());
  return başlık_->ResimAlanı(mantıksal, bölme);
}

void SütunluListe::DüzeniYükle(const QString& listeAdı) {
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
  for (int p = 0; p < n; ++p) başlık_->moveSection(başlık_->visualIndex(yerler[p].mantıksal), p);

  // Hidden columns stay hidden and shown ones shown, whatever the file says.
  for (int i = 1; i <= n; ++i) {
    if (SütunGizli(i)) continue;
    const qint64 g = Ayarlar::SayıOku(bölüm, QStringLiteral("Genislik-%1").arg(i), SütunGenişliği(i));
    if (g >= PikselBaşınaTwip && g <= EnGenişTwip) SütunGenişliğiAyarla(i, static_cast<int>(g));
  }
}

Ayarlar::Sonuç SütunluListe::DüzeniKaydet(const QString& listeAdı) const {
  QList<QPair<QString, QString>> değerler;
  for (int i = 1; i <= SütunSayısı(); ++i) {
    değerler.append({QStringLiteral("Konum-%1").arg(i), QString::number(SütunKonumu(i))});
    değerler.append({QStringLiteral("Genislik-%1").arg(i), QString::number(SütunGenişliği(i))});
  }
  return Ayarlar::AnahtarlarıYaz(Bölüm(listeAdı), değerler);
}
