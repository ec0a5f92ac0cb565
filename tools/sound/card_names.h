#pragma once
// The spoken names of the 36 cards in the ten interface languages, and the espeak-ng
// voice that speaks each language, for the voice library QorCVoice3.

#include <array>
#include <string>
#include <string_view>

#include "core/state/card.h"
#include "resources/sound_names.h"

namespace tavik::soundgen {

// The espeak-ng voice of each language index 0..9 (the order of kVoiceLanguageParts).
// Chinese is written in pinyin with tone numbers, the form Debian's espeak-ng reads
// reliably in Mandarin; Japanese in kana.
inline constexpr std::array<std::string_view, sound::kVoiceLanguages> kEspeakVoices = {
    "en-gb", "ru", "de", "fr-fr", "es", "cmn-latn-pinyin", "it", "cs", "ja", "ko"};

// The name of a card as it is spoken in a language 0..9 ("ten of hearts", "десятка
// червей", "Herz Zehn"); empty for the empty card or a language out of range.
std::string spokenCardName(Card card, int language);

}  // namespace tavik::soundgen
