#include "core/state/words.h"

namespace tavik {
namespace {

struct Entry {
    Word word;
    std::string_view key;
    std::string_view english;
};

constexpr Entry kEntries[] = {
    {Word::None, "", ""},
    {Word::ToBegin, "ToBegin", "To Begin"},
    {Word::NewGame, "NewGame", "New game"},
    {Word::ITake, "ITake", "I Take"},
    {Word::ThatsAll, "ThatsAll", "That`s all"},
    {Word::ThatsAllDots, "ThatsAllDots", "That`s All..."},
    {Word::Beaten, "Beaten", "Beaten"},
    {Word::WePlayStill, "WePlayStill", "We play still!"},
    {Word::SixForehead, "SixForehead", "Six on the forehead!!!"},
    {Word::SixsShoulders, "SixsShoulders", "Sixs on the shoulders!"},
    {Word::SixsForeheadShoulders, "SixsForeheadShoulders", "Sixs on the forehead and shoulders!!!"},
    {Word::YouLose, "YouLose", "You lose!!!"},
    {Word::YouHaveWon, "YouHaveWon", "You have won!!!"},
    {Word::DeadHeat, "DeadHeat", "Dead heat..."},
    {Word::PleaseWait, "PleaseWait", "Please, wait..."},
    {Word::ExpectationOfServer, "ExpectationOfServer", "Expectation of the server..."},
    {Word::Game, "Game", "Game"},
    {Word::IThink, "IThink", "I think..."},
    {Word::Prizes, "Prizes", "Prizes:"},
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
std::string_view wordKey(Word w) {
    return entry(w).key;
}

std::string englishText(const Text& t) {
    std::string s = t.word == Word::None ? t.literal : std::string(englishWord(t.word));
    return t.inParens ? "(" + s + ")" : s;
}

}  // namespace tavik
