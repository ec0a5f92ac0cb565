#pragma once
// The built-in pictures of the game, compiled in as Qt resources.
//
// Every picture is at ":/art/<name>.png" under its resource name, except the
// two JPEG table backgrounds ":/art/FonG.jpg" and ":/art/FonGB.jpg" and the
// animations ":/art/<name>.gif" (builtinArtPath knows which is which):
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
//
// The main screen, the intro, the menu and the result windows:
//
//   title      "Cap" + language code "Eng" "Rus" "Deu" "Fra" "Spa" "Chi" "Ita" "Cze" "Jap"
//              "Kor" (800 x 140); mode banners "Elite" + code and "Net__" + code (700 x 80).
//              Twice the base boxes (400 x 70, 350 x 40), to stay sharp when resized; drawn
//              in shades of red only (green = blue in every pixel) for the recolouring.
//   strip      "GTitle" (600 x 180, twice the 300 x 90 title strip): four aces and laurels
//   intro      "Logo" (64 x 64); walkers "GJesterCher" "GJesterBubi" "GJesterPiki"
//              "GJesterKres" (60 x 70, a jester holding a heart, diamond, spade, club, on
//              silver (192, 192, 192) that fills every pixel the jester leaves free)
//   wait bar   "AdvBar3" (350 x 80), plain in the middle for the red text
//   figures    "GifMenu1" (a juggling jester), "GifMenu2" (a dancing ace): GIF, 160 x 200,
//              32 frames of 70 ms
//   candles    "GCandleL" "GCandleR" (100 x 200), three candles each under the flame boxes
//              (16, 15), (41, 1), (66, 15); "GFlames" (120 x 30): six 20 x 30 flame frames
//              side by side, green (0, 128, 0) wherever there is no flame
//   clocks     "GClockBG" (115 x 64); "GBClock0".."GBClock9" (18 x 40), "GBClockP" (3 x 27);
//              "GRClock" "GAClock" "GGClock" "GYClock" "GVClock" "GLClock" "GNClock" each
//              + "0".."9" and "M" (minus) (18 x 40); transparent round the segments
//   icons      48 x 48: "AdvGiftR" "AdvGiftG" "Android" "Windows" "Help48" "Tourney48"
//              "GooglePlay" "Earth48" "Stats" "Account48". The information clock draws
//              "Windows", "Android" and "Account48" reduced to 16 x 16.
//   menu       16 x 16: "MenuGenCount" "MenuQuit" "MenuChangeName" "MenuSpeed" "MenuConv"
//              "MenuHelp" "MenuBook" "MenuAbout" "MenuRadio" "MenuChat"
//   player     "MP_Play" "MP_Pause" "MP_Next" "MP_Volume" (60 x 60); the volume knob leaves
//              its middle dark for the number
//   pointers   strips of 32 x 32 frames, see kBuiltinPointers below
//   kon result "GKonGood" "GKonBads" "GKonNich": GIF, 120 x 120, 24 frames of 80 ms; the
//              still pictures are frames 9, 20 and 0
//   match end  "GEndBest" "GEndGood" "GEndBads": GIF, 200 x 150, 30 frames of 80 ms
//   medal      "GMedal" (80 x 110), its disc centred in the picture; "GPlace01".."GPlace10"
//              (48 x 48), drawn centred on the medal
//
// Every GIF loops for ever; a window that wants one pass stops after the last frame.

#include <QString>

namespace tavik::art {

// Registers the built-in pictures. Call once before the first lookup; calling it
// again does no harm.
void initBuiltinArt();

// The resource path of a built-in picture: ":/art/<name>.png", ".jpg" for the
// JPEG backgrounds "FonG" and "FonGB", ".gif" for the animations.
QString builtinArtPath(const QString& name);

// True for the names of the animated GIF pictures.
bool isBuiltinAnimation(const QString& name);

// A pointer picture: frames of 32 x 32 side by side, shown frameMs each, with the
// hot spot at (hotX, hotY) of every frame.
struct BuiltinPointer {
    const char* name;
    int frames;
    int frameMs;
    int hotX, hotY;
};
inline constexpr BuiltinPointer kBuiltinPointers[] = {
    {"CURARROW", 1, 0, 1, 1},     // arrow, tip at the top left
    {"CURHAND", 4, 150, 11, 1},   // pointing hand, fingertip
    {"CURWAIT", 8, 100, 16, 16},  // a card turning round, its middle
    {"CUREDIT", 4, 200, 15, 15},  // I-beam, its middle
};
inline constexpr int kPointerSize = 32;

}  // namespace tavik::art
