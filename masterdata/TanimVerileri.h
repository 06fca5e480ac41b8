#pragma once
// The SQL and the data rules of the product and warehouse forms. The checks that
// guard a write run in the same transaction as the write.

#include "Veritabani.h"

#include <QString>

#include <optional>
#include <vector>

namespace TanımVerileri {

// What a definition table is searched and guarded by.
struct Tanım {
  const char* tablo;
  const char* anahtar;  // the record number
  const char* kod;
  const char* ad;
  // The query that finds a movement naming the record (its number bound to ?); none:
  // an entry row by the record number.
  const char* kullanım = nullptr;
};
extern const Tanım Ürünler;
extern const Tanım Depolar;

struct Bulunan {
  qint64 no;
  QString metin;  // the searched column
};
// Records whose name (or code) begins with `aranan`: Turkish letters folded, and
// % _ [ taken as typed. In name order.
std::vector<Bulunan> Ara(Veritabanı& vt, const Tanım& t, bool adaGöre, const QString& aranan);

// Whether a movement names the record.
bool GirişVar(Veritabanı& vt, const Tanım& t, qint64 no);
// Deletes the record unless a movement names it; false when one does.
bool Sil(Veritabanı& vt, const Tanım& t, qint64 no);

struct ÜrünBilgisi {
  QString UrunKodu, UreticiKodu, UrunAdi, BirimTuru;
  std::optional<double> BirimAgirligi;  // empty: the row holds none
  std::optional<qint64> PaketlemeAdedi, AskilamaSayisi;
  QString Aciklama;
};

struct DepoBilgisi {
  QString DepoKodu, DepoAdi, DepoYeri, Aciklama;
};

// A number without a row throws 3021, as any read of a record does.
ÜrünBilgisi ÜrünOku(Veritabanı& vt, qint64 no);
DepoBilgisi DepoOku(Veritabanı& vt, qint64 no);

// The first check that refused the save, or the save done.
enum class Sonuç { Kaydedildi, KodBoş, KodVar, AdBoş, AdVar, KayıtYok };
struct KayıtSonucu {
  Sonuç sonuç;
  qint64 no = 0;  // the saved record
};

// `no` 0 adds a record, any other changes that one. Product checks: code given,
// code not another product's (any letter case), name given. A missing number counts
// as 0; the weight is kept to two decimals.
KayıtSonucu ÜrünKaydet(Veritabanı& vt, const ÜrünBilgisi& b, qint64 no);
// Warehouse checks: code given, name given, name not another warehouse's (any letter case).
KayıtSonucu DepoKaydet(Veritabanı& vt, const DepoBilgisi& b, qint64 no);

// The pieces the saves of every definition table are built from.
// An empty field is stored as the empty text, never as NULL.
QVariant Metin(const QString& metin);
// Another record holds the value in the column, in any letter case.
bool BaşkasındaVar(Veritabanı& vt, const Tanım& t, const char* sütun, const QString& değer, qint64 no);
// The record's row; a number without a row throws 3021.
KayıtKümesi KaydıOku(Veritabanı& vt, const Tanım& t, qint64 no);
// INSERT for a new record (`no` 0), UPDATE of `no` otherwise; committed only when a row was written.
KayıtSonucu Yaz(Veritabanı& vt, Veritabanı::İşlem& işlem, const Tanım& t, qint64 no, const QStringList& sütunlar,
                const QVariantList& değerler);
// The save of a record as its transaction names it to the user.
QString KayıtİşiAdı(qint64 no);

}  // namespace TanımVerileri
