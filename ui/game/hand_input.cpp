#include "ui/game/hand_input.h"

#include <QMouseEvent>

#include "core/rules/moves.h"
#include "ui/game/hit_test.h"
#include "ui/game/shown_card_at.h"

namespace tavik::ui {

HandInput::HandInput(TableView& view, const GameState& g, const MatchController& controller,
                     std::function<void(int slot)> play, std::function<void(Card)> speak)
    : QObject(&view),
      view_(view),
      g_(g),
      controller_(controller),
      play_(std::move(play)),
      speak_(std::move(speak)) {
    view_.setMouseTracking(true);
    view_.installEventFilter(this);
}

int HandInput::SlotAt(QPoint pos) const {
    const TableRenderer& r = view_.renderer();
    const Box& box = r.box(BoxId::Hand2);
    if (pos.x() < box.left || pos.x() >= box.right() || pos.y() < box.top ||
        pos.y() >= box.bottom())
        return 0;
    return HitTest(r.handPositions(2), g_.KolCards2, r.display().cardWidth, g_.CardsI2,
                   pos.x() - box.left);
}

bool HandInput::PlayableAt(QPoint pos) const {
    const std::optional<MoveKind> kind = controller_.HumanMoveKind();
    if (!kind || g_.Phase != GamePhase::Play || !g_.GameActive) return false;
    const int slot = SlotAt(pos);
    return slot > 0 && CheckMove(g_, slot, *kind) == kMoveOk;
}

void HandInput::UpdatePointer(QPoint pos) {
    if (PlayableAt(pos))
        view_.setCursor(playableCursor ? playableCursor() : QCursor(Qt::PointingHandCursor));
    else if (view_.testAttribute(Qt::WA_SetCursor))
        view_.unsetCursor();  // the window's normal pointer
}

bool HandInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return false;
    switch (event->type()) {
        case QEvent::MouseMove:
            UpdatePointer(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::Leave:
            UpdatePointer(QPoint(-1, -1));
            break;
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPoint pos = mouse->position().toPoint();
            const int slot = SlotAt(pos);
            if (mouse->button() == Qt::RightButton) {
                // The own hand's card, else any other card the table shows face up.
                const Card card = slot > 0 ? g_.CardsI2[slot] : ShownCardAt(view_.renderer(), pos);
                if (!card.empty() && speak_) speak_(card);
            } else if (slot > 0 && mouse->button() == Qt::LeftButton) {
                if (beforeValidClick && PlayableAt(pos))
                    beforeValidClick(mouse->globalPosition().toPoint());
                play_(slot);
                UpdatePointer(pos);
            }
            break;
        }
        default:
            break;
    }
    return false;
}

}  // namespace tavik::ui
