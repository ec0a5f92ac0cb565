#pragma once
// The player list files of one run of the game: the start-up validation, the rule
// that blocks every write when a list cannot be written, and the operations that
// read, change and atomically rewrite a list.

#include <optional>
#include <string>
#include <string_view>

#include "core/files/notices.h"
#include "core/files/player_list.h"

namespace tavik::files {

inline constexpr std::string_view kLocalListName = "Tavik2.clb";  // games against the computer
inline constexpr std::string_view kLanListName = "Tavik2.net";    // LAN games

enum class ListKind { Local, Lan };

// ValidateList for one file, without messages.
struct ListValidation {
    enum class Problem { None, Missing, Incorrect } problem = Problem::None;
    std::string reason;    // why it is incorrect
    bool writable = true;  // false when the user may not replace it (read-only file or folder)
};
ListValidation ValidateListFile(const std::string& path);

class PlayerListFiles {
  public:
    // The lists in the program's folder; messages go to `notices`.
    PlayerListFiles(std::string programFolder, NoticePort& notices);

    // The start-up check of Tavik2.clb and then Tavik2.net: a missing or malformed
    // list shows its message and the result is false (the program closes); a list
    // that cannot be written shows the attributes warning and blocks writes.
    bool ValidateAtStartup();
    bool writesAllowed() const { return writesAllowed_; }

    std::string path(ListKind kind) const;
    // The list as it is on disk now; an error when it is missing or malformed.
    Result<PlayerList> load(ListKind kind) const;
    // ReadSlot: the record in slot 1..5, nullopt for an empty slot or a bad list.
    std::optional<PlayerRecord> ReadSlot(ListKind kind, int slot) const;
    // Saves the list unless writes are blocked. A failing save (or a list that
    // cannot be read back to change it) shows "Error of disk writing!".
    bool save(ListKind kind, const PlayerList& list);

    // RemovePlayer for a stored player (slot 1..5); other slots change nothing.
    void RemovePlayer(ListKind kind, int slot);
    // InsertPlayer of a 59-character record line. The place is computed even when
    // the list is not saved; the slot is then 0.
    PlayerList::Inserted InsertPlayer(ListKind kind, std::string_view recordLine,
                                      bool cycleComplete);
    // The end of a match in one rewrite: RemovePlayer of the player's old slot
    // (1..5; none for a new player) and InsertPlayer of the new line.
    PlayerList::Inserted StoreStanding(ListKind kind, int oldSlot, std::string_view recordLine,
                                       bool cycleComplete);
    // RenamePlayer for a stored player: the record moves out of its slot, takes the
    // new name (Windows-1251) and password field, and is inserted again. Returns the
    // slot it now holds (ties may move it up), or `slot` unchanged for slots 6..8.
    int RenamePlayer(ListKind kind, int slot, std::string_view name1251,
                     std::string_view passwordField);

  private:
    Result<PlayerList> loadForChange(ListKind kind);

    std::string folder_;
    NoticePort& notices_;
    bool writesAllowed_ = true;
};

}  // namespace tavik::files
