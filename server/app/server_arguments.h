#pragma once
// The command line of tavik-services.

#include <optional>
#include <string>
#include <vector>

#include "server/app/services_server.h"

namespace tavik::server {

inline constexpr const char* kServerUsage =
    "usage: tavik-services --listen HOST:PORT --db URI --files DIR [--threads N]";

// --listen HOST:PORT (an IPv6 host in brackets, port 0 for a free one), --db a SQLite
// file path or a postgresql:// address, --files the folder of photos and downloads, and
// --threads the size of the request thread pool (default 128). All but --threads are
// required. nullopt with `error` set for anything else.
std::optional<ServerOptions> ParseServerArguments(const std::vector<std::string>& args,
                                                  std::string& error);

}  // namespace tavik::server
