#include "ui/pictures/art_names.h"

#include <algorithm>
#include <array>

namespace tavik::ui {
namespace {

constexpr std::array<const char*, kFaceStyles> kFaceCodes = {
    "",    "Med", "Mod", "Anc", "Bar", "Cel", "Cor", "Cro", "Eng", "Fra", "His", "Nat",
    "Old", "Par", "Roy", "Sha", "Big", "004", "Lon", "Cl2", "Hea", "Sea", "Rhi", "Me2",
    "Doo", "Boy", "Epi", "USR", "Pla", "SkN", "SkT", "SkF", "Bel", "Dia", "Kny", "Pas",
    "Rus", "Sla", "May", "Lub", "Fra", "Mus", "BS1", "BS2", "BS3", "Chi", "BIt", "Cze"};

// Styles whose pip cards and aces borrow another style's pictures.
struct Borrow {
    int style;
    const char* pip;
    const char* ace;
};
constexpr Borrow kBorrows[] = {
    {6, "Mod", "Cor"},  {7, "Mod", "Mod"},  {10, "Mod", "Mod"}, {13, "Mod", "Mod"},
    {19, "Sea", "Sea"}, {20, "Sea", "Sea"}, {25, "Rhi", "Boy"}, {27, "Big", "USR"},
};

constexpr const char* kSuitPrefix[] = {"", "Ch", "Bu", "Kr", "Pi"};
constexpr const char* kRankPart[] = {"", "06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
constexpr const char* kSuitSymbol[] = {"", "Cher", "Bubi", "Kres", "Piki"};
constexpr const char* kDayPart[] = {"",       "Ob01Mo", "Ob02Tu", "Ob03We", "Ob04Th", "Ob05Fr",
                                    "Ob06Su", "Ob07Su", "Ob08XX", "Ob09XX", "Ob10XX"};
constexpr const char* kBackCodes[kBackStyles] = {"",    "Cl1", "Cl2", "Car", "Cro", "Che", "Dia",
                                                 "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};
constexpr const char* kTintCodes[] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

int clampStyle(int deckStyle) {
    return std::clamp(deckStyle, 0, kFaceStyles - 1);
}

}  // namespace

const char* PictureLanguagePart(int language) {
    static const char* const kParts[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};
    return language >= 0 && language < 8 ? kParts[language] : kParts[0];
}

std::string LibraryName(ArtLibrary lib) {
    switch (lib) {
        case ArtLibrary::CardsA:
            return "QorCards06A";
        case ArtLibrary::CardsB:
            return "QorCards06B";
        case ArtLibrary::CardsC:
            return "QorCards06C";
        case ArtLibrary::BackG:
            return "QorBackG03";
        case ArtLibrary::CGraph:
            return "QorCGraph1";
        case ArtLibrary::Calendar:
            return "QorCalendar01";
        case ArtLibrary::None:
            break;
    }
    return {};
}

ArtLibrary FaceLibrary(int deckStyle) {
    deckStyle = clampStyle(deckStyle);
    if (deckStyle == 0) return ArtLibrary::None;
    if (deckStyle <= 31) return ArtLibrary::CardsA;
    if (deckStyle <= 39) return ArtLibrary::CardsB;
    return ArtLibrary::CardsC;
}

FaceCodes FaceStyleCodes(int deckStyle) {
    deckStyle = clampStyle(deckStyle);
    const std::string own = kFaceCodes[static_cast<std::size_t>(deckStyle)];
    for (const Borrow& b : kBorrows)
        if (b.style == deckStyle) return {own, b.pip, b.ace};
    return {own, own, own};
}

std::string FaceName(int deckStyle, int cardNumber, bool large) {
    cardNumber = std::clamp(cardNumber, 1, 36);
    const int rank = (cardNumber - 1) / 4 + 1, suit = (cardNumber - 1) % 4 + 1;
    const FaceCodes codes = FaceStyleCodes(deckStyle);
    const std::string& style = rank <= 5 ? codes.pip : (rank == 9 ? codes.ace : codes.own);
    return std::string(kSuitPrefix[suit]) + kRankPart[rank] + style + (large ? "B" : "");
}

std::string SuitSymbolName(int deckStyle, int suit, bool large) {
    suit = std::clamp(suit, 1, 4);
    deckStyle = clampStyle(deckStyle);
    const std::string pip = deckStyle == 11 ? "Mod" : FaceStyleCodes(deckStyle).pip;
    return std::string(kSuitSymbol[suit]) + pip + (large ? "B" : "");
}

int BackCount(int backStyle) {
    return backStyle >= 8 && backStyle <= 11 ? 10 : 7;
}

std::string BackName(int backStyle, int index, bool across, bool large, bool wideCards) {
    backStyle = std::clamp(backStyle, 0, kBackStyles - 1);
    index = std::clamp(index, 1, BackCount(backStyle));
    std::string name = kDayPart[index];
    if (across) name += "R";
    name += kBackCodes[backStyle];
    if (large) name += wideCards ? "B" : "U";
    return name;
}

bool BuiltinBacks(int backStyle, bool smallCards, bool wideCards) {
    return backStyle == 0 && (smallCards || wideCards);
}

bool BuiltinBackground(int pattern, int tint) {
    return pattern == 2 && tint == 0;
}

std::string BackgroundName(int pattern, int tint, bool large) {
    const std::string suffix = large ? "B" : "";
    if (BuiltinBackground(pattern, tint)) return "FonG" + suffix;
    pattern = std::clamp(pattern, 1, 10);
    tint = std::clamp(tint, 0, 6);
    const std::string two = (pattern < 10 ? "0" : "") + std::to_string(pattern);
    return "Fon" + two + kTintCodes[tint] + suffix;
}

int ChooseBackIndex(int backStyle, bool alwaysSame, int weekday, int randomPick1to10) {
    if (alwaysSame) return 7;
    if (backStyle >= 8 && backStyle <= 11) return std::clamp(randomPick1to10, 1, 10);
    return std::clamp(weekday, 1, 7);
}

}  // namespace tavik::ui
