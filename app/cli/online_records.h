#pragma once
// The online records as JSON for tavik-cli online, under their declared field names,
// and the reading of an operation's inputs from one JSON object.

#include <optional>
#include <set>
#include <stdexcept>
#include <string>

#include "app/cli/json.h"
#include "online/protocol/records.h"

namespace tavik::cli {

// Bad input of an operation: a missing or unknown key, a value of the wrong type.
class BadInput : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The inputs of one operation. Every key must be read (done() refuses the rest);
// plain arguments are required, record fields are optional and keep the record's
// defaults.
class Inputs {
  public:
    explicit Inputs(const Json& object);

    std::string text(const std::string& key);
    int whole(const std::string& key);
    std::optional<std::string> optionalText(const std::string& key);
    std::optional<int> optionalWhole(const std::string& key);
    std::optional<double> optionalReal(const std::string& key);
    char character(const std::string& key);  // a one-character text

    // Fills the record's fields that the inputs name.
    void read(online::TQorUser& r);  // without Info and PwC
    void read(online::TInfo14& r);
    void read(online::TQorGame& r);
    void read(online::TQorClient& r);

    // Refuses any key that was not read.
    void done() const;

  private:
    const Json* find(const std::string& key);
    const Json& object_;
    std::set<std::string> used_;
};

// A real as the shortest text that reads back to the same value.
Json realJson(double value);

Json toJson(const online::TQorUser& r);
Json toJson(const online::TInfo14& r);
Json toJson(const online::TQorGame& r);
Json toJson(const online::TQorTop10& r);
Json toJson(const online::TQorRecord& r);
Json toJson(const online::TQorTable& r);
Json toJson(const online::TQorClient& r);
Json toJson(const online::TQorStat& r);

// Ten rows as an array, row 1 first.
template <typename Rows>
Json rowsJson(const Rows& rows) {
    Json out = Json::array();
    for (const auto& row : rows) out.push_back(toJson(row));
    return out;
}

}  // namespace tavik::cli
