#include "TarihKutusu.h"

#include "Platform.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <utility>

namespace {
// Digits of the day, the month and the year.
constexpr std::array<int, 3> Genişlik{2, 2, 4};

// The date edit draws its calendar's button as a combo box's arrow, and finds it the same way.
bool TakvimDüğmesinde(const QDateEdit& alan, const QPoint& yer) {
  QStyleOptionComboBox seçenek;
  seçenek.initFrom(&alan);
  seçenek.editable = true;
  seçenek.subControls = QStyle::SC_All;
  return alan.style()->hitTestComplexControl(QStyle::CC_ComboBox, &seçenek, yer, &alan) == QStyle::SC_ComboBoxArrow;
}
}  // namespace

// Watches the whole application while a date is typed: another control may be clicked, or a key
// meant for another control pressed, before the field is left.
class TarihKutusu::Dinleyici : public QObject {
public:
  explicit Dinleyici(TarihKutusu& alan) : QObject(&alan), alan_(alan) {}
  void Dinle(bool açık) {
    if (açık == açık_) return;
    açık_ = açık;
    if (açık) qApp->installEventFilter(this);
    else qApp->removeEventFilter(this);
  }

protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override { return alan_.BaşkaEylem(nesne, olay); }

private:
  TarihKutusu& alan_;
  bool açık_ = false;
};

TarihKutusu::TarihKutusu(QWidget* ebeveyn) : QDateEdit(ebeveyn), dinleyici_(new Dinleyici(*this)) {
  setCalendarPopup(true);
  setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
  lineEdit()->installEventFilter(this);
  connect(this, &QDateEdit::dateChanged, this, [this](QDate) {
    if (Değişti) Değişti();
  });
}

void TarihKutusu::DeğerAyarla(const QDate& tarih) {
  yazım_.reset();
  setDate(tarih);
}

bool TarihKutusu::OdakSende() const {
  // A date the user typed is the user's, also when it is taken as the focus leaves.
  if (hasFocus() || kullanıcıBitiriyor_) return true;
  const QCalendarWidget* takvim = calendarWidget();
  return takvim && takvim->window() != window() && takvim->window()->isVisible();
}

// The wheel and the calendar's button go on from the value, as the arrow keys do: a date typed
// whole is taken first; a half one is refused, and nothing steps or opens. Any other click on the
// field just ends the typing.
bool TarihKutusu::event(QEvent* olay) {
  if (yazım_) {
    const QEvent::Type tür = olay->type();
    const bool düğme = tür == QEvent::MouseButtonPress &&
                       TakvimDüğmesinde(*this, static_cast<QMouseEvent*>(olay)->position().toPoint());
    if ((tür == QEvent::Wheel || düğme) && !YazımıBitir(true)) return true;
    if (tür == QEvent::MouseButtonPress) YazımıBitir(false);
  }
  return QDateEdit::event(olay);
}

bool TarihKutusu::eventFilter(QObject* nesne, QEvent* olay) {
  if (nesne == lineEdit()) {
    if (yazım_ && (olay->type() == QEvent::MouseButtonPress || olay->type() == QEvent::MouseButtonDblClick))
      YazımıBitir(false);
    // The middle button pastes the selection: through the date, as every paste.
    const bool basış = olay->type() == QEvent::MouseButtonPress || olay->type() == QEvent::MouseButtonRelease;
    if (basış && static_cast<QMouseEvent*>(olay)->button() == Qt::MiddleButton &&
        QGuiApplication::clipboard()->supportsSelection()) {
      if (olay->type() == QEvent::MouseButtonRelease && !isReadOnly())
        Yapıştır(QGuiApplication::clipboard()->text(QClipboard::Selection));
      return true;
    }
  } else if (olay->type() == QEvent::Shortcut && hasFocus()) {
    // The label's access key moves no focus to a field that has it: typing starts on the day again.
    auto* etiket = qobject_cast<QLabel*>(nesne);
    if (etiket && etiket->buddy() == this && YazımıBitir(true)) BölümeGeç(0);
  }
  return QDateEdit::eventFilter(nesne, olay);
}

// Reached from the keyboard or by the program, typing starts on the day. Opening and closing the
// calendar moves the focus into the pop-up and back; for the form the field keeps its focus all
// along, so its caption does not flicker.
void TarihKutusu::focusInEvent(QFocusEvent* olay) {
  QDateEdit::focusInEvent(olay);
  switch (olay->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason: BölümeGeç(0); break;
    case Qt::PopupFocusReason: return;
    default: break;
  }
  if (OdakAldı) OdakAldı();
}

void TarihKutusu::focusOutEvent(QFocusEvent* olay) {
  const Qt::FocusReason neden = olay->reason();
  // Left with a date not whole or not possible: the value before it stays at once, so that nothing
  // reads the typed one; the user is told once the focus has settled, and brought back to the day.
  // The pop-up or another window coming up is no leaving: the typing just ends.
  // A click that took the focus goes no further then.
  const bool ayrıldı = neden != Qt::PopupFocusReason && neden != Qt::ActiveWindowFocusReason;
  if (!YazımıBitir(false) && ayrıldı) {
    tıkReddedildi_ = neden == Qt::MouseFocusReason;
    Reddet();
  }
  QDateEdit::focusOutEvent(olay);
  if (neden == Qt::PopupFocusReason) return;
  if (OdakKaybetti) OdakKaybetti();
}

// The date edit would walk its day, month and year on Tab first.
bool TarihKutusu::focusNextPrevChild(bool ileri) { return QWidget::focusNextPrevChild(ileri); }

// The line edit's own menu, with its paste going through the date.
void TarihKutusu::contextMenuEvent(QContextMenuEvent* olay) {
  const std::unique_ptr<QMenu> menü(lineEdit()->createStandardContextMenu());
  // The line edit ties its paste by name; the one action so tied is its paste.
  for (QAction* eylem : menü->actions())
    if (disconnect(eylem, SIGNAL(triggered()), lineEdit(), SLOT(paste())))
      connect(eylem, &QAction::triggered, this, [this] { Yapıştır(QGuiApplication::clipboard()->text()); });
  menü->exec(olay->globalPos());
}

// Digits, Backspace, the separators and the arrows are taken here while a date is typed, so
// that the date edit never fits the day typed into the month shown before the month is typed.
void TarihKutusu::keyPressEvent(QKeyEvent* olay) {
  const int tuş = olay->key();
  const Qt::KeyboardModifiers basılı = olay->modifiers();
  const QChar harf = olay->text().size() == 1 ? olay->text()[0] : QChar();
  if (olay->matches(QKeySequence::Paste)) {
    if (!isReadOnly()) Yapıştır(QGuiApplication::clipboard()->text());
    return;
  }
  if (!isReadOnly() && !(basılı & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
    if (harf >= u'0' && harf <= u'9') {
      RakamYaz(harf);
      return;
    }
    if (tuş == Qt::Key_Backspace || tuş == Qt::Key_Delete) {
      tuş == Qt::Key_Delete ? SağıSil() : Sil();
      return;
    }
    if (yazım_ && !harf.isNull() && QStringLiteral(".,/-").contains(harf)) {
      if (yazım_->yarım) BölümüKapat(yazım_->bölüm + 1);
      return;
    }
  }
  const bool sol = tuş == Qt::Key_Left, sağ = tuş == Qt::Key_Right;
  if ((sol || sağ) && !(basılı & (Qt::ShiftModifier | Qt::AltModifier))) {
    const int yön = sağ ? 1 : -1;
    if (yazım_) BölümüKapat(yazım_->bölüm + yön);
    else BölümeGeç(currentSectionIndex() + yön);
    return;
  }
  // Any other key ends the typing first (Shift, Ctrl, Alt and the locks alone do not): Esc quietly,
  // the others refuse a date not whole and are then dropped.
  const bool değiştirici = (tuş >= Qt::Key_Shift && tuş <= Qt::Key_ScrollLock) || tuş == Qt::Key_AltGr;
  const bool esc = tuş == Qt::Key_Escape;
  if (yazım_ && !değiştirici && !YazımıBitir(!esc) && !esc) return;
  QDateEdit::keyPressEvent(olay);
}

// A form shown again (the dialogs are reused) must not leave typing on the part used last,
// where the digits of a whole date would be refused.
void TarihKutusu::showEvent(QShowEvent* olay) {
  QDateEdit::showEvent(olay);
  if (olay->spontaneous()) return;
  BölümeGeç(0);
  for (QLabel* etiket : window()->findChildren<QLabel*>())
    if (etiket->buddy() == this) etiket->installEventFilter(this);
}

// While a date is typed the field shows its parts as typed, a day the month shown lacks among
// them. Elsewhere only the text of a whole date is taken: an edit of the line's own (a cut, an
// undo, a drop) that leaves anything else is not, so the field never shows what it does not hold.
QValidator::State TarihKutusu::validate(QString& metin, int& konum) const {
  if (yazım_) return metin == YazımMetni() ? QValidator::Intermediate : QValidator::Invalid;
  QString okunan = metin;
  int okunanKonum = konum;
  if (QDateEdit::validate(okunan, okunanKonum) != QValidator::Acceptable || okunan != metin)
    return QValidator::Invalid;
  konum = okunanKonum;
  return QValidator::Acceptable;
}

// Such a text is never made into a date: the field keeps its value.
void TarihKutusu::fixup(QString&) const {}

void TarihKutusu::BölümeGeç(int index) {
  const int bölüm = std::clamp(index, 0, sectionCount() - 1);
  setCurrentSectionIndex(bölüm);
  setSelectedSection(sectionAt(bölüm));
}

// Typing starts on the part chosen (over its selected text), with the other parts as the value
// shows them. Digits after a whole year are refused, as the date edit does; Backspace there
// (`sonundan`) takes back the year's last digit.
bool TarihKutusu::YazımAç(bool sonundan) {
  const QLineEdit* satır = lineEdit();
  if (!sonundan && !satır->hasSelectedText() && satır->cursorPosition() >= satır->text().size()) return false;
  const QDate d = date();
  const int bölüm = std::clamp(currentSectionIndex(), 0, 2);
  const auto sayı = [](int n, int basamak) { return QString::number(n).rightJustified(basamak, u'0'); };
  yazım_ = Yazım{{sayı(d.day(), 2), sayı(d.month(), 2), sayı(d.year(), 4)}, bölüm, false, 0, d};
  dinleyici_->Dinle(true);
  return true;
}

void TarihKutusu::RakamYaz(QChar rakam) {
  if (!yazım_ && !YazımAç()) return;
  Yazım& y = *yazım_;
  QString& parça = y.parça[y.bölüm];
  if (!y.yarım) parça.clear(), y.imleç = 0;
  y.yarım = true;
  parça.insert(y.imleç++, rakam);
  // A day from 4 or a month from 2 takes no second digit.
  const int ilk = parça[0].digitValue();
  if (parça.size() < Genişlik[y.bölüm] && !(y.bölüm == 0 && ilk > 3) && !(y.bölüm == 1 && ilk > 1)) {
    Yansıt();
  } else if (y.bölüm < 2) {
    BölümüKapat(y.bölüm + 1);
  } else {
    // The year ends the date typed; digits after it are refused, as after any whole year.
    y.yarım = false;
    if (YazımıBitir(true)) lineEdit()->setCursorPosition(lineEdit()->text().size());
  }
}

// Backspace takes back the digit before the cursor: of the part being typed, or, in a part not
// typed yet, the last of the part before it. Over a selected part it empties the part.
void TarihKutusu::Sil() {
  if (!yazım_) {
    const bool seçili = lineEdit()->hasSelectedText();
    YazımAç(true);
    QString& parça = yazım_->parça[yazım_->bölüm];
    if (seçili) parça.clear();
    else parça.chop(1);
    yazım_->imleç = static_cast<int>(parça.size());
  } else {
    Yazım& y = *yazım_;
    QString& parça = y.parça[y.bölüm];
    if (y.yarım && y.imleç > 0) {
      parça.remove(--y.imleç, 1);
    } else if (y.bölüm > 0) {
      QString& önceki = y.parça[--y.bölüm];
      önceki.chop(1);
      y.imleç = static_cast<int>(önceki.size());
    } else if (!y.yarım) {
      parça.clear();
    }
  }
  yazım_->yarım = true;
  Yansıt();
}

// Delete takes the digit after the cursor, in the part it stands in (at a part's end, in the next
// part); over a selected part it empties the part. The digits left are typed on from the cursor.
void TarihKutusu::SağıSil() {
  if (!yazım_) {
    const QLineEdit* satır = lineEdit();
    const bool seçili = satır->hasSelectedText();
    const int konum = seçili ? satır->selectionStart() : satır->cursorPosition();
    if (!seçili && konum >= satır->text().size()) return;
    YazımAç(true);
    // The value's text: parts of 2, 2 and 4 digits, each after a separator.
    yazım_->bölüm = konum < 2 ? 0 : konum < 5 ? 1 : 2;
    yazım_->imleç = std::max(0, konum - 3 * yazım_->bölüm);
    yazım_->yarım = !seçili;
  }
  Yazım& y = *yazım_;
  QString& parça = y.parça[y.bölüm];
  if (!y.yarım) parça.clear(), y.imleç = 0;
  else if (y.imleç < parça.size()) parça.remove(y.imleç, 1);
  y.yarım = true;
  Yansıt();
}

// A whole, possible date pasted is the value, wherever the cursor stands; anything else is refused.
void TarihKutusu::Yapıştır(const QString& metin) {
  const QDate t = QDate::fromString(metin.trimmed(), displayFormat());
  const bool alınır = t.isValid() && t >= minimumDate() && t <= maximumDate();
  if (alınır) {
    yazım_.reset();
    kullanıcıBitiriyor_ = true;
    setDate(t);
    kullanıcıBitiriyor_ = false;
  } else {
    YazımıBitir(false);
  }
  BölümeGeç(0);
  if (!alınır) Uyar();
}

// The part being typed stands as typed, filled with leading zeros; typing goes on in `sonraki`.
void TarihKutusu::BölümüKapat(int sonraki) {
  Yazım& y = *yazım_;
  if (y.yarım) y.parça[y.bölüm] = y.parça[y.bölüm].rightJustified(Genişlik[y.bölüm], u'0');
  y.yarım = false;
  y.bölüm = std::clamp(sonraki, 0, 2);
  y.imleç = 0;
  Yansıt();
}

// Invalid while a part is half typed, or when the parts make no date the field takes.
QDate TarihKutusu::YazılanTarih() const {
  const Yazım& y = *yazım_;
  if (y.yarım) return {};
  const QDate t(y.parça[2].toInt(), y.parça[1].toInt(), y.parça[0].toInt());
  return t.isValid() && t >= minimumDate() && t <= maximumDate() ? t : QDate();
}

QString TarihKutusu::YazımMetni() const {
  return yazım_->parça[0] + u'.' + yazım_->parça[1] + u'.' + yazım_->parça[2];
}

// Shows the parts as typed; the value waits for the typing to end.
void TarihKutusu::Yansıt() {
  const Yazım& y = *yazım_;
  QLineEdit* satır = lineEdit();
  const QSignalBlocker engel(satır);  // the date edit would read the parts as a date of its own
  satır->setText(YazımMetni());
  int baş = 0;
  for (int i = 0; i < y.bölüm; ++i) baş += static_cast<int>(y.parça[i].size()) + 1;
  const int uzunluk = static_cast<int>(y.parça[y.bölüm].size());
  if (y.yarım) satır->setCursorPosition(baş + y.imleç);
  else satır->setSelection(baş, uzunluk);
}

bool TarihKutusu::YazımıBitir(bool uyar) {
  if (!yazım_) return true;
  const QDate t = YazılanTarih();
  const Yazım y = *yazım_;
  yazım_.reset();
  kullanıcıBitiriyor_ = true;
  setDate(t.isValid() ? t : y.önceki);
  kullanıcıBitiriyor_ = false;
  BölümeGeç(t.isValid() ? y.bölüm : 0);
  if (!t.isValid() && uyar) Uyar();
  return t.isValid();
}

void TarihKutusu::Uyar() {
  if (Platform::MesajGöster)
    Platform::MesajGöster(window(), QStringLiteral("Lütfen, geçerli bir TARİH giriniz!"), 48,
                          QApplication::applicationName());
}

bool TarihKutusu::BaşkaEylem(QObject* nesne, QEvent* olay) {
  if (!yazım_ && !tıkReddedildi_) {
    dinleyici_->Dinle(false);
    return false;
  }
  switch (olay->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: {
      // Another control of this window: the focus has moved to it already when it takes a click;
      // a wheel over it would step it or scroll it while the date is half typed.
      auto* hedef = qobject_cast<QWidget*>(nesne);
      if (!hedef || hedef == this || isAncestorOf(hedef) || hedef->window() != window()) return false;
      if (std::exchange(tıkReddedildi_, false)) return true;
      break;
    }
    // An access key, a shortcut or a menu key, for any control.
    case QEvent::Shortcut: break;
    default: return false;
  }
  if (YazımıBitir(false)) return false;
  Reddet();
  return true;
}

void TarihKutusu::Reddet() {
  if (std::exchange(reddediliyor_, true)) return;
  QTimer::singleShot(0, this, [this] {
    reddediliyor_ = tıkReddedildi_ = false;
    if (!isVisible() || !isEnabled()) return;
    setFocus(Qt::OtherFocusReason);
    BölümeGeç(0);
    Uyar();
  });
}
