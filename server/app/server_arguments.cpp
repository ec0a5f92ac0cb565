#include "server/app/server_arguments.h"

#include <charconv>
#include <map>

namespace tavik::server {
namespace {

std::optional<int> number(const std::string& text, int lo, int hi) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n < lo || n > hi) {
        return std::nullopt;
    }
    return n;
}

}  // namespace

std::optional<ServerOptions> ParseServerArguments(const std::vector<std::string>& args,
                                                  std::string& error) {
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (name != "--listen" && name != "--db" && name != "--files" && name != "--threads") {
            error = "unknown argument " + name;
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        values[name] = args[i + 1];
    }
    for (const char* required : {"--listen", "--db", "--files"}) {
        if (!values.count(required) || values[required].empty()) {
            error = std::string(required) + " is required";
            return std::nullopt;
        }
    }
    ServerOptions options;
    const std::string& listen = values["--listen"];
    const std::size_t colon = listen.rfind(':');
    if (colon == std::string::npos || colon == 0) {
        error = "--listen wants HOST:PORT, not " + listen;
        return std::nullopt;
    }
    options.host = listen.substr(0, colon);
    if (options.host.size() > 2 && options.host.front() == '[' && options.host.back() == ']') {
        options.host = options.host.substr(1, options.host.size() - 2);
    }
    const auto port = number(listen.substr(colon + 1), 0, 65535);
    if (!port) {
        error = "--listen: bad port in " + listen;
        return std::nullopt;
    }
    options.port = *port;
    options.database = values["--db"];
    options.files = values["--files"];
    if (values.count("--threads")) {
        const auto threads = number(values["--threads"], 1, 4096);
        if (!threads) {
            error = "--threads wants a number from 1 to 4096";
            return std::nullopt;
        }
        options.threads = *threads;
    }
    return options;
}

}  // namespace tavik::server
