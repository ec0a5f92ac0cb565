#pragma once
// The small SQL surface the storage is written against: one parameterised statement
// at a time, each atomic on its own (autocommit). SQLite and PostgreSQL implement it;
// SqlStorage holds every statement once, with $1, $2 ... placeholders.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <variant>
#include <vector>

namespace tavik::server {

using SqlValue = std::variant<std::nullptr_t, long long, double, std::string>;

struct SqlResult {
    std::vector<std::vector<SqlValue>> rows;
    long long affected = 0;  // rows changed by an INSERT, UPDATE or DELETE
};

class SqlDatabase {
  public:
    virtual ~SqlDatabase() = default;
    // Runs one statement with its parameters bound (never spliced into the text).
    // Throws StorageError.
    virtual SqlResult exec(const std::string& sql, const std::vector<SqlValue>& params) = 0;
};

// Reads a column as a number or a text whatever type the backend handed back
// (PostgreSQL gives text, SQLite the stored type). Throws StorageError.
long long SqlInt(const SqlValue& value);
double SqlReal(const SqlValue& value);
std::string SqlText(const SqlValue& value);

// A set of connections shared by the server's threads: a thread takes one for one
// statement and gives it back; new ones are opened on demand up to `limit`, after which
// a thread waits for a free one.
template <class Connection>
class ConnectionPool {
  public:
    using Opener = std::function<std::unique_ptr<Connection>()>;
    using Check = std::function<bool(Connection&)>;
    // `healthy` tells a connection worth keeping after use (a dropped one is reopened).
    ConnectionPool(Opener open, std::size_t limit, Check healthy = {})
        : open_(std::move(open)), healthy_(std::move(healthy)), limit_(limit) {}

    template <class F>
    auto with(F&& work) {
        std::unique_ptr<Connection> connection = take();
        struct GiveBack {
            ConnectionPool* pool;
            std::unique_ptr<Connection>* connection;
            ~GiveBack() {
                if (*connection && pool->healthy_ && !pool->healthy_(**connection)) {
                    connection->reset();
                }
                pool->giveBack(std::move(*connection));
            }
        } giveBack{this, &connection};
        return work(*connection);
    }

  private:
    std::unique_ptr<Connection> take() {
        std::unique_lock lock(mutex_);
        for (;;) {
            if (!free_.empty()) {
                auto connection = std::move(free_.back());
                free_.pop_back();
                return connection;
            }
            if (open_count_ < limit_) {
                ++open_count_;
                lock.unlock();
                try {
                    return open_();
                } catch (...) {
                    std::lock_guard relock(mutex_);
                    --open_count_;
                    throw;
                }
            }
            freed_.wait(lock);
        }
    }
    // A connection that broke (null, or dropped by the caller) is not kept.
    void giveBack(std::unique_ptr<Connection> connection) {
        std::lock_guard lock(mutex_);
        if (connection) {
            free_.push_back(std::move(connection));
        } else {
            --open_count_;
        }
        freed_.notify_one();
    }

    Opener open_;
    Check healthy_;
    std::size_t limit_;
    std::size_t open_count_ = 0;
    std::vector<std::unique_ptr<Connection>> free_;
    std::mutex mutex_;
    std::condition_variable freed_;
};

}  // namespace tavik::server
