#pragma once
// Keyboard play on the player's own hand, and the cue of a refused card.
//
// The Left and Right arrow keys move a visible selection over the cards of the hand that
// may be played now (the others are skipped; the selection wraps at the ends) and give
// the table the keyboard focus; Enter or Space then plays the selected card, as a click
// on it would. While the action button has the focus it keeps its own keys (Space and
// Enter press it, F10 and the open-cards code act there); the arrows bring the focus
// back to the hand. A click that the rules refuse outlines that card in red for a
// moment, so the refusal shows with the sound off too. Neither changes a rule.

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

#include "core/match/controller.h"
#include "ui/table/table_view.h"

class QWidget;

namespace tavik::ui {

// The slots of seat 2's hand that a click would play now.
std::vector<int> PlayableSlots(const GameState& g, const MatchController& controller);

// The next selection among the playable slots (ascending) from `current` in the
// direction (+1 right, -1 left), wrapping at the ends; from no selection (or one no
// longer playable) the first slot going right, the last going left. 0 when none.
int NextSelection(const std::vector<int>& playable, int current, int direction);

class HandKeys : public QObject {
    Q_OBJECT
  public:
    // `play` plays a slot through the session.
    HandKeys(TableView& view, const GameState& g, const MatchController& controller,
             std::function<void(int slot)> play);

    int selected() const { return selected_; }
    // Outlines the card of the slot in red for a moment (a refused click).
    void ShowRefused(int slot);
    bool refusedShown() const;
    // Forgets the selection and hides its outline.
    void ClearSelection();
    // After a step of the game: the selection follows its card to its new place in the
    // hand, and is forgotten when that card may no longer be played.
    void Refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool handleKey(int key);
    void showSelection();
    QRect cardRect(int slot) const;

    TableView& view_;
    const GameState& g_;
    const MatchController& controller_;
    std::function<void(int)> play_;
    int selected_ = 0;
    Card selectedCard_;
    QPointer<QWidget> selection_;
    QPointer<QWidget> refused_;
    QTimer refusedTimer_;
};

}  // namespace tavik::ui
