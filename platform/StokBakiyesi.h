#pragma once
// The stock balance kept in the file: one row per product and warehouse, written by
// triggers of both movement tables in the same transaction as every movement, so that
// stock on hand is read without summing the movement rows. The creation tool builds it
// with the schema; a file made before it gets it when the program connects.
//
// StokBakiyeleriTablosu, quantities in whole hundredths:
//   MevcutYuzde                 every entry less every exit, whatever the reason (stock on hand)
//   TumGirisSayisi              entry rows of any reason (the products of a warehouse)
//   GirisSayisi, GirisYuzde     entries with a reason below 99
//   TransferGirisSayisi, ...    entry halves of transfers (reason 99)
//   CikisSayisi, CikisYuzde, TransferCikisSayisi, TransferCikisYuzde: the same for exits
//   IlkTarih, SonTarih          first and last date of the pair's movements ('' for a row
//                               without a date); NULL once the pair has none

#include <QtGlobal>

#include <string>

class Veritabanı;
struct sqlite3;

namespace StokBakiyesi {

// Table, index and triggers; run inside the transaction that creates the schema.
const char* Şema();
// Fills the table from the movement rows already in the file.
const char* Doldurma();
// The readers the file carries that read the balance.
const char* KritikStokGörünümü();  // CREATE VIEW KritikStokSorgusu
struct KayıtlıSorgu {
  const char* ad;
  const char* metin;
};
// The saved queries the file carries with it (the balance's readers and the exit reason list),
// in the engine's own arithmetic, which every program that shares the file can run.
const KayıtlıSorgu* Sorgular();  // ends with {nullptr, nullptr}
// The same queries as this program runs them: the same figures, each row's weight from AGIRLIK.
const KayıtlıSorgu* ProgramınSorguları();  // ends with {nullptr, nullptr}
// SQL for the weight of `yüzde` hundredths of the product aliased u: quantity times unit
// weight, rounded once to hundredths, half away from zero; through AGIRLIK.
std::string Ağırlık(const std::string& yüzde);
// SQL for the sum of `yüzde` hundredths over the rows, in 128 bits: never stopped by a sum past
// 64 bits (an integer where it fits, else a REAL).
std::string Toplam(const std::string& yüzde);
// Registers on a connection AGIRLIK(yüzde, birimAğırlığı), the weight the texts of Sorgular()
// give, figure for figure, reckoned in 128 bits instead of in parts, and the sums the program's
// own texts take: TAMTOPLAM(yüzde) and AGIRLIKTOPLAMI(yüzde, birimAğırlığı).
void AğırlıkİşleviniKaydet(sqlite3* db);
// The same rule in the program: the weight of `yüzde` hundredths at `birimAğırlığı`, in hundredths,
// held within ±TürkçeMetin::EnUçMiktar.
qint64 Ağırlık(qint64 yüzde, double birimAğırlığı);
// Whether the quantity and its weight are both kept exactly (within TürkçeMetin::EnBüyükMiktar).
bool AğırlıkTamTutulur(qint64 yüzde, double birimAğırlığı);
// Indexes of the movement tables that the person review reads (covering its list and totals).
const char* KişiDizinleri();
// The triggers' names, for a file that must be rebuilt.
const char* const* Tetikleyiciler();  // ends with nullptr

// Adds the balance, filled, to a file that lacks it (with its readers), in one BEGIN IMMEDIATE
// transaction; a file that has it, also one another workstation completed meanwhile, is left
// as it is, but for saved queries whose text differs from Sorgular(), which are rewritten where
// the file can be written. Returns whether this call built the balance. Throws VeritabanıHatası.
bool Ekle(Veritabanı& vt);

}  // namespace StokBakiyesi
