// tavik-helpart: the pictures of the help pages, positions of the game drawn by the
// game's own table view (with the built-in art) and saved as PNG, one set per language
// of the pages (its captions and buttons in that language): DIR/Eng/help-NAME.png, ...
//
// With --pages PAGES it also writes DIR/help.qrc: under the prefix "/help" every file of
// PAGES/CODE/ and the pictures of that language, so a page finds its pictures beside it.
//
//   tavik-helpart --out DIR [--languages Eng,Rus] [--pages PAGES]
#include <QDir>
#include <QImage>
#include <QSaveFile>
#include <QString>
#include <cstdio>
#include <string>
#include <vector>

#include "config/words/languages.h"
#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "core/state/game_state.h"
#include "ui/table_scene/table_scene.h"

namespace tavik {
namespace {

struct Position {
    const char* name;
    std::vector<const char*> hand1, hand2;  // UTF-8 codes; hand1 is drawn face down
    std::vector<const char*> attack, defence;
    int deckLeft = 0;  // cards still in the deck; the trump lies under them
    Word caption1 = Word::None, caption2 = Word::None;
    Word action = Word::None;
};

// Hearts are trumps in every picture: the nine of hearts lies under the deck.
const Position kPositions[] = {
    {"deal",
     {"7б", "1к", "Вп", "Дб", "Кк", "8ч"},
     {"6б", "9к", "Вб", "Дп", "Тк", "7ч"},
     {},
     {},
     24,
     Word::None,
     Word::None,
     Word::ToBegin},
    {"defence",
     {"7к", "1п", "Кб", "Тб", "Дч"},
     {"6п", "7п", "9б", "Дк", "Тч"},
     {"8к", "8б"},
     {"Вк", "6ч"},
     14,
     Word::None,
     Word::None,
     Word::ITake},
    {"throwin",
     {"6к", "9п", "Вб", "Кк"},
     {"7к", "1п", "Дб", "Кп", "Вч"},
     {"7б", "7п"},
     {"1б"},
     10,
     Word::None,
     Word::None,
     Word::ThatsAll},
    {"take",
     {"6б", "8к", "Тп"},
     {"6п", "9п", "Дб", "Кк"},
     {"9к", "9б"},
     {},
     6,
     Word::ITake,
     Word::None,
     Word::ThatsAll},
    {"endgame",
     {"7к", "Вб", "Тп", "Кч"},
     {"8к", "Дб", "Кп", "1ч", "Тч"},
     {},
     {},
     0,
     Word::None,
     Word::None,
     Word::ThatsAll},
    {"sixes",
     {"7к", "9б", "Дп", "Кч"},
     {},
     {"6п"},
     {"Вп"},
     0,
     Word::None,
     Word::SixForehead,
     Word::ThatsAll},
};

Card card(const char* code) {
    const std::optional<Card> c = Card::fromUtf8(code);
    if (!c) {
        std::fprintf(stderr, "tavik-helpart: not a card: %s\n", code);
        std::exit(2);
    }
    return *c;
}

Hand hand(const std::vector<const char*>& codes, int seat) {
    GameState g;
    g.Koz = kHearts;
    for (std::size_t i = 0; i < codes.size(); ++i) g.hand(seat)[int(i) + 1] = card(codes[i]);
    g.kolCards(seat) = int(codes.size());
    NormaliseHand(g, seat);
    return g.hand(seat);
}

QImage draw(const Position& p, int language) {
    ui::TableSceneOptions options;
    options.language = language;
    ui::TableScene scene(options);
    TablePort& table = scene.view();
    table.clearTableBoxes();
    table.drawHand(1, hand(p.hand1, 1), int(p.hand1.size()), false);
    table.drawHand(2, hand(p.hand2, 2), int(p.hand2.size()), true);
    table.drawDeck(p.deckLeft, p.deckLeft > 0 ? card("9ч") : kNoCard, kHearts);
    for (std::size_t i = 0; i < p.attack.size(); ++i)
        table.drawTableCard({Row::Attack, int(i) + 1}, card(p.attack[i]));
    for (std::size_t i = 0; i < p.defence.size(); ++i)
        table.drawTableCard({Row::Defence, int(i) + 1}, card(p.defence[i]));
    const std::string player = language == 1 ? "Игрок" : "Player";
    for (int seat : {1, 2}) {
        const Word said = seat == 1 ? p.caption1 : p.caption2;
        if (said != Word::None)
            table.caption(seat, Text::of(said), CaptionColour::Blue);
        else
            table.caption(seat, Text::name(seat == 1 ? "PC" : player), CaptionColour::Yellow);
    }
    table.actionButton(p.action, true);
    table.endMatchButton(true, false);
    const std::string_view finish = words::word(words::key::FinishMatch, language);
    scene.view().button8().setText(QString::fromUtf8(finish.data(), qsizetype(finish.size())));
    table.drawScores(0, 0, 0, 0, 1);
    return scene.Render();
}

// The resource list of the pages and pictures; false when it cannot be written.
bool writeQrc(const QString& out, const QString& pages, const QStringList& languages) {
    QString text = QStringLiteral("<RCC>\n<qresource prefix=\"/help\">\n");
    auto add = [&](const QString& alias, const QString& path) {
        text += QStringLiteral("  <file alias=\"%1\">%2</file>\n").arg(alias, path);
    };
    for (const QString& code : languages) {
        const QDir pageDir(pages + QLatin1Char('/') + code);
        for (const QString& page : pageDir.entryList(QDir::Files, QDir::Name))
            add(code + QLatin1Char('/') + page, pageDir.absoluteFilePath(page));
        for (const Position& p : kPositions) {
            const QString picture = QStringLiteral("help-%1.png").arg(p.name);
            add(code + QLatin1Char('/') + picture,
                QDir(out + QLatin1Char('/') + code).absoluteFilePath(picture));
        }
    }
    text += QStringLiteral("</qresource>\n</RCC>\n");
    QSaveFile file(out + QStringLiteral("/help.qrc"));
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

}  // namespace
}  // namespace tavik

int main(int argc, char** argv) {
    QString out, pages;
    QString languages = QStringLiteral("Eng,Rus");
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--out")
            out = QString::fromLocal8Bit(argv[i + 1]);
        else if (option == "--languages")
            languages = QString::fromLocal8Bit(argv[i + 1]);
        else if (option == "--pages")
            pages = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (out.isEmpty()) {
        std::fprintf(stderr,
                     "usage: tavik-helpart --out DIR [--languages Eng,Rus] [--pages PAGES]\n");
        return 2;
    }
    tavik::ui::EnsureApplication();
    QDir().mkpath(out);
    const QStringList codes = languages.split(QLatin1Char(','));
    for (const QString& code : codes) {
        const int language = tavik::words::languageFromCode(code.toStdString());
        if (language < 0) {
            std::fprintf(stderr, "tavik-helpart: no language %s\n", qPrintable(code));
            return 2;
        }
        QDir().mkpath(out + QLatin1Char('/') + code);
        for (const tavik::Position& p : tavik::kPositions) {
            const QString file = QStringLiteral("%1/%2/help-%3.png").arg(out, code, p.name);
            if (!tavik::draw(p, language).save(file, "PNG")) {
                std::fprintf(stderr, "tavik-helpart: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    if (!pages.isEmpty() && !tavik::writeQrc(out, pages, codes)) {
        std::fprintf(stderr, "tavik-helpart: cannot write %s/help.qrc\n", qPrintable(out));
        return 1;
    }
    return 0;
}
