#pragma once
// A thin layer over the system's file layer, under the engine. For each database file it keeps
// the errno of the first failing call of the file or its journal, as the call returns: the engine
// asks the system only after its rollback has run, and retries a failed create read-only, by
// which time the number is gone. It also watches a COMMIT, to tell from inside it, while the
// commit still holds its lock, whether the commit reached the file.

struct sqlite3;

namespace DiskKatmanı {

// Installs the layer over the engine's default file layer (once for each) and returns its name,
// to open connections with.
const char* Kur();

// The errno of the first call of the connection's database file or journal that failed since it
// was last asked, 0 when none; forgotten once taken.
int İlkHatayıAl(sqlite3* db);

// Forgets earlier failures and watches the connection's next COMMIT.
void OnayıİzlemeyeBaşla(sqlite3* db);

// Whether the COMMIT watched last reached the file: its journal's deletion went through (the
// folder's sync after a done unlink may have failed, or the unlink answered "no such file")
// while nothing had failed before it, and the file's header then held the change counter this
// commit wrote. Ends the watch.
bool OnayDosyayaUlaştı(sqlite3* db);

}  // namespace DiskKatmanı
