#pragma once
// Command-line options of the form "--name value" (or "--flag" for switches), read
// with CLI11. Every other word is positional, "-x" included; an option given twice
// keeps its last value. There is no "--name=value" form, and "--" is an unknown option
// like any other.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tavik::cli {

class Arguments {
  public:
    // Parses args; options must be among valued or flags. On failure error says why.
    static std::optional<Arguments> parse(const std::vector<std::string>& args,
                                          const std::set<std::string>& valued,
                                          const std::set<std::string>& flags, std::string& error);

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    std::string get(const std::string& name, const std::string& fallback = "") const;
    // A whole number within [lo, hi]; error set (and fallback returned) when it is not.
    long long number(const std::string& name, long long fallback, long long lo, long long hi,
                     std::string& error) const;
    const std::vector<std::string>& positional() const { return positional_; }

  private:
    std::map<std::string, std::string> values_;
    std::vector<std::string> positional_;
};

}  // namespace tavik::cli
