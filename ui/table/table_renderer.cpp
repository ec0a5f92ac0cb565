// The boxes of the table, the hands, the bout on the table and the deck.
#include "ui/table/table_renderer.h"

#include <QFontMetrics>
#include <QPainter>

#include "config/words/word_table.h"
#include "ui/fonts/fonts.h"
#include "ui/pictures/program_pictures.h"
#include "ui/table/text_drawing.h"

namespace tavik::ui {

WordLookup WordsOf(const config::Settings& settings) {
    return [&settings](Word w) {
        return QString::fromStdString(words::text(Text::of(w), settings.language));
    };
}

TableRenderer::TableRenderer(const Display& display, const CardArt& art,
                             const config::Settings& settings, WordLookup words)
    : display_(display), art_(art), settings_(settings), words_(std::move(words)) {
    if (!words_) words_ = WordsOf(settings_);
}

void TableRenderer::PlaceBoxes() {
    table_ = GameTableBoxes(display_);
    controls_ = GameTableControls(display_, table_);
    boxes_ = {table_.hand1, table_.hand2, table_.tab1,      table_.tab2,
              table_.say1,  table_.say2,  table_.koloda,    table_.stol,
              table_.kon,   table_.memo,  controls_.timer1, controls_.timer2};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        pictures_[i] = QImage(std::max(1, boxes_[i].width), std::max(1, boxes_[i].height),
                              QImage::Format_RGB32);
        ClearBox(static_cast<BoxId>(i));
    }
    spread_ = {};
    shown_ = {};
}

void TableRenderer::ClearBox(BoxId id) {
    if (id == BoxId::Stol) shown_.table.clear();
    if (id == BoxId::Koloda) shown_.deckTrump = Card();
    if (id == BoxId::Hand1) {
        shown_.hand1Count = 0;
        shown_.hand1Trump = Card();
    }
    QImage& target = picture(id);
    const Box& b = box(id);
    if (art_.background.isNull()) {
        target.fill(art_.windowColour);
        return;
    }
    QPainter p(&target);
    p.drawImage(-b.left, -b.top, art_.background);
}

void TableRenderer::drawBoxPicture(BoxId id, const std::string& smallName,
                                   const std::string& largeName) {
    QImage& target = picture(id);
    QPainter p(&target);
    if (display_.smallWindow())
        p.drawImage(0, 0, ProgramPicture(QString::fromStdString(smallName)));
    else
        p.drawImage(target.rect(), ProgramPicture(QString::fromStdString(largeName)));
}

void TableRenderer::DrawHand(int seat, const Hand& hand, int count, bool showFaces) {
    count = std::clamp(count, 0, 36);
    HandPositions& x = spread_[seat == 1 ? 0 : 1];
    x = SpreadHand(display_, count);
    const BoxId id = seat == 1 ? BoxId::Hand1 : BoxId::Hand2;
    ClearBox(id);
    if (seat == 1) {
        shown_.hand1 = hand;
        shown_.hand1Count = count;
        shown_.hand1FaceUp = showFaces;
    }
    QImage& target = picture(id);
    for (int i = 1; i <= count; ++i) {
        const Card card = hand[i];
        if (card.empty()) continue;
        const int xi = x[static_cast<std::size_t>(i)];
        if (seat == 2 || showFaces)
            DrawCardFace(xi, 0, card, target);
        else
            DrawCardBack(xi, 0, target);
    }
}

void TableRenderer::DrawShownTrump(Card trump) {
    DrawCardFace(spread_[0][6], 0, trump, picture(BoxId::Hand1));
    shown_.hand1Trump = trump;
}

void TableRenderer::DrawTableCard(Row row, int column, Card card) {
    const SlotPosition at =
        row == Row::Attack ? AttackSlot(display_, column) : DefenceSlot(display_, column);
    DrawCardFace(at.x, at.y, card, picture(BoxId::Stol));
    shown_.table.push_back({at.x, at.y, card});
}

void TableRenderer::ClearTableBox() {
    ClearBox(BoxId::Stol);
}

void TableRenderer::DrawDeck(Card trumpCard, Suit trumpSuit, int nextDeckIndex) {
    ClearBox(BoxId::Koloda);
    if (nextDeckIndex == 100) return;
    QImage& target = picture(BoxId::Koloda);
    const bool small = display_.smallWindow();
    const int left = 37 - nextDeckIndex;
    if (left > 0) {
        {
            QPainter p(&target);
            if (small)
                p.drawImage(20, 1, ProgramPicture(QStringLiteral("GKolodaSmall")));
            else
                p.drawImage(QRect(S(20), S(1), S(58), S(25)),
                            ProgramPicture(QStringLiteral("GKolodaSmallB")));
        }
        DrawCardFace(S(12) + S(display_.cardShift), S(70), trumpCard, target);
        shown_.deckTrump = trumpCard;
        // The pile of backs across over the trump card grows upwards with the cards left.
        static constexpr int kTops[] = {45, 42, 39, 36, 33, 30};
        const int backs =
            left >= 21
                ? 6
                : (left >= 17
                       ? 5
                       : (left >= 13 ? 4
                                     : (left >= 9 ? 3 : (left >= 5 ? 2 : (left >= 2 ? 1 : 0)))));
        for (int i = 0; i < backs; ++i) DrawCardBackAcross(0, S(kTops[i]), target);

        QPainter p(&target);
        const QFont font = FontOfHeight("Comic Sans MS", 20, true);
        const int th = QFontMetrics(font).height();
        const int y = small ? S(4) : S(1) + nearest(S(25) - th, 2);
        DrawTextCentred(p, font, QColor(0, 0, 255), QString::number(left), S(20), S(79), y);
    } else {
        QPainter p(&target);
        const QImage symbol = art_.suitSymbol(trumpSuit, !small);
        if (small) {
            p.drawImage(20, 54, ProgramPicture(QStringLiteral("GKolodaLarge")));
            p.drawImage(40, 74, symbol);
        } else {
            p.drawImage(QRect(S(20), S(54), S(60), S(60)),
                        ProgramPicture(QStringLiteral("GKolodaLargeB")));
            const int half = nearest(S(60), 2);
            p.drawImage(S(20) + half - 20, S(54) + half - 20, symbol);
        }
    }
}

}  // namespace tavik::ui
