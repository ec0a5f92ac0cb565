#pragma once
// The game table widget: shows the boxes of the table over the background and
// implements the core's table port with the drawing routines of TableRenderer.

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/ports.h"
#include "ui/button/qor_cards_button.h"
#include "ui/table/table_renderer.h"

class QLineEdit;
class QPushButton;

namespace tavik::ui {

class TableView : public QWidget, public TablePort {
    Q_OBJECT
  public:
    // The view draws what the port calls give it; it keeps no game state.
    TableView(const Display& display, const CardArt& art, const config::Settings& settings,
              WordLookup words = {}, QWidget* parent = nullptr);

    TableRenderer& renderer() { return renderer_; }
    // Places the boxes and controls for the display and clears the table; called when
    // a game starts and when the window size changes.
    void StartTable();
    // The colours of the two table buttons: red with white text, or in the purple
    // design (1) the card colour with gold text.
    void setTableDesign(int design);
    // The kind of game on the table: the chat box, its input line and send button
    // belong to LAN and online games, the move timers to online games.
    void setGameKind(bool network, bool online);
    bool chatShown() const;
    TQorCardsButton& button7() { return *button7_; }
    TQorCardsButton& button8() { return *button8_; }
    // The chat input line (Edit1) and its plain send button (BitBtn1), shown with the
    // chat box; Enter in the line or a click on the button gives chatEntered.
    QLineEdit& chatEdit() { return *edit1_; }
    QPushButton& chatSend() { return *bitBtn1_; }
    void setChatEnabled(bool enabled);
    // The kon indicator's hint: "Game: " + the total kons + " / " + the cycle.
    const QString& konHint() const { return konHint_; }
    // What the kon indicator's balloon tells: the counts of the last konIndicator call,
    // the kind of game, and whether a LAN client still waits for its deal (no balloon).
    struct KonState {
        int konCount = 0;
        int cycle = 30;
        int matchKons = 0;
        bool network = false;
        bool online = false;
        bool awaitingDeal = false;
    };
    KonState konState() const;
    // The pointer came onto the kon indicator (its box in the view's coordinates), and
    // left it again.
    std::function<void(const QRect& box)> onKonHover;
    std::function<void()> onKonLeave;

    // What the table shows that belongs to other parts of the window: card flights,
    // the kon result picture and the title with the forecast.
    std::function<void(const Flight&)> onFlight;
    std::function<void(KonOutcome konResult, bool animated)> onResult;
    std::function<void(int forecastCode)> onForecast;

    // TablePort
    void clearTableBoxes() override;
    void drawHand(int seat, const Hand& cards, int count, bool faceUp) override;
    void drawShownTrump(Card trump) override;
    void drawTableCard(TablePlace place, Card card) override;
    void clearTable() override;
    void flyCard(const Flight& flight) override;
    void drawDeck(int cardsLeft, Card bottom, Suit trump) override;
    void caption(int seat, const Text& text, CaptionColour colour) override;
    void actionButton(Word caption, bool enabled) override;
    void endMatchButton(bool visible, bool enabled) override;
    void drawScores(int score, int scoreDelta, int wins1, int wins2, int matchKons) override;
    void drawSeatFrame(int seat, int wins) override;
    void showResult(KonOutcome konResult, bool animated) override;
    void tableText(Word text) override;
    void forecast(int code) override;
    // The caption "I think... 3/7 (0 sec.)" in the language of the words.
    void progress(const ThinkingProgress& progress) override;
    void konIndicator(int konCount, int cycle, int matchKons) override;

    // The cards the table shows, in the order they were laid (cleared with the table).
    struct TableCard {
        TablePlace place;
        Card card;
    };
    const std::vector<TableCard>& tableCards() const { return tableCards_; }
    // Redraws the table without the card, before it flies off (a take).
    void liftTableCard(Card card);
    // Redraws the table empty, before all its cards fly off (a discard).
    void liftAllTableCards();
    // Where a card of the seat's hand stood (x inside the hand box) in the draw before
    // the last one: a card played from the hand leaves from there. Nothing when the card
    // was not in that hand.
    std::optional<int> departedCardX(int seat, Card card) const;

    // The chat line of a network game; the first character is the message kind.
    void addChatLine(int colourNumber, const QString& text);
    void drawMoveTimer(int seat, int seconds);

  signals:
    void actionPressed();
    void endMatchPressed();
    // The text of the chat input line, when it is not empty.
    void chatEntered(const QString& text);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QString textOf(const Text& text) const;
    void showBox(BoxId id);
    bool boxShown(BoxId id) const;

    bool network_ = false;
    bool online_ = false;
    const Display& display_;
    const CardArt& art_;
    const config::Settings& settings_;
    WordLookup words_;
    TableRenderer renderer_;
    TQorCardsButton* button7_;
    TQorCardsButton* button8_;
    bool actionFocusLent_ = false;  // the action button lost its focus by being disabled
    QLineEdit* edit1_;
    QPushButton* bitBtn1_;
    QString konHint_;
    KonState kon_;
    bool pointerOnKon_ = false;
    void setPointerOnKon(bool on);
    std::vector<TableCard> tableCards_;
    struct ShownHand {
        Hand cards{};
        int count = 0;
        HandPositions x{};
    };
    std::array<ShownHand, 2> shownHand_{};     // the last draw of each seat's hand
    std::array<ShownHand, 2> previousHand_{};  // the draw before it
};

}  // namespace tavik::ui
