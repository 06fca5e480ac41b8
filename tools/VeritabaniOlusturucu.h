#pragma once
// Creates a new, empty database file with its schema, saved queries and password,
// and on request fills it with a sample data set.

#include <QString>

class Veritabanı;

namespace VeritabanıOluşturucu {

// Creates `klasör`/Vlm.vtb, with the sample data when asked; refuses an existing file and
// never removes or replaces one. Throws VeritabanıHatası.
QString Oluştur(const QString& klasör);
QString Oluştur(const QString& klasör, bool örnekVerilerle);
void ÖrnekVerileriEkle(Veritabanı& vt);

// Ways of moving the finished file to its name, tried in this order; none replaces a file.
enum class Yerleştirme { AdDeğiştir, BağlaSil, YerTut };
enum class Yerleşim { Tamam, Var, Desteklenmiyor };
// Moves `geçici` to `hedef` when no `hedef` exists; throws on any other failure.
Yerleşim DosyayıYerleştir(const QString& geçici, const QString& hedef, Yerleştirme yöntem);

// The text of a saved query, as the file carries it.
QString SorguMetni(const QString& ad);

}  // namespace VeritabanıOluşturucu
