#include "ui/table/table_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "ui/fonts/fonts.h"

namespace tavik::ui {

TableView::TableView(const Display& display, const CardArt& art, const config::Settings& settings,
                     WordLookup words, QWidget* parent)
    : QWidget(parent),
      display_(display),
      art_(art),
      settings_(settings),
      words_(words ? std::move(words) : WordsOf(settings)),
      renderer_(display, art, settings, words_),
      button7_(new TQorCardsButton(this)),
      button8_(new TQorCardsButton(this)),
      edit1_(new QLineEdit(this)),
      bitBtn1_(new QPushButton(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // the kon indicator's balloon opens on hovering
    button8_->hide();
    edit1_->hide();
    bitBtn1_->hide();
    bitBtn1_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    bitBtn1_->setFocusPolicy(Qt::StrongFocus);
    setChatEnabled(false);
    auto enter = [this] {
        if (!edit1_->text().isEmpty()) emit chatEntered(edit1_->text());
    };
    connect(edit1_, &QLineEdit::returnPressed, this, enter);
    connect(bitBtn1_, &QPushButton::clicked, this, enter);
    // A disabled table button shows its caption in grey, so the player sees which press counts.
    button7_->setGrayDis(true);
    button8_->setGrayDis(true);
    setTableDesign(0);
    connect(button7_, &QPushButton::clicked, this, &TableView::actionPressed);
    connect(button8_, &QPushButton::clicked, this, &TableView::endMatchPressed);
    StartTable();
}

void TableView::StartTable() {
    setFixedSize(display_.clientWidth, display_.clientHeight);
    renderer_.PlaceBoxes();
    const TableControls& c = renderer_.controls();
    // The decor font, a tenth smaller outside the small window; the second button is bold.
    const Ratio f = display_.smallWindow() ? Ratio(1) : Ratio(9, 10);
    const config::FontSetting& decor = settings_.font(config::FontKind::Decor);
    const int height = nearest(Ratio(FontSize(20, decor)) * display_.scale * f);
    for (auto [button, b] : {std::pair{button7_, c.button7}, std::pair{button8_, c.button8}}) {
        button->setGeometry(b.left, b.top, b.width, b.height);
        button->setFont(FontOfHeight(decor.name, height, button == button8_));
    }
    edit1_->setGeometry(c.edit1.left, c.edit1.top, c.edit1.width, c.edit1.height);
    edit1_->setFont(FontOfHeight(settings_.font(config::FontKind::Serif).name, c.edit1FontHeight));
    bitBtn1_->setGeometry(c.bitBtn1.left, c.bitBtn1.top, c.bitBtn1.width, c.bitBtn1.height);
    bitBtn1_->setIconSize(QSize(c.bitBtn1.width * 3 / 5, c.bitBtn1.height * 3 / 5));
    update();
}

void TableView::setTableDesign(int design) {
    const bool purple = design == 1;
    for (TQorCardsButton* button : {button7_, button8_}) {
        button->setColorSB(purple ? TColorSB::DCards : TColorSB::DRed);
        button->setFontColor(purple ? QColor(200, 175, 50) : QColor(Qt::white));
    }
}

void TableView::setGameKind(bool network, bool online) {
    network_ = network;
    online_ = online;
    kon_.awaitingDeal = false;
    edit1_->setVisible(chatShown());
    bitBtn1_->setVisible(chatShown());
}

void TableView::setChatEnabled(bool enabled) {
    edit1_->setEnabled(enabled);
    bitBtn1_->setEnabled(enabled);
}

TableView::KonState TableView::konState() const {
    KonState k = kon_;
    k.network = network_;
    k.online = online_;
    return k;
}

void TableView::mouseMoveEvent(QMouseEvent* event) {
    const Box& b = renderer_.box(BoxId::Kon);
    const QPoint p = event->position().toPoint();
    setPointerOnKon(boxShown(BoxId::Kon) && b.width > 0 && p.x() >= b.left && p.x() < b.right() &&
                    p.y() >= b.top && p.y() < b.bottom());
    QWidget::mouseMoveEvent(event);
}

void TableView::leaveEvent(QEvent* event) {
    setPointerOnKon(false);
    QWidget::leaveEvent(event);
}

void TableView::setPointerOnKon(bool on) {
    if (on == pointerOnKon_) return;
    pointerOnKon_ = on;
    if (on && onKonHover) {
        const Box& b = renderer_.box(BoxId::Kon);
        onKonHover(QRect(b.left, b.top, b.width, b.height));
    } else if (!on && onKonLeave) {
        onKonLeave();
    }
}

bool TableView::chatShown() const {
    return network_ || online_;
}

bool TableView::boxShown(BoxId id) const {
    switch (id) {
        case BoxId::Memo:
            return chatShown();
        case BoxId::Timer1:
        case BoxId::Timer2:
            return online_;
        default:
            return true;
    }
}

void TableView::showBox(BoxId id) {
    const Box& b = renderer_.box(id);
    update(b.left, b.top, b.width, b.height);
}

void TableView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (art_.background.isNull())
        p.fillRect(rect(), art_.windowColour);
    else
        p.drawImage(0, 0, art_.background);
    for (int i = 0; i < kBoxCount; ++i) {
        const auto id = static_cast<BoxId>(i);
        if (!boxShown(id)) continue;
        const Box& b = renderer_.box(id);
        if (b.width > 0 && b.height > 0) p.drawImage(b.left, b.top, renderer_.picture(id));
    }
}

QString TableView::textOf(const Text& text) const {
    const QString s =
        text.word == Word::None ? QString::fromStdString(text.literal) : words_(text.word);
    return text.inParens ? "(" + s + ")" : s;
}

void TableView::clearTableBoxes() {
    for (BoxId id :
         {BoxId::Stol, BoxId::Hand1, BoxId::Hand2, BoxId::Koloda, BoxId::Say1, BoxId::Say2}) {
        renderer_.ClearBox(id);
        showBox(id);
    }
    tableCards_.clear();
    shownHand_ = {};
    previousHand_ = {};
    if (chatShown()) {
        renderer_.ResetChat();
        showBox(BoxId::Memo);
    }
}

void TableView::drawHand(int seat, const Hand& cards, int count, bool faceUp) {
    renderer_.DrawHand(seat, cards, count, faceUp);
    const std::size_t s = seat == 1 ? 0 : 1;
    previousHand_[s] = shownHand_[s];
    shownHand_[s] = {cards, count, renderer_.handPositions(seat)};
    showBox(seat == 1 ? BoxId::Hand1 : BoxId::Hand2);
}

void TableView::drawShownTrump(Card trump) {
    renderer_.DrawShownTrump(trump);
    showBox(BoxId::Hand1);
}

void TableView::drawTableCard(TablePlace place, Card card) {
    renderer_.DrawTableCard(place.row, place.column, card);
    tableCards_.push_back({place, card});
    showBox(BoxId::Stol);
}

void TableView::clearTable() {
    renderer_.ClearTableBox();
    tableCards_.clear();
    showBox(BoxId::Stol);
}

void TableView::liftTableCard(Card card) {
    std::erase_if(tableCards_, [card](const TableCard& t) { return t.card == card; });
    renderer_.ClearTableBox();
    for (const TableCard& t : tableCards_)
        renderer_.DrawTableCard(t.place.row, t.place.column, t.card);
    showBox(BoxId::Stol);
}

void TableView::liftAllTableCards() {
    clearTable();
}

std::optional<int> TableView::departedCardX(int seat, Card card) const {
    const ShownHand& before = previousHand_[seat == 1 ? 0 : 1];
    for (int slot = 1; slot <= before.count; ++slot)
        if (before.cards[slot] == card) return before.x[static_cast<std::size_t>(slot)];
    return std::nullopt;
}

void TableView::flyCard(const Flight& flight) {
    if (onFlight) onFlight(flight);
}

void TableView::drawDeck(int cardsLeft, Card bottom, Suit trump) {
    renderer_.DrawDeck(bottom, trump, 37 - std::clamp(cardsLeft, 0, 36));
    showBox(BoxId::Koloda);
}

void TableView::caption(int seat, const Text& text, CaptionColour colour) {
    renderer_.DrawSpeechCaption(seat, colour == CaptionColour::None ? QString() : textOf(text),
                                static_cast<char>(colour));
    showBox(seat == 1 ? BoxId::Say1 : BoxId::Say2);
}

void TableView::actionButton(Word caption, bool enabled) {
    button7_->setText(words_(caption));
    // Disabling the button while the opponent moves sends its focus on to the next button;
    // the focus comes back with the button unless the player has put it elsewhere, so F10
    // and the open-cards code keep working after a click on the button.
    if (!enabled && button7_->hasFocus()) actionFocusLent_ = true;
    button7_->setEnabled(enabled);
    if (enabled && actionFocusLent_) {
        const QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || focus == button8_ || focus == this) button7_->setFocus();
        actionFocusLent_ = false;
    }
}

void TableView::endMatchButton(bool visible, bool enabled) {
    button8_->setVisible(visible);
    button8_->setEnabled(enabled);
}

void TableView::drawScores(int, int, int wins1, int wins2, int matchKons) {
    renderer_.DrawGamePanel(matchKons);
    renderer_.DrawSeatPanel(1, wins1);
    renderer_.DrawSeatPanel(2, wins2);
    for (BoxId id : {BoxId::Kon, BoxId::Tab1, BoxId::Tab2}) showBox(id);
}

void TableView::drawSeatFrame(int seat, int wins) {
    renderer_.DrawSeatPanel(seat, wins);
    showBox(seat == 1 ? BoxId::Tab1 : BoxId::Tab2);
}

void TableView::showResult(KonOutcome konResult, bool animated) {
    if (onResult) onResult(konResult, animated);
}

void TableView::tableText(Word text) {
    if (text == Word::ExpectationOfServer) kon_.awaitingDeal = true;
    renderer_.DrawWaitingText(words_(text));
    showBox(BoxId::Stol);
}

void TableView::forecast(int code) {
    if (onForecast) onForecast(code);
}

void TableView::progress(const ThinkingProgress& p) {
    const std::string think = words_(Word::IThink).toStdString();  // ends with its blank
    renderer_.DrawProgressCaption(QString::fromStdString(ProgressText(think, p)));
    showBox(BoxId::Say1);
}

void TableView::konIndicator(int konCount, int cycle, int matchKons) {
    kon_.konCount = konCount;
    kon_.cycle = cycle;
    kon_.matchKons = matchKons;
    kon_.awaitingDeal = false;
    renderer_.DrawGamePanel(matchKons);
    konHint_ =
        words_(Word::Game) + ": " + QString::number(konCount) + " / " + QString::number(cycle);
    showBox(BoxId::Kon);
}

void TableView::addChatLine(int colourNumber, const QString& text) {
    renderer_.AddChatLine(colourNumber, text);
    showBox(BoxId::Memo);
}

void TableView::drawMoveTimer(int seat, int seconds) {
    renderer_.DrawMoveTimer(seat, seconds);
    showBox(seat == 1 ? BoxId::Timer1 : BoxId::Timer2);
}

}  // namespace tavik::ui
