#include "online/account/country_tables.h"

#include <array>
#include <cstdio>

namespace tavik::online {
namespace {

// The short name equals the English name unless it is given.
#define C(en, ru, iso)  \
    Country {           \
        en, ru, en, iso \
    }
#define S(en, ru, sh, iso) \
    Country {              \
        en, ru, sh, iso    \
    }

constexpr Country kUnknown{"Unknown", "Неизвестная", "Unknown", ""};

constexpr std::array kEurope{
    kUnknown,
    C("Russia", "Россия", "ru"),
    C("Albania", "Албания", "al"),
    C("Andorra", "Андорра", "ad"),
    C("Austria", "Австрия", "at"),
    C("Belarus", "Беларусь", "by"),
    C("Belgium", "Бельгия", "be"),
    S("Bosnia & Herzegovina", "Босния и Герцеговина", "Bosnia_Herz.", "ba"),
    C("Bulgaria", "Болгария", "bg"),
    C("Croatia", "Хорватия", "hr"),
    S("Czech Republic", "Чехия", "Czech_Republic", "cz"),
    C("Denmark", "Дания", "dk"),
    C("Estonia", "Эстония", "ee"),
    S("Faroe Islands", "Фарерские острова", "Faroe_Islands", "fo"),
    C("Finland", "Финляндия", "fi"),
    C("France", "Франция", "fr"),
    C("Germany", "Германия", "de"),
    C("Gibraltar", "Гибралтар", "gi"),
    C("Greece", "Греция", "gr"),
    C("Guernsey", "Гернси", "gg"),
    C("Hungary", "Венгрия", "hu"),
    C("Iceland", "Исландия", "is"),
    C("Ireland", "Ирландия", "ie"),
    S("Isle of Man", "Остров Мэн", "Isle_of_Man", "im"),
    C("Italy", "Италия", "it"),
    C("Jersey", "Джерси", "je"),
    C("Latvia", "Латвия", "lv"),
    C("Liechtenstein", "Лихтенштейн", "li"),
    C("Lithuania", "Литва", "lt"),
    C("Luxembourg", "Люксембург", "lu"),
    C("Macedonia", "Македония", "mk"),
    C("Malta", "Мальта", "mt"),
    C("Moldova", "Молдова", "md"),
    C("Monaco", "Монако", "mc"),
    C("Netherlands", "Нидерланды", "nl"),
    C("Norway", "Норвегия", "no"),
    C("Poland", "Польша", "pl"),
    C("Portugal", "Португалия", "pt"),
    C("Romania", "Румыния", "ro"),
    S("San Marino", "Сан-Марино", "San_Marino", "sm"),
    S("Serbia-Montenegro", "Сербия и Черногория", "Serbia-Mont.", "cs"),
    C("Slovakia", "Словакия", "sk"),
    C("Slovenia", "Словения", "si"),
    C("Spain", "Испания", "es"),
    C("Sweden", "Швеция", "se"),
    C("Switzerland", "Швейцария", "ch"),
    C("Ukraine", "Украина", "ua"),
    S("Vatican City", "Ватикан", "Vatican_City", "va"),
    S("United Kingdom", "Великобритания", "United_Kingdom", "gb"),
};

constexpr std::array kAsia{
    kUnknown,
    C("Afghanistan", "Афганистан", "af"),
    C("Armenia", "Армения", "am"),
    C("Azerbaijan", "Азербайджан", "az"),
    C("Bahrain", "Бахрейн", "bh"),
    C("Bangladesh", "Бангладеш", "bd"),
    C("Bhutan", "Бутан", "bt"),
    S("British Indian Ocean Territory", "Британская территория в Индийском океане", "B.I.O.T.",
      "io"),
    C("Brunei", "Бруней", "bn"),
    C("Cambodia", "Камбоджа", "kh"),
    C("China", "Китай", "cn"),
    C("Cyprus", "Кипр", "cy"),
    S("East Timor", "Восточный Тимор", "East_Timor", "tl"),
    C("Georgia", "Грузия", "ge"),
    S("Hong Kong", "Гонконг", "Hong_Kong", "hk"),
    C("India", "Индия", "in"),
    C("Indonesia", "Индонезия", "id"),
    C("Iran", "Иран", "ir"),
    C("Iraq", "Ирак", "iq"),
    C("Israel", "Израиль", "il"),
    C("Japan", "Япония", "jp"),
    C("Jordan", "Иордания", "jo"),
    C("Kazakhstan", "Казахстан", "kz"),
    C("Kuwait", "Кувейт", "kw"),
    C("Kyrgyzstan", "Киргизия", "kg"),
    C("Laos", "Лаос", "la"),
    C("Lebanon", "Ливан", "lb"),
    C("Macau", "Макао", "mo"),
    C("Malaysia", "Малайзия", "my"),
    C("Maledives", "Мальдивы", "mv"),
    C("Mongolia", "Монголия", "mn"),
    C("Myanmar", "Мьянма", "mm"),
    C("Nepal", "Непал", "np"),
    S("North Korea", "Северная Корея", "North_Korea", "kp"),
    C("Oman", "Оман", "om"),
    C("Pakistan", "Пакистан", "pk"),
    C("Philippines", "Филиппины", "ph"),
    C("Qatar", "Катар", "qa"),
    S("Saudi Arabia", "Саудовская Аравия", "Saudi_Arabia", "sa"),
    C("Singapore", "Сингапур", "sg"),
    S("South Korea", "Южная Корея", "South_Korea", "kr"),
    C("Sri-Lanka", "Шри-Ланка", "lk"),
    C("Syria", "Сирия", "sy"),
    C("Taiwan", "Тайвань", "tw"),
    C("Tajikistan", "Таджикистан", "tj"),
    C("Thailand", "Таиланд", "th"),
    C("Turkey", "Турция", "tr"),
    C("Turkmenistan", "Туркмения", "tm"),
    S("United Arab Emirates", "Объединённые Арабские Эмираты", "UAE", "ae"),
    C("Uzbekistan", "Узбекистан", "uz"),
    C("Vietnam", "Вьетнам", "vn"),
    C("Yemen", "Йемен", "ye"),
};

constexpr std::array kNorthAmerica{
    kUnknown,
    C("Anguilla", "Ангилья", "ai"),
    S("Antigua and Barbuda", "Антигуа и Барбуда", "Antigua-Barbuda", "ag"),
    C("Aruba", "Аруба", "aw"),
    C("Bahamas", "Багамы", "bs"),
    C("Barbados", "Барбадос", "bb"),
    C("Belize", "Белиз", "bz"),
    C("Bermuda", "Бермуды", "bm"),
    S("British Virgin Islands", "Британские Виргинские острова", "BVI", "vg"),
    C("Canada", "Канада", "ca"),
    S("Cayman Islands", "Каймановы острова", "Cayman_Islands", "ky"),
    S("Costa Rica", "Коста-Рика", "Costa_Rica", "cr"),
    C("Cuba", "Куба", "cu"),
    C("Dominica", "Доминика", "dm"),
    S("Dominican Republic", "Доминиканская Республика", "Dominican_Rep.", "do"),
    S("El Salvador", "Сальвадор", "El_Salvador", "sv"),
    C("Greenland", "Гренландия", "gl"),
    C("Grenada", "Гренада", "gd"),
    C("Guatemala", "Гватемала", "gt"),
    C("Haiti", "Гаити", "ht"),
    C("Honduras", "Гондурас", "hn"),
    C("Jamaica", "Ямайка", "jm"),
    C("Martinique", "Мартиника", "mq"),
    C("Mexico", "Мексика", "mx"),
    C("Montserrat", "Монтсеррат", "ms"),
    C("Nicaragua", "Никарагуа", "ni"),
    C("Panama", "Панама", "pa"),
    S("Puerto Rico", "Пуэрто-Рико", "Puerto_Rico", "pr"),
    S("Saint Kitts and Nevis", "Сент-Китс и Невис", "Saint_Kitts_N.", "kn"),
    S("Saint Lucia", "Сент-Люсия", "Saint_Lucia", "lc"),
    S("Saint Pierre and Miquelon", "Сен-Пьер и Микелон", "Saint_Pierre_M.", "pm"),
    S("Saint Vincent and the Grenadines", "Сент-Винсент и Гренадины", "S.V._Grenadines", "vc"),
    S("Trinidad and Tobago", "Тринидад и Тобаго", "Trinidad_Tobago", "tt"),
    S("Turks and Caicos Islands", "Теркс и Кайкос", "Turks_Caicos_I.", "tc"),
    C("USA", "США", "us"),
    S("Virgin Islands", "Виргинские острова", "Virgin_Islands", "vi"),
};

constexpr std::array kSouthAmerica{
    kUnknown,
    C("Argentina", "Аргентина", "ar"),
    C("Bolivia", "Боливия", "bo"),
    C("Brazil", "Бразилия", "br"),
    C("Chile", "Чили", "cl"),
    C("Colombia", "Колумбия", "co"),
    C("Equador", "Эквадор", "ec"),
    S("Falkland Islands", "Фолклендские острова", "Falkland_Isl.", "fk"),
    C("Guyana", "Гайана", "gy"),
    C("Paraquay", "Парагвай", "py"),
    C("Peru", "Перу", "pe"),
    S("South Georgia", "Южная Георгия", "South_Georgia", "gs"),
    C("Suriname", "Суринам", "sr"),
    C("Uruquay", "Уругвай", "uy"),
    C("Venezuela", "Венесуэла", "ve"),
};

constexpr std::array kOceania{
    kUnknown,
    S("American Samoa", "Американское Самоа", "American_Samoa", "as"),
    C("Australia", "Австралия", "au"),
    S("Cook Islands", "Острова Кука", "Cook_Islands", "ck"),
    C("Fiji", "Фиджи", "fj"),
    S("French Polynesia", "Французская Полинезия", "Fr._Polynesia", "pf"),
    C("Guam", "Гуам", "gu"),
    C("Kiribati", "Кирибати", "ki"),
    S("Marshall Islands", "Маршалловы острова", "Marshall_Isl.", "mh"),
    C("Micronesia", "Микронезия", "fm"),
    C("Nauru", "Науру", "nr"),
    S("New Zealand", "Новая Зеландия", "New_Zealand", "nz"),
    C("Niue", "Ниуэ", "nu"),
    S("Norfolk Island", "Остров Норфолк", "Norfolk_Island", "nf"),
    S("Northern Mariana Islands", "Северные Марианские острова", "N._Mariana_Isl.", "mp"),
    C("Palau", "Палау", "pw"),
    S("Papua New Guinea", "Папуа — Новая Гвинея", "Papua_New_G.", "pg"),
    S("Pitcairn Islands", "Острова Питкэрн", "Pitcairn_Isl.", "pn"),
    C("Samoa", "Самоа", "ws"),
    S("Solomon Islands", "Соломоновы острова", "Solomon_Islands", "sb"),
    C("Tonga", "Тонга", "to"),
    C("Tuvalu", "Тувалу", "tv"),
    C("Vanuatu", "Вануату", "vu"),
    S("Wallis and Futuna", "Уоллис и Футуна", "Wallis-Futuna", "wf"),
};

constexpr std::array kAfrica{
    kUnknown,
    C("Algeria", "Алжир", "dz"),
    C("Angola", "Ангола", "ao"),
    C("Benin", "Бенин", "bj"),
    C("Botswana", "Ботсвана", "bw"),
    S("Burkina Faso", "Буркина-Фасо", "Burkina_Faso", "bf"),
    C("Burundi", "Бурунди", "bi"),
    C("Cameroon", "Камерун", "cm"),
    S("Cape Verde", "Кабо-Верде", "Cape_Verde", "cv"),
    S("Central African Republic", "Центральноафриканская Республика", "CAR", "cf"),
    C("Chad", "Чад", "td"),
    C("Comoros", "Коморы", "km"),
    S("Congo Republic", "Республика Конго", "", "cg"),
    S("Congo Democratic Republic", "Демократическая Республика Конго", "Congo_DR", "cd"),
    C("Djibouti", "Джибути", "dj"),
    C("Egypt", "Египет", "eg"),
    S("Equatorial Guinea", "Экваториальная Гвинея", "Eq._Guinea", "gq"),
    C("Eritrea", "Эритрея", "er"),
    C("Ethiopia", "Эфиопия", "et"),
    C("Gabon", "Габон", "ga"),
    C("Gambia", "Гамбия", "gm"),
    C("Ghana", "Гана", "gh"),
    C("Guinea", "Гвинея", "gn"),
    C("Guinea-Bissau", "Гвинея-Бисау", "gw"),
    S("Ivory Coast (Cote Divoire)", "Кот-д’Ивуар", "Cote_Divoire", "ci"),
    C("Kenya", "Кения", "ke"),
    C("Lesotho", "Лесото", "ls"),
    C("Liberia", "Либерия", "lr"),
    C("Libya", "Ливия", "ly"),
    C("Madagascar", "Мадагаскар", "mg"),
    C("Malawi", "Малави", "mw"),
    C("Mali", "Мали", "ml"),
    C("Mauretania", "Мавритания", "mr"),
    C("Mauritius", "Маврикий", "mu"),
    C("Morocco", "Марокко", "ma"),
    C("Mozambique", "Мозамбик", "mz"),
    C("Namibia", "Намибия", "na"),
    C("Niger", "Нигер", "ne"),
    C("Nigeria", "Нигерия", "ng"),
    C("Rwanda", "Руанда", "rw"),
    S("Saint Helena", "Остров Святой Елены", "Saint_Helena", "sh"),
    S("Sao Tome and Principe", "Сан-Томе и Принсипи", "Sao_Tome_Pr.", "st"),
    C("Senegal", "Сенегал", "sn"),
    C("Seychelles", "Сейшелы", "sc"),
    S("Sierra Leone", "Сьерра-Леоне", "Sierra_Leone", "sl"),
    C("Somalia", "Сомали", "so"),
    S("South Africa", "Южная Африка", "South_Africa", "za"),
    C("Sudan", "Судан", "sd"),
    C("Swaziland", "Свазиленд", "sz"),
    C("Tanzania", "Танзания", "tz"),
    C("Togo", "Того", "tg"),
    C("Tunisia", "Тунис", "tn"),
    C("Uganda", "Уганда", "ug"),
    C("Zambia", "Замбия", "zm"),
    C("Zimbabwe", "Зимбабве", "zw"),
};

#undef C
#undef S

}  // namespace

std::span<const Country> ContinentCountries(int continent) {
    switch (continent) {
        case 1:
            return kEurope;
        case 2:
            return kAsia;
        case 3:
            return kNorthAmerica;
        case 4:
            return kSouthAmerica;
        case 5:
            return kOceania;
        case 6:
            return kAfrica;
        default:
            return {};
    }
}

std::string CountryCode(int continent, int index) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d-%03d", continent, index);
    return buffer;
}

std::optional<CountryPlace> ParseCountryCode(std::string_view code) {
    if (code.size() != 5 || code[1] != '-') return std::nullopt;
    for (std::size_t i : {0u, 2u, 3u, 4u})
        if (code[i] < '0' || code[i] > '9') return std::nullopt;
    const CountryPlace place{code[0] - '0',
                             (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0')};
    if (static_cast<std::size_t>(place.index) >= ContinentCountries(place.continent).size())
        return std::nullopt;
    return place;
}

std::optional<Country> CountryOfCode(std::string_view code) {
    const std::optional<CountryPlace> place = ParseCountryCode(code);
    if (!place) return std::nullopt;
    return ContinentCountries(place->continent)[static_cast<std::size_t>(place->index)];
}

}  // namespace tavik::online
