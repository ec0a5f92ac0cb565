#pragma once
// The main screen between games: the title and the mode banner, the list of the
// local players, the menu buttons, two animated figures, two candles, the clocks of
// the large windows and the icon columns at the edges, over the window's background.

#include <QMovie>
#include <QPainter>
#include <QTime>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "config/settings.h"
#include "config/words/word_keys.h"
#include "core/files/player_list.h"
#include "ui/button/qor_cards_button.h"
#include "ui/layout/main_boxes.h"
#include "ui/main_window/clock_faces.h"
#include "ui/pictures/card_art.h"

class QLabel;

namespace tavik::ui {

class BalloonHint;
class CandleView;
class PictureView;

// One icon of the columns at the window's edges.
struct ScreenIcon {
    const char* picture;
    words::WordKey hintTitle, hintText;
    PictureView* view = nullptr;
};

// Paints the window's background picture, or the window colour where there is none.
void PaintWindowBackground(QPainter& p, const QRect& r, const CardArt& art);

class MainScreen : public QWidget {
    Q_OBJECT
  public:
    MainScreen(const Display& display, const CardArt& art, config::Settings& settings,
               QWidget* parent = nullptr);
    ~MainScreen() override;

    // ShowMainScreen from the design colours on: places and draws every control and
    // fills the list from the list file of the current mode (nullopt: no list).
    void Compose(const std::optional<files::PlayerList>& list);
    // FillPlayerList: the heading and the five list buttons.
    void FillPlayerList(const std::optional<files::PlayerList>& list);
    // AnimateMainScreen: one tick of the candles and the clocks at the time `now`.
    void AnimateMainScreen(const QTime& now);
    // The captions of the buttons and the heading, the title and the banner.
    void ApplyLanguage();
    // Draws the title picture and the mode banner in the caption colour.
    void DrawCaptions();
    // The holiday calendar shows its pictures beside the title: the candles (and the
    // clocks under them) move 20 base pixels outwards.
    void setHolidayShown(bool shown);
    bool holidayShown() const { return holidayShown_; }
    // The line of the signed-in account for list button 5, read from the web service
    // (nullopt: no account signed in, or the read failed).
    void setAccountLine(std::function<std::optional<QString>()> line) {
        accountLine_ = std::move(line);
    }
    // True while list button 5 shows the signed-in account instead of slot 5.
    bool accountShown() const { return accountShown_; }
    // Where the information clock's figures come from (the web service, later).
    void setInfoClockSource(InfoClockSource source) { infoSource_ = std::move(source); }

    const MainScreenBoxes& boxes() const { return boxes_; }
    TQorCardsButton& listButton(int k) { return *list_[static_cast<std::size_t>(k)]; }
    TQorCardsButton& heading() { return *heading_; }
    TQorCardsButton& startButton() { return *start_; }
    TQorCardsButton& topTenButton() { return *topTen_; }
    TQorCardsButton& historyButton() { return *history_; }
    TQorCardsButton& optionsButton() { return *options_; }
    TQorCardsButton& modeButton() { return *mode_; }
    TQorCardsButton& exitButton() { return *exit_; }
    PictureView& caption() { return *caption_; }
    PictureView& banner() { return *banner_; }
    PictureView& clock(int k) { return *(k == 1 ? clock1_ : clock2_); }
    CandleView& candle(int side) { return *(side == 0 ? candleLeft_ : candleRight_); }
    QLabel& figure(int k) { return *(k == 1 ? figure1_ : figure2_); }
    QMovie* figureMovie(int k) { return k == 1 ? movie1_ : movie2_; }
    BalloonHint& balloon() { return *balloon_; }
    const std::array<ScreenIcon, 9>& icons() const { return icons_; }
    // True when list slot 1..5 holds no player.
    bool slotEmpty(int slot) const { return slotEmpty_[static_cast<std::size_t>(slot)]; }
    int infoClockMode() const { return infoMode_; }

  signals:
    void listButtonClicked(int slot);  // slot 1..5 of a stored player
    void startClicked();
    void topTenClicked();
    void historyClicked();
    void optionsClicked();
    void modeClicked();
    void exitClicked();
    void iconClicked(const QString& picture);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void createControls();
    void applyDesign();
    void applyFonts();
    void placeControls();
    void setUpFigures();
    void setUpIcons();
    void drawInfoClock(int mode);
    void showHint(const QString& title, const QString& text, const QWidget& anchor);
    QString word(words::WordKey key) const;
    void fitCaptions();

    const Display& display_;
    const CardArt& art_;
    config::Settings& settings_;
    MainScreenBoxes boxes_;
    std::array<TQorCardsButton*, 6> list_{};  // 1..5
    std::array<bool, 6> slotEmpty_{};
    TQorCardsButton* heading_;
    TQorCardsButton *start_, *topTen_, *history_, *options_, *mode_, *exit_;
    PictureView *caption_, *banner_, *titleStrip_, *clock1_, *clock2_;
    CandleView *candleLeft_, *candleRight_;
    QLabel *figure1_, *figure2_;
    QMovie *movie1_ = nullptr, *movie2_ = nullptr;
    BalloonHint* balloon_;
    QFont menuFont_;
    std::array<ScreenIcon, 9> icons_;
    InfoClockSource infoSource_;
    std::function<std::optional<QString>()> accountLine_;
    bool accountShown_ = false;
    int infoMode_ = 1;
    bool infoChangedThisMinute_ = false;
    int candlePhase_ = 0;
    bool holidayShown_ = false;
};

}  // namespace tavik::ui
