#include "tools/plugins/face_styles.h"

#include <array>
#include <map>

namespace tavik::plugins {
namespace {

struct DeckEntry {
    int style;
    const char* file;  // below /usr/share/
    const char* name;
};

constexpr const char* kKde = "kdegames-card-data-kf5";
constexpr const char* kAisleriot = "aisleriot";

constexpr DeckEntry kDecks[] = {
    {3, "carddecks/svg-ancient-egyptians/Ancient_Egyptians.svgz", "Ancient Egyptians"},
    {8, "carddecks/svg-standard/standard.svgz", "Standard"},
    {9, "carddecks/svg-xskat-french/french.svgz", "XSkat French"},
    {12, "carddecks/svg-dondorf/dondorf.svgz", "Dondorf"},
    {14, "carddecks/svg-jolly-royal/jolly-royal.svgz", "Jolly Royal"},
    {17, "carddecks/svg-future/future.svgz", "Future"},
    {24, "carddecks/svg-penguins/penguins.svgz", "Penguins"},
    {28, "carddecks/svg-nicu-white/white.svgz", "Nicu White"},
    {29, "aisleriot/cards/bonded.svgz", "Bonded"},
    {35, "carddecks/svg-nicu-ornamental/ornamental.svgz", "Nicu Ornamental"},
    {40, "carddecks/svg-gm-paris/paris.svgz", "Paris"},
    {41, "carddecks/svg-konqi-modern/konqi.svgz", "Konqi Modern"},
    {42, "carddecks/svg-oxygen/oxygen.svgz", "Oxygen"},
    {43, "carddecks/svg-oxygen-air/oxygen-air.svgz", "Oxygen Air"},
    {44, "carddecks/svg-oxygen-white/oxygen-white.svgz", "Oxygen White"},
    {46, "carddecks/svg-tigullio-international/tigullio-international.svgz",
     "Tigullio International"},
    {47, "carddecks/svg-xskat-german/german.svgz", "XSkat German"},
};

art::FaceLook look(QColor paper, QColor red, QColor black, const char* family, int palette,
                   QColor diamonds = {}, QColor clubs = {}, QColor frame = {},
                   double pipScale = 1.0) {
    return {.paper = paper,
            .red = red,
            .black = black,
            .indexFamily = QString::fromLatin1(family),
            .condensed = true,
            .courtPalette = palette,
            .diamonds = diamonds,
            .clubs = clubs,
            .frame = frame,
            .pipScale = pipScale};
}

const std::map<int, art::FaceLook>& ownLooks() {
    const QColor white(255, 255, 255), cream(250, 242, 222), ivory(255, 250, 236);
    const QColor red(204, 0, 0), black(0, 0, 0);
    static const std::map<int, art::FaceLook> looks = {
        {1, art::medFaceLook()},
        {2, look(white, QColor(226, 30, 40), QColor(20, 20, 30), "Liberation Sans", 1)},
        {4, look(ivory, QColor(150, 20, 40), QColor(50, 30, 20), "DejaVu Serif", 3, {}, {},
                 QColor(180, 140, 60))},
        {5, look(QColor(240, 248, 236), QColor(0, 120, 60), QColor(20, 60, 40), "DejaVu Serif", 4,
                 {}, {}, QColor(60, 140, 90))},
        {6, look(white, QColor(190, 20, 60), black, "Liberation Serif", 5)},
        {7, look(white, QColor(180, 0, 0), QColor(0, 0, 90), "DejaVu Sans", 6)},
        {10, look(cream, QColor(140, 30, 30), QColor(40, 40, 40), "Liberation Serif", 7)},
        {11, look(white, red, black, "DejaVu Sans", 2, QColor(0, 80, 200), QColor(0, 130, 40))},
        {13, look(QColor(248, 244, 255), QColor(200, 0, 90), QColor(40, 0, 80), "DejaVu Serif", 8)},
        {15, look(QColor(235, 235, 235), QColor(120, 0, 0), QColor(10, 10, 10), "DejaVu Sans Mono",
                  9, {}, {}, QColor(90, 90, 90))},
        {16, look(white, QColor(230, 0, 0), black, "DejaVu Sans", 0, {}, {}, {}, 1.3)},
        {18, look(QColor(246, 240, 226), QColor(160, 40, 20), QColor(30, 40, 70),
                  "Liberation Serif", 10, {}, {}, QColor(30, 40, 70))},
        {19, look(white, QColor(210, 40, 0), QColor(0, 40, 80), "Liberation Sans", 11)},
        {20, look(QColor(255, 244, 244), QColor(220, 0, 60), QColor(60, 0, 30), "Comic Neue", 12)},
        {21, look(QColor(236, 246, 255), QColor(200, 20, 40), QColor(0, 50, 110), "Liberation Sans",
                  13, {}, {}, QColor(80, 140, 200))},
        {22, look(white, QColor(210, 0, 0), black, "Liberation Sans Narrow", 14, {}, {}, {}, 0.85)},
        {23, look(cream, QColor(150, 10, 10), QColor(20, 20, 20), "DejaVu Serif", 15, {}, {},
                  QColor(150, 10, 10))},
        {25, look(QColor(250, 250, 240), QColor(230, 60, 0), QColor(0, 0, 0), "Comic Neue", 16)},
        {26, look(QColor(255, 252, 240), QColor(170, 0, 30), QColor(0, 30, 30), "Liberation Serif",
                  17, QColor(200, 90, 0), QColor(0, 90, 60))},
        {27,
         look(white, QColor(200, 0, 0), QColor(0, 0, 120), "Liberation Sans", 18, {}, {}, {}, 1.2)},
        {30, look(QColor(255, 255, 246), QColor(210, 0, 0), black, "DejaVu Sans", 19,
                  QColor(0, 90, 210), QColor(0, 140, 0))},
        {31, look(white, QColor(190, 0, 0), black, "Liberation Serif", 20, QColor(230, 150, 0),
                  QColor(0, 120, 60))},
        {32, look(QColor(242, 246, 250), QColor(180, 0, 40), QColor(30, 30, 60), "Liberation Mono",
                  21, {}, {}, QColor(120, 130, 160))},
        {33, look(white, QColor(0, 90, 190), QColor(0, 0, 0), "DejaVu Sans", 22, {}, {},
                  QColor(0, 90, 190))},
        {34, look(QColor(238, 232, 220), QColor(130, 20, 20), QColor(50, 50, 50), "DejaVu Serif",
                  23, {}, {}, QColor(110, 90, 60), 0.9)},
        {36, look(QColor(255, 248, 230), QColor(200, 20, 20), QColor(0, 40, 20), "DejaVu Serif", 24,
                  {}, {}, QColor(200, 160, 40))},
        {37, look(white, QColor(170, 0, 70), QColor(0, 40, 90), "Liberation Sans", 25)},
        {38, look(QColor(246, 255, 240), QColor(200, 60, 100), QColor(30, 80, 30), "Comic Neue", 26,
                  {}, {}, QColor(120, 190, 110))},
        {39, look(QColor(255, 246, 230), QColor(180, 30, 0), QColor(60, 30, 0), "Liberation Serif",
                  27, {}, {}, {}, 1.15)},
        {45, look(QColor(255, 244, 220), QColor(200, 0, 0), QColor(20, 20, 20), "DejaVu Sans", 28,
                  {}, {}, QColor(200, 0, 0))},
    };
    return looks;
}

}  // namespace

std::optional<DeckFile> StyleDeck(int deckStyle) {
    for (const DeckEntry& d : kDecks) {
        if (d.style != deckStyle) continue;
        const QString file = QString::fromLatin1(d.file);
        const bool aisleriot = file.startsWith(QLatin1String("aisleriot/"));
        return DeckFile{QStringLiteral("/usr/share/") + file,
                        QString::fromLatin1(aisleriot ? kAisleriot : kKde),
                        aisleriot ? file.mid(QStringLiteral("aisleriot/").size()) : file,
                        QString::fromLatin1(d.name)};
    }
    return std::nullopt;
}

art::FaceLook StyleLook(int deckStyle) {
    const auto& looks = ownLooks();
    const auto it = looks.find(deckStyle);
    return it != looks.end() ? it->second : art::builtinFaceLook();
}

}  // namespace tavik::plugins
