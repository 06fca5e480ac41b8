#pragma once
// The SQL and the data rules of the product and warehouse forms. The checks that
// guard a write run in the same transaction as the write.

#include "Veritabani.h"

#include <QString>

#include <functional>
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
  const char* ne = "kayıt";  // what one record is, as the user is told: "ürün"
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
enum class Sonuç { Kaydedildi, KodBoş, KodVar, AdBoş, AdVar, KayıtYok, AğırlıkTutulamaz };
struct KayıtSonucu {
  Sonuç sonuç;
  qint64 no = 0;  // the saved record
};

// What a form keeps of its save whose outcome the disk hid: that commit's token and, for a new
// record, the number its try was given, read back before the commit. Saved again with it, a try
// found in the file makes the save a change of the record it added; when another workstation
// has deleted that record since, the save adds the input anew and `silinmiş` says so.
struct Deneme {
  İşlemİzleri::Bekleyenİz bekleyen;
  qint64 no = 0;
  bool silinmiş = false;
};

// `no` 0 adds a record, any other changes that one. Product checks: code given,
// code not another product's (any letter case), name given; at its unit weight, every movement
// and critical level of it and every warehouse's stock of it still weighed exactly. A missing
// number counts as 0; the weight is kept to two decimals.
KayıtSonucu ÜrünKaydet(Veritabanı& vt, const ÜrünBilgisi& b, qint64 no, Deneme* deneme = nullptr);
// Warehouse checks: code given, name given, name not another warehouse's (any letter case).
KayıtSonucu DepoKaydet(Veritabanı& vt, const DepoBilgisi& b, qint64 no, Deneme* deneme = nullptr);

// The pieces the saves of every definition table are built from.
// An empty field is stored as the empty text, never as NULL.
QVariant Metin(const QString& metin);
// Another record holds the value in the column, in any letter case.
bool BaşkasındaVar(Veritabanı& vt, const Tanım& t, const char* sütun, const QString& değer, qint64 no);
// The record's row; a number without a row throws 3021.
KayıtKümesi KaydıOku(Veritabanı& vt, const Tanım& t, qint64 no);
// The save's transaction, named for the record (`kayıt`: its code and name) and holding `deneme`.
// Its record: `no`, or the one the held try added when that try is found in the file.
struct Kayıtİşlemi {
  Kayıtİşlemi(Veritabanı& vt, const Tanım& t, qint64 no, const QString& kayıt, Deneme* deneme);
  Deneme* const deneme;
  Veritabanı::İşlem işlem;
  const qint64 no;
};
// INSERT for a new record, UPDATE of the record otherwise; `denetle`, run after the write, may
// refuse it. Committed only when a row was written and not refused.
KayıtSonucu Yaz(Veritabanı& vt, Kayıtİşlemi& k, const Tanım& t, const QStringList& sütunlar,
                const QVariantList& değerler, const std::function<Sonuç(qint64 no)>& denetle = {});
// The save of a record as its transaction names it to the user: "Yeni ürün: VD-1 VİDA".
QString KayıtİşiAdı(const Tanım& t, qint64 no, const QString& kayıt);

}  // namespace TanımVerileri
