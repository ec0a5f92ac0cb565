// tavik-services: the self-hosted web service of Tavik-Vel.
//   tavik-services --listen HOST:PORT --db URI --files DIR [--threads N]
// Prints "listening on HOST:PORT" (the port really bound) once it accepts requests,
// and stops cleanly on SIGTERM or SIGINT (exit 0). Bad arguments: exit 2; a database
// or an address that cannot be opened: exit 1.

#include <pthread.h>
#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <thread>

#include "server/app/server_arguments.h"
#include "server/app/services_server.h"

int main(int argc, char** argv) {
    using namespace tavik::server;
    std::string error;
    const auto options =
        ParseServerArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::cerr << "tavik-services: " << error << "\n" << kServerUsage << "\n";
        return 2;
    }

    // Signals are taken by one watcher thread; every other thread has them blocked.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    signal(SIGPIPE, SIG_IGN);

    std::error_code ec;
    for (const char* sub : {"photos", "downloads/progr/cards"}) {
        std::filesystem::create_directories(std::filesystem::path(options->files) / sub, ec);
        if (ec) {
            std::cerr << "tavik-services: cannot create " << options->files << "/" << sub << ": "
                      << ec.message() << "\n";
            return 1;
        }
    }

    std::unique_ptr<Storage> storage;
    try {
        storage = OpenStorage(options->database);
    } catch (const StorageError& e) {
        std::cerr << "tavik-services: " << e.what() << "\n";
        return 1;
    }
    ServicesServer server(*options, std::move(storage));
    const int port = server.bind();
    if (port <= 0) {
        std::cerr << "tavik-services: cannot listen on " << options->host << ":" << options->port
                  << "\n";
        return 1;
    }

    std::thread watcher([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        server.stop();
    });
    const bool ipv6 = options->host.find(':') != std::string::npos;
    std::cout << "listening on " << (ipv6 ? "[" + options->host + "]" : options->host) << ":"
              << port << std::endl;
    const bool served = server.serve();
    // When serving ended by itself, wake the watcher so it can be joined.
    pthread_kill(watcher.native_handle(), SIGTERM);
    watcher.join();
    return served ? 0 : 1;
}
