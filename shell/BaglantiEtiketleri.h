#pragma once
// Labels that act as links: the pointing hand over them, underlined once the mouse moves over
// one (the others then lose it), plain again only when the mouse moves over a backing panel;
// a click opens the link's target with the desktop's opener.

#include <QObject>
#include <QUrl>

#include <vector>

class QLabel;
class QWidget;

class BağlantıEtiketleri : public QObject {
public:
  explicit BağlantıEtiketleri(QWidget* form);

  void BağlantıEkle(QLabel* etiket, QUrl hedef);
  // Moving over a panel clears the underline; moving over any other control of the form
  // changes nothing.
  void AltlıkEkle(QWidget* altlık);
  // Called once every control of the form is made.
  void Bitir();

  void Üzerinde(QLabel* etiket);  // the mouse moved over a link
  void AltlıkÜzerinde();         // the mouse moved over a panel
  void Aç(QLabel* etiket);

protected:
  bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
  struct Bağlantı {
    QLabel* etiket;
    QUrl hedef;
  };
  static void AltıÇiziliYap(QLabel* etiket, bool açık);

  QWidget* form_;
  std::vector<Bağlantı> bağlantılar_;
  std::vector<QWidget*> altlıklar_;
};
