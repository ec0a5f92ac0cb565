#pragma once
// The subcommands of tavik-cli. Each takes the arguments after its name and returns
// the process exit status: 0 success, 1 a failed check, 2 bad input.

#include <string>
#include <vector>

namespace tavik::cli {

int playCommand(const std::vector<std::string>& args);

}  // namespace tavik::cli
