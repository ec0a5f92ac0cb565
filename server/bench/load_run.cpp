// tavik-services-load: a bounded load run of the account service through the real
// client requests. Each of N clients (one thread and one ServiceClient each) sends R
// requests mixed as the game does: registrations, sign-ins, game saves and reads, the
// member count, the rating top and place. Afterwards every account it created is read
// back. Prints requests per second, latency percentiles and what was lost; exits 1
// when a request failed or anything was lost. Loopback servers only: the address must
// be on 127.0.0.1 or localhost.
//   tavik-services-load --server http://127.0.0.1:PORT/ [--clients 100] [--requests 100]
//                       [--register-every 10]

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "online/protocol/account_requests.h"

namespace {

using namespace tavik::online;
using Clock = std::chrono::steady_clock;

struct Options {
    std::string server;
    int clients = 100;
    int requests = 100;
    int registerEvery = 10;  // every n-th request of a client registers a new account
};

struct Made {
    std::string nick, pw;
    int lastKon = -1;  // the Kon of the last successful save, -1 when none
};

struct ClientResult {
    std::vector<double> latenciesMs;
    std::vector<Made> accounts;
    int failed = 0;
};

TQorUser newUser(const std::string& nick, const std::string& pw) {
    TQorUser u;
    u.Nick = nick;
    u.Pw = pw;
    u.City = "Тверь";
    u.Country1 = "Russia";
    u.Country2 = "1-001";
    u.Sex = 'M';
    u.EMail = nick + "@load.test";
    u.DateR = "11.12.2026";
    u.R01 = u.R02 = u.R03 = "xxx";
    return u;
}

ClientResult runClient(const Options& o, const std::string& runId, int index) {
    ClientResult result;
    ServiceClient client(ServiceAddresses::BuiltIn(o.server));
    std::mt19937 random(static_cast<unsigned>(index) * 7919u + 1);
    auto timed = [&](auto&& request) {
        const auto start = Clock::now();
        const bool ok = request();
        result.latenciesMs.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        if (!ok) ++result.failed;
    };
    for (int i = 0; i < o.requests; ++i) {
        const int kind = i % 9 + 1;
        if (i % o.registerEvery == 0 || result.accounts.empty()) {
            Made m{runId + std::to_string(index) + "n" + std::to_string(i),
                   "pw" + std::to_string(random() % 100000)};
            timed([&] {
                const int status = RegisterUser(client, newUser(m.nick, m.pw));
                if (status == 0) result.accounts.push_back(m);
                return status == 0;
            });
            continue;
        }
        Made& m = result.accounts[random() % result.accounts.size()];
        if (kind <= 3) {
            TQorUser u;
            timed([&] { return ReadUser(client, m.nick, m.pw, u); });
        } else if (kind <= 5) {
            TQorGame g;
            g.Kon = i;
            g.Score = static_cast<int>(random() % 300);
            g.Rating = static_cast<double>(random() % 10000) / 8.0;
            g.Sessions = 1;
            timed([&] {
                const bool ok = SaveGame(client, m.nick, m.pw, g);
                if (ok) m.lastKon = g.Kon;
                return ok;
            });
        } else if (kind == 6) {
            TQorGame g;
            timed([&] { return ReadGame(client, m.nick, m.pw, g); });
        } else if (kind == 7) {
            int count = 0;
            timed([&] { return ReadMemberCount(client, count); });
        } else if (kind == 8) {
            TopTenRows rows;
            timed([&] { return ReadRatingTop(client, rows); });
        } else {
            int place = 0;
            timed([&] { return ReadRatingPlace(client, 100.0, place); });
        }
    }
    return result;
}

double percentile(std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    const std::size_t at = static_cast<std::size_t>(p * static_cast<double>(sorted.size() - 1));
    return sorted[at];
}

bool loopback(const std::string& url) {
    return url.rfind("http://127.0.0.1:", 0) == 0 || url.rfind("http://localhost:", 0) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        try {
            if (name == "--server") {
                o.server = value;
            } else if (name == "--clients") {
                o.clients = std::stoi(value);
            } else if (name == "--requests") {
                o.requests = std::stoi(value);
            } else if (name == "--register-every") {
                o.registerEvery = std::stoi(value);
            } else {
                throw std::invalid_argument(name);
            }
        } catch (const std::exception&) {
            std::cerr << "tavik-services-load: bad argument " << name << "\n";
            return 2;
        }
    }
    if (argc % 2 == 0 || !loopback(o.server) || o.clients < 1 || o.clients > 1000 ||
        o.requests < 1 || o.requests > 10000 || o.registerEvery < 1) {
        std::cerr
            << "usage: tavik-services-load --server http://127.0.0.1:PORT/ [--clients 1..1000]"
               " [--requests 1..10000] [--register-every N]\n";
        return 2;
    }

    // Nicks of this run: a random prefix, so runs against the same database never meet.
    std::random_device device;
    std::string runId = "l";
    for (int i = 0; i < 3; ++i) runId += static_cast<char>('a' + device() % 26);

    std::vector<ClientResult> results(static_cast<std::size_t>(o.clients));
    const auto start = Clock::now();
    {
        std::vector<std::thread> threads;
        for (int c = 0; c < o.clients; ++c) {
            threads.emplace_back(
                [&, c] { results[static_cast<std::size_t>(c)] = runClient(o, runId, c); });
        }
        for (auto& t : threads) t.join();
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();

    std::vector<double> latencies;
    std::vector<Made> accounts;
    int failed = 0;
    for (auto& r : results) {
        latencies.insert(latencies.end(), r.latenciesMs.begin(), r.latenciesMs.end());
        accounts.insert(accounts.end(), r.accounts.begin(), r.accounts.end());
        failed += r.failed;
    }
    std::sort(latencies.begin(), latencies.end());

    // Every account made must sign in, and hold the last record saved for it.
    ServiceClient checker(ServiceAddresses::BuiltIn(o.server));
    int lostAccounts = 0, lostSaves = 0, checkedSaves = 0;
    for (const Made& m : accounts) {
        TQorUser u;
        if (!ReadUser(checker, m.nick, m.pw, u) || u.City != "Тверь") ++lostAccounts;
        if (m.lastKon >= 0) {
            ++checkedSaves;
            TQorGame g;
            if (!ReadGame(checker, m.nick, m.pw, g) || g.Kon != m.lastKon) ++lostSaves;
        }
    }

    std::printf("load run: %d clients x %d requests against %s, a registration every %d\n",
                o.clients, o.requests, o.server.c_str(), o.registerEvery);
    std::printf("requests %zu in %.2f s: %.0f requests/s\n", latencies.size(), seconds,
                static_cast<double>(latencies.size()) / seconds);
    std::printf("latency ms: p50 %.2f  p90 %.2f  p99 %.2f  max %.2f\n", percentile(latencies, 0.5),
                percentile(latencies, 0.9), percentile(latencies, 0.99),
                latencies.empty() ? 0.0 : latencies.back());
    std::printf("failed requests %d\n", failed);
    std::printf("accounts registered %zu, lost %d; game records checked %d, lost %d\n",
                accounts.size(), lostAccounts, checkedSaves, lostSaves);
    return failed == 0 && lostAccounts == 0 && lostSaves == 0 ? 0 : 1;
}
