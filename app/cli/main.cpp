// tavik-cli: the headless front end of Tavik-Vel.
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli/commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>&);
    const char* usage;
};

const Command kCommands[] = {
    {"play", tavik::cli::playCommand,
     "play [--seed N] [--kons N] [--p1 random|lowest|ai] [--p2 random|lowest|ai]\n"
     "            [--rules redeal,sixes,hints] [--log FILE]\n"
     "            [--data-dir DIR --player 1..6 [--name NAME] [--password PW]]"},
    {"lan", tavik::cli::lanCommand,
     "lan host [--port P] [--bind ADDR] --p ai|lowest|random [--kons N] [--seed S]\n"
     "            [--rules redeal,sixes,hints] [--name NAME] [--timeout SEC] [--log FILE]\n"
     "        lan join --host H --port P --p ai|lowest|random [--kons N] [--name NAME]\n"
     "            [--timeout SEC] [--log FILE]"},
    {"files", tavik::cli::filesCommand, "files check PATH | files show PATH | files history DIR"},
    {"analyze", tavik::cli::analyzeCommand, "analyze < decision.json"},
    {"diff-search", tavik::cli::diffSearchCommand,
     "diff-search [--seed N] [--count N] [--min-cards N] [--max-cards N] [--budget NODES]"},
    {"bench", tavik::cli::benchCommand,
     "bench search [--seed N] [--count N] [--pool N] [--hard N] [--literal-budget NODES]"},
    {"words", tavik::cli::wordsCommand, "words --coverage | words KEY"},
    {"calendar", tavik::cli::calendarCommand, "calendar --date YYYY-MM-DD [--language 0..9]"},
    {"online", tavik::cli::onlineCommand, "online OP [--server URL] [--json '{...}']"},
#ifdef TAVIK_RENDER_COMMAND
    {"render", tavik::cli::renderCommand,
     "render --window-size 1..5 [--face-style S] [--seed N] --out FILE.png\n"
     "            [--data-dir DIR] [--plugins DIR]"},
    {"sounds", tavik::cli::soundsCommand, "sounds [--plugins DIR] [--data-dir DIR]"},
    {"flight", tavik::cli::flightCommand, "flight --from X,Y --to X,Y --speed 1..6"},
#endif
};

void usage() {
    std::fprintf(stderr, "usage: tavik-cli COMMAND [OPTIONS]\n");
    for (const Command& c : kCommands) std::fprintf(stderr, "  %s\n", c.usage);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        usage();
        return 2;
    }
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& c : kCommands)
        if (name == c.name) return c.run(args);
    usage();
    return 2;
}
