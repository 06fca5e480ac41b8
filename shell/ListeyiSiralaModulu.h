#pragma once
// Sorting a list view by a clicked column, and the direction arrow on its header.
// The sorted column and the direction are shared by every list of the program.

#include <QString>

class ListeGörünümü;

namespace ListeyiSıralaModülü {

enum class SütunTürü { Metin, Tarih, Sayı };

// Orders the rows by column `SıralamaSütunu`, read as dates when `SayısalSırala` is 0 and
// as numbers otherwise, ascending when `SıralamaYönü` is 0. Rows with equal values keep
// their order; a cell that is empty or reads as no date or number counts as 0.
void ListeyiSırala(ListeGörünümü& liste);

// Sort key of one cell under the current `SayısalSırala` (only its first 31 characters count).
double SıralamaDeğeri(const QString& hücre);

// Shows arrow `SıralamaYönü` + 1 on the header and takes it off the others.
void ListeyeSimgeEkle(ListeGörünümü& liste, int başlıkIndex);

// What every list form does on a header click: the same column again reverses the
// direction, another one starts ascending; then sorts by the column's kind and moves the arrow.
void SütunTıklandı(ListeGörünümü& liste, int başlıkIndex, SütunTürü tür);

}  // namespace ListeyiSıralaModülü
