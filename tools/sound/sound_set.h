#pragma once
// The recipes of the game's nineteen sounds (the names of resources/sound_names.h).

#include <string_view>

#include "tools/sound/synth.h"

namespace tavik::soundgen {

// The finished sound of a name (peak at -1 dBFS); empty for an unknown name.
Signal makeSound(std::string_view name);

}  // namespace tavik::soundgen
