#pragma once
// The window's transport for the LAN link: QTcpServer and QTcpSocket on the window's
// thread. StartServer listens and talks only to its first client; StartClient
// connects; SendToPeer writes one message whole. Every read hands the link all bytes
// waiting and then tells it that no more are waiting; after each event the
// connection emits changed() so that the game can show what the link now holds.

#include <QObject>
#include <QPointer>
#include <QHostAddress>
#include <QString>
#include <functional>
#include <memory>

#include "net/lan_link.h"

class QTcpServer;
class QTcpSocket;

namespace tavik::ui {

class LanConnection : public QObject, public net::LanLink::Transport {
    Q_OBJECT
  public:
    explicit LanConnection(QObject* parent = nullptr);
    ~LanConnection() override;

    // A new link of the role (1 server, 2 client) for the local player's name, telling
    // the listener (if any) of the greeting and chat lines; any earlier connection is
    // closed.
    net::LanLink& newLink(int role, const QString& name,
                          net::LanLink::Listener* listener = nullptr);
    net::LanLink* link() { return link_.get(); }

    // netLink 1: listen on the port (0: any free one) of the address; false when it
    // cannot be listened on.
    bool StartServer(quint16 port, const QHostAddress& address);
    bool StartServer(quint16 port);
    // The port listened on.
    quint16 serverPort() const;
    // netLink 1: connect to the address; a failure sets noGames().
    void StartClient(const QString& address, quint16 port);
    // The wait dialog's "There are no accessible games": set while a client waits for
    // its server and after a connection error, cleared when a server starts.
    bool noGames() const { return noGames_; }
    // Every read and the peer's leaving run through the gate, which may run them now
    // or later (the game runs them between its own steps, never inside one); by
    // default they run at once.
    using Gate = std::function<void(const std::function<void()>&)>;
    void setGate(Gate gate) { gate_ = std::move(gate); }
    // Reads what is waiting, through the gate.
    void readPending();

    // net::LanLink::Transport
    void write(const std::string& bytes) override;  // SendToPeer
    void close() override;
    void SendToPeer(const std::string& bytes) { write(bytes); }

  signals:
    // The link has taken an event: the greeting, messages, the peer leaving.
    void changed();

  private:
    void adopt(QTcpSocket* socket);
    void readNow();

    std::unique_ptr<net::LanLink> link_;
    QPointer<QTcpServer> server_;
    QPointer<QTcpSocket> socket_;
    bool noGames_ = false;
    bool reading_ = false;
    Gate gate_;
};

}  // namespace tavik::ui
