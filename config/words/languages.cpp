#include "config/words/languages.h"

#include <array>

namespace tavik::words {
namespace {

struct Language {
    std::string_view code;
    std::string_view selectorName;
};

constexpr std::array<Language, kLanguageCount> kLanguages = {{
    {"Eng", "English"},
    {"Rus", "Русский"},
    {"Deu", "Deutsche"},
    {"Fra", "Français"},
    {"Spa", "Español"},
    {"Chi", "中文"},
    {"Ita", "Italiano"},
    {"Cze", "Čeština"},
    {"Jap", "日本"},
    {"Kor", "한국인"},
}};

}  // namespace

std::string_view languageCode(int language) {
    return kLanguages[effectiveLanguage(language)].code;
}

std::string_view selectorName(int language) {
    return kLanguages[effectiveLanguage(language)].selectorName;
}

int languageFromCode(std::string_view code) {
    for (int i = 0; i < kLanguageCount; ++i)
        if (kLanguages[i].code == code) return i;
    return -1;
}

}  // namespace tavik::words
