#pragma once
// PostgreSQL through libpqxx, for several tavik-services processes sharing one
// database behind a load balancer.

#include <memory>
#include <string>

#include "server/storage/sql_database.h"

namespace tavik::server {

// Connects to the "postgresql://" address and creates the schema when missing.
// Throws StorageError.
std::unique_ptr<SqlDatabase> OpenPostgresDatabase(const std::string& uri);

}  // namespace tavik::server
