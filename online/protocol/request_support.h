#pragma once
// Helpers shared by the request functions (not part of the public interface): the
// conversion of reply tokens, the numbers of a body, and the outer shape of every
// request that turns any failure into its failure result.

#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "core/files/codec.h"
#include "online/protocol/reply_parsers.h"
#include "online/protocol/web_client.h"

namespace tavik::online::detail {

// A reply token (Windows-1251) as UTF-8; a byte without a character becomes '?'.
inline std::string Utf8(std::string_view cp1251) {
    if (auto text = files::cp1251ToUtf8(cp1251)) return *text;
    std::string cleaned(cp1251);
    for (char& c : cleaned)
        if (static_cast<unsigned char>(c) == 0x98) c = '?';
    return files::cp1251ToUtf8(cleaned).value_or("?");
}

inline std::string Num(long long n) {
    return std::to_string(n);
}

// Tokens numbered from 1; an absent token is nullptr.
class Tokens {
  public:
    explicit Tokens(std::vector<std::string> tokens) : tokens_(std::move(tokens)) {}
    const std::string* at(int n) const {
        return n >= 1 && n <= static_cast<int>(tokens_.size()) ? &tokens_[n - 1] : nullptr;
    }
    // Sets the field from token n when the reply holds it.
    void text(int n, std::string& field) const {
        if (const std::string* t = at(n)) field = Utf8(*t);
    }
    void whole(int n, int& field) const {
        if (const std::string* t = at(n)) field = ParseInt(*t);
    }
    void real(int n, double& field) const {
        if (const std::string* t = at(n)) field = ParseReal(*t);
    }
    // The first character of a non-empty token.
    void first(int n, char& field) const {
        if (const std::string* t = at(n); t != nullptr && !t->empty()) field = (*t)[0];
    }

  private:
    std::vector<std::string> tokens_;
};

// Runs a request's steps; false when any of them throws.
template <typename Steps>
bool Guarded(Steps&& steps) {
    try {
        steps();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// A request whose reply gives one number by LastNumber: number is -1 and the result
// false when the post fails or the reply holds no number.
template <typename Post>
bool NumberReply(Post&& post, int& number) {
    number = -1;
    return Guarded([&] {
        const auto n = LastNumber(post());
        if (!n || *n > std::numeric_limits<int>::max())
            throw RequestError("no number in the reply");
        number = static_cast<int>(*n);
    });
}

}  // namespace tavik::online::detail
