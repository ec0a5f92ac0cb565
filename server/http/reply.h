#pragma once
// What a service answers: an HTTP status and a body of single-byte Windows-1251 text.
// Every reply is one line ended by CR LF, because the client never reads a reply's
// final character.

#include <string>
#include <string_view>

namespace tavik::server {

struct Reply {
    int status = 200;
    std::string body;  // Windows-1251 bytes
    std::string contentType = "text/html; charset=windows-1251";
};

// A reply line from UTF-8 text: converted to Windows-1251 (a character the code page
// lacks becomes '?') and ended by CR LF.
Reply LineReply(std::string_view utf8);
// A request the service cannot take: status 400 and "fail: " with the reason. The
// client treats the HTTP error as a failed request.
Reply BadRequest(std::string_view reason);
// The storage failed: status 500.
Reply ServiceFailure(std::string_view reason);

// A real as the client writes and reads it: "0" below 0.00001 in magnitude, otherwise
// the shortest form of at most 15 significant digits with a point, never an exponent.
std::string FormatReal(double value);

}  // namespace tavik::server
