#pragma once
// The files of `tavik-cli play --data-dir DIR --player SLOT`: the data folder, the
// start-up check of the player lists, the chosen player, and the end-of-match
// bookkeeping the game window uses, so that a headless match leaves the same files.

#include <memory>
#include <string>

#include "app/cli/arguments.h"
#include "core/files/data_folder.h"
#include "core/files/file_match_hooks.h"
#include "core/files/player_list_file.h"

namespace tavik::cli {

// Prints every message of the file operations on standard error.
class StderrNotices : public files::NoticePort {
  public:
    void notice(files::FileNotice notice, const std::string& path) override;
};

class PlayFiles {
  public:
    // True when the options ask for the files (--data-dir or --player).
    static bool wanted(const Arguments& a);
    // Prepares the data folder, checks the lists and seats the player in `g`. On
    // failure returns nullptr with the message and the exit status (2 bad options,
    // 1 a list the game would refuse to start with).
    static std::unique_ptr<PlayFiles> open(const Arguments& a, GameState& g, World& world,
                                           std::string& error, int& status);

    MatchHooks& hooks() { return hooks_; }
    int matches() const { return hooks_.matches; }

  private:
    // Ends each match through the file bookkeeping; the next match of the run
    // continues as the player now stored (a player who was not stored starts anew).
    struct ContinuingHooks : files::FileMatchHooks {
        using FileMatchHooks::FileMatchHooks;
        void EndMatch(GameState& g, int scoreDelta, int kons) override;
        int matches = 0;
    };

    PlayFiles(const files::DataFolder& folder, World& world);

    StderrNotices notices_;
    files::PlayerListFiles lists_;
    ContinuingHooks hooks_;
};

}  // namespace tavik::cli
