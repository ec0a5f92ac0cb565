#pragma once
// The sets of pictures the generator writes, each under its resource name.

#include <QImage>
#include <QString>

namespace tavik::art {

class ArtOutput;
class ContactSheet;

// Faces (small "Ch06" ... and large "Ch06B" ...), the weekday backs in their four
// forms and the suit symbols; faces and backs also go onto the contact sheet.
void addCardArt(ArtOutput& out, ContactSheet& sheet);
// Table backgrounds, deck plates, panel frames, caption bars and move timers;
// all but the backgrounds also go onto the sheet.
void addTableArt(ArtOutput& out, ContactSheet& sheet);
// The red pieces of the card-style button, both shapes, three heights; the sheet
// shows them put together into 120-pixel bars.
void addButtonArt(ArtOutput& out, ContactSheet& sheet);
// The main screen's title in ten languages ("CapEng" ...), the mode banners
// ("EliteEng" ..., "Net__Eng" ...), the fan of cards under the title ("GTitle"),
// the intro's "Logo" and the wait plaque "AdvBar3".
void addTitleArt(ArtOutput& out, ContactSheet& sheet);
// The clock plate "GClockBG" and the LED digits of the two clocks: "GBClock0" ..
// "GBClock9" and the colon "GBClockP"; the information clock's colours "GRClock",
// "GAClock", "GGClock", "GYClock", "GVClock", "GLClock", "GNClock", each 0..9 and "M".
void addClockArt(ArtOutput& out, ContactSheet& sheet);
// The candelabra "GCandleL" and "GCandleR" (100 x 200) and the six flame frames
// "GFlames" (20 x 30 each, green (0, 128, 0) round the flame).
void addCandleArt(ArtOutput& out, ContactSheet& sheet);
// The 48 x 48 icons: "AdvGiftR", "AdvGiftG", "Android", "Windows", "Help48",
// "Tourney48", "GooglePlay", "Earth48", "Stats", "Account48".
void addIconArt(ArtOutput& out, ContactSheet& sheet);
// The menu's 16 x 16 icons ("MenuGenCount", "MenuQuit", "MenuChangeName",
// "MenuSpeed", "MenuConv", "MenuHelp", "MenuBook", "MenuAbout", "MenuRadio",
// "MenuChat") and the music player's buttons "MP_Play", "MP_Pause", "MP_Next",
// "MP_Volume" (60 x 60).
void addMenuArt(ArtOutput& out, ContactSheet& sheet);
// The intro's walkers "GJesterCher", "GJesterBubi", "GJesterPiki", "GJesterKres"
// (60 x 70 on silver) and the animated figures "GifMenu1", "GifMenu2" (160 x 200).
void addFigureArt(ArtOutput& out, ContactSheet& sheet);
// The result animations "GKonGood", "GKonBads", "GKonNich" (120 x 120) and
// "GEndBest", "GEndGood", "GEndBads" (200 x 150), the medal "GMedal" (80 x 110)
// and its place numbers "GPlace01".."GPlace10" (48 x 48).
void addResultArt(ArtOutput& out, ContactSheet& sheet);
// The pointers "CURARROW", "CURHAND", "CURWAIT", "CUREDIT" (strips of 32 x 32
// frames).
void addPointerArt(ArtOutput& out, ContactSheet& sheet);
// The click effect "GTouch" of the graphics library: thirty 100 x 100 frames in a
// strip, a burst of sparks and suit symbols that fades out.
QImage drawTouchStrip();
// The account windows: the state lamps "LampR24" "LampY24" "LampG24" (24 x 24), the
// rating stars "StarR0" "StarY0" "StarG0" (32 x 32), "FaceMan16" "FaceWoman16", the
// photo frame "GAcFrame" (220 x 270, the photo at 10, 10), the placeholders "GAcNoM"
// "GAcNoF" (200 x 250), the profile labels "GAcName1" ... "GAcYouTube" (24 x 24) and the
// flag lists "GFlags1" .. "GFlags6" (flag NNN of a continent at x = 14 * NNN, 14 x 12),
// from the country flags in flagFolder by ISO code, drawn plain where one is missing.
void addAccountArt(ArtOutput& out, ContactSheet& sheet, const QString& flagFolder);
// Face style 1 "Med" as a plug-in library delivers it: faces with the ellipse
// inverted, and its suit symbols.
void addTestPluginArt(ArtOutput& out, ContactSheet& sheet);

}  // namespace tavik::art
