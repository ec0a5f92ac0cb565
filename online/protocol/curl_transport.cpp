// The libcurl transport: one easy handle per transport, kept for its cookies and its
// connection.
#include <curl/curl.h>

#include <chrono>
#include <mutex>

#include "online/protocol/transport.h"

namespace tavik::online {

namespace {

size_t Append(char* data, size_t size, size_t count, void* out) {
    static_cast<std::string*>(out)->append(data, size * count);
    return size * count;
}

// The read time-out: no byte in either direction for limitMs, once connected, ends
// the transfer. libcurl calls the progress function at least once a second.
struct ReadWatch {
    using Clock = std::chrono::steady_clock;
    CURL* curl;
    long limitMs;
    Clock::time_point last = Clock::now();
    curl_off_t received = 0, sent = 0;
    bool expired = false;
};

int WatchProgress(void* data, curl_off_t, curl_off_t dlnow, curl_off_t, curl_off_t ulnow) {
    auto* w = static_cast<ReadWatch*>(data);
    const auto now = ReadWatch::Clock::now();
    curl_off_t connected = 0;
    curl_easy_getinfo(w->curl, CURLINFO_CONNECT_TIME_T, &connected);
    if (connected == 0 || dlnow != w->received || ulnow != w->sent) {
        // Still connecting (the connect time-out rules that), or bytes moved.
        w->last = now;
        w->received = dlnow;
        w->sent = ulnow;
        return 0;
    }
    if (now - w->last < std::chrono::milliseconds(w->limitMs)) return 0;
    w->expired = true;
    return 1;  // ends the transfer with CURLE_ABORTED_BY_CALLBACK
}

class CurlTransport final : public Transport {
  public:
    CurlTransport() {
        InitCurl();
        curl_ = curl_easy_init();
        // The cookie engine, in memory; it outlives curl_easy_reset with its cookies.
        if (curl_ != nullptr) curl_easy_setopt(curl_, CURLOPT_COOKIEFILE, "");
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
        // Every option a request varies is set on each request; the handle keeps its
        // cookies and its open connection.
        char error[CURL_ERROR_SIZE] = {};
        curl_easy_setopt(c, CURLOPT_URL, request.url.c_str());
        curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
        curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);  // time-outs without signals, on any thread
        curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Append);
        curl_easy_setopt(c, CURLOPT_WRITEDATA, &response.body);
        curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, request.connectTimeoutMs);
        ReadWatch watch{c, request.readTimeoutMs};
        curl_easy_setopt(c, CURLOPT_NOPROGRESS, request.readTimeoutMs > 0 ? 0L : 1L);
        curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &WatchProgress);
        curl_easy_setopt(c, CURLOPT_XFERINFODATA, &watch);
        curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, request.followRedirects ? 1L : 0L);
        curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
        curl_easy_setopt(c, CURLOPT_USERAGENT,
                         request.userAgent.empty() ? nullptr : request.userAgent.c_str());
        curl_slist* headers = nullptr;
        for (const std::string& h : request.headers)
            headers = curl_slist_append(headers, h.c_str());
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
        curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);
        curl_slist_free_all(headers);
        if (watch.expired) {
            response.error = "no answer within " + std::to_string(request.readTimeoutMs) + " ms";
        } else if (code != CURLE_OK) {
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

void InitCurl() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::unique_ptr<Transport> MakeCurlTransport() {
    return std::make_unique<CurlTransport>();
}

}  // namespace tavik::online
