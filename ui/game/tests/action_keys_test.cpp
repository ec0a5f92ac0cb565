#include "ui/game/action_keys.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QtTest/QTest>

#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

TEST(OpenCardsCode, TheWholeBufferMustReadAsTheCode) {
    OpenCardsCode code;
    for (const char* typed : {"4", "1", "9", "5"}) EXPECT_FALSE(code.Feed(typed)) << typed;
    EXPECT_TRUE(code.Feed("8"));
    // Emptied after the code: it can be typed again at once.
    EXPECT_FALSE(code.Feed("4195"));
    EXPECT_TRUE(code.Feed("8"));
    // Anything else before it spoils the buffer until it is cleared.
    EXPECT_FALSE(code.Feed("x41958"));
    code.Clear();
    EXPECT_TRUE(code.Feed("41958"));
}

TEST(ActionKeys, F10AndTheCodeWhileTheButtonHasTheFocus) {
    test::App();
    QPushButton button("action");
    button.show();
    int forecast = 0, open = 0;
    new ActionKeys(
        button, [&] { ++forecast; }, [&] { ++open; });
    QTest::keyClick(&button, Qt::Key_F10);
    EXPECT_EQ(forecast, 1);
    QTest::keyClicks(&button, "419");
    // Losing the focus empties the buffer: the code starts again.
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&button, &out);
    QTest::keyClicks(&button, "58");
    EXPECT_EQ(open, 0);
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&button, &in);
    QTest::keyClicks(&button, "41958");
    EXPECT_EQ(open, 1);
    EXPECT_EQ(forecast, 1);
}

}  // namespace
}  // namespace tavik::ui
