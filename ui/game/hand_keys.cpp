#include "ui/game/hand_keys.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "core/rules/moves.h"

namespace tavik::ui {
namespace {

// A coloured outline around a card, over the table; it takes no mouse input.
class CardOutline : public QWidget {
  public:
    CardOutline(QWidget& parent, QColor colour) : QWidget(&parent), colour_(colour) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        hide();
    }
    void Around(QRect card) {
        setGeometry(card.adjusted(-3, -3, 3, 3));
        raise();
        show();
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colour_, 3));
        p.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);
    }

  private:
    QColor colour_;
};

constexpr int kRefusedMs = 450;

}  // namespace

std::vector<int> PlayableSlots(const GameState& g, const MatchController& controller) {
    std::vector<int> playable;
    const std::optional<MoveKind> kind = controller.HumanMoveKind();
    if (!kind || !g.GameActive || g.Phase != GamePhase::Play) return playable;
    if (*kind != MoveKind::Defend && !MayAttack(g)) return playable;
    for (int slot = 1; slot <= g.KolCards2; ++slot)
        if (CheckMove(g, slot, *kind) == kMoveOk) playable.push_back(slot);
    return playable;
}

int NextSelection(const std::vector<int>& playable, int current, int direction) {
    if (playable.empty()) return 0;
    const auto at = std::find(playable.begin(), playable.end(), current);
    if (at == playable.end()) return direction < 0 ? playable.back() : playable.front();
    const auto n = static_cast<std::ptrdiff_t>(playable.size());
    const std::ptrdiff_t i = ((at - playable.begin()) + (direction < 0 ? -1 : 1) + n) % n;
    return playable[static_cast<std::size_t>(i)];
}

HandKeys::HandKeys(TableView& view, const GameState& g, const MatchController& controller,
                   std::function<void(int slot)> play)
    : QObject(&view),
      view_(view),
      g_(g),
      controller_(controller),
      play_(std::move(play)),
      selection_(new CardOutline(view, QColor(255, 215, 0))),
      refused_(new CardOutline(view, QColor(220, 20, 20))) {
    view_.setFocusPolicy(Qt::ClickFocus);
    view_.installEventFilter(this);
    view_.button7().installEventFilter(this);
    refusedTimer_.setSingleShot(true);
    refusedTimer_.setInterval(kRefusedMs);
    connect(&refusedTimer_, &QTimer::timeout, this, [this] {
        if (refused_) refused_->hide();
    });
}

QRect HandKeys::cardRect(int slot) const {
    const TableRenderer& r = view_.renderer();
    const Box& hand = r.box(BoxId::Hand2);
    return {hand.left + r.handPositions(2)[static_cast<std::size_t>(slot)], hand.top,
            r.display().cardWidth, r.display().cardHeight};
}

void HandKeys::ShowRefused(int slot) {
    if (slot < 1 || slot > g_.KolCards2 || !refused_) return;
    static_cast<CardOutline*>(refused_.data())->Around(cardRect(slot));
    refusedTimer_.start();
}

bool HandKeys::refusedShown() const {
    return refused_ && refused_->isVisible();
}

void HandKeys::ClearSelection() {
    selected_ = 0;
    selectedCard_ = kNoCard;
    if (selection_) selection_->hide();
}

void HandKeys::Refresh() {
    if (selected_ == 0) return;
    const std::vector<int> playable = PlayableSlots(g_, controller_);
    for (int slot : playable)
        if (g_.CardsI2[slot] == selectedCard_) {
            selected_ = slot;
            showSelection();
            return;
        }
    ClearSelection();
}

void HandKeys::showSelection() {
    if (!selection_) return;
    if (selected_ == 0)
        selection_->hide();
    else
        static_cast<CardOutline*>(selection_.data())->Around(cardRect(selected_));
}

bool HandKeys::handleKey(int key) {
    const std::vector<int> playable = PlayableSlots(g_, controller_);
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        selected_ = NextSelection(playable, selected_, key == Qt::Key_Left ? -1 : 1);
        selectedCard_ = selected_ != 0 ? g_.CardsI2[selected_] : kNoCard;
        showSelection();
        view_.setFocus(Qt::OtherFocusReason);
        return true;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        if (std::find(playable.begin(), playable.end(), selected_) == playable.end()) return false;
        const int slot = selected_;
        ClearSelection();
        play_(slot);
        return true;
    }
    return false;
}

bool HandKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == &view_.button7()) {
        // The button keeps Space, Enter and its other keys; only the arrows go to the hand.
        if (key == Qt::Key_Left || key == Qt::Key_Right) return handleKey(key);
        return false;
    }
    if (watched == &view_) return handleKey(key);
    return false;
}

}  // namespace tavik::ui
