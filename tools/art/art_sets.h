#pragma once
// The sets of pictures the generator writes, each under its resource name.

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
// Face style 1 "Med" as a plug-in library delivers it: faces with the ellipse
// inverted, and its suit symbols.
void addTestPluginArt(ArtOutput& out, ContactSheet& sheet);

}  // namespace tavik::art
