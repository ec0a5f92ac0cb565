#pragma once
// The names of the game's sounds, its MIDI song and the spoken card names of the
// voice library QorCVoice3. Plain C++: the generators, the presentation and
// tavik-cli share this one list.

#include <array>
#include <string>
#include <string_view>

#include "core/state/card.h"

namespace tavik::sound {

// One sound of the program's resources: its name, whether the table waits for it to
// end, and the event it marks.
struct BuiltinSound {
    std::string_view name;
    bool wait;
    std::string_view event;
};

inline constexpr std::array<BuiltinSound, 19> kBuiltinSounds = {{
    {"WHodsDo", true, "a card is laid on the table"},
    {"WHodOtb", true, "the bout is beaten"},
    {"WHodBer", true, "the defender takes the table"},
    {"WPlMore", true, "an announcement: a re-deal offer or a sixes bonus"},
    {"WDing_1", true, "the opponent finished adding to the taker"},
    {"WKoloNo", true, "the deck is used up"},
    {"WTasoKo", false, "the cards are shuffled"},
    {"WKoGood", false, "the local player won the game"},
    {"WKoBads", false, "the local player lost the game"},
    {"WNichya", false, "a draw"},
    {"WKoGutX", false, "online: the opponent's time ran out"},
    {"WWrongs", false, "a refused action"},
    {"WToMenK", false, "a chat line or a finished download"},
    {"WOpenFo", false, "a window or dialog opens"},
    {"STimerA", false, "a tick of the move timer, more than 7 seconds left"},
    {"STimerB", false, "a tick of the move timer, 1 to 7 seconds left"},
    {"WFiBest", false, "end of match: place 1 of the world top ten"},
    {"WFiGood", false, "end of match: places 2 to 10"},
    {"WFiBads", false, "end of match: outside the top ten"},
}};

// The MIDI song of the main screen, a standard MIDI file.
inline constexpr std::string_view kMidiSongName = "MidiSong";

// The voice library's logical name; its file is "QorCVoice3.rcc".
inline constexpr std::string_view kVoiceLibraryName = "QorCVoice3";
inline constexpr int kVoiceLanguages = 10;
// The language parts of the voice names for the language index 0..9.
inline constexpr std::array<std::string_view, kVoiceLanguages> kVoiceLanguageParts = {
    "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"};

// The voice resource name of a card in a language 0..9: the card's picture name,
// "Voice" and the language part ("Ch10VoiceRus" for the ten of hearts in Russian).
// Empty for the empty card or a language out of range.
std::string voiceResourceName(Card card, int language);

}  // namespace tavik::sound
