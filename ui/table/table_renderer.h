#pragma once
// Draws the game table: every area is a box with an off-screen picture of its own
// size, into which its content is drawn over the piece of table background it covers.
// The window then shows the pictures (TableView).

#include <QImage>
#include <QString>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "config/settings.h"
#include "core/ports.h"
#include "core/state/game_state.h"
#include "ui/layout/table_boxes.h"
#include "ui/pictures/card_art.h"

namespace tavik::ui {

enum class BoxId { Hand1, Hand2, Tab1, Tab2, Say1, Say2, Koloda, Stol, Kon, Memo, Timer1, Timer2 };
inline constexpr int kBoxCount = 12;

// The text of a language-table entry in the current language.
using WordLookup = std::function<QString(Word)>;
// The word tables in the language of the settings, read at each lookup.
WordLookup WordsOf(const config::Settings& settings);

// The cards the table shows face up outside seat 2's hand, as they were last drawn:
// the voice speaks them on a right click.
struct ShownCards {
    struct Laid {
        int x = 0;  // in the table box
        int y = 0;
        Card card;
    };
    std::vector<Laid> table;  // the bout, in the order drawn (later ones lie on top)
    Card deckTrump;           // the trump under the deck while cards are left in it
    Hand hand1;               // seat 1's hand as drawn, and whether face up
    int hand1Count = 0;
    bool hand1FaceUp = false;
    Card hand1Trump;  // seat 1's lowest trump shown over its sixth position
};

class TableRenderer {
  public:
    // Fonts and, without a lookup of its own, the language come from the settings.
    TableRenderer(const Display& display, const CardArt& art, const config::Settings& settings,
                  WordLookup words = {});

    // Places the boxes for the display (when a game starts) and clears them all.
    void PlaceBoxes();
    const Display& display() const { return display_; }
    const Box& box(BoxId id) const { return boxes_[index(id)]; }
    const QImage& picture(BoxId id) const { return pictures_[index(id)]; }
    QImage& picture(BoxId id) { return pictures_[index(id)]; }
    const TableBoxes& tableBoxes() const { return table_; }
    const TableControls& controls() const { return controls_; }
    const ShownCards& shown() const { return shown_; }

    // Draws the table background behind a box into its picture.
    void ClearBox(BoxId id);

    // --- cards (positions in the target picture) -------------------------------
    // A card code of two Windows-1251 bytes, or a display slot code: "##" nothing,
    // "--" an empty frame, "No" an empty frame with closed corners, "00" a back.
    void DrawCardFace(int x, int y, std::string_view code, QImage& target) const;
    void DrawCardFace(int x, int y, Card card, QImage& target) const;
    void DrawCardBack(int x, int y, QImage& target) const;
    void DrawCardBackAcross(int x, int y, QImage& target) const;
    // A large picture fitted to a w x h cell with rounded corners.
    void DrawScaledPicture(int x, int y, const QImage& picture, int w, int h, QImage& target) const;

    // --- areas ------------------------------------------------------------------
    // Clears and redraws a seat's hand (already in display order).
    void DrawHand(int seat, const Hand& hand, int count, bool showFaces);
    // The x positions of the last spread of a seat's hand (1..36).
    const HandPositions& handPositions(int seat) const { return spread_[seat == 1 ? 0 : 1]; }
    // Seat 1's shown lowest trump, face up over its sixth card position.
    void DrawShownTrump(Card trump);
    // The card of a bout at its table place: attack row at Scaled(30), defence at 0.
    void DrawTableCard(Row row, int column, Card card);
    void ClearTableBox();
    // The deck: nextDeckIndex is the next card to draw (37 when empty); 100 only clears.
    void DrawDeck(Card trumpCard, Suit trumpSuit, int nextDeckIndex);
    void DrawSeatPanel(int seat, int wins);
    // "Game: n", the games dealt so far in this match.
    void DrawGamePanel(int gamesThisMatch);
    // Colour letters b, g, r, y, o; an empty text leaves the box clear.
    void DrawSpeechCaption(int seat, const QString& text, char colour);
    // The computer's progress line over the last caption picture of seat 1.
    void DrawProgressCaption(const QString& text);
    // seconds = -1 clears the timer.
    void DrawMoveTimer(int seat, int seconds);
    // Empties the four chat slots and draws the frame.
    void ResetChat();
    // Colour numbers 1 dark red, 2 navy, 3 green, 4 olive; the first character of the
    // text (the message kind) is dropped.
    void AddChatLine(int colourNumber, const QString& text);
    const std::array<QString, 5>& chatLines() const { return chatText_; }
    // A text across the table box ("Expectation of the server...").
    void DrawWaitingText(const QString& text);

  private:
    static std::size_t index(BoxId id) { return static_cast<std::size_t>(id); }
    int S(int n) const { return display_.Scaled(n); }
    void drawFrame(int x, int y, int w, int h, QImage& target) const;
    void drawBoxPicture(BoxId id, const std::string& smallName, const std::string& largeName);
    void drawChatFrame();

    const Display& display_;
    const CardArt& art_;
    const config::FontSetting& decor() const { return settings_.font(config::FontKind::Decor); }
    const config::FontSetting& serif() const { return settings_.font(config::FontKind::Serif); }
    const config::Settings& settings_;
    WordLookup words_;
    TableBoxes table_;
    TableControls controls_;
    std::array<Box, kBoxCount> boxes_{};
    std::array<QImage, kBoxCount> pictures_{};
    std::array<HandPositions, 2> spread_{};
    ShownCards shown_;
    std::array<QString, 5> chatText_{};  // slots 1..4
    std::array<int, 5> chatColour_{};
    QString lastCaptionPicture_;
};

}  // namespace tavik::ui
