#pragma once
// The movement review's reads and writes: the movements and totals of a product or
// a person, and the change, delete and return of one movement.
//
// Every write is one transaction that first reads the movement as stored: when it is
// no longer what the list showed, nothing is written. A write that lowers the stock of
// the row's warehouse (all rows of the product there, transfer halves included) is
// refused when that stock would go below zero; a write that raises it, when that stock or its
// weight would be past what the program keeps exactly.

#include "IslemIzleri.h"
#include "OrtakYordamlarModulu.h"
#include "TurkceMetin.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class Veritabanı;

namespace HareketVerileri {

using TürkçeMetin::Miktar;

inline constexpr qint64 TransferNedeni = 99;
// A movement stored without a reason.
inline constexpr qint64 NedenYok = -1;

enum class HareketTürü { Giriş, Çıkış };

// One movement of a product as the review list shows it.
struct ÜrünHareketi {
  qint64 islemNo = 0;
  QString firması;  // supplier or customer; for a transfer the other warehouse
  QString deposu;
  QDate tarih;
  Miktar miktar = 0;
  qint64 neden = NedenYok;
  std::optional<qint64> girişİşlemNo;  // transfer exits: their entry half
};

// One movement recorded under a person.
struct KişiHareketi {
  QString ürünKodu;
  QString ürünAdı;
  QDate tarih;
  Miktar miktar = 0;
  qint64 neden = NedenYok;
};

// Entries and exits over all warehouses, transfers left out.
struct Toplamlar {
  Miktar giriş = 0;
  Miktar çıkış = 0;
  Miktar Mevcut() const { return giriş - çıkış; }
};

using OrtakYordamlarModülü::Kişi;
using OrtakYordamlarModülü::KişileriOku;

// In the order they were recorded.
std::vector<ÜrünHareketi> ÜrünHareketleri(Veritabanı& vt, qint64 urunNo, HareketTürü tür);
// A person's movements, each handed over as it is read: a busy person has tens of thousands.
void KişiHareketleri(Veritabanı& vt, qint64 kişiNo, HareketTürü tür, const std::function<void(const KişiHareketi&)>& işle);
Toplamlar ÜrünToplamları(Veritabanı& vt, qint64 urunNo);
Toplamlar KişiToplamları(Veritabanı& vt, qint64 kişiNo);

// "Alım" for every entry but a transfer; exits by their reason; "Transfer" for 99.
QString NedenAdı(HareketTürü tür, qint64 neden);

// Whether any entry of the product, in any warehouse, is a transfer half.
bool TransferGirişiVar(Veritabanı& vt, qint64 urunNo);

// Stock on hand of a product in one warehouse, every row counted.
using OrtakYordamlarModülü::MevcutStok;

// What the list showed of a movement when the user chose it.
struct GörülenHareket {
  HareketTürü tür = HareketTürü::Giriş;
  qint64 islemNo = 0;
  QDate tarih;
  Miktar miktar = 0;
  qint64 neden = NedenYok;
  std::optional<qint64> girişİşlemNo;
};

enum class Sonuç {
  Yapıldı,
  StokEksiyeDüşer,  // the row's warehouse would go below zero: nothing written
  HareketDeğişmiş,  // deleted or changed since the list was loaded: nothing written
  Reddedildi,       // not for this movement (a transfer half, a return beyond the exit)
  İadeÇıkıştanÖnce,  // a return dated before its exit as stored: nothing written
  TutulamazMiktar,   // the new quantity, the stock it leaves, or a weight, not kept exactly: nothing written
};

// The warehouse that a refused write (StokEksiyeDüşer) would have taken below zero.
struct DepoEksiği {
  qint64 ürünNo = 0;
  qint64 depoNo = 0;
  Miktar mevcut = 0;   // its stock as stored, before the write
  Miktar düşülen = 0;  // what the write would have taken off it
};
// The refusal as the user reads it, naming the warehouse: for a change or for a delete.
QString DepoEksiğiMetni(Veritabanı& vt, const DepoEksiği& e, bool silme);

// Deletes a plain movement, or a transfer with both of its halves. A refusal by a warehouse
// is described in `eksik` when given. The delete `kendi` holds, whose outcome the disk hid, found
// in the file is done: nothing is deleted again.
Sonuç HareketiSil(Veritabanı& vt, const GörülenHareket& h, DepoEksiği* eksik = nullptr,
                  İşlemİzleri::Bekleyenİz* kendi = nullptr);
// Changes date and quantity of an entry; an exit also takes its reason. Values the movement
// already holds are not written again. `kendi` holds the dialog's earlier try whose outcome the
// disk hid, and `deneme` the movement as that try would have left it: found in the file, the
// movement is that and the new values go over it, as a change of it with every check.
Sonuç GirişiDeğiştir(Veritabanı& vt, const GörülenHareket& h, const QDate& tarih, Miktar miktar,
                     DepoEksiği* eksik = nullptr, İşlemİzleri::Bekleyenİz* kendi = nullptr,
                     const GörülenHareket* deneme = nullptr);
Sonuç ÇıkışıDeğiştir(Veritabanı& vt, const GörülenHareket& h, const QDate& tarih, Miktar miktar, qint64 neden,
                     DepoEksiği* eksik = nullptr, İşlemİzleri::Bekleyenİz* kendi = nullptr,
                     const GörülenHareket* deneme = nullptr);
// Takes `iade` of an exit back: the exit is lowered, or deleted when all of it comes back,
// and a return row keeps the exit's number, customer and warehouse. A return is never dated
// before its exit. The try `kendi` holds, whose outcome the disk hid, found in the file is not
// returned twice.
Sonuç StoğaİadeEt(Veritabanı& vt, const GörülenHareket& h, const QDate& iadeTarihi, Miktar iade,
                  İşlemİzleri::Bekleyenİz* kendi = nullptr);

}  // namespace HareketVerileri
