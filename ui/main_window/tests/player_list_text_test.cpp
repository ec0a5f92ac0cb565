// The lines of the main screen's player list: columns, score and rating forms, and the
// rule that shortens a line too wide for the list.
#include "ui/main_window/player_list_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include "core/files/codec.h"
#include "core/files/player_list.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

std::string slotLine(const std::string& utf8Name, double rating, long long kons, long long score) {
    files::PlayerRecord r;
    r.name = files::cp1251Line(utf8Name);
    r.rating = rating;
    r.KonCount = kons;
    r.score = score;
    r.passwordField = "266266266266266";
    return files::PlayerRecordLine(r);
}

TEST(PlayerListText, ScoreAndRatingForms) {
    const std::string line = slotLine("Мария", 12.345678, 47, -130);
    const QString name = QStringLiteral("Мария").leftJustified(20);
    // Scores: name, the kons of the current cycle of 30, the stored score.
    EXPECT_EQ(PlayerLineText(line, 1), name + "    " + " 17" + "    " + "  -130");
    // Ratings: name, all kons as stored, the rating with two decimals and a comma.
    EXPECT_EQ(PlayerLineText(line, 2), name + "  " + "     47" + "  " + " 12,35");
    const std::string empty(files::kEmptySlot);
    EXPECT_EQ(PlayerLineText(empty, 1), QString(20, '#') + "    ###    ######");
    EXPECT_EQ(PlayerLineText(empty, 2), QString(20, '#') + "  #######  ######");
}

// A slot line whose rating (columns 21-30) or kons (columns 31-37) column holds the text.
files::SlotFields withRating(const std::string& field) {
    return files::DecodeSlot(std::string(20, ' ') + field);
}
files::SlotFields withKons(const std::string& field) {
    return files::DecodeSlot(std::string(30, ' ') + field);
}

TEST(PlayerListText, RatingAndKonsColumns) {
    const struct {
        const char* field;
        const char* shown;
    } ratings[] = {{"  0,000000", "  0,00"}, {" -0,001000", "  0,00"},  {" -9,354838", " -9,35"},
                   {"123,456789", "123,46"}, {"-123,4567 ", "-123,46"}, {"##########", "######"}};
    for (const auto& r : ratings)
        EXPECT_EQ(ListRatingText(withRating(r.field)), QLatin1String(r.shown)) << r.field;
    EXPECT_EQ(ListKonsText(withKons("     30")), QStringLiteral("  0"));
    EXPECT_EQ(ListKonsText(withKons("     59")), QStringLiteral(" 29"));
    EXPECT_EQ(ListKonsText(withKons("#######")), QStringLiteral("###"));
}

// A measure of 10 pixels a character: 37 characters are 370 wide, 35 are 350.
int tenPerCharacter(const QString& t) {
    return 10 * static_cast<int>(t.size());
}

TEST(PlayerListText, FittingCutsTheNameAndMarksIt) {
    const QString name = QStringLiteral("ABCDEFGHIJKLMNOPQRST");  // 20 characters
    const QString line = name + "    ###    ######";
    // One deletion (position 20) brings 370 below 361; the three characters before
    // position 20 become "...".
    EXPECT_EQ(FitListLine(line, tenPerCharacter),
              QStringLiteral("ABCDEFGHIJKLMNOP...    ###    ######"));
    // At 11 pixels a character five deletions are needed (407, 396, 385, 374, 363, 352):
    // positions 20 down to 16 go, and 13 to 15 become the mark.
    const QString eleven =
        FitListLine(line, [](const QString& t) { return 11 * static_cast<int>(t.size()); });
    EXPECT_EQ(eleven, QStringLiteral("ABCDEFGHIJKL...    ###    ######"));
    // Deleting only blanks or "#" shortens without the mark.
    EXPECT_EQ(FitListLine(QStringLiteral("Bob") + QString(17, ' ') + "    ###    ######",
                          tenPerCharacter),
              QStringLiteral("Bob") + QString(16, ' ') + "    ###    ######");
    // A text that never fits stops at position 5.
    const QString cut = FitListLine(line, [](const QString&) { return 1000; });
    EXPECT_EQ(cut, QStringLiteral("A...") + "    ###    ######");
    // A narrow text is left alone.
    EXPECT_EQ(FitListLine(line, [](const QString&) { return 360; }), line);
}

TEST(PlayerListText, TwentyWideCharactersInARealFont) {
    test::App();
    const std::string line = slotLine("WWWWWWWWWWWWWWWWWWWW", 1.5, 12, 40);
    const QString text = PlayerLineText(line, 1);
    // The stored FixedSys has cells narrow enough for every name.
    EXPECT_EQ(FitListLine(text, "FixedSys"), text);
    // A proportional font chosen for the fixed kind makes the line too wide.
    const QString fitted = FitListLine(text, "Arial");
    const QFontMetrics m(FixedListFont("Arial", 11));
    ASSERT_GE(m.horizontalAdvance(text), kListLineLimit);
    EXPECT_LT(m.horizontalAdvance(fitted), kListLineLimit);
    const qsizetype dots = fitted.indexOf(QStringLiteral("..."));
    ASSERT_GT(dots, 0);
    EXPECT_EQ(fitted.left(dots), QString(dots, 'W'));
    EXPECT_TRUE(fitted.endsWith(QStringLiteral(" 12") + "    " + "    40")) << fitted.toStdString();
}

}  // namespace
}  // namespace tavik::ui
