#include "core/state/words.h"

namespace tavik {
namespace {

struct Entry {
    Word word;
    std::string_view english;
};

constexpr Entry kEntries[] = {
    {Word::None, ""},
    {Word::ToBegin, "To Begin"},
    {Word::NewGame, "New game"},
    {Word::ITake, "I Take"},
    {Word::ThatsAll, "That`s all"},
    {Word::ThatsAllDots, "That`s All..."},
    {Word::Beaten, "Beaten"},
    {Word::WePlayStill, "We play still!"},
    {Word::SixForehead, "Six on the forehead!!!"},
    {Word::SixsShoulders, "Sixs on the shoulders!"},
    {Word::SixsForeheadShoulders, "Sixs on the forehead and shoulders!!!"},
    {Word::YouLose, "You lose!!!"},
    {Word::YouHaveWon, "You have won!!!"},
    {Word::DeadHeat, "Dead heat..."},
    {Word::PleaseWait, "Please, wait..."},
    {Word::ExpectationOfServer, "Expectation of the server..."},
    {Word::Game, "Game"},
    {Word::IThink, "I think..."},
    {Word::Prizes, "Prizes:"},
};

const Entry& entry(Word w) {
    for (const Entry& e : kEntries)
        if (e.word == w) return e;
    return kEntries[0];
}

}  // namespace

std::string_view englishWord(Word w) {
    return entry(w).english;
}

std::string englishText(const Text& t) {
    std::string s = t.word == Word::None ? t.literal : std::string(englishWord(t.word));
    return t.inParens ? "(" + s + ")" : s;
}

}  // namespace tavik
