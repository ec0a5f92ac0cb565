#pragma once
// Servers for download tests, all on 127.0.0.1: python3's http.server serving a
// folder on a free port (started, waited for, stopped with the object), and a bare
// listening socket whose connections are never answered.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

extern char** environ;

namespace tavik::test {

// A listening socket on 127.0.0.1 on a free port chosen by the system; -1 on failure.
inline int ListenLocal(int& port, int backlog = 4) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(s, backlog) != 0)
        return -1;
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return s;
}

inline bool CanConnectLocal(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

class LocalHttpServer {
  public:
    // Serves `folder`; running() tells whether the server came up within ten seconds.
    explicit LocalHttpServer(const std::string& folder) {
        const int s = ListenLocal(port_);
        ::close(s);  // the port is free; the server takes it next
        const std::string portText = std::to_string(port_);
        const char* argv[] = {"python3",   "-m",           "http.server",  "--bind", "127.0.0.1",
                              portText.c_str(), "--directory", folder.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "python3", &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; pid_ > 0 && i < 200 && !CanConnectLocal(port_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~LocalHttpServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool running() const { return pid_ > 0 && CanConnectLocal(port_); }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

  private:
    int port_ = 0;
    pid_t pid_ = 0;
};

}  // namespace tavik::test
