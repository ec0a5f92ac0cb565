#pragma once
// tavik-cli's transport for the LAN link: one TCP connection over POSIX sockets,
// read with poll(). Writes send each message whole (the game writes every message
// with one send); reads hand the link every byte waiting, then tell it that no more
// are waiting.

#include <string>

#include "net/lan_link.h"

namespace tavik::cli {

class LanSocket : public net::LanLink::Transport {
  public:
    LanSocket() = default;
    LanSocket(const LanSocket&) = delete;
    LanSocket& operator=(const LanSocket&) = delete;
    ~LanSocket() override;

    // Server: listens on the address and port (0: any free port); the port listened on,
    // or -1 with error set.
    int listen(const std::string& address, int port, std::string& error);
    // Server: waits up to timeoutMs for the first connection; further connections are
    // accepted and closed at once by poll().
    bool accept(int timeoutMs, std::string& error);
    // Client: connects, retrying while the server is not yet listening, up to timeoutMs.
    bool connect(const std::string& host, int port, int timeoutMs, std::string& error);

    // Waits up to timeoutMs for bytes and passes them to the link (received, then
    // endOfRead; disconnected when the peer has closed). False when nothing came.
    bool poll(net::LanLink& link, int timeoutMs);

    void write(const std::string& bytes) override;
    void close() override;

  private:
    int listener_ = -1;
    int socket_ = -1;
    bool writeFailed_ = false;
};

}  // namespace tavik::cli
