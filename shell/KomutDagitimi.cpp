#include "KomutDagitimi.h"

#include "AnaForm.h"

bool KomutHazır(int komutNo) {
  switch (komutNo) {
    case 108:  // only opens its submenu
    case 305:
      return true;
    default:
      return false;
  }
}

void KomutDağıt(int komutNo) {
  switch (komutNo) {
    case 305:
      // Closing the last window ends the program, after the placement is saved.
      AnaFormu().Kaldır();
      break;
    default:  // 108 runs nothing of its own
      break;
  }
}
