#include "AlanAileleri.h"

#include "OrtakDegiskenlerModulu.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceMetin.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

#include <cmath>

namespace AlanAileleri {

namespace {

const QChar Kesme(u'\'');
const QChar SağTırnak(0x2019);

// Larger numbers lose their last digits in a double and cannot be stored whole.
constexpr double SayıSınırı = 1e15;

// A telephone number is typed bare and kept in its mask.
const QString TelefonKalıbı = QStringLiteral("0### ### ## ##");
constexpr int TelefonYazımUzunluğu = 11;

QString BoşluklarıKırp(const QString& metin) {
  qsizetype baş = 0, son = metin.size();
  while (baş < son && metin.at(baş) == u' ') ++baş;
  while (son > baş && metin.at(son - 1) == u' ') --son;
  return metin.mid(baş, son - baş);
}

// A focus change that only says another window came up or went away.
bool PencereDeğişimi(Qt::FocusReason neden) {
  return neden == Qt::ActiveWindowFocusReason || neden == Qt::PopupFocusReason;
}

class AlanDavranışı;

// The field of a window that has the focus as the user sees it.
class OdakTakibi : public QObject {
public:
  explicit OdakTakibi(QWidget* pencere);
  QPointer<AlanDavranışı> odak;
};

OdakTakibi* Takip(QWidget* pencere, bool oluştur) {
  // No Q_OBJECT here, so no qobject_cast either.
  for (QObject* nesne : pencere->children())
    if (auto* t = dynamic_cast<OdakTakibi*>(nesne)) return t;
  return oluştur ? new OdakTakibi(pencere) : nullptr;
}

class AlanDavranışı : public QObject {
public:
  AlanDavranışı(QWidget* alan, QLabel* etiket, Aile aile, std::function<void()> enter, int enUzun,
                Seçenekler seçenekler = {})
      : QObject(alan), alan_(alan), etiket_(etiket), aile_(aile), enter_(std::move(enter)), enUzun_(enUzun),
        seçenekler_(seçenekler) {
    satır_ = qobject_cast<QLineEdit*>(alan);
    çokSatır_ = qobject_cast<QPlainTextEdit*>(alan);
    seçim_ = qobject_cast<QComboBox*>(alan);
    if (çokSatır_) {
      // Tab leaves the field: Enter is turned into it, and a tab is never typed in.
      çokSatır_->setTabChangesFocus(true);
      connect(çokSatır_, &QPlainTextEdit::textChanged, this, [this] { UzunluğuSınırla(); });
    }
    if (satır_ && SayıAlanı()) {
      // The box's length limits what is typed, not the grouped figure shown on leaving: a
      // limit on the box itself would cut "1.234.567,80" short when it is written back.
      basamakSınırı_ = satır_->maxLength();
      satır_->setMaxLength(32767);
      sonGeçerli_ = satır_->text();
      connect(satır_, &QLineEdit::textChanged, this, [this](const QString& m) {
        if (SayıYazılabilir(m)) {
          sonGeçerli_ = m;
          sonİmleç_ = satır_->cursorPosition();
        }
      });
      connect(satır_, &QLineEdit::textEdited, this, [this](const QString& m) { Değişti(m); });
    }
    alan->installEventFilter(this);
  }

  QWidget* Alan() const { return alan_; }
  void SeçmedenGir() { seçmeden_ = true; }

  void Gir() {
    if (satır_ && aile_ == Aile::Telefon) {
      satır_->setText(TelefonRakamları(satır_->text()));
      satır_->setMaxLength(TelefonYazımUzunluğu);
    }
    const bool seç = aile_ != Aile::Seçim && !seçmeden_;
    if (satır_ && etiket_ && seç) {
      OrtakYordamlarModülü::MetniSeçVeRenklendir(satır_, etiket_);
      return;
    }
    if (satır_ && seç) satır_->selectAll();
    if (çokSatır_ && seç) çokSatır_->selectAll();
    if (etiket_) {
      QPalette p = etiket_->palette();
      p.setColor(QPalette::WindowText, Ortak::OdakRengi);
      etiket_->setPalette(p);
    }
  }

  void Ayrıl() {
    if (auto* t = Takip(alan_->window(), false); t && t->odak == this) t->odak = nullptr;
    RengiGeriAl();
    if (!MetinAlır() || (seçenekler_.olduğuGibi && !SayıAlanı())) return;
    const QString metin = Metni();
    QString yeni;
    switch (aile_) {
      case Aile::Ad: yeni = AdMetni(metin); break;
      case Aile::Tamsayı: yeni = SayıGösterimi(metin, 0); break;
      case Aile::Ondalık: yeni = SayıGösterimi(metin, 2); break;
      case Aile::Bul: return;  // the list follows the text: leaving must not move it
      case Aile::Telefon:
        if (satır_) satır_->setMaxLength(TelefonKalıbı.size());
        yeni = TelefonMaskesi(metin);
        break;
      default: yeni = AyrılırkenMetin(metin); break;
    }
    if (yeni != metin) MetniYaz(yeni);
  }

  void RengiGeriAl() {
    if (etiket_) etiket_->setPalette(QPalette());
  }

  // The window went away with the focus in the field: it was never left.
  void Sıfırla() {
    RengiGeriAl();
    if (satır_ && aile_ == Aile::Telefon) satır_->setMaxLength(TelefonKalıbı.size());
  }

protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override {
    if (nesne != alan_) return false;
    switch (olay->type()) {
      case QEvent::FocusIn: {
        OdakTakibi* t = Takip(alan_->window(), true);
        const auto neden = static_cast<QFocusEvent*>(olay)->reason();
        if (t->odak == this && PencereDeğişimi(neden)) break;  // it never lost the focus
        if (t->odak && t->odak != this) t->odak->Ayrıl();     // left while another window was up
        t->odak = this;
        Gir();
        break;
      }
      case QEvent::FocusOut:
        if (!PencereDeğişimi(static_cast<QFocusEvent*>(olay)->reason())) Ayrıl();
        break;
      case QEvent::KeyPress: return TuşaBasıldı(static_cast<QKeyEvent*>(olay));
      default: break;
    }
    return false;
  }

private:
  bool SayıAlanı() const { return aile_ == Aile::Tamsayı || aile_ == Aile::Ondalık; }
  // Whether the field holds text that the families change (a list or a fixed combo does not).
  bool MetinAlır() const {
    if (seçim_) return seçim_->isEditable();
    return satır_ || çokSatır_;
  }

  QString Metni() const {
    if (satır_) return satır_->text();
    if (çokSatır_) return çokSatır_->toPlainText();
    if (seçim_) return seçim_->currentText();
    return {};
  }

  void MetniYaz(const QString& metin) {
    if (satır_) satır_->setText(metin);
    else if (çokSatır_) çokSatır_->setPlainText(metin);
    else if (seçim_) seçim_->setEditText(metin);
  }

  // True when the key stroke is dropped (or replaced).
  bool TuşaBasıldı(QKeyEvent* tuş) {
    const bool enter = tuş->key() == Qt::Key_Return || tuş->key() == Qt::Key_Enter;
    if (!MetinAlır()) {
      if (!enter || !seçenekler_.enterİlerler) return false;
      // Sent to the window: a date field would take Tab for its own day, month and year.
      QKeyEvent sekme(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
      QCoreApplication::sendEvent(alan_->window(), &sekme);
      return true;
    }
    const QString yazılan = tuş->text();
    if (aile_ == Aile::Arama) {
      if (yazılan == u"?" || yazılan == u"*" || yazılan == Kesme) return true;
      if (enter) {
        MetniYaz(AyrılırkenMetin(Metni()));
        if (enter_) enter_();
        return true;
      }
    } else if (enter) {
      QKeyEvent sekme(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
      QCoreApplication::sendEvent(alan_, &sekme);
      return true;
    }
    if (aile_ == Aile::Ondalık && (tuş->modifiers() & Qt::KeypadModifier) && yazılan == u".") {
      // The keypad's decimal key types the decimal comma, as under Turkish settings elsewhere; the
      // main keyboard's point stays the grouping mark and is dropped below.
      QKeyEvent virgül(tuş->type(), Qt::Key_Comma, tuş->modifiers() & ~Qt::KeypadModifier, QStringLiteral(","),
                       tuş->isAutoRepeat(), tuş->count());
      QCoreApplication::sendEvent(alan_, &virgül);
      return true;
    }
    if (SayıAlanı() || aile_ == Aile::Telefon) {
      for (QChar c : yazılan) {
        if (!c.isPrint() || (c >= u'0' && c <= u'9')) continue;
        if (aile_ == Aile::Ondalık && c == u',') continue;
        return true;
      }
      return false;
    }
    const QString büyük = TürkçeMetin::BüyükHarfeÇevir(yazılan);
    if (büyük == yazılan) return false;
    // The same key stroke with the upper-case letter goes to the field instead.
    QKeyEvent yeni(tuş->type(), tuş->key(), tuş->modifiers(), tuş->nativeScanCode(), tuş->nativeVirtualKey(),
                   tuş->nativeModifiers(), büyük, tuş->isAutoRepeat(), tuş->count());
    QCoreApplication::sendEvent(alan_, &yeni);
    return true;
  }

  bool SayıYazılabilir(const QString& metin) const {
    if (metin.isEmpty()) return true;
    if (metin.size() - metin.count(TürkçeMetin::Yerel().groupSeparator()) > basamakSınırı_) return false;
    if (aile_ == Aile::Tamsayı && metin.contains(TürkçeMetin::Yerel().decimalPoint())) return false;
    return SayıDeğeri(metin).has_value();
  }

  // A change that leaves the number field without a number takes back what was typed.
  void Değişti(const QString& metin) {
    if (SayıYazılabilir(metin)) return;
    const QSignalBlocker engel(satır_);
    satır_->setText(sonGeçerli_);
    satır_->setCursorPosition(sonİmleç_);
  }

  void UzunluğuSınırla() {
    if (enUzun_ <= 0 || çokSatır_->toPlainText().size() <= enUzun_) return;
    const QSignalBlocker engel(çokSatır_);
    QTextCursor imleç = çokSatır_->textCursor();
    const int konum = std::min(imleç.position(), enUzun_);
    çokSatır_->setPlainText(çokSatır_->toPlainText().left(enUzun_));
    imleç = çokSatır_->textCursor();
    imleç.setPosition(konum);
    çokSatır_->setTextCursor(imleç);
  }

  QWidget* alan_;
  QPointer<QLabel> etiket_;
  Aile aile_;
  std::function<void()> enter_;
  int enUzun_;
  Seçenekler seçenekler_;
  QLineEdit* satır_ = nullptr;
  QPlainTextEdit* çokSatır_ = nullptr;
  QComboBox* seçim_ = nullptr;
  QString sonGeçerli_;
  int basamakSınırı_ = 32767;
  int sonİmleç_ = 0;
  bool seçmeden_ = false;
};

OdakTakibi::OdakTakibi(QWidget* pencere) : QObject(pencere) {
  // A control without a family (a button, an option) took the focus: the field was left.
  connect(qApp, &QApplication::focusChanged, this, [this, pencere](QWidget*, QWidget* yeni) {
    if (yeni && odak && yeni->window() == pencere && yeni != odak->Alan()) odak->Ayrıl();
  });
}

}  // namespace

void Bağla(QWidget* alan, QLabel* etiket, Aile aile, std::function<void()> enter, int enUzun) {
  new AlanDavranışı(alan, etiket, aile, std::move(enter), enUzun);
}

void SeçmedenGirilenKutu::focusInEvent(QFocusEvent* olay) {
  const int imleç = cursorPosition();
  QLineEdit::focusInEvent(olay);
  if (!hasSelectedText()) return;
  deselect();
  setCursorPosition(imleç);
}

void SeçmedenGir(QWidget* alan) {
  for (QObject* nesne : alan->children())
    if (auto* d = dynamic_cast<AlanDavranışı*>(nesne)) d->SeçmedenGir();
}

void Bağla(QWidget* alan, QLabel* etiket, Aile aile, Seçenekler seçenekler) {
  new AlanDavranışı(alan, etiket, aile, {}, 0, seçenekler);
}

void PencereyiSıfırla(QWidget* pencere) {
  if (auto* t = Takip(pencere, false)) t->odak = nullptr;
  for (QObject* nesne : pencere->findChildren<QObject*>())
    if (auto* d = dynamic_cast<AlanDavranışı*>(nesne)) d->Sıfırla();
}

QString AyrılırkenMetin(const QString& metin) {
  QString m = metin;
  return BoşluklarıKırp(m.replace(Kesme, SağTırnak));
}

QString AdMetni(const QString& metin) {
  QString m = AyrılırkenMetin(metin);
  m = BoşluklarıKırp(m.replace(u'\t', u' '));
  // Pasted text may carry Windows or Unix line ends.
  m.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
  m.replace(u'\n', u' ').replace(u'\r', u' ');
  return BoşluklarıKırp(m);
}

std::optional<double> SayıDeğeri(const QString& metin) {
  const auto d = TürkçeMetin::SayıOku(metin);
  if (!d || std::fabs(*d) >= SayıSınırı) return std::nullopt;
  return d;
}

QString SayıGösterimi(const QString& metin, int ondalık) {
  const auto d = SayıDeğeri(metin);
  return d ? TürkçeMetin::SayıMetni(*d, ondalık) : metin;
}

namespace {
// The number of a text as it is read: digits from the start, blanks skipped, up to the
// first other character; without leading zeros, empty for 0.
QString TelefonSayısı(const QString& metin) {
  QString rakamlar;
  for (QChar c : metin) {
    if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') continue;
    if (c < u'0' || c > u'9') break;
    if (!rakamlar.isEmpty() || c != u'0') rakamlar += c;
  }
  return rakamlar;
}

// Digits fill the mask from the right; a 0 place without a digit shows 0, a # place
// nothing, and digits beyond the mask stand in front of it.
QString Maskele(const QString& rakamlar) {
  QString sonuç;
  qsizetype r = rakamlar.size();
  for (qsizetype m = TelefonKalıbı.size() - 1; m >= 0; --m) {
    const QChar k = TelefonKalıbı.at(m);
    if (k == u' ')
      sonuç.prepend(k);
    else if (r > 0)
      sonuç.prepend(rakamlar.at(--r));
    else if (k == u'0')
      sonuç.prepend(k);
  }
  return rakamlar.left(r) + sonuç;
}
}  // namespace

QString TelefonMaskesi(const QString& metin) {
  const QString rakamlar = TelefonSayısı(metin);
  if (rakamlar.isEmpty()) return {};
  const QString maskeli = Maskele(rakamlar);
  // Eleven or more digits push a digit into the 0 place: the last one is dropped.
  if (maskeli.at(0) > u'0') return Maskele(TelefonSayısı(maskeli.left(TelefonKalıbı.size() - 1)));
  return maskeli;
}

QString TelefonRakamları(const QString& metin) {
  const QString rakamlar = TelefonSayısı(metin);
  return rakamlar.isEmpty() ? metin : rakamlar;
}

}  // namespace AlanAileleri
