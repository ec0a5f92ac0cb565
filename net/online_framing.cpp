#include "net/online_framing.h"

namespace tavik::net {
namespace {

OnlineMessage unframe(std::string_view piece) {
    OnlineMessage m;
    const bool framed = piece.size() == kOnlinePieceLength && !piece.starts_with("b");
    const char digit = piece.empty() ? 0 : piece.back();
    if (framed && digit >= '0' && digit <= '9') m.seat = digit - '0';
    m.bytes = std::string(piece.substr(0, piece.find('#')));
    return m;
}

}  // namespace

std::string frameOnline(std::string_view message, int seat) {
    std::string s(message);
    if (s.size() < kOnlinePieceLength) s.resize(kOnlinePieceLength, '#');
    s[kOnlinePieceLength - 1] = static_cast<char>('0' + seat);
    return s;
}

std::vector<OnlineMessage> splitOnline(std::string_view text) {
    std::vector<OnlineMessage> out;
    while (text.size() > kOnlinePieceLength && !text.starts_with("b")) {
        out.push_back(unframe(text.substr(0, kOnlinePieceLength)));
        text.remove_prefix(kOnlinePieceLength);
    }
    if (!text.empty()) out.push_back(unframe(text));
    return out;
}

}  // namespace tavik::net
