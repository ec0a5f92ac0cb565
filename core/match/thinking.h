#pragma once
// What a seat that thinks reports while it thinks, and the texts the front ends make
// of it: the progress caption of a long search and the forecast in the window title.

#include <string>
#include <string_view>

namespace tavik {

// A search's progress: it is at move `move` of the `moves` it examines at the root,
// `seconds` whole seconds after it began.
struct ThinkingProgress {
    int move = 0;
    int moves = 0;
    int seconds = 0;
    bool operator==(const ThinkingProgress&) const = default;
};

// Where a seat reports its progress while it thinks.
class ThinkingPort {
  public:
    virtual ~ThinkingPort() = default;
    virtual void thinking(const ThinkingProgress& progress) = 0;
};

// A thinking port that shows nothing.
class NoThinking : public ThinkingPort {
  public:
    void thinking(const ThinkingProgress&) override {}
};

// Forecast codes of the computer opponent: 2 it loses, 4 draw, 6 it wins, 10 pending
// (the heuristic rules decided, or a search found no move at all). 0 means no
// forecast: the plain window title.
inline constexpr int kForecastNone = 0;
inline constexpr int kForecastLoses = 2;
inline constexpr int kForecastDraw = 4;
inline constexpr int kForecastWins = 6;
inline constexpr int kForecastPending = 10;

// The text shown after the window title (with its leading space); empty for the plain
// title and for unknown codes.
std::string_view ForecastText(int code);
// The progress caption: the thinking word as given ("I think... ") then
// "3/7 (0 sec.)".
std::string ProgressText(std::string_view think, const ThinkingProgress& p);

}  // namespace tavik
