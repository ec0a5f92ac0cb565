#pragma once
// Uploads a member photo to the photo store by FTP (passive mode) as NICK.jpg. The
// file reaches its name in one piece: it is sent under a temporary name and renamed.

#include <string>

#include "online/protocol/addresses.h"

namespace tavik::online {

struct UploadResult {
    bool ok = false;
    std::string error;  // libcurl's words when it failed
};

// Sends jpegBytes as the store folder's file nick + ".jpg".
UploadResult UploadPhoto(const PhotoStore& store, const std::string& nick,
                         const std::string& jpegBytes);

}  // namespace tavik::online
