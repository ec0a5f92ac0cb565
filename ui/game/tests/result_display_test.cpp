#include "ui/game/result_display.h"

#include <gtest/gtest.h>

#include "ui/game/tests/test_host.h"
#include "ui/pictures/program_pictures.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

struct ResultCase {
    KonOutcome konResult;
    const char* text;
    QColor colour;
    const char* picture;
    int stillFrame;
};

TEST(ResultDisplay, TextColourAndStillFrameOfEachResult) {
    test::App();
    test::TestHost host;
    host.show();
    host.tableView().show();
    ResultDisplay result(host.tableView());
    const ResultCase cases[] = {
        {KonOutcome::Seat1Won, "You lose!!!", QColor(Qt::cyan), "GKonBads", 20},
        {KonOutcome::Seat2Won, "You have won!!!", QColor(128, 255, 128), "GKonGood", 9},
        {KonOutcome::Draw, "Dead heat...", QColor(Qt::yellow), "GKonNich", 0},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.konResult));
        result.ShowResult(c.konResult, false, host.settings());
        EXPECT_TRUE(result.isVisible());
        EXPECT_EQ(result.text().text(), c.text);
        EXPECT_GE(result.text().width(), result.text().sizeHint().width()) << "not cut off";
        EXPECT_EQ(result.text().palette().color(QPalette::WindowText), c.colour);
        // The result lies over the table box.
        const Box& stol = host.tableView().renderer().box(BoxId::Stol);
        EXPECT_EQ(result.geometry(), QRect(stol.left, stol.top, stol.width, stol.height));
        if (ProgramPicturePath(QLatin1String(c.picture)).isEmpty()) {
            EXPECT_EQ(result.movie(), nullptr);  // only the text without the picture
            continue;
        }
        ASSERT_NE(result.movie(), nullptr);
        EXPECT_NE(result.movie()->state(), QMovie::Running);
        const int last = result.movie()->frameCount() - 1;
        EXPECT_EQ(result.movie()->currentFrameNumber(), std::min(c.stillFrame, last));
        test::SaveRender(host.tableView().grab().toImage(),
                         QStringLiteral("result-still-%1").arg(static_cast<int>(c.konResult)));

        result.ShowResult(c.konResult, true, host.settings());
        EXPECT_EQ(result.movie()->state(), QMovie::Running);
    }
    result.HideResult();
    EXPECT_FALSE(result.isVisible());
    EXPECT_EQ(result.movie(), nullptr);
}

}  // namespace
}  // namespace tavik::ui
