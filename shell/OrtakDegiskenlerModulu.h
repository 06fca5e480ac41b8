#pragma once
// The values the whole program shares.

#include "Veritabani.h"

#include <QColor>
#include <QString>

#include <array>
#include <functional>
#include <memory>

namespace OrtakDeğişkenlerModülü {

// The open database file; every read and write goes through it.
extern std::unique_ptr<::Veritabanı> Veritabanı;
extern QString Başlık;        // window title, reused for report titles
extern bool NTPlatformu;
extern QString AyarUygulamaAdı;  // "Belvaro\Velmora"
extern QColor OdakRengi;       // caption colour of the focused field
// Drops the unfinished workbook of a running spreadsheet export; empty when no export runs.
extern std::function<void()> ExcelUygulaması;
extern int İşlemKodu;          // job code of the progress form
extern qint64 KritikStokUyarısı;
extern std::array<qint64, 3> TanımSayıları;  // companies of the kind in use, products, warehouses
extern bool GirişŞifresiSorulsun;
extern bool YazıcıVar;
extern QString YazıcıYazıTipi;  // face of every printed text
extern bool YazdırmaİptalEdildi;
// The printer every print draws on until the printer choice changes it; empty: the system's default.
extern QString GeçerliYazıcı;
// Printable height and width of the last print in whole millimetres, and its margins.
extern int SayfaYüksekliği;
extern int SayfaGenişliği;
extern int ÜstBoşluk;
extern int AltBoşluk;
// Running list-view sort: column, direction (0 ascending), 0 = compare as dates else as numbers.
extern qint64 SıralamaSütunu;
extern int SıralamaYönü;
extern int SayısalSırala;

// Title of every message box unless one is given.
inline const QString ProgramAdı = QStringLiteral("Velmora");

}  // namespace OrtakDeğişkenlerModülü

namespace Ortak = OrtakDeğişkenlerModülü;
