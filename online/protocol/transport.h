#pragma once
// The small interface that carries one HTTP exchange, so that body building and reply
// parsing are tested without a network. CurlTransport (libcurl's easy interface) is
// the real one. Blocking; one transport serves one request at a time.

#include <memory>
#include <string>
#include <vector>

namespace tavik::online {

struct HttpRequest {
    bool post = true;  // false: a plain GET
    std::string url;
    std::string body;                  // the bytes posted, exactly
    std::vector<std::string> headers;  // "Name: value"
    std::string userAgent;             // empty: none sent
    long connectTimeoutMs = 5000;      // to have a connection
    long readTimeoutMs = 0;            // no byte for this long ends the request (0: none)
    bool followRedirects = false;
};

struct HttpResponse {
    bool ok = false;    // a complete answer with a status below 400
    long status = 0;    // 0 when no answer came
    std::string body;   // the bytes received
    std::string error;  // what went wrong, for a log or a test
};

class Transport {
  public:
    virtual ~Transport() = default;
    // Performs the request; never throws.
    virtual HttpResponse perform(const HttpRequest& request) = 0;
};

// A transport on its own libcurl handle. It keeps cookies between its requests (the
// shared client of the form posts allows cookies) and reuses the connection.
std::unique_ptr<Transport> MakeCurlTransport();

// libcurl's global initialisation, once per process, before any handle is made.
void InitCurl();

}  // namespace tavik::online
