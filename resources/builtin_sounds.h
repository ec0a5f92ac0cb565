#pragma once
// The game's sounds and its MIDI song, compiled in as Qt resources: every sound of
// kBuiltinSounds (resources/sound_names.h) at ":/sounds/<name>.wav", a 16-bit PCM mono
// WAV at 22050 Hz, and the song at ":/sounds/MidiSong.mid", a standard MIDI file.

#include <QString>

#include "resources/sound_names.h"

namespace tavik::sound {

// Registers the built-in sounds. Call once before the first lookup; calling it again
// does no harm.
void initBuiltinSounds();

// The resource path of a built-in sound: ":/sounds/<name>.wav".
QString builtinSoundPath(const QString& name);

// The resource path of the MIDI song: ":/sounds/MidiSong.mid".
QString builtinMidiSongPath();

}  // namespace tavik::sound
