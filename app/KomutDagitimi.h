#pragma once
// What each command of the main window runs, by its command id.

#include <QString>

// Gives the main window this dispatch and readiness; main does it once.
void KomutlarıBağla();

// Runs the command: checks its data, prepares and shows its form modally over the main window.
void KomutDağıt(int komutNo);
// Whether the command's form is in this program; the main window disables the others.
bool KomutHazır(int komutNo);

// The row-count checks of a command, in order, each refusing with its message;
// true when the command may go on. Commands without checks pass.
bool KomutDenetle(int komutNo);
// Companies of the kind, products and warehouses must exist before a voucher;
// their counts go to TanımSayıları.
bool TanımlarıDenetle(const QString& işlemAdı, const QString& firmaTürü);
