#include "config/words/word_table.h"

#include <algorithm>
#include <cassert>

#include "config/words/word_data.h"

namespace tavik::words {

std::span<const WordEntry> allEntries() {
    return {detail::kEntries, detail::kEntryCount};
}

const WordEntry& entry(WordKey key) {
    return detail::kEntries[static_cast<std::size_t>(key)];
}

std::string_view word(WordKey key, int language) {
    return entry(key).text[effectiveLanguage(language)];
}

WordKey keyOf(Word w) {
    switch (w) {
        case Word::None:
            break;
        case Word::ToBegin:
            return WordKey::ToBegin;
        case Word::NewGame:
            return WordKey::NewGame;
        case Word::ITake:
            return WordKey::ITake;
        case Word::ThatsAll:
            return WordKey::ThatsAll;
        case Word::ThatsAllDots:
            return WordKey::ThatsAllDots;
        case Word::Beaten:
            return WordKey::Beaten;
        case Word::WePlayStill:
            return WordKey::WePlayStill;
        case Word::SixForehead:
            return WordKey::SixForehead;
        case Word::SixsShoulders:
            return WordKey::SixsShoulders;
        case Word::SixsForeheadShoulders:
            return WordKey::SixsForeheadShoulders;
        case Word::YouLose:
            return WordKey::YouLose;
        case Word::YouHaveWon:
            return WordKey::YouHaveWon;
        case Word::DeadHeat:
            return WordKey::DeadHeat;
        case Word::PleaseWait:
            return WordKey::PleaseWait;
        case Word::ExpectationOfServer:
            return WordKey::ExpectationOfServer;
        case Word::Game:
            return WordKey::Game;
        case Word::IThink:
            return WordKey::IThink;
        case Word::Prizes:
            return WordKey::Prizes;
    }
    assert(false && "Word::None names no table");
    return WordKey::Title;
}

std::string text(const Text& t, int language) {
    std::string s = t.word == Word::None ? t.literal : std::string(word(keyOf(t.word), language));
    return t.inParens ? "(" + s + ")" : s;
}

std::optional<WordKey> findWord(std::string_view keyText) {
    const std::span<const WordEntry> all = allEntries();
    const auto it =
        std::lower_bound(all.begin(), all.end(), keyText,
                         [](const WordEntry& e, std::string_view k) { return e.key < k; });
    if (it == all.end() || it->key != keyText) return std::nullopt;
    return static_cast<WordKey>(it - all.begin());
}

std::array<LanguageCoverage, kLanguageCount> coverage() {
    std::array<LanguageCoverage, kLanguageCount> result;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
        result[lang].language = lang;
        result[lang].total = static_cast<int>(detail::kEntryCount);
        for (const WordEntry& e : allEntries())
            if (e.own(lang)) ++result[lang].translated;
    }
    return result;
}

}  // namespace tavik::words
