#pragma once
// The end-of-match bookkeeping on the game's files: the standing a match starts
// from (ReadSlot), and EndMatch, LeaveMatch and RenamePlayer on the player lists and
// the history files. The window adds the wait banner, the end-game window and the
// web service around it; tavik-cli uses it as it is.

#include <functional>
#include <string>

#include "core/files/end_match.h"
#include "core/files/history_file.h"
#include "core/files/notices.h"
#include "core/files/player_list_file.h"
#include "core/match/match_hooks.h"
#include "core/ports.h"

namespace tavik::files {

// What the last EndMatch did.
struct EndMatchResult {
    GameKind kind = GameKind::Local;
    double rating = 0;
    std::string recordLine;  // the player's line for the list (Windows-1251, 59 characters)
    HisStr entry;
    bool historySaved = false;
    int historyFile = 0;  // number of the history file written
    bool cycleComplete = false;
    int place = 0;  // 1..10 in the local top ten, 0 outside
    int slot = 0;   // the player's slot in the list now, 0 when not stored
};

class FileMatchHooks : public MatchHooks {
  public:
    // `world`, when given, plays the sounds of the end of a match.
    FileMatchHooks(PlayerListFiles& lists, std::string historyFolder, NoticePort& notices,
                   World* world = nullptr, std::function<LocalTime()> clock = LocalTime::now);

    // The scrambled password of the player about to play, from the new-game dialog.
    // A stored player's field is also taken from the list by loadStanding.
    void setPasswordField(std::string field) { passwordField_ = std::move(field); }
    const std::string& passwordField() const { return passwordField_; }
    // The web service's figures for an account series or an online table.
    void setServiceStanding(const ServiceStanding& s) { service_ = s; }

    // ReadSlot of the list of this kind of game (the LAN list in a LAN game).
    Standing loadStanding(const GameState& g, int userSlot) override;
    // The rating, the history entry, and for local and LAN games the player's new
    // line and the top ten in the list; then the match is over.
    void EndMatch(GameState& g, int scoreDelta, int kons) override;
    // Leaving a match unfinished removes a stored player's line from the list.
    void LeaveMatch(GameState& g);
    // The name change during a match; a stored player's line takes the new name and
    // password and g.UserSlot follows it to the slot it now holds.
    void RenamePlayer(GameState& g, const std::string& newName,
                      const std::string& newPasswordField);

    const EndMatchResult& lastEnd() const { return last_; }

  private:
    static ListKind listOf(const GameState& g) {
        return g.NetGame ? ListKind::Lan : ListKind::Local;
    }

    PlayerListFiles& lists_;
    std::string historyFolder_;
    NoticePort& notices_;
    World* world_;
    std::function<LocalTime()> clock_;
    std::string passwordField_;
    ServiceStanding service_;
    EndMatchResult last_;
};

}  // namespace tavik::files
