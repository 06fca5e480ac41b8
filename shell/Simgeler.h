#pragma once
// The program's own pictures, drawn by us: command icons by command id, the
// connection signs "BAGLAN"/"BAGLANMA", the welcome picture "KARSILAMA", the about
// box's "HAKKINDA" and its 32-pixel "PROGRAM", the error report's "HATABILDIR", the
// spreadsheet "EXCEL" and the sort arrows "YUKARI"/"ASAGI".

#include <QIcon>
#include <QPixmap>
#include <QString>

QPixmap Resim(const QString& ad);
QIcon KomutSimgesi(int komutNo);  // null icon for a command without a picture
