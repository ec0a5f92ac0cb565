#include "app/cli/arguments.h"

#include <charconv>

namespace tavik::cli {

std::optional<Arguments> Arguments::parse(const std::vector<std::string>& args,
                                          const std::set<std::string>& valued,
                                          const std::set<std::string>& flags, std::string& error) {
    Arguments a;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            a.positional_.push_back(arg);
            continue;
        }
        const std::string name = arg.substr(2);
        if (flags.count(name)) {
            a.values_[name] = "1";
        } else if (valued.count(name)) {
            if (i + 1 >= args.size()) {
                error = "option " + arg + " needs a value";
                return std::nullopt;
            }
            a.values_[name] = args[++i];
        } else {
            error = "unknown option " + arg;
            return std::nullopt;
        }
    }
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
