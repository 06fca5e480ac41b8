#pragma once
// What the stock lists and the movement and company lists read, for a warehouse, a
// chooser value and a period. Rows come compact and typed (SıkıListe), straight from the
// statement, so that the forms, the print and the export show them alike.
//
// Transfers (reason 99) are left out wherever stock leaves or reaches a company and when
// every warehouse is summed; the stock of one warehouse counts them in.

#include "SikiListe.h"
#include "TurkceMetin.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

class Veritabanı;

namespace ListeVerileri {

using TürkçeMetin::Miktar;

struct Dönem {
  QDate ilk, son;
};

// The movement tables whose first and last dates "all dates" stands for.
enum class Kaynak { GirişVeÇıkış, Giriş, Çıkış, İade };
// EnKucukTarih and EnBuyukTarih of the source; none while it has no rows.
std::optional<Dönem> TümDönem(Veritabanı& vt, Kaynak kaynak);

struct Seçenek {
  qint64 no = 0;
  QString ad;
};
// By name.
std::vector<Seçenek> Depolar(Veritabanı& vt);
std::vector<Seçenek> Firmalar(Veritabanı& vt, const QString& firmaTürü);

struct Süzgeç {
  std::optional<qint64> depo;   // none: every warehouse
  std::optional<qint64> seçim;  // the exit reason or the company; none: all
  Dönem dönem;
};

// The columns of each list, as its rows come: the one place their types are given. The forms
// show, sort and export each column by its type here.
namespace Sütunlar {
using enum HücreTürü;
inline const std::vector<HücreTürü> MevcutStok{Metin, Metin, Miktar, Miktar, Miktar, Miktar, Miktar, Miktar};
inline const std::vector<HücreTürü> ÇıkışNedeni{Metin, Metin, Metin, Metin, Miktar, Miktar};
inline const std::vector<HücreTürü> FirmaStok{Metin, Metin, Metin, Metin, Miktar, Miktar};
inline const std::vector<HücreTürü> İşlem{Tarih, Metin, Metin, Metin, Metin, Metin, Miktar, Miktar};
inline const std::vector<HücreTürü> İade{Tarih, Metin, Metin, Metin, Metin, Miktar, Miktar};
}  // namespace Sütunlar

// UrunKodu, UrunAdi, entered, its weight, left, its weight, on hand, its weight.
SıkıListe MevcutStokListesi(Veritabanı& vt, const Süzgeç& s);
// UrunKodu, UrunAdi, DepoAdi, FirmaAdi, quantity gone out, its weight.
SıkıListe ÇıkışNedeniListesi(Veritabanı& vt, const Süzgeç& s);
// FirmaAdi, UrunKodu, UrunAdi, DepoAdi, quantity, weight: entries of suppliers ("Satici") or
// exits to customers ("Alici") per company, product and warehouse.
SıkıListe FirmaStokListesi(Veritabanı& vt, const QString& firmaTürü, const Süzgeç& s);
// One row per entry ("Giris") or exit ("Cikis"): date, company, UrunKodu, UrunAdi, DepoAdi,
// reason, quantity, weight; in date order. The names and the movements are read at one moment,
// so another workstation's change between the reads never shows half done.
SıkıListe İşlemListesi(Veritabanı& vt, const QString& işlemTürü, const Süzgeç& s);
// One row per return: date, customer, UrunKodu, UrunAdi, DepoAdi, quantity, weight; read as
// the operations are.
SıkıListe İadeListesi(Veritabanı& vt, const Süzgeç& s);

}  // namespace ListeVerileri
