#include "ui/game/chat_line.h"

#include <QLineEdit>

#include "ui/table/table_view.h"

namespace tavik::ui {

ChatLine::ChatLine(TableView& view, std::function<void()> arrived)
    : QObject(&view), view_(view), arrived_(std::move(arrived)) {
    // The peer reads at most this many bytes of a line, one a character.
    view_.chatEdit().setMaxLength(static_cast<int>(net::kMaxChatBytes));
    connect(&view_, &TableView::chatEntered, this, &ChatLine::send);
}

void ChatLine::attach(net::LanLink& link, int role) {
    link_ = &link;
    role_ = role;
    view_.setChatEnabled(true);
}

void ChatLine::detach() {
    link_ = nullptr;
    view_.setChatEnabled(false);
}

void ChatLine::send(const QString& text) {
    if (!link_ || text.isEmpty()) return;
    const std::optional<std::string> sent = link_->sendChat(text.toStdString());
    if (!sent) {
        detach();  // the connection has ended
        return;
    }
    view_.chatEdit().clear();
    view_.addChatLine(role_, "s" + QString::fromStdString(*sent));
}

void ChatLine::chat(const std::string& text) {
    view_.addChatLine(role_, "s" + QString::fromStdString(text));
    if (arrived_) arrived_();
}

}  // namespace tavik::ui
