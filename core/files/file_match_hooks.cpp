#include "core/files/file_match_hooks.h"

#include "core/files/codec.h"
#include "core/files/columns.h"
#include "core/files/history_folder.h"
#include "core/files/password.h"
#include "core/rules/controls.h"
#include "core/rules/sounds.h"

namespace tavik::files {

FileMatchHooks::FileMatchHooks(PlayerListFiles& lists, std::string historyFolder,
                               NoticePort& notices, World* world, std::function<LocalTime()> clock)
    : lists_(lists),
      historyFolder_(std::move(historyFolder)),
      notices_(notices),
      world_(world),
      clock_(std::move(clock)),
      passwordField_(*ScramblePassword("")) {}

Standing FileMatchHooks::loadStanding(const GameState& g, int userSlot) {
    const auto record = lists_.ReadSlot(listOf(g), userSlot);
    if (!record) return Standing{g.UserName, 0, 0, 0};
    passwordField_ = record->passwordField;
    return Standing{WithoutTrailingBlanks(cp1251ToUtf8Lossy(record->name)), record->rating,
                    static_cast<int>(record->KonCount), static_cast<int>(record->score)};
}

void FileMatchHooks::EndMatch(GameState& g, int scoreDelta, int kons) {
    EndMatchResult r;
    r.kind = KindOfGame(g);
    // Step 3: the rating.
    if (r.kind == GameKind::Account)
        r.rating = service_.accountRating;
    else if (r.kind != GameKind::Online)
        r.rating = MatchRating(g.Rating, g.KonCountStart, scoreDelta, g.KonCount);
    // Step 4: the player's line.
    r.recordLine =
        PlayerRecordLine({cp1251Line(g.UserName), r.rating, g.KonCount, g.Score, passwordField_});
    // Steps 5-6: the history entry; a failure is only reported.
    r.entry = HistoryEntry(g, scoreDelta, kons, r.rating, service_);
    const Result<int> written = WriteHistory(historyFolder_, kHistoryBaseName, {r.entry}, clock_());
    r.historySaved = written.ok();
    r.historyFile = written.value_or(0);
    if (!written.ok()) notices_.notice(FileNotice::CantSaveHistory, historyFolder_);
    // Step 8: the kon sounds, unless the cycle is complete (the end-game window has its own).
    r.cycleComplete = g.KonCount % kCycleKons == 0;
    if (world_ && !r.cycleComplete && scoreDelta != 0)
        playSound(g, *world_, scoreDelta > 0 ? snd::KoGood : snd::KoBads);
    // Step 9: local and LAN games store the new line in one rewrite of the list.
    if (r.kind == GameKind::Local || r.kind == GameKind::Lan) {
        const PlayerList::Inserted where =
            lists_.StoreStanding(listOf(g), g.UserSlot, r.recordLine, r.cycleComplete);
        r.place = where.place;
        r.slot = where.slot;
    }
    last_ = r;
    g.GameActive = false;
}

void FileMatchHooks::LeaveMatch(GameState& g) {
    if (g.UserSlot >= 1 && g.UserSlot <= 5) lists_.RemovePlayer(listOf(g), g.UserSlot);
    g.GameActive = false;
}

void FileMatchHooks::RenamePlayer(GameState& g, const std::string& newName,
                                  const std::string& newPasswordField) {
    if (g.UserSlot >= 1 && g.UserSlot <= 5)
        g.UserSlot =
            lists_.RenamePlayer(listOf(g), g.UserSlot, cp1251Line(newName), newPasswordField);
    g.UserName = newName;
    g.names[2] = WithoutTrailingBlanks(newName);
    passwordField_ = newPasswordField;
}

}  // namespace tavik::files
