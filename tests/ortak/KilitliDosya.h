#pragma once
// Another workstation holding the database file (BEGIN EXCLUSIVE) while it lives: every read of
// the program waits its time out and fails, as on a busy network share.

#include <QFile>
#include <QString>

#include <sqlite3.h>

class KilitliDosya {
public:
  explicit KilitliDosya(const QString& yol) {
    sqlite3_open_v2(QFile::encodeName(yol).constData(), &db_, SQLITE_OPEN_READWRITE, "unix");
    sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
  }
  ~KilitliDosya() {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(db_);
  }
  KilitliDosya(const KilitliDosya&) = delete;
  KilitliDosya& operator=(const KilitliDosya&) = delete;

private:
  sqlite3* db_ = nullptr;
};
