#pragma once
// Storage on any SqlDatabase: every statement of the services, written once.

#include <memory>

#include "server/storage/sql_database.h"
#include "server/storage/storage.h"

namespace tavik::server {

std::unique_ptr<Storage> MakeSqlStorage(std::unique_ptr<SqlDatabase> database);

}  // namespace tavik::server
