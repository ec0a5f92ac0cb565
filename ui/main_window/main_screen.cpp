#include "ui/main_window/main_screen.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include "config/words/languages.h"
#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "ui/fonts/fonts.h"
#include "ui/main_window/balloon_hint.h"
#include "ui/main_window/candles.h"
#include "ui/main_window/caption_colour.h"
#include "ui/main_window/picture_view.h"
#include "ui/main_window/player_list_text.h"
#include "ui/pictures/art_names.h"
#include "ui/pictures/picture_tools.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

const QColor kGold(200, 175, 50);
constexpr int kIconSize = 48;
constexpr int kIconStep = 53;

void setBox(QWidget& w, const Box& b) {
    w.setGeometry(b.left, b.top, b.width, b.height);
}

// The two fixed frames the figures show when animation is off.
constexpr int kStillFrame1 = 0;
constexpr int kStillFrame2 = 0;

}  // namespace

MainScreen::MainScreen(const Display& display, const CardArt& art, config::Settings& settings,
                       QWidget* parent)
    : QWidget(parent),
      display_(display),
      art_(art),
      settings_(settings),
      icons_{{{"AdvGiftR", words::key::HintGiftTitle, words::key::HintGiftText},
              {"Android", words::key::HintAndroidTitle, words::key::HintAndroidText},
              {"Help48", words::key::HintHelpTitle, words::key::HintHelpText},
              {"Tourney48", words::key::HintTourneyTitle, words::key::HintTourneyText},
              {"GooglePlay", words::key::HintGooglePlayTitle, words::key::HintGooglePlayText},
              {"AdvGiftG", words::key::HintGiftTitle, words::key::HintGiftText},
              {"Earth48", words::key::WorldTop10, words::key::HintWorldTop10Text},
              {"Stats", words::key::HintStatsTitle, words::key::HintStatsText},
              {"Account48", words::key::HintAccountTitle, words::key::HintAccountText}}} {
    setAttribute(Qt::WA_OpaquePaintEvent);
    createControls();
}

MainScreen::~MainScreen() = default;

QString MainScreen::word(words::WordKey key) const {
    return QString::fromUtf8(words::word(key, settings_.language));
}

void MainScreen::createControls() {
    titleStrip_ = new PictureView(this);
    titleStrip_->setAttribute(Qt::WA_TransparentForMouseEvents);
    caption_ = new PictureView(this);
    banner_ = new PictureView(this);
    banner_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(caption_, &PictureView::clicked, this, [this] {
        settings_.captionColour = NextCaptionColour(settings_.captionColour);
        DrawCaptions();
    });

    heading_ = new TQorCardsButton(this);
    heading_->setAttribute(Qt::WA_TransparentForMouseEvents);
    heading_->setFocusPolicy(Qt::NoFocus);
    for (int k = 1; k <= 5; ++k) {
        auto* b = new TQorCardsButton(this);
        list_[static_cast<std::size_t>(k)] = b;
        connect(b, &QPushButton::clicked, this, [this, k] {
            if (!slotEmpty(k)) emit listButtonClicked(k);
        });
    }
    auto button = [this](void (MainScreen::*signal)()) {
        auto* b = new TQorCardsButton(this);
        connect(b, &QPushButton::clicked, this, signal);
        return b;
    };
    start_ = button(&MainScreen::startClicked);
    topTen_ = button(&MainScreen::topTenClicked);
    history_ = button(&MainScreen::historyClicked);
    options_ = button(&MainScreen::optionsClicked);
    mode_ = button(&MainScreen::modeClicked);
    exit_ = button(&MainScreen::exitClicked);

    figure1_ = new QLabel(this);
    figure2_ = new QLabel(this);
    candleLeft_ = new CandleView(0, this);
    candleRight_ = new CandleView(1, this);
    clock1_ = new PictureView(this);
    clock2_ = new PictureView(this);
    for (ScreenIcon& icon : icons_) {
        icon.view = new PictureView(this);
        const ScreenIcon* i = &icon;
        connect(icon.view, &PictureView::clicked, this,
                [this, i] { emit iconClicked(QLatin1String(i->picture)); });
        connect(icon.view, &PictureView::entered, this,
                [this, i] { showHint(word(i->hintTitle), word(i->hintText), *i->view); });
        connect(icon.view, &PictureView::left, this, [this] { balloon_->hideHint(); });
    }
    connect(topTen_, &TQorCardsButton::mouseEntered, this, [this] {
        showHint(word(words::key::TopTen), word(words::key::HintTopTenText), *topTen_);
    });
    connect(topTen_, &TQorCardsButton::mouseLeft, this, [this] { balloon_->hideHint(); });
    balloon_ = new BalloonHint(this);
}

void MainScreen::showHint(const QString& title, const QString& text, const QWidget& anchor) {
    balloon_->showHint(title, text, anchor.geometry(),
                       settings_.font(config::FontKind::Decor).name);
}

void MainScreen::setHolidayShown(bool shown) {
    holidayShown_ = shown;
    boxes_ = MainScreenLayout(display_, holidayShown_);
    placeControls();
}

void MainScreen::Compose(const std::optional<files::PlayerList>& list) {
    boxes_ = MainScreenLayout(display_, holidayShown_);
    setFixedSize(display_.clientWidth, display_.clientHeight);
    applyDesign();
    applyFonts();
    placeControls();
    titleStrip_->setPicture(FitPicture(ProgramPicture(QStringLiteral("GTitle")),
                                       QSize(boxes_.imTitle.width, boxes_.imTitle.height)));
    ApplyLanguage();
    setUpFigures();
    const bool keyGreen = !art_.background.isNull();
    const QImage flames = ProgramPicture(QStringLiteral("GFlames"));
    candleLeft_->setPictures(ProgramPicture(QStringLiteral("GCandleL")), flames, keyGreen);
    candleRight_->setPictures(ProgramPicture(QStringLiteral("GCandleR")), flames, keyGreen);
    clock1_->setVisible(boxes_.clocksShown);
    clock2_->setVisible(boxes_.clocksShown);
    if (boxes_.clocksShown) {
        const QTime now = QTime::currentTime();
        clock1_->setPicture(DrawClock(now));
        drawInfoClock(InfoClockMode(now.minute()));
    }
    setUpIcons();
    FillPlayerList(list);
    update();
}

void MainScreen::applyDesign() {
    const bool purple = settings_.menuDesign == 1;
    for (int k = 1; k <= 5; ++k) {
        list_[static_cast<std::size_t>(k)]->setColorSB(purple ? TColorSB::DCards : TColorSB::DNavy);
        list_[static_cast<std::size_t>(k)]->setFontColor(purple ? kGold : QColor(Qt::cyan));
    }
    start_->setColorSB(purple ? TColorSB::DCards : TColorSB::DNavy);
    start_->setFontColor(purple ? kGold : QColor(Qt::cyan));
    for (TQorCardsButton* b : {topTen_, options_, exit_, history_, mode_}) {
        b->setColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
        b->setFontColor(purple ? kGold : QColor(Qt::white));
    }
    heading_->setColorSB(purple ? TColorSB::DCards : TColorSB::DBlue);
    heading_->setKLightSB(purple ? 50 : 0);
    if (purple)
        heading_->setFontColor(QColor(128, 50, 50));
    else
        heading_->setFontColor(settings_.newButtons ? QColor(Qt::blue) : QColor(200, 255, 255));
    for (TQorCardsButton* b : {list_[1], list_[2], list_[3], list_[4], list_[5], start_, topTen_,
                               options_, exit_, history_, mode_}) {
        // The caption turns yellow under the mouse.
        b->setColorMouse(Qt::yellow);
        b->setLightFont(true);
    }
}

void MainScreen::applyFonts() {
    const config::FontSetting& decor = settings_.font(config::FontKind::Decor);
    const Ratio f = display_.smallWindow() ? Ratio(1) : Ratio(9, 10);
    menuFont_ = FontOfHeight(decor.name, nearest(Ratio(FontSize(20, decor)) * display_.scale * f));
    QFont listFont;
    if (display_.smallWindow()) {
        const config::FontSetting& fixed = settings_.font(config::FontKind::Fixed);
        listFont = FixedListFont(fixed.name, FontSize(11, fixed));
    } else {
        const config::FontSetting& conew = settings_.font(config::FontKind::Conew);
        listFont = FontOfHeight(conew.name, FontSize(display_.Scaled(16), conew), true);
    }
    for (int k = 1; k <= 5; ++k) list_[static_cast<std::size_t>(k)]->setFont(listFont);
    heading_->setFont(listFont);
}

void MainScreen::fitCaptions() {
    // A caption longer than its button in some language is written smaller until it fits.
    for (TQorCardsButton* b : {start_, topTen_, history_, options_, mode_, exit_}) {
        QFont font = menuFont_;
        const int room = b->width() - b->height() / 2;
        while (room > 0 && font.pixelSize() > 6 &&
               QFontMetrics(font).horizontalAdvance(b->text()) > room)
            font.setPixelSize(font.pixelSize() - 1);
        b->setFont(font);
    }
}

void MainScreen::placeControls() {
    setBox(*titleStrip_, boxes_.imTitle);
    setBox(*caption_, boxes_.imCaption);
    setBox(*banner_, boxes_.imElite);
    for (int k = 1; k <= 5; ++k)
        setBox(*list_[static_cast<std::size_t>(k)], boxes_.button[static_cast<std::size_t>(k)]);
    setBox(*heading_, boxes_.panel4);
    setBox(*start_, boxes_.button6);
    setBox(*topTen_, boxes_.button9);
    setBox(*history_, boxes_.bHistory);
    setBox(*options_, boxes_.button10);
    setBox(*mode_, boxes_.bMode);
    setBox(*exit_, boxes_.button11);
    setBox(*figure1_, boxes_.gif1);
    setBox(*figure2_, boxes_.gif2);
    setBox(*candleLeft_, boxes_.svLeft);
    setBox(*candleRight_, boxes_.svRight);
    setBox(*clock1_, boxes_.clock1);
    setBox(*clock2_, boxes_.clock2);
    // The figures stand behind the list and the buttons where they meet in small windows.
    figure1_->lower();
    figure2_->lower();
    titleStrip_->lower();
}

void MainScreen::DrawCaptions() {
    const QString code = QString::fromUtf8(PictureLanguagePart(settings_.language));
    QImage title = ProgramPicture(QStringLiteral("Cap") + code);
    QImage mode = ProgramPicture(
        (settings_.NetGame ? QStringLiteral("Net__") : QStringLiteral("Elite")) + code);
    RecolourCaption(title, settings_.captionColour);
    RecolourCaption(mode, settings_.captionColour);
    const QSize titleSize(display_.Scaled(400), display_.Scaled(70));
    const QSize modeSize(display_.Scaled(350), display_.Scaled(40));
    caption_->setPicture(title.isNull() ? QImage() : ResizeSmooth(title, titleSize));
    banner_->setPicture(mode.isNull() ? QImage() : ResizeSmooth(mode, modeSize));
}

void MainScreen::setUpFigures() {
    const std::array<std::pair<QLabel*, QMovie**>, 2> figures = {
        {{figure1_, &movie1_}, {figure2_, &movie2_}}};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        auto [label, movie] = figures[i];
        if (*movie == nullptr) {
            const QString path = ProgramPicturePath(i == 0 ? QStringLiteral("GifMenu1")
                                                           : QStringLiteral("GifMenu2"));
            if (path.isEmpty()) {
                label->hide();
                continue;
            }
            *movie = new QMovie(path, QByteArray(), label);
            (*movie)->setCacheMode(QMovie::CacheAll);
            label->setMovie(*movie);
        }
        if (settings_.gifAnimation) {
            (*movie)->stop();
            (*movie)->start();  // from frame 0
        } else {
            (*movie)->stop();
            (*movie)->jumpToFrame(i == 0 ? kStillFrame1 : kStillFrame2);
        }
        label->show();
    }
}

void MainScreen::setUpIcons() {
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        const bool left = i < 5;
        const int row = static_cast<int>(left ? i : i - 5);
        const int x = left ? 5 : display_.clientWidth - kIconStep;
        const QImage picture = ProgramPicture(QLatin1String(icons_[i].picture));
        icons_[i].view->setGeometry(x, 5 + row * kIconStep, kIconSize, kIconSize);
        icons_[i].view->setPicture(FitPicture(picture, QSize(kIconSize, kIconSize)));
        icons_[i].view->setVisible(!picture.isNull());
        // Pictures lie below the buttons where the small window makes them meet.
        icons_[i].view->lower();
    }
}

void MainScreen::ApplyLanguage() {
    start_->setText(word(words::key::NewPlayer));
    topTen_->setText(word(words::key::TopTen));
    options_->setText(word(words::key::Options));
    exit_->setText(word(words::key::Exit));
    mode_->setText(word(words::key::Mode));
    history_->setText(word(words::key::History));
    heading_->setText(word(ListHeadingKey(settings_.scoreFormat)));
    fitCaptions();
    DrawCaptions();
    if (boxes_.clocksShown) drawInfoClock(infoMode_);
}

void MainScreen::FillPlayerList(const std::optional<files::PlayerList>& list) {
    heading_->setText(word(ListHeadingKey(settings_.scoreFormat)));
    const std::string& fixedFont = settings_.font(config::FontKind::Fixed).name;
    for (int k = 1; k <= 5; ++k) {
        const std::string line = list ? list->line(k) : std::string(files::kEmptySlot);
        slotEmpty_[static_cast<std::size_t>(k)] = !list || list->slotEmpty(k);
        list_[static_cast<std::size_t>(k)]->setText(
            FitListLine(PlayerLineText(line, settings_.scoreFormat), fixedFont));
    }
    // Button 5 shows the signed-in account in a local game mode (the line is not
    // shortened), in red with the customizable design.
    const std::optional<QString> account =
        settings_.NetGame || !accountLine_ ? std::nullopt : accountLine_();
    accountShown_ = account.has_value();
    if (account) list_[5]->setText(*account);
    if (settings_.menuDesign == 0)
        list_[5]->setColorSB(account ? TColorSB::DRed : TColorSB::DNavy);
}

void MainScreen::drawInfoClock(int mode) {
    infoMode_ = mode;
    const InfoClockReading reading = infoSource_ ? infoSource_(mode) : InfoClockReading{};
    const InfoClock info = DrawInfoClock(mode, reading, settings_.language);
    clock2_->setPicture(info.picture);
    clock2_->setToolTip(info.hint);
}

void MainScreen::AnimateMainScreen(const QTime& now) {
    candleLeft_->setPhase(candlePhase_);
    candleRight_->setPhase(candlePhase_);
    candlePhase_ = (candlePhase_ + 1) % kFlamePhases;
    if (!boxes_.clocksShown) return;
    clock1_->setPicture(DrawClock(now));
    if (now.second() == 1) {
        if (!infoChangedThisMinute_) {
            drawInfoClock(InfoClockMode(now.minute()));
            infoChangedThisMinute_ = true;
        }
    } else {
        infoChangedThisMinute_ = false;
    }
}

void PaintWindowBackground(QPainter& p, const QRect& r, const CardArt& art) {
    if (art.background.isNull())
        p.fillRect(r, art.windowColour);
    else
        p.drawImage(0, 0, art.background);
}

void MainScreen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    PaintWindowBackground(p, rect(), art_);
}

}  // namespace tavik::ui
