#include "online/account/tests/live_services.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tavik::online::testing {

LiveServices::LiveServices(bool ftp) {
    char pattern[] = "/tmp/tavik-account-XXXXXX";
    if (mkdtemp(pattern) == nullptr) {
        error_ = "no temporary folder";
        return;
    }
    folder_ = pattern;
    std::filesystem::create_directories(photos());
    const std::string db = folder_ + "/db.sqlite", files = folder_ + "/files";
    const char* const services[] = {TAVIK_SERVICES_EXE, "--listen", "127.0.0.1:0", "--db",
                                    db.c_str(),         "--files",  files.c_str(), nullptr};
    services_ = start(services);
    if (services_.port == 0) return;
    base_ = "http://127.0.0.1:" + std::to_string(services_.port) + "/";
    if (ftp) {
        const std::string folder = photos();
        const char* const store[] = {"/usr/bin/python3",
                                     TAVIK_PHOTO_FTP_SCRIPT,
                                     "--folder",
                                     folder.c_str(),
                                     "--port",
                                     "0",
                                     nullptr};
        ftp_ = start(store);
        if (ftp_.port == 0) return;
        ftpFolder_ = "ftp://127.0.0.1:" + std::to_string(ftp_.port) + "/";
    }
    ok_ = true;
}

LiveServices::~LiveServices() {
    stop(ftp_);
    stop(services_);
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

LiveServices::Child LiveServices::start(const char* const argv[]) {
    int out[2];
    Child child;
    if (pipe(out) != 0) {
        error_ = "no pipe";
        return child;
    }
    child.pid = fork();
    if (child.pid == 0) {
        // A test that dies without its destructors takes its servers with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execvp(argv[0], const_cast<char* const*>(argv));
        _exit(127);
    }
    close(out[1]);
    // The first line says where it listens; its end of the pipe then stays open.
    FILE* stream = fdopen(out[0], "r");
    char line[256] = {};
    if (child.pid > 0 && stream != nullptr && std::fgets(line, sizeof line, stream) != nullptr) {
        const std::string text = line;
        const std::size_t colon = text.rfind(':');
        if (text.rfind("listening on ", 0) == 0 && colon != std::string::npos)
            child.port = std::atoi(text.c_str() + colon + 1);
    }
    if (child.port == 0) error_ = std::string(argv[0]) + " did not start: " + line;
    // Both servers print that one line only; the pipe stays open so that a later
    // line cannot end them with SIGPIPE.
    child.out = stream;
    return child;
}

void LiveServices::stop(Child& child) {
    if (child.pid <= 0) return;
    kill(child.pid, SIGTERM);
    int status = 0;
    waitpid(child.pid, &status, 0);
    child.pid = -1;
    if (child.out != nullptr) std::fclose(static_cast<FILE*>(child.out));
    child.out = nullptr;
}

}  // namespace tavik::online::testing
