#pragma once
// The resource-name scheme of the card art: which picture of which library shows a
// card face, a suit symbol, a back or a table background in every style. Plain C++.

#include <string>

namespace tavik::ui {

// The plug-in libraries, by their logical names.
enum class ArtLibrary { None, CardsA, CardsB, CardsC, BackG, CGraph, Calendar };
// "QorCards06A" ... "QorCGraph1", "QorCalendar01"; empty for None (the program's own
// pictures).
std::string LibraryName(ArtLibrary lib);

inline constexpr int kFaceStyles = 48;  // face styles 0..47
inline constexpr int kBackStyles = 13;  // back styles 0..12

// The library holding a face style (None for the built-in style 0).
ArtLibrary FaceLibrary(int deckStyle);

// The three style parts of a face style: its own code (jacks, queens, kings), the
// code of its pip cards (six to ten) and the code of its aces. All empty for style 0.
struct FaceCodes {
    std::string own, pip, ace;
};
FaceCodes FaceStyleCodes(int deckStyle);

// The face picture of card number 1..36: suit prefix, rank part, style part, and "B"
// for the large set.
std::string FaceName(int deckStyle, int cardNumber, bool large);
// The suit symbol 1..4 (hearts, diamonds, clubs, spades) of a face style.
std::string SuitSymbolName(int deckStyle, int suit, bool large);

// Back styles 8..11 have ten pictures, the others seven.
int BackCount(int backStyle);
// The back picture 1..10 of a back style. The large set takes "B" for wide cards and
// "U" for narrow ones; across adds "R" after the day part.
std::string BackName(int backStyle, int index, bool across, bool large, bool wideCards);
// True when the backs come from the program: back style 0, small cards or wide ones.
bool BuiltinBacks(int backStyle, bool smallCards, bool wideCards);

// The table background of pattern 1..10 and tint 0..6 ("FonG" for pattern 2, tint 0),
// with "B" for the large variant.
std::string BackgroundName(int pattern, int tint, bool large);
// True when the background is the program's own picture.
bool BuiltinBackground(int pattern, int tint);
// The decorated theme's table background in the graphics library.
inline constexpr const char* kThemeBackground = "BGLilu";

// The language part of picture names ("CapEng", "GFormOptRus"): "Eng", "Rus", "Deu",
// "Fra", "Spa", "Chi", "Ita", "Cze" for languages 0..7; Japanese and Korean, which have
// no pictures of their own, and unknown languages use "Eng".
const char* PictureLanguagePart(int language);

// The back shown this game: 7 when one back is always used; otherwise the weekday
// (1 Monday .. 7 Sunday), or for back styles 8..11 the given random pick 1..10.
int ChooseBackIndex(int backStyle, bool alwaysSame, int weekday, int randomPick1to10);

}  // namespace tavik::ui
