#pragma once
// The HTTP side of tavik-services: one cpp-httplib server whose routes hand each
// request to its service (account, files; the top-ten, tournament and statistics
// services slot in beside them) and write the service's reply back.

#include <memory>
#include <string>

#include "server/storage/storage.h"

namespace httplib {
class Server;
}

namespace tavik::server {

struct ServerOptions {
    std::string host = "127.0.0.1";
    int port = 8390;
    std::string database;  // SQLite file path or postgresql:// address
    std::string files;     // photos, configuration, news, downloads
    int threads = 128;     // more than the connections expected at once (keep-alive holds one)
};

class ServicesServer {
  public:
    ServicesServer(const ServerOptions& options, std::unique_ptr<Storage> storage);
    ~ServicesServer();

    // Binds the address; the port actually bound (the free one chosen when 0 was asked),
    // or -1 when binding failed.
    int bind();
    // Serves until stop(); returns false when the server failed.
    bool serve();
    // Ends serve() from any thread (and from a signal watcher).
    void stop();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace tavik::server
