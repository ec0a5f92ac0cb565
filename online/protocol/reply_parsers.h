#pragma once
// The reply parsers of the request catalogue and the numbers on the wire. Replies are
// single-byte text; positions count from 1 in the comments. The final character of a
// reply never belongs to a field or a number.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavik::online {

// True when the two-character mark occurs in the reply outside its records: the text
// of a record (from a '$' to the next '$', '*' or line end) may hold any nick or city,
// so "no" inside "Genoa" is not a mark.
bool HasMark(std::string_view reply, std::string_view mark);
// The number after the last '$' that is not the final character, up to the first
// non-digit but never the final character; nullopt when there is none.
std::optional<long long> LastNumber(std::string_view reply);
// The tokens of the first record: after the first '$' that is not the final character,
// up to the next `end` or the final character; every `sep` ends a token. Empty when
// the reply holds no record.
std::vector<std::string> FirstRecord(std::string_view reply, char end, char sep);
// Every record in order (each '$' that is not the final character starts one), at most
// `limit`.
std::vector<std::vector<std::string>> RecordList(std::string_view reply, char end, char sep,
                                                 int limit);

// "0" below 0.00001 in magnitude; otherwise the shortest decimal form of up to 15
// significant digits, always with '.'.
std::string FormatReal(double value);
// Reads a real written with ',' or '.'; "" is 0. Throws RequestError on other text.
double ParseReal(std::string_view text);
// A whole number token; throws RequestError when it is not one.
int ParseInt(std::string_view text);

}  // namespace tavik::online
