#pragma once
// A transport that keeps every request and answers each with the next scripted reply
// (or a failure), for tests of bodies and parsing without a network.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "online/protocol/service_client.h"

namespace tavik::test {

struct FakeTransport : online::Transport {
    std::vector<online::HttpRequest> requests;
    std::deque<online::HttpResponse> replies;

    online::HttpResponse perform(const online::HttpRequest& request) override {
        requests.push_back(request);
        if (replies.empty()) return online::HttpResponse{false, 0, "", "no reply scripted"};
        online::HttpResponse r = replies.front();
        replies.pop_front();
        return r;
    }
};

// A client on a fake transport; `fake` stays owned by the client.
struct FakeClient {
    FakeClient() {
        auto transport = std::make_unique<FakeTransport>();
        fake = transport.get();
        client = std::make_unique<online::ServiceClient>(
            online::ServiceAddresses::BuiltIn("http://svc.test/"), std::move(transport));
    }
    // Scripts the next reply.
    FakeClient& reply(std::string body) {
        fake->replies.push_back(online::HttpResponse{true, 200, std::move(body), ""});
        return *this;
    }
    FakeClient& fail() {
        fake->replies.push_back(online::HttpResponse{false, 0, "", "connection refused"});
        return *this;
    }
    const online::HttpRequest& last() const { return fake->requests.back(); }
    online::ServiceClient& operator*() { return *client; }

    FakeTransport* fake = nullptr;
    std::unique_ptr<online::ServiceClient> client;
};

}  // namespace tavik::test
