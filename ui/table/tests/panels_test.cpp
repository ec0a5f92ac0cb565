// Panels around the table: seat and game panels, speech captions with their three
// font steps, move timers, chat lines and the waiting text.
#include "ui/fonts/fonts.h"
#include "ui/table/text_drawing.h"
#include "ui/table/tests/table_test_support.h"

namespace tavik::ui {
namespace {

// The columns holding pixels of (nearly) this colour in the picture.
std::pair<int, int> inkColumns(const QImage& image, QRgb colour, int tolerance = 60) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (test::CountNear(image, QRect(x, 0, 1, image.height()), colour, tolerance) > 0) {
            if (first < 0) first = x;
            last = x;
        }
    return {first, last};
}

// The first and last columns where two pictures differ.
std::pair<int, int> changedColumns(const QImage& before, const QImage& after) {
    int first = -1, last = -1;
    for (int x = 0; x < before.width(); ++x)
        for (int y = 0; y < before.height(); ++y)
            if (before.pixel(x, y) != after.pixel(x, y)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

bool allBackground(const test::RendererFixture& f, BoxId id) {
    const QImage& picture = f.renderer->picture(id);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!test::SameRgb(picture.pixel(x, y), f.behind(id, x, y))) return false;
    return true;
}

TEST(Panels, SeatAndGamePanelsWriteBlueOnTheirFrames) {
    for (int windowSize : {1, 3}) {
        test::RendererFixture f(windowSize);
        f.renderer->DrawSeatPanel(2, 7);
        f.renderer->DrawGamePanel(12);
        const QImage& seat = f.renderer->picture(BoxId::Tab2);
        const QImage& game = f.renderer->picture(BoxId::Kon);
        test::SaveRender(seat, QStringLiteral("panel-seat-size%1").arg(windowSize));
        test::SaveRender(game, QStringLiteral("panel-game-size%1").arg(windowSize));
        const int s = f.display.Scaled(1);
        EXPECT_GT(test::CountNear(seat, QRect(0, 17 * s, seat.width(), 24 * s), qRgb(0, 0, 255)),
                  20);
        EXPECT_GT(test::CountNear(game, QRect(0, 14 * s, game.width(), 30 * s), qRgb(0, 0, 255)),
                  20);
        // The text is centred across the box.
        const auto [first, last] = inkColumns(seat, qRgb(0, 0, 255));
        EXPECT_NEAR(first + last, seat.width(), 4 * s);
        EXPECT_FALSE(allBackground(f, BoxId::Tab2));
    }
}

TEST(Panels, CaptionFontStepsAndTrailingSpaces) {
    test::RendererFixture f(1);
    TableRenderer& r = *f.renderer;
    auto font = [&](int size) {
        return FontOfHeight(f.settings.font(config::FontKind::Serif).name, size, true);
    };
    // Texts that need each of the three sizes.
    QString medium = "Wm", small = "Wm";
    while (TextWidth(font(18), medium) <= 150) medium += "m";
    small = medium;
    while (TextWidth(font(16), small) <= 150) small += "m";
    ASSERT_LE(TextWidth(font(16), medium), 150);
    struct Case {
        QString text;
        int size;
    } cases[] = {{"PC", 18}, {medium, 16}, {small, 14}};
    r.DrawSpeechCaption(1, " ", 'b');  // the bubble alone: the text is only a space
    const QImage bubble = r.picture(BoxId::Say1);
    for (const Case& c : cases) {
        r.DrawSpeechCaption(1, c.text, 'b');
        const auto [first, last] = changedColumns(bubble, r.picture(BoxId::Say1));
        EXPECT_NEAR(last - first + 1, TextWidth(font(c.size), c.text), 3) << c.size;
        EXPECT_NEAR(first + last, 160, 3) << c.size;
    }
    test::SaveRender(r.picture(BoxId::Say1), "caption-smallest");

    r.DrawSpeechCaption(2, "Player", 'y');
    const QImage plain = r.picture(BoxId::Say2);
    r.DrawSpeechCaption(2, "Player    ", 'y');
    EXPECT_EQ(r.picture(BoxId::Say2), plain);
    test::SaveRender(plain, "caption-yellow");

    r.DrawSpeechCaption(2, "", 'y');
    EXPECT_TRUE(allBackground(f, BoxId::Say2));
}

TEST(Panels, MoveTimerColoursAndClearing) {
    test::RendererFixture f(3);
    TableRenderer& r = *f.renderer;
    const QImage& timer = r.picture(BoxId::Timer2);
    ASSERT_EQ(timer.width(), timer.height());
    r.DrawMoveTimer(2, 5);
    test::SaveRender(timer, "timer-5");
    EXPECT_GT(test::CountNear(timer, timer.rect(), qRgb(255, 255, 0)), 5);
    r.DrawMoveTimer(2, 12);
    EXPECT_GT(test::CountNear(timer, timer.rect(), qRgb(255, 0, 0)), 5);
    r.DrawMoveTimer(2, -1);
    EXPECT_TRUE(allBackground(f, BoxId::Timer2));
}

TEST(Panels, ChatKeepsFourLinesAndShortensLongOnes) {
    test::RendererFixture f(1);
    TableRenderer& r = *f.renderer;
    r.ResetChat();
    for (int i = 1; i <= 5; ++i) r.AddChatLine(i % 4 + 1, QStringLiteral("mLine %1").arg(i));
    const auto& lines = r.chatLines();
    EXPECT_EQ(lines[1], "Line 2");  // the first line was pushed out
    EXPECT_EQ(lines[4], "Line 5");

    const QFont font = FontOfHeight(f.settings.font(config::FontKind::Serif).name, 14);
    const QString longText = "m" + QString(40, 'W');
    r.AddChatLine(1, longText);
    EXPECT_EQ(lines[4], QString(28, 'W') + "...");  // twelve deletions at most, still too wide
    const QString fits = "mW" + QString("iii");
    r.AddChatLine(2, fits);
    EXPECT_EQ(lines[4], "Wiii");
    QString eleven = "W";
    while (TextWidth(font, eleven) <= 85) eleven += "i";
    r.AddChatLine(3, "m" + eleven);
    EXPECT_EQ(lines[4], eleven.left(eleven.size() - 1) + "...");
    test::SaveRender(r.picture(BoxId::Memo), "chat");
    EXPECT_GT(test::CountNear(r.picture(BoxId::Memo), QRect(20, 59, 100, 14), qRgb(0, 128, 0), 60),
              3);
}

TEST(Panels, WaitingTextInYellowAcrossTheTable) {
    test::RendererFixture f(1);
    f.renderer->DrawWaitingText("Expectation of the server...");
    const QImage& table = f.renderer->picture(BoxId::Stol);
    test::SaveRender(table, "waiting");
    EXPECT_GT(test::CountNear(table, QRect(0, 40, 401, 30), qRgb(255, 255, 0)), 50);
    EXPECT_EQ(test::CountNear(table, QRect(0, 0, 401, 38), qRgb(255, 255, 0), 10), 0);
}

}  // namespace
}  // namespace tavik::ui
