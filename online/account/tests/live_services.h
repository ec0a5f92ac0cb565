#pragma once
// A real tavik-services (and, on request, its photo FTP store) started by a test on a
// free loopback port with a temporary database and files folder, stopped again when
// the object goes. Never a mock: the account tests talk to the server players use.

#include <sys/types.h>

#include <string>

namespace tavik::online::testing {

class LiveServices {
  public:
    // Starts TAVIK_SERVICES_EXE; with ftp also TAVIK_PHOTO_FTP_SCRIPT on the photos
    // folder. ok() tells whether both answered "listening on HOST:PORT".
    explicit LiveServices(bool ftp = false);
    ~LiveServices();
    LiveServices(const LiveServices&) = delete;
    LiveServices& operator=(const LiveServices&) = delete;

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    // "http://127.0.0.1:PORT/"
    const std::string& base() const { return base_; }
    // "ftp://127.0.0.1:PORT/", empty without ftp.
    const std::string& ftpFolder() const { return ftpFolder_; }
    const std::string& folder() const { return folder_; }
    // The photos folder the service serves and the FTP store writes.
    std::string photos() const { return folder_ + "/files/photos"; }

  private:
    struct Child {
        pid_t pid = -1;
        int port = 0;
        void* out = nullptr;  // the read end of its standard output, kept open
    };
    Child start(const char* const argv[]);
    static void stop(Child& child);

    std::string folder_, base_, ftpFolder_, error_;
    Child services_, ftp_;
    bool ok_ = false;
};

}  // namespace tavik::online::testing
