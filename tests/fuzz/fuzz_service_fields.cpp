// Feeds any bytes to the web service's body readers as both body styles: they must
// never crash, a FormBody read holds one value per expected name, and what the
// account rules accept can never break the reply format.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "server/account/account_rules.h"
#include "server/http/form_fields.h"

namespace {

void checkValue(const std::string& value) {
    using namespace tavik::server;
    const std::string cleaned = CleanProfileField(value);
    if (cleaned.find_first_of("$~*\r\n") != std::string::npos) std::abort();
    for (AccountField kind :
         {AccountField::Nick, AccountField::City, AccountField::Password, AccountField::EMail}) {
        if (IsValidAccountField(value, kind) && !IsToken(value, 30)) std::abort();
    }
    ParseRealNumber(value);
    ParseWholeNumber(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavik::server;
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    SplitFields(body);
    if (const auto fields = DecodeFieldList(body)) {
        for (const auto& [name, value] : *fields) checkValue(value);
    }
    const std::vector<std::string> names = {"nick", "pw", "city"};
    if (const auto values = ParseFormBody(body, names)) {
        if (values->size() != names.size()) std::abort();
        for (const auto& value : *values) checkValue(value);
    }
    return 0;
}
