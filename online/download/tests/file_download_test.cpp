// Downloads from real servers on 127.0.0.1: python3's http.server serving a folder,
// and a socket that accepts connections but never answers.
#include "online/download/file_download.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

extern char** environ;

namespace tavik::download {
namespace {

namespace fs = std::filesystem;

// A listening socket on 127.0.0.1 and a free port chosen by the system.
int Listen(int& port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    if (s < 0 || ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(s, 4) != 0)
        return -1;
    socklen_t len = sizeof a;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
    port = ntohs(a.sin_port);
    return s;
}

bool CanConnect(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

void WriteFile(const fs::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

std::string ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The folder the server serves ("downloads/progr/cards/" inside it) and the folder
// the downloads go to; a python3 http.server on a free port for the whole suite.
class Download : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        root_ = fs::temp_directory_path() / ("tavik-download-" + std::to_string(::getpid()));
        fs::create_directories(root_ / "served/downloads/progr/cards");
        int s = Listen(port_);
        ::close(s);  // the port is free; the server takes it next
        const std::string portText = std::to_string(port_);
        const std::string dir = (root_ / "served").string();
        const char* argv[] = {"python3", "-m", "http.server", "--bind", "127.0.0.1",
                              portText.c_str(), "--directory", dir.c_str(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        posix_spawnp(&server_, "python3", &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 200 && !CanConnect(port_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    static void TearDownTestSuite() {
        if (server_ > 0) {
            ::kill(server_, SIGTERM);
            ::waitpid(server_, nullptr, 0);
        }
        fs::remove_all(root_);
    }
    void SetUp() override {
        ASSERT_TRUE(CanConnect(port_)) << "the test server did not start";
        target_ = root_ / "program-parent";
        fs::remove_all(target_);
        fs::create_directories(target_);
    }
    static fs::path served(const std::string& name) {
        return root_ / "served/downloads/progr/cards" / name;
    }
    static std::string base() { return "http://127.0.0.1:" + std::to_string(port_); }

    static inline fs::path root_;
    static inline int port_ = 0;
    static inline pid_t server_ = 0;
    fs::path target_;
};

// The check the options dialog makes in its own way (a Qt resource file): here the
// first four bytes of such a file.
bool LooksLikeResourceFile(const fs::path& p) {
    return ReadFile(p).rfind("qres", 0) == 0;
}

TEST(DownloadAddress, IsTheBaseThePluginPathAndTheName) {
    EXPECT_EQ(PluginDownloadUrl("http://h:1/", "QorCards06A.rcc"),
              "http://h:1/downloads/progr/cards/QorCards06A.rcc");
    EXPECT_EQ(PluginDownloadUrl("http://h:1", "QorRadio.rad"),
              "http://h:1/downloads/progr/cards/QorRadio.rad");
}

TEST_F(Download, AGoodFileIsInstalledUnderItsNameAndNoTemporaryStays) {
    const std::string body = "qres" + std::string(5000, 'x');
    WriteFile(served("QorCards06A.rcc"), body);
    const fs::path target = target_ / "QorCards06A.rcc";
    const DownloadResult r = DownloadFile(PluginDownloadUrl(base(), "QorCards06A.rcc"), target,
                                          {}, LooksLikeResourceFile);
    EXPECT_TRUE(r.ok()) << r.message;
    EXPECT_EQ(r.httpStatus, 200);
    EXPECT_EQ(ReadFile(target), body);
    EXPECT_FALSE(fs::exists(PartialName(target)));
}

TEST_F(Download, AGoodFileReplacesAnOldOneOnlyWhenComplete) {
    const fs::path target = target_ / "QorBackG03.rcc";
    WriteFile(target, "qres old");
    WriteFile(served("QorBackG03.rcc"), "qres new");
    EXPECT_TRUE(DownloadFile(PluginDownloadUrl(base(), "QorBackG03.rcc"), target).ok());
    EXPECT_EQ(ReadFile(target), "qres new");

    WriteFile(served("QorBackG03.rcc"), "garbage");
    const DownloadResult bad = DownloadFile(PluginDownloadUrl(base(), "QorBackG03.rcc"), target,
                                            {}, LooksLikeResourceFile);
    EXPECT_EQ(bad.status, DownloadStatus::Invalid);
    EXPECT_EQ(ReadFile(target), "qres new");  // the installed file is untouched
}

TEST_F(Download, FailuresLeaveNothingBehind) {
    WriteFile(served("QorCGraph1.rcc"), "<html>not a library</html>");
    WriteFile(served("Empty.rcc"), "");
    struct Case {
        const char* file;
        DownloadStatus status;
        long http;
    };
    for (const Case c : {Case{"Missing.rcc", DownloadStatus::HttpError, 404},
                         Case{"QorCGraph1.rcc", DownloadStatus::Invalid, 200},
                         Case{"Empty.rcc", DownloadStatus::Invalid, 200}}) {
        SCOPED_TRACE(c.file);
        const fs::path target = target_ / c.file;
        const DownloadResult r =
            DownloadFile(PluginDownloadUrl(base(), c.file), target, {}, LooksLikeResourceFile);
        EXPECT_EQ(r.status, c.status) << r.message;
        EXPECT_EQ(r.httpStatus, c.http);
        EXPECT_FALSE(fs::exists(target));
        EXPECT_FALSE(fs::exists(PartialName(target)));
    }
}

TEST_F(Download, ATransferCutShortIsAFailure) {
    // A server that promises 1000 bytes, sends 10 and closes.
    int port = 0;
    const int s = Listen(port);
    ASSERT_GE(s, 0);
    std::thread server([s] {
        const int c = ::accept(s, nullptr, nullptr);
        char request[2048];
        (void)::recv(c, request, sizeof request, 0);
        const std::string answer =
            "HTTP/1.1 200 OK\r\nContent-Length: 1000\r\nConnection: close\r\n\r\nqres012345";
        (void)::send(c, answer.data(), answer.size(), 0);
        ::close(c);
    });
    const fs::path target = target_ / "QorCards06B.rcc";
    const DownloadResult r = DownloadFile(
        PluginDownloadUrl("http://127.0.0.1:" + std::to_string(port), "QorCards06B.rcc"), target);
    server.join();
    ::close(s);
    EXPECT_EQ(r.status, DownloadStatus::NetworkError) << r.message;
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(PartialName(target)));
}

TEST_F(Download, AServerThatNeverAnswersEndsInAFailure) {
    int port = 0;
    const int s = Listen(port);  // connections are accepted by the system, never answered
    ASSERT_GE(s, 0);
    const fs::path target = target_ / "QorCVoice3.rcc";
    DownloadLimits limits;
    limits.connectTimeoutMs = 500;
    limits.totalTimeoutMs = 800;
    const DownloadResult r = DownloadFile(
        PluginDownloadUrl("http://127.0.0.1:" + std::to_string(port), "QorCVoice3.rcc"), target,
        limits);
    ::close(s);
    EXPECT_EQ(r.status, DownloadStatus::NetworkError);
    EXPECT_EQ(r.httpStatus, 0);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists(PartialName(target)));
}

TEST_F(Download, AnUnwritableFolderIsAWriteError) {
    WriteFile(served("QorCards06C.rcc"), "qres");
    const DownloadResult r = DownloadFile(PluginDownloadUrl(base(), "QorCards06C.rcc"),
                                          target_ / "no-such-folder" / "QorCards06C.rcc");
    EXPECT_EQ(r.status, DownloadStatus::WriteError);
}

}  // namespace
}  // namespace tavik::download
