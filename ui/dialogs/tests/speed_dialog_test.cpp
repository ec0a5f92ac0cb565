// The speed dialog: its Russian and English words, the bar on the current speed, a move
// of the bar setting flySpeed at once, and "Ok" closing it.
#include "ui/dialogs/speed_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QtTest/QTest>

#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

QStringList Labels(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

TEST(SpeedDialog, WordsMarksAndTheBarSettingTheSpeedAtOnce) {
    test::App();
    config::Settings settings;
    settings.language = 1;
    settings.flySpeed = 2;
    SpeedDialog dialog(settings);
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Выбор скорости"));
    EXPECT_EQ(Labels(dialog), (QStringList{QString::fromUtf8("Выберите скорость полета карт"), "1",
                                           "2", "3", "4", "5", "6"}));
    EXPECT_EQ(dialog.bar().minimum(), 1);
    EXPECT_EQ(dialog.bar().maximum(), 6);
    EXPECT_EQ(dialog.bar().value(), 2);

    dialog.show();
    QTest::keyClick(&dialog.bar(), Qt::Key_Right);
    EXPECT_EQ(settings.flySpeed, 3);
    dialog.bar().setValue(6);
    EXPECT_EQ(settings.flySpeed, 6);
    QTest::keyClick(&dialog.bar(), Qt::Key_Right);  // the bar ends at 6
    EXPECT_EQ(settings.flySpeed, 6);
    test::SaveRender(dialog.grab().toImage(), "speed_dialog");

    auto* ok = dialog.findChild<QPushButton*>();
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QString::fromUtf8("ОК"));
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(SpeedDialog, EnglishWordsAndASpeedOutOfRangeShownAtTheNearestEnd) {
    test::App();
    config::Settings settings;
    settings.language = 0;
    settings.flySpeed = 9;
    SpeedDialog dialog(settings);
    EXPECT_EQ(dialog.windowTitle(), "Choice of speed");
    EXPECT_TRUE(Labels(dialog).contains("Choose the card flight speed"));
    EXPECT_EQ(dialog.bar().value(), 6);
}

TEST(SpeedDialog, PurpleDesignFromTheGraphicsLibraryElseGrey) {
    test::App();
    config::Settings settings;
    settings.language = 1;
    settings.auxDesignPurple = true;
    const PluginFolders graphics{{QStringLiteral(TAVIK_PLUGIN_DIR)}};
    SpeedDialog purple(settings, nullptr, graphics);
    ASSERT_TRUE(purple.purple());
    auto* title = purple.findChild<QLabel*>("purpleTitle");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->pixmap().size(), QSize(360, 44));  // "GFormSpeedRus"
    ASSERT_NE(purple.findChild<QLabel*>("purpleIcon"), nullptr);
    purple.resize(400, 220);
    purple.show();
    const QImage shown = purple.grab().toImage();
    test::SaveRender(shown, QStringLiteral("speed-dialog-purple"));
    const QRgb ground = shown.pixel(200, 150);
    EXPECT_GT(qBlue(ground), qGreen(ground) + 40);  // violet, not the grey design

    // Off, or without the library: the grey design.
    settings.auxDesignPurple = false;
    EXPECT_FALSE(SpeedDialog(settings, nullptr, graphics).purple());
    settings.auxDesignPurple = true;
    EXPECT_FALSE(SpeedDialog(settings, nullptr, PluginFolders{}).purple());
}

}  // namespace
}  // namespace tavik::ui
