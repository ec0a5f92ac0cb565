#include "ui/pictures/art_names.h"

#include <gtest/gtest.h>

namespace tavik::ui {
namespace {

TEST(ArtNames, FacesByStyleRankAndSize) {
    struct Case {
        int style, card;
        bool large;
        const char* expected;
    } cases[] = {
        {0, 1, false, "Ch06"},      {0, 1, true, "Ch06B"},      {0, 36, false, "Pi5A"},
        {0, 18, false, "Bu10"},     {1, 1, false, "Ch06Med"},   {1, 1, true, "Ch06MedB"},
        {6, 1, false, "Ch06Mod"},   {6, 21, false, "Ch2JCor"},  {6, 33, false, "Ch5ACor"},
        {7, 33, false, "Ch5AMod"},  {7, 29, false, "Ch4KCro"},  {9, 1, false, "Ch06Fra"},
        {40, 1, false, "Ch06Fra"},  {25, 4, false, "Pi06Rhi"},  {25, 36, false, "Pi5ABoy"},
        {27, 20, true, "Pi10BigB"}, {27, 35, true, "Kr5AUSRB"}, {19, 26, false, "Bu3QCl2"},
        {30, 1, true, "Ch06SkTB"},  {17, 27, false, "Kr3Q004"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FaceName(c.style, c.card, c.large), c.expected) << c.style << "/" << c.card;
}

TEST(ArtNames, LibrariesOfFaceStyles) {
    struct Case {
        int style;
        ArtLibrary lib;
    } cases[] = {{0, ArtLibrary::None},    {1, ArtLibrary::CardsA},  {9, ArtLibrary::CardsA},
                 {31, ArtLibrary::CardsA}, {32, ArtLibrary::CardsB}, {39, ArtLibrary::CardsB},
                 {40, ArtLibrary::CardsC}, {47, ArtLibrary::CardsC}};
    for (const Case& c : cases) EXPECT_EQ(FaceLibrary(c.style), c.lib) << c.style;
    EXPECT_EQ(LibraryName(ArtLibrary::CardsC), "QorCards06C");
    EXPECT_EQ(LibraryName(ArtLibrary::BackG), "QorBackG03");
    EXPECT_EQ(LibraryName(ArtLibrary::CGraph), "QorCGraph1");
}

TEST(ArtNames, SuitSymbolsFollowThePipStyle) {
    EXPECT_EQ(SuitSymbolName(0, 1, false), "Cher");
    EXPECT_EQ(SuitSymbolName(0, 4, true), "PikiB");
    EXPECT_EQ(SuitSymbolName(1, 1, true), "CherMedB");
    EXPECT_EQ(SuitSymbolName(11, 2, false), "BubiMod");  // "Nat" borrows its symbols
    EXPECT_EQ(SuitSymbolName(20, 3, false), "KresSea");
}

TEST(ArtNames, BacksByDayAcrossSizeAndStyle) {
    struct Case {
        int style, index;
        bool across, large, wide;
        const char* expected;
    } cases[] = {
        {0, 1, false, false, true, "Ob01Mo"},     {0, 1, true, false, true, "Ob01MoR"},
        {0, 1, false, true, true, "Ob01MoB"},     {0, 1, true, true, true, "Ob01MoRB"},
        {0, 1, false, true, false, "Ob01MoU"},    {0, 6, true, true, false, "Ob06SuRU"},
        {7, 3, false, false, true, "Ob03WeKni"},  {8, 10, true, true, false, "Ob10XXRAniU"},
        {12, 7, false, true, true, "Ob07SuRusB"}, {3, 9, false, false, true, "Ob07SuCar"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BackName(c.style, c.index, c.across, c.large, c.wide), c.expected) << c.expected;
    EXPECT_EQ(BackCount(7), 7);
    EXPECT_EQ(BackCount(8), 10);
    EXPECT_EQ(BackCount(11), 10);
    EXPECT_EQ(BackCount(12), 7);
    EXPECT_TRUE(BuiltinBacks(0, true, false));    // small narrow backs are built in
    EXPECT_FALSE(BuiltinBacks(0, false, false));  // large narrow ones come from library B
    EXPECT_FALSE(BuiltinBacks(1, true, true));
}

TEST(ArtNames, Backgrounds) {
    EXPECT_EQ(BackgroundName(2, 0, false), "FonG");
    EXPECT_EQ(BackgroundName(2, 0, true), "FonGB");
    EXPECT_EQ(BackgroundName(2, 1, false), "Fon02Re");
    EXPECT_EQ(BackgroundName(1, 3, false), "Fon01Ye");
    EXPECT_EQ(BackgroundName(10, 6, true), "Fon10FiB");
    EXPECT_TRUE(BuiltinBackground(2, 0));
    EXPECT_FALSE(BuiltinBackground(2, 4));
}

TEST(ArtNames, BackInUse) {
    EXPECT_EQ(ChooseBackIndex(0, false, 3, 9), 3);   // Wednesday
    EXPECT_EQ(ChooseBackIndex(0, true, 3, 9), 7);    // always the same
    EXPECT_EQ(ChooseBackIndex(9, false, 3, 9), 9);   // ten backs: the random pick
    EXPECT_EQ(ChooseBackIndex(12, false, 1, 9), 1);  // seven again
}

}  // namespace
}  // namespace tavik::ui
