#pragma once
// The built-in pictures of the game, compiled in as Qt resources.
//
// Every picture is at ":/art/<name>.png" under its resource name, except the
// two JPEG table backgrounds ":/art/FonG.jpg" and ":/art/FonGB.jpg":
//
//   faces      "Ch06" ... "Pi5A" (69 x 94), "Ch06B" ... "Pi5AB" (146 x 198, alpha)
//   backs      "Ob01Mo" "Ob02Tu" "Ob03We" "Ob04Th" "Ob05Fr" "Ob06Su" "Ob07Su" (69 x 94),
//              + "R" across (94 x 69), + "B" large (146 x 198), + "RB" large across (198 x 146)
//   suits      "Cher" "Bubi" "Kres" "Piki" (20 x 20), + "B" (40 x 40), transparent ground
//   table      "FonG" (760 x 500), "FonGB" (1920 x 922), "GIFBackGr" (760 x 500)
//   deck       "GKolodaSmall" (58 x 25), "GKolodaSmallB" (116 x 50),
//              "GKolodaLarge" (60 x 60), "GKolodaLargeB" (120 x 120)
//   panels     "RamkaFGSm" "RamkaFBSm" (155 x 60), "RamkaFGBg" "RamkaFBBg" (310 x 120),
//              "RamkaERSm" (130 x 90), "RamkaERBg" (260 x 180)
//   captions   "SPBlue" "SPGreen" "SPRed" "SPYellow" "SPFiolet" (160 x 20), + "B" (320 x 40)
//   timers     "GTimerR" "GTimerY" (50 x 50)
//   button     "R29_L" "R29_R" (8 x 29) "R29_2" (2 x 29), "R44_L" "R44_R" (13 x 44) "R44_2",
//              "R59_L" "R59_R" (17 x 59) "R59_2", and the same names with "Q"; all in red.
//              "R29_2", "R44_2", "R59_2" hold exactly the button's gradient rows.
//
// The large pictures, plates, frames, captions, timers and button pieces have
// transparent corners; the small faces and backs are opaque.

#include <QString>

namespace tavik::art {

// Registers the built-in pictures. Call once before the first lookup; calling it
// again does no harm.
void initBuiltinArt();

// The resource path of a built-in picture: ":/art/<name>.png", or ".jpg" for the
// JPEG backgrounds "FonG" and "FonGB".
QString builtinArtPath(const QString& name);

}  // namespace tavik::art
