#include "ui/account/passport_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/account/account_widgets.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

TEST(PassportWindow, KeepsTheFieldsInTheSettingsOnlyWhileBothAreAcceptable) {
    test::App();
    config::Settings s;
    PassportWindow w(s);
    EXPECT_EQ(w.nameEdit().text(), "Incognito");
    EXPECT_EQ(w.nameLevel(), 3);
    EXPECT_TRUE(w.okButton().isEnabled());

    w.cityEdit().setText(QStringLiteral("X"));  // wrong: nothing is stored
    EXPECT_EQ(w.cityLevel(), 1);
    EXPECT_FALSE(w.okButton().isEnabled());
    w.nameEdit().setText(QStringLiteral("Иван"));
    EXPECT_EQ(s.passportName, "Incognito");
    EXPECT_EQ(s.passportCity, "Moscow");
    // Mending the city stores both, the name typed meanwhile included.
    w.cityEdit().setText(QStringLiteral("Тверь"));
    EXPECT_EQ(w.cityLevel(), 2);
    EXPECT_TRUE(w.okButton().isEnabled());
    EXPECT_EQ(s.passportName, "Иван");
    EXPECT_EQ(s.passportCity, "Тверь");

    w.country().continents()->setCurrentIndex(5);
    EXPECT_EQ(s.passportCountry, "6-000");
    w.country().countries()->setCurrentIndex(12);
    EXPECT_EQ(s.passportCountry, "6-012");
    EXPECT_EQ(w.country().shortName(), "");  // Congo Republic
    w.sexList().setCurrentIndex(1);
    EXPECT_EQ(s.passportSex, 'W');
    test::SaveRender(w.grab().toImage(), QStringLiteral("passport-window"));
}

TEST(PassportWindow, RefusesToCloseWhileAFieldIsWrong) {
    test::App();
    config::Settings s;
    PassportWindow w(s);
    w.show();
    w.nameEdit().setText(QStringLiteral(""));
    w.accept();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Rejected);
    w.nameEdit().setText(QStringLiteral("Mr.X"));
    w.accept();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

TEST(CountryChooser, ShowsAStoredCodeAndFallsBackForAnUnknownOne) {
    test::App();
    QWidget parent;
    CountryChooser c(0, &parent);
    c.setCode("3-034");
    EXPECT_EQ(c.continents()->currentIndex(), 2);
    EXPECT_EQ(c.countries()->currentText(), "USA");
    EXPECT_EQ(c.countries()->count(), 36);
    EXPECT_EQ(c.code(), "3-034");
    c.setCode("9-999");
    EXPECT_EQ(c.code(), "1-000");
    EXPECT_EQ(c.countries()->currentText(), "Unknown");
}

TEST(Flags, ComeFromTheContinentListsAndTheLampsFromTheLevels) {
    test::App();
    const QImage russia = FlagPicture("1-001"), usa = FlagPicture("3-034");
    ASSERT_EQ(russia.size(), QSize(14, 12));
    EXPECT_NE(russia, usa);
    EXPECT_EQ(FlagPicture("bad"), FlagPicture("1-000"));
    EXPECT_NE(LampPicture(1), LampPicture(3));
    EXPECT_EQ(LampPicture(2).size(), QSize(24, 24));
}

}  // namespace
}  // namespace tavik::ui
