#pragma once
// The embedded default: one SQLite file in WAL mode, so readers never wait for the
// writer; writers wait for each other up to a busy time-out.

#include <memory>
#include <string>

#include "server/storage/sql_database.h"

namespace tavik::server {

// Opens (creating when missing) the database file and its schema. Throws StorageError.
std::unique_ptr<SqlDatabase> OpenSqliteDatabase(const std::string& path);

}  // namespace tavik::server
