#pragma once
// The texts the game core shows. The core names an entry; the presentation looks it
// up in the language table of the current language (the language tables map each Word
// to its table). englishWord() gives the English entry, which is also what the
// headless recorder prints.

#include <string>
#include <string_view>

namespace tavik {

enum class Word {
    None,  // no word: the text is a name or blank
    ToBegin,
    NewGame,
    ITake,
    ThatsAll,      // the button caption "That`s all"
    ThatsAllDots,  // the seat caption "That`s All..."
    Beaten,
    WePlayStill,
    SixForehead,
    SixsShoulders,
    SixsForeheadShoulders,
    YouLose,
    YouHaveWon,
    DeadHeat,
    PleaseWait,
    ExpectationOfServer,
    Game,
    IThink,
    Prizes,
};

// The English entry of the language table, spelled as the game spells it.
std::string_view englishWord(Word w);

// A text shown by the core: a word of the language table, or a literal (a player's
// name, a blank), optionally wrapped in parentheses (the hints).
struct Text {
    Word word = Word::None;
    std::string literal;
    bool inParens = false;

    static Text of(Word w) { return Text{w, {}, false}; }
    static Text name(std::string n) { return Text{Word::None, std::move(n), false}; }
    static Text hint(Word w) { return Text{w, {}, true}; }
    bool operator==(const Text&) const = default;
};

// The text in English, as the recorder and the command line show it.
std::string englishText(const Text& t);

}  // namespace tavik
