#pragma once
// A thin layer over the system's file layer, under the engine. For each database file it keeps
// the errno of the first failing call of the file or its journal, as the call returns: the engine
// asks the system only after its rollback has run, and retries a failed create read-only, by
// which time the number is gone. It also watches a COMMIT, to tell from inside it, while the
// commit still holds its lock, whether the commit reached the file, did not, or cannot be known.

struct sqlite3;

namespace DiskKatmanı {

// Installs the layer over the engine's default file layer (once for each) and returns its name,
// to open connections with.
const char* Kur();

// The errno of the first call of the connection's database file or journal that failed since it
// was last asked, 0 when none; forgotten once taken.
int İlkHatayıAl(sqlite3* db);

// Why the last call of the connection failed, as errno: the first failing call the layer kept,
// else what the engine kept; for a journal that could not be made, what the folder tells.
int SistemHatası(sqlite3* db, int kod);

// Forgets earlier failures and watches the connection's next COMMIT.
void OnayıİzlemeyeBaşla(sqlite3* db);

enum class Sonuç {
  Ulaşmadı,   // a call failed before the journal's deletion: the engine rolls it back
  Ulaştı,     // the journal is known gone and the header holds this commit's change counter
  Bilinmiyor  // the disk failed the checks too: neither can be told
};
// What became of the COMMIT watched last, judged inside it while it held its lock. A failing call
// counts by its result code, whatever errno says. Ends the watch.
Sonuç OnayınSonucu(sqlite3* db);

}  // namespace DiskKatmanı
