// The libcurl transport: one easy handle per transport, kept for its cookies and its
// connection.
#include <curl/curl.h>

#include <mutex>

#include "online/protocol/transport.h"

namespace tavik::online {

namespace {

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t Append(char* data, size_t size, size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

class CurlTransport final : public Transport {
  public:
    CurlTransport() {
        GlobalInit();
        curl_ = curl_easy_init();
    }
    ~CurlTransport() override {
        if (curl_ != nullptr) curl_easy_cleanup(curl_);
    }
    CurlTransport(const CurlTransport&) = delete;
    CurlTransport& operator=(const CurlTransport&) = delete;

    HttpResponse perform(const HttpRequest& request) override {
        HttpResponse response;
        if (curl_ == nullptr) {
            response.error = "curl_easy_init failed";
            return response;
        }
        CURL* c = curl_;
        curl_easy_reset(c);  // keeps the cookies and the open connection
        char error[CURL_ERROR_SIZE] = {};
        curl_easy_setopt(c, CURLOPT_URL, request.url.c_str());
        curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // time-outs without signals, on any thread
        curl_easy_setopt(c, CURLOPT_COOKIEFILE, "");  // the cookie engine, in memory
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Append);
        curl_easy_setopt(c, CURLOPT_WRITEDATA, &response.body);
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
        if (request.readTimeoutMs > 0) {
            // No byte for the read time-out ends the request (libcurl counts in seconds).
            curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
            curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, (request.readTimeoutMs + 999) / 1000);
        }
        if (request.followRedirects) {
            curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
            curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
        }
        if (!request.userAgent.empty())
            curl_easy_setopt(c, CURLOPT_USERAGENT, request.userAgent.c_str());
        curl_slist* headers = nullptr;
        for (const std::string& h : request.headers) headers = curl_slist_append(headers, h.c_str());
        // No "Expect: 100-continue" pause before larger bodies.
        headers = curl_slist_append(headers, "Expect:");
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
        if (request.post) {
            curl_easy_setopt(c, CURLOPT_POST, 1L);
            curl_easy_setopt(c, CURLOPT_POSTFIELDS, request.body.data());
            curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE,
                             static_cast<curl_off_t>(request.body.size()));
        } else {
            curl_easy_setopt(c, CURLOPT_HTTPGET, 1L);
        }
        const CURLcode code = curl_easy_perform(c);
        curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &response.status);
        curl_easy_setopt(c, CURLOPT_HTTPHEADER, nullptr);
        curl_slist_free_all(headers);
        if (code != CURLE_OK) {
            response.error = error[0] != 0 ? error : curl_easy_strerror(code);
        } else if (response.status >= 400) {
            response.error = "HTTP status " + std::to_string(response.status);
        } else {
            response.ok = true;
        }
        return response;
    }

  private:
    CURL* curl_ = nullptr;
};

}  // namespace

std::unique_ptr<Transport> MakeCurlTransport() { return std::make_unique<CurlTransport>(); }

}  // namespace tavik::online
