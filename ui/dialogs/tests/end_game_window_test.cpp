#include "ui/dialogs/end_game_window.h"

#include <gtest/gtest.h>

#include "ui/dialogs/general_count_window.h"
#include "ui/pictures/program_pictures.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

struct PlaceCase {
    int place;
    files::GameKind kind;
    const char* animation;
    bool loop;
    QStringList lines;
};

TEST(EndGameWindow, TextsByPlace) {
    test::App();
    const PlaceCase cases[] = {
        {1,
         files::GameKind::Local,
         "GEndBest",
         false,
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 120",
          "You become a Master of the Order!"}},
        {1,
         files::GameKind::Lan,
         "GEndBest",
         false,
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 120",
          "You become a Bachelor of the Order!"}},
        {1,
         files::GameKind::Account,
         "GEndBest",
         false,
         {"CONGRATULATIONS!!!", "Your result - the best!", "Result: 120",
          "You become the Vice-President of the order!"}},
        {10,
         files::GameKind::Local,
         "GEndGood",
         false,
         {"CONGRATULATIONS!!!", "Good result!", "Result: 120",
          "You have hitted in top ten players!"}},
        {0,
         files::GameKind::Local,
         "GEndBads",
         true,
         {"Our regrets...", "Your result keeps to wish best", "Result: 120",
          "You have not hitted in ten best players..."}},
        {14,
         files::GameKind::Account,
         "GEndBads",
         true,
         {"Our regrets...", "Your result keeps to wish best", "Result: 120 ; Place: 14",
          "You have not hitted in ten best players..."}},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.place);
        const EndGameContent content = EndGameTexts(c.place, 120, c.kind, 0);
        EXPECT_EQ(content.animation, c.animation);
        EXPECT_EQ(content.loop, c.loop);
        EXPECT_EQ(content.lines, c.lines);
        EXPECT_EQ(content.medal, c.place >= 1 && c.place <= 10 ? c.place : 0);
    }
    EXPECT_EQ(EndGameTexts(1, 5, files::GameKind::Local, 1).lines[0], "ПОЗДРАВЛЯЕМ!!!");
}

TEST(EndGameWindow, ShowsTheTextsAndTheMedalWhenItsPictureExists) {
    test::App();
    EndGameWindow window(EndGameTexts(3, -40, files::GameKind::Local, 0), 0);
    window.show();
    test::SaveRender(window.grab().toImage(), "end-game-place3");
    EXPECT_EQ(window.windowTitle(), "The completion of game");
    EXPECT_EQ(window.lines()[2], "Result: -40");
    EXPECT_EQ(window.medalShown(), !ProgramPicture(QStringLiteral("GMedal")).isNull());
}

TEST(GeneralCountWindow, SevenRowsUnderThePlayersName) {
    test::App();
    const files::TCount count{"31", "1", "100", "-20", "80", "  3,00", "2,58"};
    GeneralCountWindow window("Ivan", count, 0);
    window.show();
    test::SaveRender(window.grab().toImage(), "general-count");
    EXPECT_EQ(window.windowTitle(), "Player:  Ivan");
    const std::pair<QString, QString> expected[] = {
        {"General number of game:", "31"}, {"Number of round in a current cycle:", "1"},
        {"The initial score:", "100"},     {"The current score:", "-20"},
        {"The general score:", "80"},      {"The initial rating:", "  3,00"},
        {"The current rating:", "2,58"}};
    for (std::size_t i = 0; i < 7; ++i) EXPECT_EQ(window.rows()[i], expected[i]) << i;
}

}  // namespace
}  // namespace tavik::ui
