#include "OkumaIslemi.h"

#include "Veritabani.h"

#include <sqlite3.h>

Okumaİşlemi::Okumaİşlemi(Veritabanı& vt) : vt_(vt), başlatıldı_(sqlite3_get_autocommit(vt.Tutamaç()) != 0) {
  // Deferred: no lock yet, the first read takes the shared one.
  if (başlatıldı_) vt_.Çalıştır(QStringLiteral("BEGIN"));
}

Okumaİşlemi::~Okumaİşlemi() {
  // Nothing of it is kept: ending it gives the lock back, whatever brought us here.
  if (başlatıldı_ && !sqlite3_get_autocommit(vt_.Tutamaç()))
    sqlite3_exec(vt_.Tutamaç(), "ROLLBACK", nullptr, nullptr, nullptr);
}
