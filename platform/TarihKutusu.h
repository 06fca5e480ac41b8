#pragma once
// The date field of every form: a date edit with a calendar pop-up, shown as dd.MM.yyyy.
// The date is one stop of the focus order: Tab leaves it in one press, the arrow keys move
// between its day, month and year, and each time its form comes up it starts on the day.

#include <QDate>
#include <QDateEdit>

#include <functional>

class TarihKutusu : public QDateEdit {
public:
  explicit TarihKutusu(QWidget* ebeveyn = nullptr);

  QDate Değer() const { return date(); }
  void DeğerAyarla(const QDate& tarih) { setDate(tarih); }

  // The field counts as focused while its own calendar is open.
  bool OdakSende() const;

  std::function<void()> OdakAldı;
  std::function<void()> OdakKaybetti;
  // Raised by every change of the value, also one the program makes.
  std::function<void()> Değişti;

protected:
  void focusInEvent(QFocusEvent* olay) override;
  void focusOutEvent(QFocusEvent* olay) override;
  bool focusNextPrevChild(bool ileri) override;
  void keyPressEvent(QKeyEvent* olay) override;
  void showEvent(QShowEvent* olay) override;

private:
  void BölümeGeç(int index);
};
