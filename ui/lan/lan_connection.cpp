#include "ui/lan/lan_connection.h"

#include <QTcpServer>
#include <QTcpSocket>

namespace tavik::ui {

LanConnection::LanConnection(QObject* parent) : QObject(parent) {}

LanConnection::~LanConnection() {
    close();
}

net::LanLink& LanConnection::newLink(int role, const QString& name,
                                     net::LanLink::Listener* listener) {
    close();
    link_ = std::make_unique<net::LanLink>(*this, role, name.toStdString(), listener);
    return *link_;
}

bool LanConnection::StartServer(quint16 port) {
    return StartServer(port, QHostAddress::Any);
}

quint16 LanConnection::serverPort() const {
    return server_ ? server_->serverPort() : 0;
}

bool LanConnection::StartServer(quint16 port, const QHostAddress& address) {
    noGames_ = false;
    server_ = new QTcpServer(this);
    connect(server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = server_ ? server_->nextPendingConnection() : nullptr) {
            if (socket_ || !link_) {
                s->abort();  // the server talks only to its first client
                s->deleteLater();
            } else {
                adopt(s);
            }
        }
    });
    if (link_) link_->start();
    return server_->listen(address, port);
}

void LanConnection::StartClient(const QString& address, quint16 port) {
    noGames_ = true;
    auto* s = new QTcpSocket(this);
    adopt(s);
    connect(s, &QTcpSocket::connected, this, [this] {
        if (link_) link_->connected();
        emit changed();
    });
    connect(s, &QTcpSocket::errorOccurred, this, [this, s](QAbstractSocket::SocketError) {
        // A connection that never opened is no game to report: the wait dialog says so.
        if (s->state() != QAbstractSocket::ConnectedState && link_ && link_->netLink() < 2) {
            noGames_ = true;
        }
    });
    if (link_) link_->start();
    s->connectToHost(address, port);
}

void LanConnection::adopt(QTcpSocket* socket) {
    socket_ = socket;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connect(socket, &QTcpSocket::readyRead, this, &LanConnection::readPending);
    connect(socket, &QTcpSocket::disconnected, this, &LanConnection::readPending);
}

void LanConnection::readPending() {
    if (gate_)
        gate_([this] { readNow(); });
    else
        readNow();
}

void LanConnection::readNow() {
    if (reading_ || !socket_ || !link_) return;
    reading_ = true;
    bool any = false;
    while (socket_ && link_ && socket_->bytesAvailable() > 0) {
        const QByteArray bytes = socket_->readAll();
        link_->received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        any = true;
    }
    if (any && link_) link_->endOfRead();
    // Every byte the peer sent before it left has been read: now it has gone.
    if (socket_ && link_ && socket_->state() == QAbstractSocket::UnconnectedState &&
        link_->netLink() >= 1)
        link_->disconnected();
    reading_ = false;
    emit changed();
}

void LanConnection::write(const std::string& bytes) {
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) return;
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
    socket_->flush();
}

void LanConnection::close() {
    if (socket_) {
        socket_->disconnect(this);
        socket_->abort();
        socket_->deleteLater();
    }
    socket_ = nullptr;
    if (server_) {
        server_->close();
        server_->deleteLater();
    }
    server_ = nullptr;
}

}  // namespace tavik::ui
