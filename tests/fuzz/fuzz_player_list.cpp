// libFuzzer target: the player list reader, and every change the game makes to a
// list it has read. Any input must be either refused with a reason or read into a
// list that survives a round trip and stays valid through the changes.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/codec.h"
#include "core/files/password.h"
#include "core/files/player_list.h"

using namespace tavik::files;

namespace {

void check(bool condition) {
    if (!condition) __builtin_trap();
}

bool valid(const std::string& bytes) {
    return PlayerList::parse(bytes).ok();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto password = UnscramblePassword(bytes.substr(0, kPasswordFieldWidth)))
        check(ScramblePassword(*password) == bytes.substr(0, kPasswordFieldWidth));

    const auto list = PlayerList::parse(bytes);
    if (!list) {
        check(!list.error().message.empty());
        return 0;
    }
    const std::string written = list->bytes();
    check(splitLines(written).size() == kListLines);
    const auto back = PlayerList::parse(written);
    check(back && back->bytes() == written);

    for (int slot = 1; slot <= 5; ++slot) {
        const auto record = list->slot(slot);
        check(record.has_value() != list->slotEmpty(slot));
        if (!record) continue;
        // The end of a match of this player: out of its slot, in with a new line.
        PlayerList changed = *list;
        changed.removePlayer(slot);
        check(valid(changed.bytes()));
        PlayerRecord next = *record;
        next.KonCount += static_cast<long long>(size % 31);
        next.score -= static_cast<long long>(size % 7) * 10;
        next.rating = (next.rating * 3 + static_cast<double>(next.score)) / 4;
        const auto where = changed.insertPlayer(PlayerRecordLine(next), size % 2 == 0);
        check(where.slot >= 1 && where.slot <= 5 && where.place >= 0 && where.place <= 10);
        check(valid(changed.bytes()));
    }
    return 0;
}
