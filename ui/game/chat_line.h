#pragma once
// The chat line of a LAN game: the table's input line and send button, enabled while
// the connection to the other copy lasts. A line entered is sent to the peer and shown
// in the chat box; a line the peer sent is shown there too, with the sound of an
// arrived message. Both take the colour of the local side's role (1 server, 2 client).

#include <QObject>
#include <QString>
#include <functional>
#include <string>

#include "net/lan_link.h"

namespace tavik::ui {

class TableView;

class ChatLine : public QObject, public net::LanLink::Listener {
    Q_OBJECT
  public:
    // `arrived` plays the sound of a received line.
    ChatLine(TableView& view, std::function<void()> arrived);

    // The link of the running LAN game and the local role; the line is enabled.
    void attach(net::LanLink& link, int role);
    // The connection has ended (or no LAN game runs): the line is disabled.
    void detach();
    // Sends the text (Enter in the line or the send button) and shows it.
    void send(const QString& text);

    // net::LanLink::Listener
    void chat(const std::string& text) override;

  private:
    TableView& view_;
    std::function<void()> arrived_;
    net::LanLink* link_ = nullptr;
    int role_ = 1;
};

}  // namespace tavik::ui
