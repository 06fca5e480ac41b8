#pragma once
// The main window: menus, toolbar, key bindings, status bar and placement.
// It owns every form a command opens; closing it ends the program.

#include <QList>
#include <QMargins>
#include <QMainWindow>
#include <QRect>
#include <QSize>

#include <array>
#include <functional>
#include <map>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QToolBar;

class AnaForm : public QMainWindow {
public:
  // Creation check: a screen lower than 600 pixels ends the program at once.
  AnaForm();
  ~AnaForm() override;

  // Seams set by start-up and by tests (empty = the real thing).
  static std::function<QSize()> EkranBoyutu;           // the primary screen's full size in pixels
  static std::function<QList<QRect>()> EkranAlanları;  // every screen's free area, the primary first
  static std::function<void()> KarşılamaFormunuKaldır;  // closes the welcome form at the end of the load
  // Set by the program's top (the only place that knows every form); unset, no command runs.
  static std::function<void(int)> KomutDağıtıcı;
  static std::function<bool(int)> KomutHazırMı;

  // Builds the window, restores its placement and shows it.
  void Yükle();
  bool Yüklü() const { return yüklü_; }

  // Status-bar pane by its id (0, 2 or 3).
  void DurumPaneliYaz(int id, const QString& metin);
  QString DurumPaneli(int id) const;

  // Closes the main window: placement saved, every form unloaded. The program ends with it.
  void Kaldır();

  // The command with this id (menus and toolbar), or null.
  QAction* Komut(int komutNo) const;

  // Event procedures.
  void MDIForm_Initialize();
  void MDIForm_Load();
  void MDIForm_Activate();
  void MDIForm_QueryUnload();
  // Every command, from a menu, the toolbar or a key, arrives here with its id.
  void MenüDüğmeDurumÇubuğu_Execute(int komutNo);
  // A command whose form is not there yet stays disabled.
  void KomutDurumlarınıYenile();

  // Controls.
  std::array<QMenu*, 4> Menüler{};  // Program, Stok İşlemleri, Listeler, Yardım
  QMenu* StokHareketleriMenüsü = nullptr;  // the submenu of command 108
  QToolBar* StandartAraçÇubuğu = nullptr;
  std::map<int, QAction*> Komutlar;
  std::map<int, QLabel*> DurumPanelleri;

protected:
  bool event(QEvent* olay) override;
  void closeEvent(QCloseEvent* olay) override;

private:
  void KomutlarıKur();
  void AraçÇubuğunuKur();
  void DurumÇubuğunuKur();
  void KonumuYükle();
  void KonumuKaydet();
  QAction* KomutEkle(int komutNo, const QString& başlık);
  QSize Ekran() const;
  QList<QRect> Alanlar() const;
  // Title bar and borders the window manager adds around the window; none until it has framed it.
  QMargins ÇerçeveKenarları() const;
  // The whole frame onto the screen, the window's inside shrunk where it must.
  void ÇerçeveyiEkranaSığdır();

  bool yüklü_ = false;
  bool çerçeveBekleniyor_ = false;
};

// A stored placement brought onto a screen: onto the one it overlaps most (the first when it
// overlaps none), no larger than that screen's free area and wholly inside it, frame included.
// `pencere` is the frame's top-left corner with the size of the window's inside, as pos() and
// size() give them; so is the result.
QRect EkranaSığdır(const QRect& pencere, const QList<QRect>& ekranAlanları, const QMargins& çerçeve = {});

