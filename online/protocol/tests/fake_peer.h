#pragma once
// A scripted HTTP peer on 127.0.0.1 for the wire tests: it accepts connections on a
// free port, reads each request whole (head and Content-Length body), keeps its bytes,
// and answers as told: any bytes (a proper reply, garbage, a reply cut short), after a
// pause, or never. One thread, stopped with the object.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "online/download/tests/local_http_server.h"

namespace tavik::test {

// A listener that never accepts, with its queue filled by connections of its own, so
// that a further connection attempt gets no answer.
inline int ListenFull(int& port, std::vector<int>& fillers) {
    const int s = ListenLocal(port, 0);
    if (s < 0) return -1;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    for (int i = 0; i < 3; ++i) {
        const int f = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        ::connect(f, reinterpret_cast<sockaddr*>(&a), sizeof a);
        fillers.push_back(f);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return s;
}

// A complete HTTP/1.1 reply with the given body.
inline std::string HttpReply(const std::string& body, int status = 200) {
    return "HTTP/1.1 " + std::to_string(status) +
           " X\r\nContent-Length: " + std::to_string(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

class FakePeer {
  public:
    struct Answer {
        std::string bytes;                   // sent after the request
        std::chrono::milliseconds pause{0};  // before the bytes
        bool silent = false;                 // send nothing, keep the connection open
    };

    explicit FakePeer(Answer answer) : answer_(std::move(answer)) {
        listener_ = ListenLocal(port_);
        if (listener_ >= 0)
            thread_ = std::thread([this] { serve(); });
        else
            port_ = 0;
    }
    ~FakePeer() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        ::close(listener_);
    }
    FakePeer(const FakePeer&) = delete;
    FakePeer& operator=(const FakePeer&) = delete;

    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }
    bool running() const { return port_ != 0; }
    // Every request received so far, head and body.
    std::vector<std::string> requests() const {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    // The body of request n (from 0).
    std::string body(std::size_t n) const {
        const auto all = requests();
        if (n >= all.size()) return "<no request>";
        const auto end = all[n].find("\r\n\r\n");
        return end == std::string::npos ? "" : all[n].substr(end + 4);
    }

  private:
    bool wait(int fd) {
        while (!stop_) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) return true;
        }
        return false;
    }

    void serve() {
        while (wait(listener_)) {
            const int c = ::accept(listener_, nullptr, nullptr);
            if (c < 0) continue;
            std::string request = readRequest(c);
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(request);
            }
            if (answer_.silent) {
                while (!stop_) std::this_thread::sleep_for(std::chrono::milliseconds(20));
            } else {
                const auto until = std::chrono::steady_clock::now() + answer_.pause;
                while (!stop_ && std::chrono::steady_clock::now() < until)
                    std::this_thread::sleep_for(std::chrono::milliseconds(20));
                ::send(c, answer_.bytes.data(), answer_.bytes.size(), MSG_NOSIGNAL);
            }
            ::shutdown(c, SHUT_RDWR);
            ::close(c);
        }
    }

    std::string readRequest(int c) {
        std::string data;
        char buffer[4096];
        for (;;) {
            const auto head = data.find("\r\n\r\n");
            if (head != std::string::npos) {
                std::size_t length = 0;
                const auto at = data.find("Content-Length: ");
                if (at != std::string::npos && at < head) length = std::stoul(data.substr(at + 16));
                if (data.size() >= head + 4 + length) return data;
            }
            if (!wait(c)) return data;
            const ssize_t n = ::recv(c, buffer, sizeof buffer, 0);
            if (n <= 0) return data;
            data.append(buffer, static_cast<std::size_t>(n));
        }
    }

    Answer answer_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
};

}  // namespace tavik::test
