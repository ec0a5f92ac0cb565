#include "server/storage/sqlite_database.h"

#include <sqlite3.h>

#include <mutex>
#include <string>

#include "server/storage/schema.h"
#include "server/storage/storage.h"

namespace tavik::server {
namespace {

const std::string kSchema = SchemaSql("INTEGER PRIMARY KEY");

struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close_v2(db); }
};

[[noreturn]] void fail(sqlite3* db, const std::string& what) {
    throw StorageError("SQLite: " + what + ": " + (db ? sqlite3_errmsg(db) : "out of memory"));
}

// "$1" placeholders become SQLite's numbered "?1".
std::string numberedPlaceholders(std::string sql) {
    for (std::size_t i = 0; i + 1 < sql.size(); ++i) {
        if (sql[i] == '$' && sql[i + 1] >= '0' && sql[i + 1] <= '9') sql[i] = '?';
    }
    return sql;
}

std::unique_ptr<Connection> openConnection(const std::string& path) {
    auto connection = std::make_unique<Connection>();
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &connection->db, flags, nullptr) != SQLITE_OK) {
        fail(connection->db, "cannot open " + path);
    }
    sqlite3_busy_timeout(connection->db, 10000);
    char* error = nullptr;
    const char* setup =
        "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;";
    if (sqlite3_exec(connection->db, setup, nullptr, nullptr, &error) != SQLITE_OK) {
        std::string message = error ? error : "";
        sqlite3_free(error);
        throw StorageError("SQLite: " + message);
    }
    return connection;
}

class SqliteDatabase : public SqlDatabase {
  public:
    explicit SqliteDatabase(std::string path) : pool_([path] { return openConnection(path); }, 16) {
        pool_.with([](Connection& c) {
            char* error = nullptr;
            if (sqlite3_exec(c.db, kSchema.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
                std::string message = error ? error : "";
                sqlite3_free(error);
                throw StorageError("SQLite: schema: " + message);
            }
            return 0;
        });
    }

    SqlResult exec(const std::string& sql, const std::vector<SqlValue>& params) override {
        // Writers of this process take turns here rather than in SQLite's busy handler,
        // which sleeps in steps of up to 100 ms once two writers meet; readers never wait.
        std::unique_lock<std::mutex> writing(writer_, std::defer_lock);
        if (sql.rfind("SELECT", 0) != 0) writing.lock();
        return pool_.with([&](Connection& c) { return run(c, numberedPlaceholders(sql), params); });
    }

  private:
    static SqlResult run(Connection& c, const std::string& sql,
                         const std::vector<SqlValue>& params) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(c.db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
            fail(c.db, "prepare");
        }
        struct Finalize {
            sqlite3_stmt* s;
            ~Finalize() { sqlite3_finalize(s); }
        } finalize{stmt};
        for (std::size_t i = 0; i < params.size(); ++i) {
            const int index = static_cast<int>(i + 1);
            const SqlValue& p = params[i];
            int rc = SQLITE_OK;
            if (std::holds_alternative<long long>(p)) {
                rc = sqlite3_bind_int64(stmt, index, std::get<long long>(p));
            } else if (std::holds_alternative<double>(p)) {
                rc = sqlite3_bind_double(stmt, index, std::get<double>(p));
            } else if (std::holds_alternative<std::string>(p)) {
                const std::string& s = std::get<std::string>(p);
                rc = sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()),
                                       SQLITE_TRANSIENT);
            } else {
                rc = sqlite3_bind_null(stmt, index);
            }
            if (rc != SQLITE_OK) fail(c.db, "bind");
        }
        SqlResult result;
        for (;;) {
            const int rc = sqlite3_step(stmt);
            if (rc == SQLITE_DONE) break;
            if (rc != SQLITE_ROW) fail(c.db, "step");
            std::vector<SqlValue> row;
            for (int col = 0; col < sqlite3_column_count(stmt); ++col) {
                switch (sqlite3_column_type(stmt, col)) {
                    case SQLITE_INTEGER:
                        row.emplace_back(static_cast<long long>(sqlite3_column_int64(stmt, col)));
                        break;
                    case SQLITE_FLOAT:
                        row.emplace_back(sqlite3_column_double(stmt, col));
                        break;
                    case SQLITE_NULL:
                        row.emplace_back(nullptr);
                        break;
                    default: {
                        const auto* text =
                            reinterpret_cast<const char*>(sqlite3_column_text(stmt, col));
                        row.emplace_back(std::string(
                            text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, col))));
                    }
                }
            }
            result.rows.push_back(std::move(row));
        }
        result.affected = sqlite3_changes(c.db);
        return result;
    }

    ConnectionPool<Connection> pool_;
    std::mutex writer_;
};

}  // namespace

std::unique_ptr<SqlDatabase> OpenSqliteDatabase(const std::string& path) {
    return std::make_unique<SqliteDatabase>(path);
}

}  // namespace tavik::server
