#pragma once
// The date field of every form: a date edit with a calendar pop-up, shown as dd.MM.yyyy.
// The date is one stop of the focus order: Tab leaves it in one press, the arrow keys move
// between its day, month and year, and each time it is reached from the keyboard (Tab, Backtab,
// its label's access key, also while it has the focus) or its form comes up, it starts on the day.
// A date typed in digits is the date typed: the day is never fitted to the month shown, and a date
// that does not exist is refused with a message; the field then holds the date it held before.
// While a date is typed the value stays the one before it; whatever starts another action meanwhile
// (a click elsewhere, an access key, a shortcut) first ends the typing, and does not run when the
// typed date is refused. The wheel, the arrow keys and the calendar's button likewise step or open
// only a date typed whole.

#include <QDate>
#include <QDateEdit>

#include <array>
#include <functional>
#include <optional>

class TarihKutusu : public QDateEdit {
public:
  explicit TarihKutusu(QWidget* ebeveyn = nullptr);

  QDate Değer() const { return date(); }
  void DeğerAyarla(const QDate& tarih);

  // The field counts as focused while its own calendar is open.
  bool OdakSende() const;

  std::function<void()> OdakAldı;
  std::function<void()> OdakKaybetti;
  // Raised by every change of the value, also one the program makes.
  std::function<void()> Değişti;

protected:
  bool event(QEvent* olay) override;
  bool eventFilter(QObject* nesne, QEvent* olay) override;
  void focusInEvent(QFocusEvent* olay) override;
  void focusOutEvent(QFocusEvent* olay) override;
  bool focusNextPrevChild(bool ileri) override;
  void contextMenuEvent(QContextMenuEvent* olay) override;
  void keyPressEvent(QKeyEvent* olay) override;
  void showEvent(QShowEvent* olay) override;
  QValidator::State validate(QString& metin, int& konum) const override;
  void fixup(QString& metin) const override;

private:
  // A date being typed: day, month and year as typed, the part the next digit goes into, and
  // whether that part is half typed. The value changes only when the parts make a whole date.
  struct Yazım {
    std::array<QString, 3> parça;
    int bölüm = 0;
    bool yarım = false;
    int imleç = 0;  // where in the half typed part the next digit goes
    QDate önceki;   // the value before the typing, kept when the typed date is refused
  };
  class Dinleyici;

  void BölümeGeç(int index);
  bool YazımAç(bool sonundan = false);
  void RakamYaz(QChar rakam);
  void Sil();
  void SağıSil();
  void Yapıştır(const QString& metin);
  void BölümüKapat(int sonraki);
  QDate YazılanTarih() const;
  QString YazımMetni() const;
  void Yansıt();
  // Ends the typing: a whole, possible date stays; otherwise the value before it comes back,
  // with the message when `uyar`. False when refused.
  bool YazımıBitir(bool uyar);
  void Uyar();
  // Seen by the application while a date is typed: true when the event starts an action that the
  // typing, ended first, refuses, so that it must not reach its receiver.
  bool BaşkaEylem(QObject* nesne, QEvent* olay);
  // The refusal of a date left: once the events under way are done, the message and the day again.
  void Reddet();

  std::optional<Yazım> yazım_;
  Dinleyici* dinleyici_;
  bool dinliyor_ = false;
  bool tıkReddedildi_ = false;  // a click took the focus from a refused date: the click goes no further
  bool reddediliyor_ = false;
  bool kullanıcıBitiriyor_ = false;
};
