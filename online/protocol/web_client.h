#pragma once
// WebClient: the one client of every form post, with the two body styles of the
// request catalogue. It sets the user agent "QorSpecAccess" and the form content type
// on every post and keeps the read time-out once a request has set it: from the first
// request that asks for 3000 ms on, every later post waits at most that long for a
// byte. A connection must come within kConnectTimeoutMs, and before any read time-out
// is set a post still ends after kStallTimeoutMs without a byte, so no server can hold
// a request forever.

#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "online/protocol/transport.h"

namespace tavik::online {

inline constexpr long kConnectTimeoutMs = 5000;
inline constexpr long kReadTimeoutMs = 3000;
inline constexpr long kStallTimeoutMs = 30000;

// A failed exchange (no connection, a time-out, an HTTP error status) or a reply that
// does not parse. The request functions catch it and report failure.
class RequestError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Bytes in %XX form except ASCII letters, digits and the signs in `kept`; a blank
// becomes '+' when blankAsPlus (form encoding), else %20.
std::string PercentEncoded(std::string_view bytes, std::string_view kept, bool blankAsPlus);

// FormBody (style A): UTF-8 text to the Windows-1251 bytes that go on the wire as they
// are. A character the code page lacks becomes '?'.
std::string FormBodyBytes(std::string_view utf8);
// FieldList (style B): the LF CR separated text loaded as a string list (one entry per
// line, so an empty entry between each two fields) and form-encoded: name '=' value
// percent-encoded as UTF-8 (letters, digits and *-._ kept, blank as '+'), an entry
// without '=' encoded whole, entries joined with '&'.
std::string FieldListBytes(std::string_view lfcrText);
// The LF CR separated text of a list of fields.
std::string FieldListText(std::initializer_list<std::string> fields);

class WebClient {
  public:
    explicit WebClient(std::unique_ptr<Transport> transport = MakeCurlTransport());

    // Sets the read time-out for this and every later post.
    void setReadTimeout(long ms) { readTimeoutMs_ = ms; }
    long readTimeout() const { return readTimeoutMs_; }

    // Posts a FormBody and returns the reply bytes (single-byte text). Throws RequestError.
    std::string postFormBody(const std::string& url, std::string_view utf8Body);
    // Posts a FieldList built from LF CR separated text. Throws RequestError.
    std::string postFieldList(const std::string& url, std::string_view lfcrText);

    Transport& transport() { return *transport_; }

  private:
    std::string post(const std::string& url, std::string body);

    std::unique_ptr<Transport> transport_;
    long readTimeoutMs_ = 0;
};

}  // namespace tavik::online
