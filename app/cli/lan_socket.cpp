#include "app/cli/lan_socket.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace tavik::cli {
namespace {

std::int64_t nowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void noDelay(int fd) {
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

}  // namespace

LanSocket::~LanSocket() {
    close();
    if (listener_ >= 0) ::close(listener_);
}

int LanSocket::listen(const std::string& address, int port, std::string& error) {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (listener_ < 0) {
        error = std::strerror(errno);
        return -1;
    }
    int one = 1;
    setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    if (inet_pton(AF_INET, address.c_str(), &a.sin_addr) != 1) {
        error = "not an IPv4 address: " + address;
        return -1;
    }
    if (::bind(listener_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listener_, 4) != 0) {
        error = "cannot listen on " + address + ":" + std::to_string(port) + ": " +
                std::strerror(errno);
        return -1;
    }
    socklen_t len = sizeof a;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&a), &len);
    return ntohs(a.sin_port);
}

bool LanSocket::accept(int timeoutMs, std::string& error) {
    pollfd p{listener_, POLLIN, 0};
    if (::poll(&p, 1, timeoutMs) <= 0) {
        error = "no client connected within " + std::to_string(timeoutMs / 1000) + " s";
        return false;
    }
    socket_ = ::accept(listener_, nullptr, nullptr);
    if (socket_ < 0) {
        error = std::strerror(errno);
        return false;
    }
    noDelay(socket_);
    return true;
}

bool LanSocket::connect(const std::string& host, int port, int timeoutMs, std::string& error) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
        error = "unknown host " + host;
        return false;
    }
    const std::int64_t until = nowMs() + timeoutMs;
    bool ok = false;
    while (!ok) {
        socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
        ok = socket_ >= 0 && ::connect(socket_, found->ai_addr, found->ai_addrlen) == 0;
        if (ok) break;
        error = "cannot connect to " + host + ":" + std::to_string(port) + ": " +
                std::strerror(errno);
        if (socket_ >= 0) ::close(socket_);
        socket_ = -1;
        if (nowMs() >= until) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    freeaddrinfo(found);
    if (ok) noDelay(socket_);
    return ok;
}

bool LanSocket::poll(net::LanLink& link, int timeoutMs) {
    if (socket_ < 0) return false;
    pollfd p[2] = {{socket_, POLLIN, 0}, {listener_, POLLIN, 0}};
    const int n = ::poll(p, listener_ >= 0 ? 2 : 1, timeoutMs);
    if (n <= 0) return false;
    if (listener_ >= 0 && (p[1].revents & POLLIN)) {
        // The server talks only to its first client.
        const int other = ::accept(listener_, nullptr, nullptr);
        if (other >= 0) ::close(other);
    }
    if (!(p[0].revents & (POLLIN | POLLHUP | POLLERR))) return n > 0;
    char buf[4096];
    bool any = false;
    for (;;) {
        if (socket_ < 0) return true;  // the link closed it (a broken stream)
        const ssize_t got = ::recv(socket_, buf, sizeof buf, MSG_DONTWAIT);
        if (got > 0) {
            link.received(std::string_view(buf, static_cast<std::size_t>(got)));
            any = true;
            continue;
        }
        if (any) link.endOfRead();
        if (got == 0 || (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)) {
            link.disconnected();
        }
        return true;
    }
}

void LanSocket::write(const std::string& bytes) {
    std::size_t sent = 0;
    while (socket_ >= 0 && !writeFailed_ && sent < bytes.size()) {
        const ssize_t n = ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) writeFailed_ = true;  // the peer has gone: its reading side tells
        else sent += static_cast<std::size_t>(n);
    }
}

void LanSocket::close() {
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
}

}  // namespace tavik::cli
