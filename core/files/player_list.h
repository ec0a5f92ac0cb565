#pragma once
// The player lists Tavik2.clb (games against the computer) and Tavik2.net (LAN
// games): 17 lines of Windows-1251 text. Lines 1-5 hold up to five players ordered
// by rating, lines 6-15 the local top ten of completed 30-kon cycles, line 16 the
// game line and line 17 the checksum line. This is the in-memory list; the file
// operations are in player_list_file.h.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/files/file_result.h"

namespace tavik::files {

inline constexpr int kListLines = 17;
inline constexpr std::size_t kSlotWidth = 59;          // lines 1-5
inline constexpr std::size_t kTopTenWidth = 26;        // lines 6-15
inline constexpr std::size_t kGameLineWidth = 28;      // lines 16 and 17
inline constexpr std::size_t kListChecksumSpan = 583;  // 5 x 59 + 10 x 26 + 28
inline constexpr char kGameChar = 'n';                 // the game number 10 plus 100
inline constexpr std::string_view kEmptySlot =
    "##################################### #####################";

// One player line cut by its columns. The name and the password are Windows-1251.
struct PlayerRecord {
    std::string name;           // columns 1-20, padded with blanks
    double rating = 0;          // columns 21-30
    long long KonCount = 0;     // columns 31-37
    long long score = 0;        // columns 39-44
    std::string passwordField;  // columns 45-59, the scrambled password
};

// The columns of a player line (lines 1-5), the one place that cuts them: the fields as
// stored (Windows-1251, blanks where the line is shorter) and read as numbers.
struct SlotFields {
    std::string name;           // columns 1-20
    std::string ratingText;     // columns 21-30
    std::string konsText;       // columns 31-37
    std::string scoreText;      // columns 39-44
    std::string passwordField;  // columns 45-59
    bool empty = false;         // column 37 is "#" (a line too short to have one is not empty)
    std::optional<double> rating;
    std::optional<long long> kons;
    std::optional<long long> score;
};
SlotFields DecodeSlot(std::string_view line);

// The columns of a top-ten line (lines 6-15).
struct TopTenFields {
    std::string name;       // columns 1-20, Windows-1251
    std::string scoreText;  // columns 21-26
    std::optional<long long> score;
};
TopTenFields DecodeTopTen(std::string_view line);

// The 59-character line of a record: name padded to 20, the rating with six
// decimals in 10, the kons in 7, a blank, the score in 6, the password field.
// Numbers that would not fit their column are clamped to it.
std::string PlayerRecordLine(const PlayerRecord& record);

class PlayerList {
  public:
    // The list installed with the game: five empty slots, ten top-ten lines with
    // score 0, the game line and a correct checksum line.
    static PlayerList empty();
    // Reads the bytes of a list file. The error says what is wrong with it (the file
    // is then "incorrect"). Lines after the 17th are ignored. Accepted is every list
    // whose checksum line matches its lines 1-16 and whose game line is this game's,
    // whatever the widths of its lines and the bytes of its names, as long as every
    // occupied slot holds its numbers and password field, so that no slot reads as
    // garbage. A top-ten score that is no number counts as 0.
    static Result<PlayerList> parse(std::string_view bytes);

    // The file bytes: the 17 lines, each ending with CR LF.
    std::string bytes() const;
    // Line 1..17 as Windows-1251 bytes.
    const std::string& line(int n) const { return lines_[static_cast<std::size_t>(n - 1)]; }

    // A slot is empty when its column 37 is "#".
    bool slotEmpty(int slot) const;
    // ReadSlot: the record in slot 1..5; nullopt for an empty slot.
    std::optional<PlayerRecord> slot(int slot) const;
    // Top-ten line 1..10: the name (Windows-1251, 20 characters) and the score.
    std::pair<std::string, long long> topTen(int place) const;

    // RemovePlayer: slots below `slot` (1..5) move up and slot 5 becomes empty.
    void removePlayer(int slot);
    // Where InsertPlayer put a record.
    struct Inserted {
        int slot = 0;   // 1..5, 0 when it did not fit
        int place = 0;  // 1..10 in the top ten when the cycle was complete, else 0
    };
    // InsertPlayer: with a complete cycle the record's score enters the top ten
    // above the first score it equals or beats, pushing the tenth out, and is then
    // reset to 0; the record takes the first slot that is empty or rated at most
    // as high (ties go above), slot 5 falling out.
    Inserted insertPlayer(std::string_view recordLine, bool cycleComplete);

    // ListChecksum: rewrites characters 11-28 of line 17 from lines 1-16.
    void updateChecksum();

  private:
    std::array<std::string, kListLines> lines_;
};

// The checksum text (three numbers of six digits) over the first 583 bytes of
// lines 1-16 joined without line ends.
std::string ListChecksum(const std::array<std::string, kListLines>& lines);

}  // namespace tavik::files
