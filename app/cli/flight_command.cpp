// tavik-cli flight: the figures of one card flight, without drawing it.
//
//   tavik-cli flight --from X,Y --to X,Y --speed 1..6
//
// {"frames","pauseMs"}: the frames a single flying card draws from one top-left corner
// to the other, and the sum of the pauses the speed table makes after them, with the
// program's frame counter starting at 0.
#include <cstdio>
#include <optional>
#include <string>

#include "app/cli/arguments.h"
#include "app/cli/commands.h"
#include "app/cli/json.h"
#include "ui/flight/flight_steps.h"

namespace tavik::cli {
namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "tavik-cli flight: %s\n", message.c_str());
    return 2;
}

// A whole number of at most six digits with an optional minus sign.
std::optional<int> coordinate(const std::string& text) {
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    if (text.size() == i || text.size() - i > 6) return std::nullopt;
    int value = 0;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] < '0' || text[k] > '9') return std::nullopt;
        value = value * 10 + (text[k] - '0');
    }
    return i == 1 ? -value : value;
}

// "X,Y", two whole numbers.
std::optional<ui::flight::Point> point(const std::string& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto x = coordinate(text.substr(0, comma));
    const auto y = coordinate(text.substr(comma + 1));
    if (!x || !y) return std::nullopt;
    return ui::flight::Point{*x, *y};
}

}  // namespace

int flightCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto parsed = Arguments::parse(args, {"from", "to", "speed"}, {}, error);
    if (!parsed) return fail(error);
    if (!parsed->positional().empty()) return fail("unexpected '" + parsed->positional()[0] + "'");
    for (const char* option : {"from", "to", "speed"})
        if (!parsed->has(option)) return fail(std::string("--") + option + " is required");
    std::optional<ui::flight::Point> ends[2];
    const char* names[2] = {"from", "to"};
    for (int i = 0; i < 2; ++i) {
        ends[i] = point(parsed->get(names[i]));
        if (!ends[i])
            return fail(std::string("--") + names[i] + " '" + parsed->get(names[i]) +
                        "' is not a point written X,Y (whole numbers)");
    }
    const int speed = static_cast<int>(
        parsed->number("speed", 0, ui::flight::kSlowest, ui::flight::kFastest, error));
    if (!error.empty()) return fail(error);

    ui::flight::PauseTable pauses;  // a fresh program: the frame counter starts at 0
    const ui::flight::FlightFigures f =
        ui::flight::MeasureCardFlight(*ends[0], *ends[1], speed, pauses);
    std::printf("%s\n", jsonLine(Json{{"frames", f.frames}, {"pauseMs", f.pauseMs}}).c_str());
    return 0;
}

}  // namespace tavik::cli
