// libFuzzer target: the history file reader and the writer that appends to whatever
// it finds. Any input must be judged without a crash, and appending an entry (made
// from the input too) must always give a valid file with the right record count.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/history_file.h"

using namespace tavik::files;

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const HistoryCheck before = CheckHistory(bytes);
    check(before.valid || !before.reason.empty());
    const auto rows = HistoryRows(bytes);
    check(!before.valid || rows.size() == static_cast<std::size_t>(before.records));

    HisStr entry;
    entry.HName = std::string(bytes.substr(0, 64));
    entry.HKon = size > 0 ? static_cast<int>(static_cast<std::int8_t>(data[0])) * 100 : 0;
    entry.HRes = static_cast<int>(size) * (size % 2 ? -997 : 991);
    entry.HRei = static_cast<double>(size % 20000) - 10000.125;
    entry.Ac = static_cast<GameKind>(size % 4);
    const std::string after = AppendHistory(bytes, {entry}, LocalTime{2024, 2, 29, 23, 59, 0});
    const HistoryCheck written = CheckHistory(after);
    check(written.valid);
    const bool appended = before.valid && before.records < kHistoryFileCapacity;
    check(written.records == (appended ? before.records + 1 : 1));
    return 0;
}
