#include "app/cli/arguments.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

namespace tavik::cli {
namespace {

// CLI11 reads "--name=value" as "--name value". While it reads the words, an '=' in a
// word that starts with "--" is held as a NUL, which no command-line word can contain,
// so that such a word stays one unknown option, or one value, and is put back after.
std::string holdEquals(std::string word) {
    if (word.rfind("--", 0) == 0) std::replace(word.begin(), word.end(), '=', '\0');
    return word;
}
std::string restoreEquals(std::string word) {
    std::replace(word.begin(), word.end(), '\0', '=');
    return word;
}

}  // namespace

std::optional<Arguments> Arguments::parse(const std::vector<std::string>& args,
                                          const std::set<std::string>& valued,
                                          const std::set<std::string>& flags, std::string& error) {
    CLI::App app;
    app.set_help_flag();  // "--help" is an unknown option here
    app.allow_extras();   // the words CLI11 leaves are the positional ones and unknown options
    std::map<std::string, std::string> values;
    for (const std::string& name : valued)
        app.add_option("--" + name, values[name])
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    std::map<std::string, bool> switches;
    for (const std::string& name : flags)
        app.add_flag("--" + name, switches[name])
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    std::vector<std::string> words;  // CLI11 takes them last first
    for (auto it = args.rbegin(); it != args.rend(); ++it) words.push_back(holdEquals(*it));
    std::string parseError;
    try {
        app.parse(words);
    } catch (const CLI::ParseError& e) {
        // An option's value is whatever word follows it, so only an option at the very
        // end can lack one.
        parseError =
            !args.empty() && args.back().rfind("--", 0) == 0 && valued.count(args.back().substr(2))
                ? "option " + args.back() + " needs a value"
                : e.what();
    }

    Arguments a;
    for (const std::string& word : app.remaining()) {
        if (word.rfind("--", 0) == 0) {
            error = "unknown option " + restoreEquals(word);
            return std::nullopt;
        }
        a.positional_.push_back(word);
    }
    if (!parseError.empty()) {
        error = parseError;
        return std::nullopt;
    }
    for (const std::string& name : valued)
        if (app.get_option("--" + name)->count() > 0) a.values_[name] = restoreEquals(values[name]);
    for (const std::string& name : flags)
        if (app.get_option("--" + name)->count() > 0) a.values_[name] = "1";
    return a;
}

std::string Arguments::get(const std::string& name, const std::string& fallback) const {
    auto it = values_.find(name);
    return it == values_.end() ? fallback : it->second;
}

long long Arguments::number(const std::string& name, long long fallback, long long lo, long long hi,
                            std::string& error) const {
    auto it = values_.find(name);
    if (it == values_.end()) return fallback;
    long long v = 0;
    const std::string& s = it->second;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size() || v < lo || v > hi) {
        error = "--" + name + " takes a whole number from " + std::to_string(lo) + " to " +
                std::to_string(hi);
        return fallback;
    }
    return v;
}

}  // namespace tavik::cli
