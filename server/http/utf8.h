#pragma once
// The few UTF-8 facts the service needs: how long a sequence is, whether a text is
// well formed, and its code points.

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavik::server {

// The length of the sequence a lead byte starts: 1 to 4, 0 for a byte that cannot lead.
std::size_t Utf8Length(unsigned char lead);
// Each lead byte followed by as many continuation bytes as it says.
bool IsUtf8(std::string_view text);
// The code points of a well-formed text (a cut-off last sequence counts as one).
std::vector<std::uint32_t> CodePoints(std::string_view text);

}  // namespace tavik::server
