#pragma once
// What the main window asks of the match in progress: whether one is running, and
// leaving it (the player's unfinished record is removed, the main screen returns).
// The window calls leaveMatch() after its own confirmation when it is closed.
//
// The session owns its match and the match its game state; the window only hosts
// the session and its table view.

namespace tavik::ui {

class GameSessionApi {
  public:
    virtual ~GameSessionApi() = default;
    // True from the deal of the first kon until EndMatch or LeaveMatch.
    virtual bool inMatch() const = 0;
    // LeaveMatch without asking: the stored player's line is removed from the list,
    // the game stops and the main screen is shown again.
    virtual void leaveMatch() = 0;
};

}  // namespace tavik::ui
