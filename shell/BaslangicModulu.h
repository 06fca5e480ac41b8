#pragma once
// Start-up: one copy, the welcome form, the checks, the main window and the connection.

#include "Platform.h"

#include <QString>

#include <optional>

class QTranslator;

namespace BaşlangıçModülü {

// Qt's own dialogs (folder chooser, standard buttons, print dialogs) in Turkish.
// False when the translation is not installed: they then stay in English.
bool QtÇevirisiniYükle(QTranslator& çevirmen);

// The version as the program shows it: "1.24" for 1.2.4, "1.103" for 1.10.3.
QString SürümNumarası(int ana, int alt, int düzeltme);
// The window title: "Belvaro - Velmora 1.24 (İstemci)" for version 1.2.4.
QString BaşlıkOluştur(int ana, int alt, int düzeltme);

struct SürümSonucu {
  std::optional<bool> ntPlatformu;  // unset: a platform the check leaves alone
  QString hata;  // empty when the system is supported
};
// The version check on what the platform reports about itself.
SürümSonucu SürümüDenetle(const Platform::SürümKaydı& kayıt);
void WindowsSürümünüDenetle();

// The program's entry point after the application object exists; returns the exit code.
int Main();

}  // namespace BaşlangıçModülü
