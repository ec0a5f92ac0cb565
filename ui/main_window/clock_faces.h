#pragma once
// The two clocks of the main screen in the large window sizes, as 115 x 64 pictures:
// the time clock (blue digits, a blinking colon) and the information clock, which
// shows one of seven figures of the web service in its own colour with a hint.

#include <QImage>
#include <QString>
#include <QTime>
#include <functional>
#include <vector>

namespace tavik::ui {

inline constexpr int kClockWidth = 115;
inline constexpr int kClockHeight = 64;

// DrawClock: the plate, "hh nn" in the blue digits (a leading 0 of the hour left out)
// and the colon while the milliseconds of the second exceed 500.
QImage DrawClock(const QTime& now);

// What the web service answered for an information clock mode.
struct InfoClockReading {
    bool connected = false;
    QString number = QStringLiteral("00");  // digits, and "-" for a minus
    QString letter;                         // mode 2: "K", "M" or "G" after the number
    QString playerName;                     // modes 3..5: the first row's name, "#" for none
};
// Where the figures come from; without the web service every mode reads "not connected".
using InfoClockSource = std::function<InfoClockReading(int mode)>;

struct InfoClock {
    QImage picture;
    QString hint;
};
// DrawInfoClock(mode 1..7) for a reading, hints in the language.
InfoClock DrawInfoClock(int mode, const InfoClockReading& reading, int language);

// The picture prefix of a mode's digits ("GRClock" for mode 1 ... "GNClock" for 7).
QString InfoDigitPrefix(int mode);
// The mode the information clock switches to in a minute: minute mod 7 + 1.
inline int InfoClockMode(int minute) {
    return minute % 7 + 1;
}

// Where the digits of a number of `count` characters stand (x of each) and how wide
// each is drawn; empty for more than six characters.
struct DigitPlaces {
    std::vector<int> x;
    int width = 18;
};
DigitPlaces InfoDigitPlaces(int count);

}  // namespace tavik::ui
