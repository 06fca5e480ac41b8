#pragma once
// Sorting a list view by a clicked column, and the direction arrow on its header.
// The sorted column and the direction are shared by every list of the program.

#include <QString>

class ListeGörünümü;
class SıkıListeGörünümü;
class SütunluListe;

namespace ListeyiSıralaModülü {

enum class SütunTürü { Metin, Tarih, Sayı };

// Orders the rows by column `SıralamaSütunu`, read as dates when `SayısalSırala` is 0 and
// as numbers otherwise, ascending when `SıralamaYönü` is 0. Rows with equal values keep
// their order; a cell that is empty or reads as no date or number counts as 0.
void ListeyiSırala(ListeGörünümü& liste);

// Sort key of one cell under the current `SayısalSırala` (only its first 31 characters count).
double SıralamaDeğeri(const QString& hücre);

// Shows arrow `SıralamaYönü` + 1 on the header and takes it off the others.
void ListeyeSimgeEkle(SütunluListe& liste, int başlıkIndex);

// What every list form does on a header click: the same column again reverses the
// direction, another one starts ascending; then sorts by the column's kind and moves the arrow.
// A text column turns the list's own sort on: the list comes back sorted by it when rebuilt.
void SütunTıklandı(ListeGörünümü& liste, int başlıkIndex, SütunTürü tür);
// The same on a list of compact rows: its rows are ordered on their typed values, not their texts.
void SütunTıklandı(SıkıListeGörünümü& liste, int başlıkIndex, SütunTürü tür);

}  // namespace ListeyiSıralaModülü
