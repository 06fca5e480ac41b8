#pragma once
// The main window: menus, toolbar, key bindings, status bar and placement.

#include <QMainWindow>

class AnaForm : public QMainWindow {
public:
  AnaForm();
  ~AnaForm() override;

  // Status-bar pane by its id (0, 2 or 3).
  void DurumPaneliYaz(int id, const QString& metin);
  QString DurumPaneli(int id) const;

  // Unloads the main window and every form; the program ends when start-up returns.
  void Kaldır();
};

AnaForm& AnaFormu();    // the one instance, created on first use
bool AnaFormYüklü();    // created and not unloaded
