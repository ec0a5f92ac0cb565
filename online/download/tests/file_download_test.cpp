// Downloads from real servers on 127.0.0.1: python3's http.server serving a folder,
// and a socket that accepts connections but never answers.
#include "online/download/file_download.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "online/download/tests/local_http_server.h"

namespace tavik::download {
namespace {

namespace fs = std::filesystem;
using test::ListenLocal;

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
        server_ = std::make_unique<test::LocalHttpServer>((root_ / "served").string());
    }
    static void TearDownTestSuite() {
        server_.reset();
        fs::remove_all(root_);
    }
    void SetUp() override {
        ASSERT_TRUE(server_->running()) << "the test server did not start";
        target_ = root_ / "program-parent";
        fs::remove_all(target_);
        fs::create_directories(target_);
    }
    static fs::path served(const std::string& name) {
        return root_ / "served/downloads/progr/cards" / name;
    }
    static std::string base() { return server_->base(); }

    static inline fs::path root_;
    static inline std::unique_ptr<test::LocalHttpServer> server_;
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
    const int s = ListenLocal(port);
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
    const int s = ListenLocal(port);  // connections are accepted by the system, never answered
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
