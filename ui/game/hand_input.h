#pragma once
// The mouse on the table: a left click on the player's own hand plays the card under
// the pointer, a right click on any face-up card asks for it to be spoken, and the
// pointer takes the playable shape over a card that the rules would accept now.

#include <QCursor>
#include <QObject>
#include <functional>

#include "core/match/controller.h"
#include "ui/table/table_view.h"

namespace tavik::ui {

class HandInput : public QObject {
    Q_OBJECT
  public:
    // Watches the table view's mouse events; `play` plays the clicked slot through the
    // session, `speak` speaks the card right-clicked.
    HandInput(TableView& view, const GameState& g, const MatchController& controller,
              std::function<void(int slot)> play, std::function<void(Card)> speak);

    // The slot of seat 2's hand under a point of the table view, or 0.
    int SlotAt(QPoint pos) const;
    // True when the card under the point may be played now (CheckMove passes).
    bool PlayableAt(QPoint pos) const;
    // Sets the pointer for the point as HandHover does.
    void UpdatePointer(QPoint pos);
    // The pointer shape over a playable card: the hand of the cursor set in use. The
    // platform's pointing hand unless the window gives its own.
    std::function<QCursor()> playableCursor;
    // Called with the pointer's screen position just before a valid click plays its
    // card (the click effect of fireworksCards).
    std::function<void(QPoint globalPos)> beforeValidClick;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TableView& view_;
    const GameState& g_;
    const MatchController& controller_;
    std::function<void(int)> play_;
    std::function<void(Card)> speak_;
};

}  // namespace tavik::ui
