#pragma once
// The game's sound names, and whether the table waits for each to end.

#include <string_view>

namespace tavik {

namespace snd {
inline constexpr std::string_view HodsDo = "WHodsDo";  // a card laid on the table
inline constexpr std::string_view HodOtb = "WHodOtb";  // the bout is beaten
inline constexpr std::string_view HodBer = "WHodBer";  // the defender takes
inline constexpr std::string_view PlMore = "WPlMore";  // an announcement (re-deal, sixes)
inline constexpr std::string_view Ding1 = "WDing_1";   // the opponent finished adding to the taker
inline constexpr std::string_view KoloNo = "WKoloNo";  // the deck is used up
inline constexpr std::string_view TasoKo = "WTasoKo";  // shuffled for a new kon
inline constexpr std::string_view KoGood = "WKoGood";  // the local player won the kon
inline constexpr std::string_view KoBads = "WKoBads";  // the local player lost the kon
inline constexpr std::string_view Nichya = "WNichya";  // a draw
inline constexpr std::string_view Wrongs = "WWrongs";  // a refused action
inline constexpr std::string_view ToMenK = "WToMenK";  // a chat line arrived
}  // namespace snd

// True for the sounds the game's rhythm waits for (move and announcement sounds).
bool soundWaits(std::string_view name);

}  // namespace tavik
