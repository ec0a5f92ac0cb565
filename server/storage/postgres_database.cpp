#include "server/storage/postgres_database.h"

#include <cstdio>
#include <pqxx/pqxx>
#include <string>

#include "server/storage/schema.h"
#include "server/storage/storage.h"

namespace tavik::server {
namespace {

const std::string kSchema = SchemaSql("BIGSERIAL PRIMARY KEY");

// Several processes may start at once against a new database: the schema is made
// under an advisory lock so their CREATE statements never race.
constexpr long long kSchemaLock = 0x54617669'6b566531LL;

std::string asParameter(const SqlValue& value) {
    if (const auto* n = std::get_if<long long>(&value)) return std::to_string(*n);
    if (const auto* r = std::get_if<double>(&value)) {
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", *r);
        return text;
    }
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    return {};
}

class PostgresDatabase : public SqlDatabase {
  public:
    explicit PostgresDatabase(const std::string& uri)
        : pool_([uri] { return std::make_unique<pqxx::connection>(uri); }, 32,
                [](pqxx::connection& c) { return c.is_open(); }) {
        guard([&] {
            pool_.with([](pqxx::connection& c) {
                pqxx::work work(c);
                work.exec_params("SELECT pg_advisory_xact_lock($1)", kSchemaLock);
                work.exec(kSchema);
                work.commit();
                return 0;
            });
        });
    }

    SqlResult exec(const std::string& sql, const std::vector<SqlValue>& params) override {
        std::vector<std::string> texts;
        for (const SqlValue& p : params) texts.push_back(asParameter(p));
        SqlResult result;
        guard([&] {
            pool_.with([&](pqxx::connection& c) {
                // One statement is atomic on its own: no BEGIN and COMMIT around it.
                pqxx::nontransaction work(c);
                const pqxx::result rows =
                    work.exec_params(sql, pqxx::prepare::make_dynamic_params(texts));
                result.affected = static_cast<long long>(rows.affected_rows());
                for (const auto& row : rows) {
                    std::vector<SqlValue> values;
                    for (const auto& field : row) {
                        if (field.is_null()) {
                            values.emplace_back(nullptr);
                        } else {
                            values.emplace_back(std::string(field.c_str(), field.size()));
                        }
                    }
                    result.rows.push_back(std::move(values));
                }
                return 0;
            });
        });
        return result;
    }

  private:
    template <class F>
    static void guard(F&& work) {
        try {
            work();
        } catch (const StorageError&) {
            throw;
        } catch (const std::exception& e) {
            throw StorageError(std::string("PostgreSQL: ") + e.what());
        }
    }

    ConnectionPool<pqxx::connection> pool_;
};

}  // namespace

std::unique_ptr<SqlDatabase> OpenPostgresDatabase(const std::string& uri) {
    try {
        return std::make_unique<PostgresDatabase>(uri);
    } catch (const StorageError&) {
        throw;
    } catch (const std::exception& e) {
        throw StorageError(std::string("PostgreSQL: ") + e.what());
    }
}

}  // namespace tavik::server
