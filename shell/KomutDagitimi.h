#pragma once
// What each command of the main window runs, by its command id.

// Runs the command: checks its data, prepares and shows its form modally over the main window.
void KomutDağıt(int komutNo);
// Whether the command can run in this program; the main window disables the others.
bool KomutHazır(int komutNo);
