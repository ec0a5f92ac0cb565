// The photo upload against a real FTP server (pyftpdlib) on 127.0.0.1.
#include "online/protocol/photo_upload.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "online/account/string_cipher.h"
#include "online/protocol/service_paths.h"
#include "online/protocol/tests/fake_peer.h"

namespace tavik::online {
namespace {

namespace fs = std::filesystem;

// pyftpdlib serving `folder` with write access for one user, on a free port.
class FtpServer {
  public:
    FtpServer(const fs::path& folder, const std::string& user, const std::string& password) {
        ::close(test::ListenLocal(port_));
        const std::string port = std::to_string(port_);
        const std::string dir = folder.string();
        const char* argv[] = {"/usr/bin/python3",
                              "-m",
                              "pyftpdlib",
                              "-i",
                              "127.0.0.1",
                              "-p",
                              port.c_str(),
                              "-w",
                              "-d",
                              dir.c_str(),
                              "-u",
                              user.c_str(),
                              "-P",
                              password.c_str(),
                              nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, const_cast<char**>(argv), environ) != 0)
            pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; pid_ > 0 && i < 200 && !test::CanConnectLocal(port_); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ~FtpServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool running() const { return pid_ > 0 && test::CanConnectLocal(port_); }
    std::string folder() const { return "ftp://127.0.0.1:" + std::to_string(port_) + "/"; }

  private:
    int port_ = 0;
    pid_t pid_ = 0;
};

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(PhotoUpload, StoresNickJpgWholeAndRefusesWrongCredentials) {
    const fs::path dir = fs::temp_directory_path() / ("tavik-ftp-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const StringCipher cipher(CipherKey::Account);
    const std::string user = *cipher.decipher(paths::kPhotoStoreUser);
    const std::string password = *cipher.decipher(paths::kPhotoStorePassword);
    FtpServer server(dir, user, password);
    if (!server.running()) GTEST_SKIP() << "pyftpdlib is not available";

    PhotoStore store{EncipherAccountAddress(server.folder()), std::string(paths::kPhotoStoreUser),
                     std::string(paths::kPhotoStorePassword)};
    std::string jpeg = "\xFF\xD8\xFF\xE0";
    for (int i = 0; i < 50000; ++i) jpeg += static_cast<char>(i * 7);
    const UploadResult first = UploadPhoto(store, "Ann_(1)", jpeg);
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_EQ(Read(dir / "Ann_(1).jpg"), jpeg);

    // A new photo replaces the old one; no temporary file stays behind.
    const UploadResult second = UploadPhoto(store, "Ann_(1)", "\xFF\xD8 new \xFF\xD9");
    ASSERT_TRUE(second.ok) << second.error;
    EXPECT_EQ(Read(dir / "Ann_(1).jpg"), "\xFF\xD8 new \xFF\xD9");
    int files = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(dir)) ++files;
    EXPECT_EQ(files, 1);

    PhotoStore wrong = store;
    wrong.PasswordEnciphered = cipher.encipher("not the password");
    const UploadResult refused = UploadPhoto(wrong, "Ann_(1)", "other");
    EXPECT_FALSE(refused.ok);
    EXPECT_FALSE(refused.error.empty());
    EXPECT_EQ(Read(dir / "Ann_(1).jpg"), "\xFF\xD8 new \xFF\xD9");

    EXPECT_FALSE(UploadPhoto(store, "../escape", "x").ok);
    EXPECT_FALSE(UploadPhoto(store, "", "x").ok);
    PhotoStore unset;
    EXPECT_FALSE(UploadPhoto(unset, "Ann", "x").ok);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace tavik::online
