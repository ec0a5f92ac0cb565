// The compiled word tables: completeness, the fixed texts of the game, language selection.
#include "config/words/word_table.h"

#include <gtest/gtest.h>

#include <string>

#include "config/words/word_keys.h"

namespace tavik::words {
namespace {

std::string_view trimRight(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

TEST(WordTable, EveryCoreWordHasATableStartingWithTheCoresEnglish) {
    int checked = 0;
    for (int i = 1;; ++i) {
        const auto w = static_cast<Word>(i);
        if (englishWord(w).empty()) break;  // past the last word
        ++checked;
        // The caption of the thinking computer carries a blank after its dots.
        EXPECT_EQ(trimRight(word(keyOf(w), kEnglish)), englishWord(w)) << entry(keyOf(w)).key;
        EXPECT_EQ(text(Text::of(w), kRussian), word(keyOf(w), kRussian));
    }
    EXPECT_GE(checked, 18);
}

TEST(WordTable, NoTextIsBlankAndEnglishAndRussianAreComplete) {
    for (const WordEntry& e : allEntries())
        for (int lang = 0; lang < kLanguageCount; ++lang)
            EXPECT_FALSE(e.text[lang].empty()) << e.key << " " << languageCode(lang);

    const auto cov = coverage();
    for (int lang : {kEnglish, kRussian}) {
        EXPECT_EQ(cov[lang].translated, cov[lang].total) << languageCode(lang);
        EXPECT_DOUBLE_EQ(cov[lang].percent(), 100.0);
    }
    EXPECT_EQ(cov[kGerman].translated, cov[kGerman].total - 1);  // "Sound", below
}

TEST(WordTable, GermanSoundSwitchShowsTheEnglishTextWhileTheOthersAreGerman) {
    EXPECT_EQ(word(key::Sound, kGerman), "Sound");
    EXPECT_FALSE(entry(key::Sound).own(kGerman));
    EXPECT_EQ(word(key::Music, kGerman), "Musik");
    EXPECT_EQ(word(key::Multiplayer, kGerman), "Mehrspieler");
    EXPECT_TRUE(entry(key::Sound).own(3));
}

// The main screen, the table, the menu and the dialogs of a match against the computer
// speak every language.
TEST(WordTable, MainScreenTableMenuAndDialogsAreTranslatedEverywhere) {
    const WordKey keys[] = {
        key::NewPlayer,
        key::TopTen,
        key::Options,
        key::Exit,
        key::Mode,
        key::History,
        key::ListHeadScore,
        key::ListHeadRating,
        key::WorldTop10,
        key::ClockIQ,
        key::ClockGamesPC,
        key::ClockClubMembers,
        key::NoConnect,
        key::MenuGeneralScore,
        key::MenuExitToMenu,
        key::MenuChangeName,
        key::MenuSpeed,
        key::MenuConvention,
        key::MenuHelp,
        key::MenuBook,
        key::MenuComment,
        key::MenuAbout,
        key::ToBegin,
        key::NewGame,
        key::ITake,
        key::ThatsAll,
        key::ThatsAllDots,
        key::Beaten,
        key::WePlayStill,
        key::SixForehead,
        key::SixsShoulders,
        key::SixsForeheadShoulders,
        key::YouLose,
        key::YouHaveWon,
        key::DeadHeat,
        key::PleaseWait,
        key::ExpectationOfServer,
        key::Game,
        key::IThink,
        key::Prizes,
        key::CurrentGame,
        key::GeneralNumberOfGame,
        key::RoundInCycle,
        key::Cancel,
        key::Welcome,
        key::EnterName,
        key::EnterPassword,
        key::PasswordAgain,
        key::IncorrectName,
        key::PasswordsDiffer,
        key::IncorrectPassword,
        key::EndGameTitle,
        key::Congratulations,
        key::ResultBest,
        key::ResultGood,
        key::ResultLabel,
        key::InTopTen,
        key::OurRegrets,
        key::NotInTopTen,
        key::TitleMaster,
        key::LeaveToMenu,
        key::DataWillBeLost,
        key::LeaveGame,
        key::InfoAboutGame,
        key::ScoreCurrent,
        key::RatingCurrent,
        key::HistoryTitle,
        key::NoHistoryFiles,
        key::ColTime,
        key::ColDate,
        key::Player,
        key::ColResult,
        key::TypeLocal,
        key::NameChanged,
        key::NewName,
    };
    for (const WordKey k : keys) {
        const WordEntry& e = entry(k);
        for (int lang = 0; lang < kLanguageCount; ++lang)
            EXPECT_TRUE(e.own(lang)) << e.key << " " << languageCode(lang);
    }
}

TEST(WordTable, KeepsTheGamesOwnSpellings) {
    struct Case {
        WordKey key;
        int language;
        std::string_view text;
    };
    const Case cases[] = {
        {key::ThatsAll, kEnglish, "That`s all"},
        {key::SixsShoulders, kEnglish, "Sixs on the shoulders!"},
        {key::CantSaveHistory, kEnglish, "Cann`t save history!"},
        {key::InTopTen, kEnglish, "You have hitted in top ten players!"},
        {key::ListHeadScore, kEnglish, " The members of club    Games    Score "},
        {key::ListHeadRating, kEnglish, " The members of club    Games   Rating "},
        {key::MenuChangeName, kEnglish, "To change a name"},
        {key::Sound, kRussian, "Звук"},
        {key::IThink, kEnglish, "I think... "},
        {key::IThink, kRussian, "Думаю... "},
        {key::CantSaveOptions, kEnglish, "Can`t save options!"},
        {key::CantSaveOptions, kRussian, "Не могу сохранить опции!"},
        {key::MenuGeneralScore, kRussian, "Общий Счёт"},
        {key::MenuExitToMenu, kRussian, "Выход в меню"},
        {key::MenuChangeName, kRussian, "Изменить имя"},
        {key::MenuSpeed, kRussian, "Скорость"},
        {key::MenuHelp, kRussian, "Помощь"},
        {key::MenuBook, kRussian, "Учебник"},
        {key::MenuAbout, kRussian, "О программе"},
        {key::MenuRadio, kRussian, "Радио"},
        {key::MenuChat, kRussian, "Чат"},
        {key::IntroDate, kEnglish, "October 18, 2022"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(word(c.key, c.language), c.text)
            << entry(c.key).key << " " << languageCode(c.language);

    // Names stay as they are in every language, and count as translated there.
    for (const WordKey k : {key::Title, key::MrX}) {
        for (int lang = 0; lang < kLanguageCount; ++lang) {
            EXPECT_EQ(word(k, lang), word(k, kEnglish));
            EXPECT_TRUE(entry(k).own(lang));
        }
    }
    EXPECT_EQ(word(key::Title, kEnglish), "Tavik-Vel");
    EXPECT_EQ(word(key::MrX, kEnglish), "Mr.X");
}

TEST(WordTable, LanguagesOutsideTheTableShowEnglish) {
    for (const int language : {10, 20, 255, -1})
        EXPECT_EQ(word(key::Exit, language), "Exit") << language;
    EXPECT_EQ(word(key::Exit, 9), "종료");
    EXPECT_EQ(languageCode(12), "Eng");

    const std::string_view codes[] = {"Eng", "Rus", "Deu", "Fra", "Spa",
                                      "Chi", "Ita", "Cze", "Jap", "Kor"};
    const std::string_view names[] = {"English", "Русский",  "Deutsche", "Français", "Español",
                                      "中文",    "Italiano", "Čeština",  "日本",     "한국인"};
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        EXPECT_EQ(languageCode(lang), codes[lang]);
        EXPECT_EQ(selectorName(lang), names[lang]);
        EXPECT_EQ(languageFromCode(codes[lang]), lang);
    }
    EXPECT_EQ(languageFromCode("eng"), -1);
}

TEST(WordTable, CoreTexts) {
    EXPECT_EQ(text(Text::hint(Word::Beaten), kRussian), "(Бито)");
    EXPECT_EQ(text(Text::of(Word::ITake), kGerman), "Ich nehme");
    EXPECT_EQ(text(Text::name("PC"), 8), "PC");
    EXPECT_EQ(text(Text::of(Word::None), kRussian), "");
}

// A key is the place of its table: every table is found by its key text at the place
// of its key, and a text that names no table finds nothing.
TEST(WordTable, KeyTextsFindTheirTables) {
    const std::span<const WordEntry> all = allEntries();
    ASSERT_EQ(all.size(), kWordKeyCount);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const auto k = static_cast<WordKey>(i);
        EXPECT_EQ(findWord(all[i].key), k) << all[i].key;
        EXPECT_EQ(entry(k).key, all[i].key);
        if (i > 0) EXPECT_LT(all[i - 1].key, all[i].key) << "sorted by key";
    }
    EXPECT_EQ(entry(key::NewPlayer).key, "NewPlayer");
    EXPECT_EQ(findWord("ThatsAll"), key::ThatsAll);
    for (const std::string_view missing : {"NoSuchKey", "", "thatsall", "ThatsAll ", "Zzz"})
        EXPECT_EQ(findWord(missing), std::nullopt) << missing;
}

}  // namespace
}  // namespace tavik::words
