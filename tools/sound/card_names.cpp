#include "tools/sound/card_names.h"

namespace tavik::soundgen {
namespace {

// Per language: the nine rank words (six .. ace), the four suit words (hearts,
// diamonds, clubs, spades) and how they join.
enum class Order {
    RankOfSuit,      // rank + joint + suit ("ten of hearts")
    SuitRank,        // suit + joint + rank ("Herz Zehn")
    CzechAdjective,  // gendered suit adjective + rank ("srdcová desítka")
};

struct Table {
    std::array<std::string_view, 9> ranks;
    std::array<std::string_view, 4> suits;
    std::string_view joint;
    Order order;
};

const std::array<Table, sound::kVoiceLanguages> kTables = {{
    // English
    {{"six", "seven", "eight", "nine", "ten", "jack", "queen", "king", "ace"},
     {"hearts", "diamonds", "clubs", "spades"},
     " of ",
     Order::RankOfSuit},
    // Russian: the suit in the genitive plural
    {{"шестёрка", "семёрка", "восьмёрка", "девятка", "десятка", "валет", "дама", "король", "туз"},
     {"червей", "бубен", "треф", "пик"},
     " ",
     Order::RankOfSuit},
    // German: suit first, as German players say it
    {{"Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame", "König", "Ass"},
     {"Herz", "Karo", "Kreuz", "Pik"},
     " ",
     Order::SuitRank},
    // French
    {{"six", "sept", "huit", "neuf", "dix", "valet", "dame", "roi", "as"},
     {"cœur", "carreau", "trèfle", "pique"},
     " de ",
     Order::RankOfSuit},
    // Spanish (French-suited deck)
    {{"seis", "siete", "ocho", "nueve", "diez", "jota", "reina", "rey", "as"},
     {"corazones", "diamantes", "tréboles", "picas"},
     " de ",
     Order::RankOfSuit},
    // Chinese in pinyin: 红桃 方块 梅花 黑桃; 六 七 八 九 十 杰克 皇后 国王 尖
    {{"liu4", "qi1", "ba1", "jiu3", "shi2", "jie2ke4", "huang2hou4", "guo2wang2", "jian1"},
     {"hong2tao2", "fang1kuai4", "mei2hua1", "hei1tao2"},
     " ",
     Order::SuitRank},
    // Italian
    {{"sei", "sette", "otto", "nove", "dieci", "fante", "donna", "re", "asso"},
     {"cuori", "quadri", "fiori", "picche"},
     " di ",
     Order::RankOfSuit},
    // Czech: the suit stems take the rank's gender (see czechEnding)
    {{"šestka", "sedmička", "osmička", "devítka", "desítka", "kluk", "dáma", "král", "eso"},
     {"srdcov", "károv", "křížov", "pikov"},
     " ",
     Order::CzechAdjective},
    // Japanese in kana: suit の rank
    {{"ろく", "なな", "はち", "きゅう", "じゅう", "ジャック", "クイーン", "キング", "エース"},
     {"ハート", "ダイヤ", "クラブ", "スペード"},
     "の",
     Order::SuitRank},
    // Korean: suit, then the Sino-Korean number or the court name
    {{"육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
     {"하트", "다이아몬드", "클로버", "스페이드"},
     " ",
     Order::SuitRank},
}};

// The Czech adjective ending for a rank: the jack and the king are masculine (-ý),
// the ace neuter (-é), the others feminine (-á).
std::string_view czechEnding(int rank) {
    if (rank == 6 || rank == 8) return "ý";
    if (rank == 9) return "é";
    return "á";
}

}  // namespace

std::string spokenCardName(Card card, int language) {
    if (card.empty() || language < 0 || language >= sound::kVoiceLanguages) return {};
    const Table& t = kTables[static_cast<std::size_t>(language)];
    const std::string rank(t.ranks[card.value() - 1u]);
    const std::string suit(t.suits[card.suit() - 1u]);
    switch (t.order) {
        case Order::RankOfSuit:
            return rank + std::string(t.joint) + suit;
        case Order::SuitRank:
            return suit + std::string(t.joint) + rank;
        case Order::CzechAdjective:
            return suit + std::string(czechEnding(card.value())) + std::string(t.joint) + rank;
    }
    return {};
}

}  // namespace tavik::soundgen
