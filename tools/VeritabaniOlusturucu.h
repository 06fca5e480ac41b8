#pragma once
// Creates a new, empty database file with its schema, saved queries and password,
// and on request fills it with a sample data set.

#include <QString>

class Veritabanı;

namespace VeritabanıOluşturucu {

// Creates `klasör`/Vlm.vtb; refuses an existing file. Throws VeritabanıHatası.
QString Oluştur(const QString& klasör);
void ÖrnekVerileriEkle(Veritabanı& vt);

// The text of a saved query, as the file carries it.
QString SorguMetni(const QString& ad);

}  // namespace VeritabanıOluşturucu
