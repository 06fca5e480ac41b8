#include "Simgeler.h"

QPixmap Resim(const QString&) { return {}; }
QIcon KomutSimgesi(int) { return {}; }
