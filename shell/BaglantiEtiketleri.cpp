#include "BaglantiEtiketleri.h"

#include "Platform.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

BağlantıEtiketleri::BağlantıEtiketleri(QWidget* form) : QObject(form), form_(form) {}

void BağlantıEtiketleri::BağlantıEkle(QLabel* etiket, QUrl hedef) {
  etiket->setCursor(Qt::PointingHandCursor);
  etiket->setMouseTracking(true);
  etiket->installEventFilter(this);
  bağlantılar_.push_back({etiket, std::move(hedef)});
}

void BağlantıEtiketleri::AltlıkEkle(QWidget* altlık) {
  altlık->setMouseTracking(true);
  altlık->installEventFilter(this);
  altlıklar_.push_back(altlık);
}

void BağlantıEtiketleri::Bitir() {
  // A move over another control is that control's own: it does not reach the panel beneath.
  for (QWidget* w : form_->findChildren<QWidget*>()) {
    const bool altlık = std::find(altlıklar_.begin(), altlıklar_.end(), w) != altlıklar_.end();
    if (!altlık) w->setAttribute(Qt::WA_NoMousePropagation);
  }
}

void BağlantıEtiketleri::AltıÇiziliYap(QLabel* etiket, bool açık) {
  if (etiket->font().underline() == açık) return;
  QFont f = etiket->font();
  f.setUnderline(açık);
  etiket->setFont(f);
}

void BağlantıEtiketleri::Üzerinde(QLabel* etiket) {
  for (const Bağlantı& b : bağlantılar_) AltıÇiziliYap(b.etiket, b.etiket == etiket);
}

void BağlantıEtiketleri::AltlıkÜzerinde() {
  for (const Bağlantı& b : bağlantılar_) AltıÇiziliYap(b.etiket, false);
}

void BağlantıEtiketleri::Aç(QLabel* etiket) {
  // No message of its own when nothing opens the link: the dialog stays as it is.
  for (const Bağlantı& b : bağlantılar_)
    if (b.etiket == etiket) Platform::DosyaAç(b.hedef);
}

bool BağlantıEtiketleri::eventFilter(QObject* nesne, QEvent* olay) {
  const auto bağlantı = std::find_if(bağlantılar_.begin(), bağlantılar_.end(),
                                     [nesne](const Bağlantı& b) { return b.etiket == nesne; });
  if (olay->type() == QEvent::MouseMove) {
    if (bağlantı != bağlantılar_.end()) Üzerinde(bağlantı->etiket);
    else AltlıkÜzerinde();
  } else if (olay->type() == QEvent::MouseButtonRelease && bağlantı != bağlantılar_.end()) {
    const auto* fare = static_cast<QMouseEvent*>(olay);
    if (fare->button() == Qt::LeftButton && bağlantı->etiket->rect().contains(fare->position().toPoint()))
      Aç(bağlantı->etiket);
  }
  return QObject::eventFilter(nesne, olay);
}
