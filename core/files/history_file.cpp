#include "core/files/history_file.h"

#include <cstdio>
#include <ctime>

#include "core/files/codec.h"
#include "core/files/columns.h"

namespace tavik::files {
namespace {

constexpr std::size_t kTotalsWidth = 30;

std::string_view cut(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, last - first + 1);
}

char kindLetter(GameKind kind) {
    switch (kind) {
        case GameKind::Local:
            return 'L';
        case GameKind::Account:
            return 'A';
        case GameKind::Online:
            return 'T';
        case GameKind::Lan:
            return 'N';
    }
    return 'L';
}

ByteSums summedPart(std::string_view line) {
    return byteSums(line.substr(0, kHistorySummedWidth));
}

std::string totalsLine(const ByteSums& s) {
    return zeroPadded(s.all, 10) + zeroPadded(s.even, 10) + zeroPadded(s.third, 10);
}

}  // namespace

LocalTime LocalTime::now() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

std::string HistoryLineChecksum(std::string_view line) {
    const ByteSums s = summedPart(line);
    return zeroPadded(s.all, 5) + zeroPadded(s.even, 5) + zeroPadded(s.third, 5);
}

std::string HistoryRecordLine(const HisStr& e, const LocalTime& when) {
    char time[32], date[64];
    std::snprintf(time, sizeof time, "%02d:%02d", when.hour, when.minute);
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", when.day, when.month, when.year);
    // The widest rating the column can show.
    double rating = e.HRei;
    if (!(rating >= -999999.99)) rating = -999999.99;
    if (!(rating <= 9999999.99)) rating = 9999999.99;
    std::string line = alignRight(time, 5).substr(0, 5) + alignRight(date, 10).substr(0, 10) +
                       padRight(cp1251Line(e.HName), 51) + numberField(e.HKon, 3) +
                       numberField(e.HRes, 10) + twoDecimals(rating, kHistoryRatingWidth) +
                       kindLetter(e.Ac) + std::string(9, '#');
    return line + HistoryLineChecksum(line);
}

std::string HistoryGameLine() {
    std::string line = "$" + std::string(1, static_cast<char>(10 + 100)) + "}";
    line.resize(kHistorySummedWidth, '#');
    return line + HistoryLineChecksum(line);
}

HistoryCheck CheckHistory(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(bytes);
    HistoryCheck check;
    ByteSums sums;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.size() < kHistoryLineWidth) {
            check.reason = "line " + std::to_string(i + 1) + " has " + std::to_string(line.size()) +
                           " characters, 114 expected";
            return check;
        }
        sums += summedPart(line);
        if (line[0] != '$') {
            ++check.records;
            continue;
        }
        if (i + 1 >= lines.size() || lines[i + 1].size() < kTotalsWidth) {
            check.reason = "no totals line after the game line";
            return check;
        }
        const std::string& totals = lines[i + 1];
        const auto a = parseNumber(cut(totals, 1, 10)), b = parseNumber(cut(totals, 11, 20)),
                   c = parseNumber(cut(totals, 21, 30));
        if (!a || !b || !c || *a != sums.all || *b != sums.even || *c != sums.third) {
            check.reason = "the totals line says " + totals.substr(0, kTotalsWidth) +
                           ", the lines sum to " + totalsLine(sums);
            return check;
        }
        check.valid = true;
        return check;
    }
    check.reason = lines.empty() ? "the file is empty" : "no game line";
    return check;
}

std::string AppendHistory(std::string_view oldBytes, const std::vector<HisStr>& entries,
                          const LocalTime& when) {
    const HistoryCheck check = CheckHistory(oldBytes);
    std::vector<std::string> lines;
    if (check.valid && check.records < kHistoryFileCapacity) {
        lines = splitLines(oldBytes);
        lines.resize(static_cast<std::size_t>(check.records));
    }
    for (const HisStr& e : entries) lines.push_back(HistoryRecordLine(e, when));
    lines.push_back(HistoryGameLine());
    // The totals are summed from the lines, as the reader sums them, so that a
    // damaged checksum column of an old line cannot turn a valid file invalid.
    ByteSums sums;
    for (const std::string& l : lines) sums += summedPart(l);
    lines.push_back(totalsLine(sums));
    return joinCrLf(lines);
}

std::vector<HistoryRow> HistoryRows(std::string_view bytes) {
    std::vector<HistoryRow> rows;
    for (const std::string& line : splitLines(bytes)) {
        if (!line.empty() && line[0] == '$') break;
        HistoryRow r;
        r.time = trimBlanks(cp1251ToUtf8Lossy(cut(line, 1, 5)));
        r.date = trimBlanks(cp1251ToUtf8Lossy(cut(line, 6, 15)));
        r.player = trimBlanks(cp1251ToUtf8Lossy(cut(line, 16, 66)));
        r.games = trimBlanks(cp1251ToUtf8Lossy(cut(line, 67, 69)));
        r.result = trimBlanks(cp1251ToUtf8Lossy(cut(line, 70, 79)));
        r.rating = trimBlanks(cp1251ToUtf8Lossy(cut(line, 80, 89)));
        r.type = line.size() >= 90 ? line[89] : ' ';
        rows.push_back(std::move(r));
    }
    return rows;
}

std::string_view HistoryTypeName(char type) {
    switch (type) {
        case 'L':
            return "Local";
        case 'N':
            return "Net";
        case 'A':
            return "Account";
        case 'T':
            return "Tourney";
        default:
            return "";
    }
}

std::string HistoryFileName(std::string_view baseName, int number) {
    return std::string(baseName) + "_I" + zeroPadded(number, 4) + ".hst";
}

}  // namespace tavik::files
