#pragma once
// The version the program shows to the player: on the intro and in the about window.

namespace tavik::config {

inline constexpr char kProgramVersion[] = "5.7f";

}  // namespace tavik::config
