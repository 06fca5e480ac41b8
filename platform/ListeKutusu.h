#pragma once
// The keyboard of the program's lists, as a list box answers it: in a list with nothing
// selected, Down, Up and Home select the first row, and the current row always follows the
// selected one (whoever selected it) in a column that is shown, so the next arrow key moves on
// from the row the user sees.

#include <QListWidget>

class QAbstractItemView;

// Gives a list box or a list view that keyboard for its whole life.
void ListeKlavyesiniKur(QAbstractItemView& liste);

// The list box of the forms' choosers.
class ListeKutusu : public QListWidget {
public:
  explicit ListeKutusu(QWidget* ebeveyn = nullptr);
};
