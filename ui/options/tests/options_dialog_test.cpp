// The options dialog: every control writes its setting at once and the settings file
// written afterwards carries it; filling the controls is no change; Escape keeps what
// was changed; the downloads of its DLL tab from a server on 127.0.0.1.
#include "ui/options/options_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "config/computer_file.h"
#include "config/settings_file.h"
#include "online/download/tests/local_http_server.h"
#include "ui/button/qor_cards_button.h"
#include "ui/testing/ui_test_support.h"

namespace tavik::ui {
namespace {

// Hooks that count their calls.
struct Calls {
    std::map<std::string, int> n;
    std::vector<std::string> sounds;
    OptionsHooks hooks() {
        OptionsHooks h;
        auto count = [this](const char* name) { return [this, name] { ++n[name]; }; };
        auto countOk = [this](const char* name) {
            return [this, name] {
                ++n[name];
                return true;
            };
        };
        h.windowSize = count("windowSize");
        h.language = count("language");
        h.cursors = count("cursors");
        h.buttons = count("buttons");
        h.playerList = count("playerList");
        h.faces = countOk("faces");
        h.backs = countOk("backs");
        h.background = countOk("background");
        h.fonts = count("fonts");
        h.music = count("music");
        h.speedChooser = count("speedChooser");
        h.sound = [this](const char* s) { sounds.push_back(s); };
        return h;
    }
};

struct Fixture {
    Fixture() {
        test::App();
        places.programFolder = dir.filePath(QStringLiteral("Tavik2"));
        places.parentFolder = dir.path();
        QDir().mkpath(places.programFolder);
        places.serviceBase = "http://127.0.0.1:9/";
    }
    std::unique_ptr<OptionsDialog> open(QSize screen = QSize(1920, 1080)) {
        return std::make_unique<OptionsDialog>(settings, calls.hooks(), places, screen);
    }
    QTemporaryDir dir;
    PluginPlaces places;
    config::Settings settings;
    Calls calls;
};

void Pick(QComboBox* list, int value) {
    ASSERT_NE(list, nullptr);
    const int index = list->findData(value);
    ASSERT_GE(index, 0) << value;
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void Press(QButtonGroup* group, int id) {
    ASSERT_NE(group, nullptr);
    group->button(id)->click();
}

void Click(QCheckBox* box) {
    ASSERT_NE(box, nullptr);
    box->click();
}

TEST(OptionsDialog, EveryControlWritesItsSettingAndTheFileCarriesIt) {
    using S = config::Settings;
    struct Case {
        const char* what;
        std::function<void(OptionsDialog&)> act;
        std::function<bool(const S&)> holds;
        const char* hook;  // the hook the change calls, or nullptr
    };
    const Case cases[] = {
        {"sound", [](auto& d) { Click(d.switchBox("soundOn")); }, [](const S& s) { return !s.soundOn; }, nullptr},
        {"music", [](auto& d) { Click(d.switchBox("musicOn")); }, [](const S& s) { return !s.musicOn; }, "music"},
        {"gif animation", [](auto& d) { Click(d.switchBox("gifAnimation")); }, [](const S& s) { return !s.gifAnimation; }, nullptr},
        {"fly cards", [](auto& d) { Click(d.switchBox("flyCardsOn")); }, [](const S& s) { return !s.flyCardsOn; }, nullptr},
        {"cursor", [](auto& d) { Click(d.switchBox("ownCursor")); }, [](const S& s) { return !s.ownCursor; }, "cursors"},
        {"new buttons", [](auto& d) { Click(d.switchBox("newButtons")); },
         [](const S& s) { return s.newButtons; }, "buttons"},
        {"multiplayer", [](auto& d) { Click(d.switchBox("NetGame")); }, [](const S& s) { return s.NetGame; }, "playerList"},
        {"window size", [](auto& d) { Pick(d.choiceList("windowSize"), 3); },
         [](const S& s) { return s.windowSize == 3; }, "windowSize"},
        {"language", [](auto& d) { Pick(d.choiceList("language"), 7); },
         [](const S& s) { return s.language == 7; }, "language"},
        {"face style", [](auto& d) { Pick(d.choiceList("deckStyle"), 40); },
         [](const S& s) { return s.deckStyle == 40; }, "faces"},
        {"back style", [](auto& d) { Pick(d.choiceList("backStyle"), 9); },
         [](const S& s) { return s.backStyle == 9; }, "backs"},
        {"always one back", [](auto& d) { Press(d.choiceGroup("oneBack"), 1); },
         [](const S& s) { return s.oneBack; }, nullptr},
        {"re-deal rule", [](auto& d) { Click(d.switchBox("ReDealRule")); }, [](const S& s) { return s.ReDealRule; }, nullptr},
        {"sixes rule", [](auto& d) { Click(d.switchBox("SixesRule")); }, [](const S& s) { return s.SixesRule; }, nullptr},
        {"hints rule", [](auto& d) { Click(d.switchBox("HintsRule")); }, [](const S& s) { return s.HintsRule; }, nullptr},
        {"font scale",
         [](auto& d) {
             d.fontKind().setCurrentIndex(2);
             d.fontScale().setValue(130);
         },
         [](const S& s) { return s.fonts[2].scale == 130 && s.fonts[0].scale == 100; }, "fonts"},
        {"font name",
         [](auto& d) {
             d.fontKind().setCurrentIndex(1);
             d.fontName().setCurrentText(QStringLiteral("DejaVu Serif"));
         },
         [](const S& s) { return s.fonts[1].name == "DejaVu Serif" && s.fonts[0].name == "Comic Sans MS"; },
         "fonts"},
        {"pattern", [](auto& d) { Pick(d.choiceList("backgroundPattern"), 7); },
         [](const S& s) { return s.backgroundPattern == 7; }, "background"},
        {"tint", [](auto& d) { Pick(d.choiceList("backgroundTint"), 4); },
         [](const S& s) { return s.backgroundTint == 4; }, "background"},
        {"save gif", [](auto& d) { Click(d.switchBox("saveGif")); }, [](const S& s) { return s.saveGif; }, nullptr},
        {"capture", [](auto& d) { Press(d.choiceGroup("gifCapture"), 2); },
         [](const S& s) { return s.gifCapture == 2; }, nullptr},
        {"gif delay", [](auto& d) { d.gifDelay().setValue(250); }, [](const S& s) { return s.gifDelay == 250; }, nullptr},
        {"radio from disk", [](auto& d) { Press(d.choiceGroup("radioFromServer"), 0); },
         [](const S& s) { return !s.radioFromServer; }, nullptr},
        {"menu design", [](auto& d) { Pick(d.choiceList("menuDesign"), 1); },
         [](const S& s) { return s.menuDesign == 1; }, "background"},
        {"table design", [](auto& d) { Pick(d.choiceList("tableDesign"), 1); },
         [](const S& s) { return s.tableDesign == 1; }, nullptr},
        {"aux design concise", [](auto& d) { Pick(d.choiceList("auxDesign"), 1); },
         [](const S& s) { return s.auxDesign == 1 && !s.auxDesignPurple; }, nullptr},
        {"aux design purple", [](auto& d) { Pick(d.choiceList("auxDesign"), 4); },
         [](const S& s) { return s.auxDesign == 2 && s.auxDesignPurple; }, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f;
        auto dialog = f.open();
        ASSERT_FALSE(c.holds(f.settings));
        c.act(*dialog);
        EXPECT_TRUE(c.holds(f.settings));
        if (c.hook != nullptr) EXPECT_EQ(f.calls.n[c.hook], 1);
        const std::string path = f.dir.filePath(QStringLiteral("Tavik2.ini")).toStdString();
        ASSERT_TRUE(config::SaveSettings(path, f.settings).ok());
        const config::SettingsLoad back = config::LoadSettings(path);
        EXPECT_TRUE(c.holds(back.settings));
        EXPECT_EQ(back.settings, f.settings);
    }
}

// The computer level is kept in its own file, not in Tavik2.ini.
TEST(OptionsDialog, TheComputerListChoosesTheLevelAndItsOwnFileKeepsIt) {
    Fixture f;
    f.settings.computer = config::ComputerLevel::Expert;
    auto dialog = f.open();
    QComboBox* list = dialog->choiceList("computer");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->currentData().toInt(), 1);
    EXPECT_EQ(list->itemText(0), QStringLiteral("Classic"));
    EXPECT_EQ(list->itemText(1), QStringLiteral("Expert"));
    Pick(list, 0);
    EXPECT_EQ(f.settings.computer, config::ComputerLevel::Classic);
    Pick(list, 1);
    EXPECT_EQ(f.settings.computer, config::ComputerLevel::Expert);
    const std::string path = f.dir.filePath(QStringLiteral("TavikVel.ini")).toStdString();
    ASSERT_TRUE(config::WriteComputerFile(path, f.settings.computer).ok());
    EXPECT_EQ(config::ReadComputerFile(path), config::ComputerLevel::Expert);
    Pick(dialog->choiceList("language"), 1);
    EXPECT_EQ(list->itemText(1), QStringLiteral("Эксперт"));
}

TEST(OptionsDialog, FillingTheControlsFromTheSettingsIsNoChange) {
    Fixture f;
    auto dialog = f.open();
    f.settings.musicOn = false;
    f.settings.newButtons = true;
    f.settings.windowSize = 3;
    dialog->SetFromSettings();
    EXPECT_FALSE(dialog->switchBox("musicOn")->isChecked());
    EXPECT_TRUE(dialog->switchBox("newButtons")->isChecked());
    EXPECT_EQ(dialog->choiceList("windowSize")->currentData().toInt(), 3);
    EXPECT_TRUE(f.calls.n.empty());  // no music started or stopped, nothing re-laid
    Click(dialog->switchBox("musicOn"));
    EXPECT_EQ(f.calls.n["music"], 1);
    EXPECT_TRUE(f.settings.musicOn);
}

TEST(OptionsDialog, TheSizeListIsTrimmedToTheScreen) {
    Fixture f;
    auto dialog = f.open(QSize(1280, 1024));
    QComboBox* list = dialog->choiceList("windowSize");
    QStringList names;
    for (int i = 0; i < list->count(); ++i) names << list->itemText(i);
    EXPECT_EQ(names, (QStringList{"Small window", "Full screen", "Average window 1"}));
}

TEST(OptionsDialog, EscapeAfterALanguageChangeKeepsItAndTheDialogSpeaksIt) {
    Fixture f;
    auto dialog = f.open();
    dialog->show();
    EXPECT_EQ(dialog->tabs().tabText(0), QStringLiteral("General"));
    Pick(dialog->choiceList("language"), 1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Опции"));
    EXPECT_EQ(dialog->tabs().tabText(0), QStringLiteral("Общие"));
    EXPECT_EQ(dialog->switchBox("soundOn")->text(), QStringLiteral("Звук"));
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(f.settings.language, 1);
    // German: "Sound" has no translation of its own.
    Pick(dialog->choiceList("language"), 2);
    EXPECT_EQ(dialog->switchBox("soundOn")->text(), QStringLiteral("Sound"));
    EXPECT_EQ(dialog->switchBox("musicOn")->text(), QStringLiteral("Musik"));
}

TEST(OptionsDialog, NewButtonsReshapeTheDialogsOwnButtonsAndTheSpeedShowsItsValue) {
    Fixture f;
    f.settings.flySpeed = 5;
    auto dialog = f.open();
    EXPECT_EQ(dialog->speedButton().text(), QStringLiteral("Speed=5"));
    EXPECT_FALSE(dialog->okButton().Nolt());
    Click(dialog->switchBox("newButtons"));
    EXPECT_TRUE(dialog->okButton().Nolt());
    EXPECT_TRUE(dialog->defaultFonts().Nolt());
    dialog->speedButton().click();
    EXPECT_EQ(f.calls.n["speedChooser"], 1);
}

TEST(OptionsDialog, BackgroundListsFollowThePatternAndTheDesigns) {
    Fixture f;
    auto dialog = f.open();
    QComboBox* pattern = dialog->choiceList("backgroundPattern");
    QComboBox* tint = dialog->choiceList("backgroundTint");
    EXPECT_TRUE(pattern->isEnabled() && tint->isEnabled());
    Pick(pattern, 0);
    EXPECT_TRUE(pattern->isEnabled());
    EXPECT_FALSE(tint->isEnabled());
    Pick(pattern, 3);
    Pick(dialog->choiceList("menuDesign"), 1);
    EXPECT_TRUE(pattern->isEnabled());
    Pick(dialog->choiceList("tableDesign"), 1);
    EXPECT_FALSE(pattern->isEnabled());
    EXPECT_FALSE(tint->isEnabled());
    // With the purple main menu a new pattern is only stored.
    const int loads = f.calls.n["background"];
    f.settings.tableDesign = 0;
    dialog->SetFromSettings();
    Pick(pattern, 5);
    EXPECT_EQ(f.settings.backgroundPattern, 5);
    EXPECT_EQ(f.calls.n["background"], loads);
}

TEST(OptionsDialog, TheFontDefaultButtonRestoresAllFourFonts) {
    Fixture f;
    f.settings.fonts[0] = {"DejaVu Sans", 60};
    f.settings.fonts[3] = {"Liberation Mono", 150};
    auto dialog = f.open();
    EXPECT_EQ(dialog->fontScale().value(), 60);
    dialog->defaultFonts().click();
    EXPECT_EQ(f.settings.fonts, config::Settings{}.fonts);
    EXPECT_EQ(dialog->fontScale().value(), 100);
    EXPECT_EQ(dialog->fontName().currentText(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(f.calls.n["fonts"], 1);
}

TEST(OptionsDialog, FailedArtLoadSetsTheListBackToTheBuiltInEntry) {
    Fixture f;
    OptionsHooks hooks = f.calls.hooks();
    hooks.faces = [&] {
        f.settings.deckStyle = 0;  // the loader's answer to a missing library
        return false;
    };
    OptionsDialog dialog(f.settings, hooks, f.places, QSize(1920, 1080));
    Pick(dialog.choiceList("deckStyle"), 12);
    EXPECT_EQ(dialog.choiceList("deckStyle")->currentData().toInt(), 0);
}

// The DLL tab against a python3 http.server on 127.0.0.1.
TEST(OptionsDialog, DownloadsInstallGoodLibrariesAndRefuseBrokenOnes) {
    Fixture f;
    const QString served = f.dir.filePath(QStringLiteral("served/downloads/progr/cards"));
    ASSERT_TRUE(QDir().mkpath(served));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVIK_TEST_PLUGIN), served + "/QorCards06B.rcc"));
    {
        QFile broken(served + "/QorCGraph1.rcc");
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("<html>Not here</html>");
    }
    tavik::test::LocalHttpServer server(f.dir.filePath(QStringLiteral("served")).toStdString());
    ASSERT_TRUE(server.running());
    f.places.serviceBase = server.base();
    // A library already in the program's folder counts as installed.
    QFile::copy(QStringLiteral(TAVIK_TEST_PLUGIN), f.places.programFolder + "/QorCards06A.rcc");
    auto dialog = f.open();
    EXPECT_FALSE(dialog->downloadButton("QorCards06A.rcc")->isEnabled());
    EXPECT_TRUE(dialog->downloadButton("QorCards06B.rcc")->isEnabled());
    // Without the graphics library the fireworks are off and cannot be switched on.
    EXPECT_FALSE(dialog->switchBox("fireworksCards")->isEnabled());
    EXPECT_FALSE(f.settings.fireworksCards);
    EXPECT_FALSE(f.settings.fireworksButtons);

    dialog->downloadButton("QorCards06B.rcc")->click();
    EXPECT_TRUE(QFile::exists(f.places.parentFolder + "/QorCards06B.rcc"));
    EXPECT_FALSE(dialog->downloadButton("QorCards06B.rcc")->isEnabled());
    dialog->downloadButton("QorCGraph1.rcc")->click();   // not a library
    dialog->downloadButton("QorCVoice3.rcc")->click();   // not on the server
    EXPECT_FALSE(QFile::exists(f.places.parentFolder + "/QorCGraph1.rcc"));
    EXPECT_FALSE(QFile::exists(f.places.parentFolder + "/QorCGraph1.rcc.part"));
    EXPECT_TRUE(dialog->downloadButton("QorCGraph1.rcc")->isEnabled());
    EXPECT_EQ(f.calls.sounds, (std::vector<std::string>{"WToMenK", "WWrongs", "WWrongs"}));

    // Once the graphics library is there the fireworks may be switched on.
    QFile::copy(QStringLiteral(TAVIK_TEST_PLUGIN), f.places.parentFolder + "/QorCGraph1.rcc");
    dialog->RefreshDownloads();
    EXPECT_TRUE(dialog->switchBox("fireworksCards")->isEnabled());
    Click(dialog->switchBox("fireworksCards"));
    EXPECT_TRUE(f.settings.fireworksCards);
}

TEST(OptionsDialog, AServerThatNeverAnswersEndsTheDownloadInAFailure) {
    Fixture f;
    int port = 0;
    const int s = tavik::test::ListenLocal(port);
    ASSERT_GE(s, 0);
    f.places.serviceBase = "http://127.0.0.1:" + std::to_string(port) + "/";
    f.places.limits = {300, 700, 0};
    auto dialog = f.open();
    EXPECT_FALSE(dialog->Download(PluginFiles().front()));
    ::close(s);
    EXPECT_EQ(f.calls.sounds, (std::vector<std::string>{"WWrongs"}));
    EXPECT_TRUE(dialog->downloadButton(PluginFiles().front().fileName)->isEnabled());
}

}  // namespace
}  // namespace tavik::ui
