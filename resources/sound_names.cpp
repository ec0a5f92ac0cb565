#include "resources/sound_names.h"

namespace tavik::sound {
namespace {

constexpr std::string_view kSuitPart[] = {"", "Ch", "Bu", "Kr", "Pi"};
constexpr std::string_view kRankPart[] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};

}  // namespace

std::string voiceResourceName(Card card, int language) {
    if (card.empty() || card.value() < 1 || card.value() > 9 || card.suit() < 1 ||
        card.suit() > 4 || language < 0 || language >= kVoiceLanguages)
        return {};
    std::string name(kSuitPart[card.suit()]);
    name += kRankPart[card.value()];
    name += "Voice";
    name += kVoiceLanguageParts[static_cast<std::size_t>(language)];
    return name;
}

}  // namespace tavik::sound
