#include "online/account/account_fields.h"

#include <gtest/gtest.h>

namespace tavik::online {
namespace {

struct AccountCase {
    const char* text;
    AccountField kind;
    int expected;
};

TEST(CheckAccountField, JudgesEachKind) {
    using K = AccountField;
    const AccountCase cases[] = {
        {"", K::Nick, 1},
        {"a", K::Nick, 1},
        {"a", K::City, 1},
        {"Bob", K::Nick, 3},
        {"Иван", K::Nick, 1},           // Cyrillic letters only in the city
        {"Bob_1(x).!-,@", K::Nick, 1},  // 13 characters
        {"Bob_1(x).!-@", K::Nick, 3},   // every allowed sign, 12 characters
        {"Bob Smith", K::Nick, 1},      // a blank is no field character
        {"Bob&x", K::Nick, 1},
        {"Bob=x", K::Nick, 1},
        {"Москва", K::City, 2},
        {"Ёлкино-ёж", K::City, 2},
        {"Paris", K::City, 3},
        {"Rio de Janeiro", K::City, 1},
        {"Frankfurt-Oder1", K::City, 3},   // 15 characters
        {"Frankfurt-Oder12", K::City, 1},  // 16
        {"Straße", K::City, 1},            // ß is neither Latin A-Z nor Cyrillic
        {"abc", K::Password, 1},
        {"abcd", K::Password, 3},
        {"abcdefghijkl", K::Password, 3},
        {"abcdefghijklm", K::Password, 1},
        {"пароль", K::Password, 1},
        {"@bob.org", K::EMail, 1},
        {"bob.org@", K::EMail, 1},
        {"bob.org", K::EMail, 1},
        {"b@o", K::EMail, 3},
        {"bob@mail.example.org", K::EMail, 3},
        {"bob@mail.example.org.abcdefghij", K::EMail, 1},  // 31 characters
        {"боб@mail.ru", K::EMail, 1},
    };
    for (const AccountCase& c : cases)
        EXPECT_EQ(CheckAccountField(c.text, c.kind), c.expected)
            << '"' << c.text << "\" kind " << static_cast<int>(c.kind);
}

TEST(CheckPassportField, AcceptsCyrillicInBothFieldsAndKeepsTheLimits) {
    using K = PassportField;
    const struct {
        const char* text;
        K kind;
        int expected;
    } cases[] = {
        {"Иван", K::Name, 2},
        {"Incognito", K::Name, 3},
        {"I", K::Name, 1},
        {"", K::City, 1},
        {"Incognito-Abc", K::Name, 1},  // 13
        {"Владивосток", K::City, 2},
        {"Санкт-Петербург", K::City, 2},  // 15
        {"Санкт-Петербург1", K::City, 1},
        {"Mr X", K::Name, 1},
    };
    for (const auto& c : cases) EXPECT_EQ(CheckPassportField(c.text, c.kind), c.expected) << c.text;
}

TEST(CheckAccountField, RefusesBrokenUtf8) {
    EXPECT_EQ(CheckAccountField("Bo\xFF"
                                "b",
                                AccountField::Nick),
              1);
    EXPECT_EQ(CheckAccountField("Bob\xD0", AccountField::City), 1);  // cut in the middle
}

TEST(IsFieldCharacter, IsTheSetTheEditsLetThrough) {
    for (char32_t c : {U'A', U'z', U'0', U'9', U'!', U'(', U')', U',', U'-', U'.', U'@', U'_', U'А',
                       U'я', U'Ё', U'ё'})
        EXPECT_TRUE(IsFieldCharacter(c)) << static_cast<unsigned>(c);
    for (char32_t c : {U' ', U'#', U'$', U'~', U'&', U'=', U'+', U'/', U'\'', U'é', U'Ї', U'ß'})
        EXPECT_FALSE(IsFieldCharacter(c)) << static_cast<unsigned>(c);
}

TEST(FormatRating, ShowsThreeDecimalsWithAComma) {
    const struct {
        double value;
        const char* text;
    } cases[] = {{12.5, "12,500"}, {7, "7,000"},      {0.5, "0,500"},     {3.14159, "3,142"},
                 {0, "0,000"},     {-2.25, "-2,250"}, {-0.0001, "0,000"}, {1234.5678, "1234,568"},
                 {0.0625, "0,062"}};  // a half at the third decimal goes to the even digit
    for (const auto& c : cases) EXPECT_EQ(FormatRating(c.value), c.text) << c.value;
}

TEST(FirstCharacters, CutsWholeCharacters) {
    EXPECT_EQ(FirstCharacters("Владивосток", 4), "Влад");
    EXPECT_EQ(FirstCharacters("Bob", 12), "Bob");
    EXPECT_EQ(FirstCharacters("Bob", 0), "");
}

}  // namespace
}  // namespace tavik::online
