#include "core/files/player_list.h"

#include "core/files/codec.h"
#include "core/files/columns.h"
#include "core/files/password.h"

namespace tavik::files {
namespace {

constexpr std::size_t kNameWidth = 20;
constexpr std::size_t kSumsEnd = 28;  // line 17 holds its three sums in columns 11-28

std::size_t widthOfLine(int n) {
    if (n <= 5) return kSlotWidth;
    if (n <= 15) return kTopTenWidth;
    return kGameLineWidth;
}

// Columns first..last (1-based, inclusive) of a line; blanks where the line is shorter.
std::string columns(std::string_view line, std::size_t first, std::size_t last) {
    std::string out(last - first + 1, ' ');
    for (std::size_t c = first; c <= last && c <= line.size(); ++c) out[c - first] = line[c - 1];
    return out;
}

// What is wrong with an occupied slot line, or an empty text.
std::string slotProblem(std::string_view line) {
    if (line.size() < kSlotWidth) return "the line is too short for its columns";
    const SlotFields f = DecodeSlot(line);
    if (!f.rating) return "the rating is not a number";
    if (!f.kons || *f.kons < 0) return "the kon count is not a number";
    if (!f.score) return "the score is not a number";
    if (!UnscramblePassword(f.passwordField)) return "the password field is not 15 digits";
    return {};
}

}  // namespace

SlotFields DecodeSlot(std::string_view line) {
    SlotFields f;
    f.name = columns(line, 1, 20);
    f.ratingText = columns(line, 21, 30);
    f.konsText = columns(line, 31, 37);
    f.scoreText = columns(line, 39, 44);
    f.passwordField = columns(line, 45, 59);
    f.empty = line.size() >= 37 && line[36] == '#';
    f.rating = parseReal(f.ratingText);
    f.kons = parseNumber(f.konsText);
    f.score = parseNumber(f.scoreText);
    return f;
}

TopTenFields DecodeTopTen(std::string_view line) {
    TopTenFields f;
    f.name = columns(line, 1, 20);
    f.scoreText = columns(line, 21, 26);
    f.score = parseNumber(f.scoreText);
    return f;
}

std::string PlayerRecordLine(const PlayerRecord& r) {
    // A rating stays within -99.99 .. 99.99, which also keeps it inside its column.
    double rating = r.rating;
    if (!(rating >= -99.99)) rating = -99.99;
    if (!(rating <= 99.99)) rating = 99.99;
    return padRight(r.name, kNameWidth) + alignRight(sixDecimals(rating), 10) +
           numberField(r.KonCount, 7) + " " + numberField(r.score, 6) +
           padRight(r.passwordField, kPasswordFieldWidth);
}

std::string ListChecksum(const std::array<std::string, kListLines>& lines) {
    std::string joined;
    for (int i = 0; i < kListLines - 1; ++i) joined += lines[static_cast<std::size_t>(i)];
    const ByteSums s = byteSums(std::string_view(joined).substr(0, kListChecksumSpan));
    return zeroPadded(s.all, 6) + zeroPadded(s.even, 6) + zeroPadded(s.third, 6);
}

PlayerList PlayerList::empty() {
    PlayerList list;
    for (int n = 1; n <= 5; ++n)
        list.lines_[static_cast<std::size_t>(n - 1)] = std::string(kEmptySlot);
    for (int n = 6; n <= 15; ++n)
        list.lines_[static_cast<std::size_t>(n - 1)] =
            std::string(kNameWidth, ' ') + numberField(0, 6);
    list.lines_[15] = std::string(1, kGameChar) + "}" + std::string(kGameLineWidth - 2, '#');
    list.lines_[16] = std::string(10, '#') + std::string(18, '0');
    list.updateChecksum();
    return list;
}

Result<PlayerList> PlayerList::parse(std::string_view bytes) {
    const std::vector<std::string> all = splitLines(bytes);
    if (all.size() < kListLines)
        return FileError{"the file has " + std::to_string(all.size()) + " lines, 17 expected"};
    PlayerList list;
    std::string oddWidth;  // the first line whose width differs from the written one
    for (int n = 1; n <= kListLines; ++n) {
        const std::string& line = all[static_cast<std::size_t>(n - 1)];
        list.lines_[static_cast<std::size_t>(n - 1)] = line;
        if (oddWidth.empty() && line.size() != widthOfLine(n))
            oddWidth = "line " + std::to_string(n) + " has " + std::to_string(line.size()) +
                       " characters, " + std::to_string(widthOfLine(n)) + " expected";
    }
    // A list that is refused and has a line of unusual width was most likely damaged
    // there, so that line is named as the reason.
    auto refuse = [&](const std::string& why) {
        return FileError{oddWidth.empty() ? why : oddWidth};
    };
    const std::string& sums = list.lines_[16];
    if (sums.size() < kSumsEnd) return refuse("line 17 is too short for its checksum");
    for (std::size_t first : {11u, 17u, 23u}) {
        if (!parseNumber(columns(sums, first, first + 5)))
            return refuse("line 17: characters " + std::to_string(first) + "-" +
                          std::to_string(first + 5) + " are not a number");
    }
    if (list.lines_[15].compare(0, 2, std::string(1, kGameChar) + "}") != 0)
        return refuse("line 16 is not the game line of Tavik-Vel (\"n}\")");
    const std::string expected = ListChecksum(list.lines_);
    for (std::size_t k = 0; k < 3; ++k) {
        if (*parseNumber(columns(sums, 11 + 6 * k, 16 + 6 * k)) !=
            *parseNumber(std::string_view(expected).substr(6 * k, 6)))
            return refuse("the checksum of lines 1-16 is " + expected + ", line 17 says " +
                          sums.substr(10));
    }
    for (int n = 1; n <= 5; ++n) {
        if (list.slotEmpty(n)) continue;
        if (std::string why = slotProblem(list.line(n)); !why.empty())
            return refuse("slot " + std::to_string(n) + ": " + why);
    }
    // A top-ten score that is no number reads as 0, which every new score equals or beats.
    return list;
}

std::string PlayerList::bytes() const {
    return joinCrLf(std::vector<std::string>(lines_.begin(), lines_.end()));
}

bool PlayerList::slotEmpty(int slot) const {
    return DecodeSlot(line(slot)).empty;
}

std::optional<PlayerRecord> PlayerList::slot(int slot) const {
    if (slot < 1 || slot > 5) return std::nullopt;
    const SlotFields f = DecodeSlot(line(slot));
    if (f.empty) return std::nullopt;
    return PlayerRecord{f.name, f.rating.value_or(0), f.kons.value_or(0), f.score.value_or(0),
                        f.passwordField};
}

std::pair<std::string, long long> PlayerList::topTen(int place) const {
    const TopTenFields f = DecodeTopTen(line(place + 5));
    return {f.name, f.score.value_or(0)};
}

void PlayerList::removePlayer(int slot) {
    if (slot < 1 || slot > 5) return;
    for (int n = slot; n < 5; ++n)
        lines_[static_cast<std::size_t>(n - 1)] = lines_[static_cast<std::size_t>(n)];
    lines_[4] = std::string(kEmptySlot);
    updateChecksum();
}

PlayerList::Inserted PlayerList::insertPlayer(std::string_view recordLine, bool cycleComplete) {
    Inserted result;
    std::string record = padRight(recordLine, kSlotWidth);
    if (cycleComplete) {
        const long long score = DecodeSlot(record).score.value_or(0);
        for (int n = 6; n <= 15; ++n) {
            if (DecodeTopTen(line(n)).score.value_or(0) > score) continue;
            for (int m = 15; m > n; --m)
                lines_[static_cast<std::size_t>(m - 1)] = lines_[static_cast<std::size_t>(m - 2)];
            lines_[static_cast<std::size_t>(n - 1)] =
                record.substr(0, kNameWidth) + numberField(score, 6);
            result.place = n - 5;
            break;
        }
        record.replace(38, 6, numberField(0, 6));
    }
    const double rating = DecodeSlot(record).rating.value_or(0);
    for (int n = 1; n <= 5; ++n) {
        const SlotFields stored = DecodeSlot(line(n));
        if (!stored.empty && stored.rating && *stored.rating > rating) continue;
        for (int m = 5; m > n; --m)
            lines_[static_cast<std::size_t>(m - 1)] = lines_[static_cast<std::size_t>(m - 2)];
        lines_[static_cast<std::size_t>(n - 1)] = record;
        result.slot = n;
        break;
    }
    updateChecksum();
    return result;
}

void PlayerList::updateChecksum() {
    lines_[16].replace(10, 18, ListChecksum(lines_));
}

}  // namespace tavik::files
