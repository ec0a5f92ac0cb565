#pragma once
// The MIDI song of the main screen: "Korobeiniki", a Russian folk song of the 19th
// century (public domain), arranged for accordion, pizzicato strings, bass and drums
// and written as a standard MIDI file.

#include <string>

namespace tavik::soundgen {

// The bytes of the song: format 1, a tempo track and four instrument tracks.
std::string makeMidiSong();

}  // namespace tavik::soundgen
