#pragma once
// Reading the bodies the client posts. Both styles arrive as
// application/x-www-form-urlencoded but differ: a FormBody is raw Windows-1251 text,
// joined with '&' and never escaped (so a value may itself hold '&' or '='); a
// FieldList is percent-encoded UTF-8 with an empty field between each two ("a=1&&b=2").

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavik::server {

using Fields = std::vector<std::pair<std::string, std::string>>;

// The fields as they stand: split at every '&', empty entries skipped, name and value
// split at the first '=' (an entry without '=' is a name with an empty value). Nothing
// is decoded; enough to tell which operation a body asks for, since the field names
// are plain ASCII in both styles.
Fields SplitFields(std::string_view body);

// A FieldList body: SplitFields, then every name and value percent-decoded ('+' is a
// blank). nullopt for a bad escape or a value that is not UTF-8.
std::optional<Fields> DecodeFieldList(std::string_view body);

// A FormBody whose field names are known in order: each value runs from its "name="
// up to the "&" that starts the next expected "name=", so '&' and '=' inside a value
// survive. Values are converted from Windows-1251 to UTF-8. nullopt when the body does
// not hold the names in that order or a byte is not Windows-1251.
std::optional<std::vector<std::string>> ParseFormBody(std::string_view body,
                                                      const std::vector<std::string>& names);

// The value of the first field named `name`, if any.
std::optional<std::string> FieldValue(const Fields& fields, std::string_view name);
bool HasField(const Fields& fields, std::string_view name);

}  // namespace tavik::server
