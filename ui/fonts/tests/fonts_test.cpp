#include "ui/fonts/fonts.h"

#include <QFontInfo>
#include <QFontMetrics>

#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

TEST(FontSize, ScalesByTheKindsPercentageWithEvenHalves) {
    struct Case {
        int n, percent, expected;
    } cases[] = {{24, 100, 24}, {24, 150, 36}, {25, 50, 12},
                 {27, 50, 14},  {18, 75, 14},  {30, 110, 33}};
    for (const Case& c : cases)
        EXPECT_EQ(FontSize(c.n, config::FontSetting{"Comic Sans MS", c.percent}), c.expected);
}

TEST(Fonts, StoredNamesMapToInstalledFamilies) {
    test::App();
    struct Case {
        const char* stored;
        const char* family;
    } cases[] = {{"Comic Sans MS", "Comic Neue"},
                 {"FixedSys", "Unifont"},
                 {"Courier New", "Liberation Mono"},
                 {"Arial", "Liberation Sans"}};
    for (const Case& c : cases)
        EXPECT_EQ(QFontInfo(FontOfHeight(c.stored, 20)).family().toStdString(), c.family)
            << c.stored;
    EXPECT_EQ(FontOfHeight("FixedSys", 16).styleStrategy() & QFont::NoAntialias,
              QFont::NoAntialias);
}

TEST(Fonts, HeightIsTheWholeLineAsWindowsCountsIt) {
    test::App();
    for (const char* name : {"Comic Sans MS", "Courier New"})
        for (int height : {14, 18, 20, 24, 30, 48})
            EXPECT_NEAR(QFontMetrics(FontOfHeight(name, height, true)).height(), height, 1)
                << name << " " << height;
}

}  // namespace
}  // namespace tavik::ui
