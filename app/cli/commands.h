#pragma once
// The subcommands of tavik-cli. Each takes the arguments after its name and returns
// the process exit status: 0 success, 1 a failed check, 2 bad input.

#include <string>
#include <vector>

#include "core/state/game_state.h"

namespace tavik::cli {

int playCommand(const std::vector<std::string>& args);
// LAN matches over TCP: lan host --port P --p SEAT [--kons N] [--seed S] / lan join.
int lanCommand(const std::vector<std::string>& args);
// The rule list of --rules ("redeal,sixes,hints"); false with error on an unknown rule.
bool parseRules(const std::string& list, RuleOptions& rules, std::string& error);
// The persistent files: files check PATH, files show PATH, files history DIR.
int filesCommand(const std::vector<std::string>& args);
// The computer opponent: one decision given as JSON on standard input.
int analyzeCommand(const std::vector<std::string>& args);
// The computer opponent: the fast endgame search against the literal one.
int diffSearchCommand(const std::vector<std::string>& args);
// Benchmarks: bench search.
int benchCommand(const std::vector<std::string>& args);
// The language tables: words --coverage, words KEY.
int wordsCommand(const std::vector<std::string>& args);
// The holiday calendar: calendar --date YYYY-MM-DD [--language N].
int calendarCommand(const std::vector<std::string>& args);
// The web-service client: online OP [--server URL] [--json '{...}'].
int onlineCommand(const std::vector<std::string>& args);

// The table on screen, rendered offscreen into a PNG (built with the GUI only).
int renderCommand(const std::vector<std::string>& args);
// The built-in sounds, the MIDI song and the voice library (built with the GUI only).
int soundsCommand(const std::vector<std::string>& args);
// The figures of one card flight: frames and pauses (built with the GUI only).
int flightCommand(const std::vector<std::string>& args);

}  // namespace tavik::cli
