#pragma once
// The plain downloads, all from the files folder (--files DIR):
//   DIR/photos/NICK.jpg                  member photos (the FTP server writes them)
//   DIR/config.txt                       the remote configuration, as the operator wrote it
//   DIR/news.txt                         the current news number
//   DIR/downloads/progr/cards/NAME       the plug-in libraries
// and the caller's address as the service sees it. Names are checked before any file
// is opened, so no request reaches outside these folders.

#include <string>

#include "server/http/reply.h"

namespace tavik::server {

class FilesService {
  public:
    explicit FilesService(std::string folder) : folder_(std::move(folder)) {}

    // The photo of the nick; 404 when there is none (or the nick cannot be one).
    Reply photo(const std::string& nick) const;
    // The remote configuration served as is; an empty text when the file is absent.
    Reply remoteConfig() const;
    // The news page served as is; an empty text when the file is absent.
    Reply news() const;
    // A plug-in library by file name; 404 for a missing file or a name that is not a
    // plain file name (no folders, no leading '.').
    Reply download(const std::string& name) const;

    std::string photoFolder() const { return folder_ + "/photos"; }

  private:
    Reply textFile(const std::string& name) const;
    std::string folder_;
};

// The caller's address: the connection's peer, or, when the peer is a reverse proxy
// on this machine (a loopback address), the last address of its X-Forwarded-For header
// (else its X-Real-IP). Answered as one line.
Reply OutsideAddress(const std::string& peer, const std::string& forwardedFor,
                     const std::string& realIp);

// A plain file name: letters, digits and . _ - ( ) ! , @ only, not starting with '.',
// at most 100 characters.
bool IsPlainFileName(const std::string& name);

}  // namespace tavik::server
