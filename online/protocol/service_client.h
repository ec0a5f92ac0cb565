#pragma once
// What every request function works with: the shared form-post client, the addresses,
// and where the downloads get a client of their own. Requests on one ServiceClient
// never overlap: use it from one thread at a time (the window runs each request on a
// worker and waits for it, see ui/waiting/run_waiting.h).

#include <functional>
#include <memory>

#include "online/protocol/addresses.h"
#include "online/protocol/transport.h"
#include "online/protocol/web_client.h"

namespace tavik::online {

struct ServiceClient {
    explicit ServiceClient(ServiceAddresses at = ServiceAddresses::BuiltIn(),
                           std::unique_ptr<Transport> transport = MakeCurlTransport())
        : addresses(std::move(at)), web(std::move(transport)) {}

    ServiceAddresses addresses;
    WebClient web;
    // A fresh client for each download (default settings, its own cookies).
    std::function<std::unique_ptr<Transport>()> downloadClient = [] { return MakeCurlTransport(); };
};

}  // namespace tavik::online
