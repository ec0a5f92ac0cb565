#pragma once
// The ten interface languages: their index (the setting `language`), the three-letter
// code that names language-dependent resources, and the name in the language selector.

#include <string_view>

namespace tavik::words {

inline constexpr int kLanguageCount = 10;
inline constexpr int kEnglish = 0;
inline constexpr int kRussian = 1;
inline constexpr int kGerman = 2;

// The language a setting value selects: 0..9 as they are; anything else (the settings
// file may carry values up to 20) shows English.
constexpr int effectiveLanguage(int language) {
    return language >= 0 && language < kLanguageCount ? language : kEnglish;
}

// "Eng", "Rus", "Deu", ... for the language a setting value selects.
std::string_view languageCode(int language);
// The name shown in the language selector ("English", "Русский", ...).
std::string_view selectorName(int language);
// The index of a three-letter code, or -1 when no language has it.
int languageFromCode(std::string_view code);

}  // namespace tavik::words
