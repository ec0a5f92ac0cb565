#include "server/account/password_hash.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>

#include <algorithm>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <unordered_map>
#include <vector>

namespace tavik::server {
namespace {

// At most `count` holders at once, admitted first come, first served.
class FairSlots {
  public:
    explicit FairSlots(unsigned count) : count_(count) {}
    struct Held {
        explicit Held(FairSlots& s) : slots(s) {
            std::unique_lock lock(slots.mutex_);
            const std::uint64_t ticket = slots.issued_++;
            slots.changed_.wait(lock, [&] { return ticket < slots.finished_ + slots.count_; });
        }
        ~Held() {
            {
                std::lock_guard lock(slots.mutex_);
                ++slots.finished_;
            }
            slots.changed_.notify_all();
        }
        FairSlots& slots;
    };

  private:
    std::uint64_t count_, issued_ = 0, finished_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
};

constexpr const char* kPrefix = "pbkdf2-sha256";
constexpr std::size_t kSaltBytes = 16;
constexpr std::size_t kHashBytes = 32;

std::string toHex(const unsigned char* bytes, std::size_t n) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (std::size_t i = 0; i < n; ++i) {
        hex += digits[bytes[i] >> 4];
        hex += digits[bytes[i] & 15];
    }
    return hex;
}

bool fromHex(const std::string& hex, std::vector<unsigned char>& bytes) {
    if (hex.size() % 2 != 0) return false;
    auto nibble = [](char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int hi = nibble(hex[i]), lo = nibble(hex[i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes.push_back(static_cast<unsigned char>(hi * 16 + lo));
    }
    return true;
}

std::vector<unsigned char> derive(const std::string& password,
                                  const std::vector<unsigned char>& salt, int iterations) {
    // The slow hash runs on at most as many threads as there are cores, in the order the
    // requests came: a burst of sign-ups then queues here instead of starving every
    // other request of the CPU, and none of them waits behind later ones.
    static FairSlots cores(std::max(1u, std::thread::hardware_concurrency()));
    FairSlots::Held held(cores);
    std::vector<unsigned char> out(kHashBytes);
    if (PKCS5_PBKDF2_HMAC(password.data(), static_cast<int>(password.size()), salt.data(),
                          static_cast<int>(salt.size()), iterations, EVP_sha256(),
                          static_cast<int>(out.size()), out.data()) != 1) {
        throw std::runtime_error("PBKDF2 failed");
    }
    return out;
}

struct VerifiedCache {
    std::mutex mutex;
    std::unordered_map<std::string, std::string> byStored;  // stored hash -> keyed digest
    unsigned char key[32];
    VerifiedCache() {
        if (RAND_bytes(key, sizeof key) != 1) throw std::runtime_error("no random bytes");
    }
    std::string digest(const std::string& password) const {
        unsigned char out[EVP_MAX_MD_SIZE];
        unsigned int n = 0;
        HMAC(EVP_sha256(), key, sizeof key, reinterpret_cast<const unsigned char*>(password.data()),
             password.size(), out, &n);
        return std::string(reinterpret_cast<char*>(out), n);
    }
};

constexpr std::size_t kCacheLimit = 100000;

}  // namespace

std::string HashPassword(const std::string& password, int iterations) {
    std::vector<unsigned char> salt(kSaltBytes);
    if (RAND_bytes(salt.data(), static_cast<int>(salt.size())) != 1) {
        throw std::runtime_error("no random bytes for a salt");
    }
    const auto hash = derive(password, salt, iterations);
    return std::string(kPrefix) + "$" + std::to_string(iterations) + "$" +
           toHex(salt.data(), salt.size()) + "$" + toHex(hash.data(), hash.size());
}

bool VerifyPassword(const std::string& password, const std::string& stored) {
    const std::size_t a = stored.find('$');
    const std::size_t b = a == std::string::npos ? a : stored.find('$', a + 1);
    const std::size_t c = b == std::string::npos ? b : stored.find('$', b + 1);
    if (c == std::string::npos || stored.substr(0, a) != kPrefix) return false;
    int iterations = 0;
    try {
        iterations = std::stoi(stored.substr(a + 1, b - a - 1));
    } catch (...) {
        return false;
    }
    std::vector<unsigned char> salt, expected;
    if (iterations < 1 || !fromHex(stored.substr(b + 1, c - b - 1), salt) ||
        !fromHex(stored.substr(c + 1), expected) || expected.size() != kHashBytes) {
        return false;
    }
    const auto actual = derive(password, salt, iterations);
    return CRYPTO_memcmp(actual.data(), expected.data(), kHashBytes) == 0;
}

bool VerifyPasswordCached(const std::string& password, const std::string& stored) {
    static VerifiedCache cache;
    const std::string digest = cache.digest(password);
    {
        std::lock_guard lock(cache.mutex);
        const auto it = cache.byStored.find(stored);
        if (it != cache.byStored.end()) {
            return it->second.size() == digest.size() &&
                   CRYPTO_memcmp(it->second.data(), digest.data(), digest.size()) == 0;
        }
    }
    if (!VerifyPassword(password, stored)) return false;
    std::lock_guard lock(cache.mutex);
    if (cache.byStored.size() >= kCacheLimit) cache.byStored.clear();
    cache.byStored[stored] = digest;
    return true;
}

}  // namespace tavik::server
