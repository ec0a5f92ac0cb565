#include "ui/main_window/intro_view.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "config/version.h"
#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "ui/fonts/fonts.h"
#include "ui/pictures/program_pictures.h"
#include "ui/table/text_drawing.h"

namespace tavik::ui {
namespace {

constexpr int kLeft = 155, kTop = 68, kRight = 550, kBottom = 362;
constexpr int kWalkerWidth = 60, kWalkerHeight = 70;
const QColor kSilver(192, 192, 192);

// A raised frame of two-pixel bevels: light above and to the left, dark below and right.
void bevelledFrame(QPainter& p, const QRect& r) {
    const QColor light(255, 255, 255), mid(192, 192, 192), dark(128, 128, 128), darker(64, 64, 64);
    auto edge = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
        const QRect e = r.adjusted(inset, inset, -inset, -inset);
        p.setPen(topLeft);
        p.drawLine(e.topLeft(), e.topRight());
        p.drawLine(e.topLeft(), e.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(e.bottomLeft(), e.bottomRight());
        p.drawLine(e.topRight(), e.bottomRight());
    };
    edge(0, light, darker);
    edge(1, mid, dark);
}

QString wordOf(words::WordKey key, int language) {
    return QString::fromUtf8(words::word(key, language));
}

// Letters much narrower than the 26-pixel step: the title closes up after them. The
// lower-case i counts too, or "Tavik-Vel" reads "Tavi k-Vel".
bool IsNarrowLetter(char16_t c) {
    return c == u'I' || c == u'Í' || c == u'i' || c == u'í';
}

// The room between the logos at (250, 270) and (445, 270), 64 pixels wide, less a margin.
constexpr int kCreditWidth = 445 - (250 + 64) - 8;

// A tint of the colour light enough to show on black.
QColor RimColour(const QColor& c) {
    return QColor((c.red() + 255 * 2) / 3, (c.green() + 255 * 2) / 3, (c.blue() + 255 * 2) / 3);
}

}  // namespace

std::vector<int> IntroTitleX(const QString& title) {
    const int n = static_cast<int>(std::min<qsizetype>(title.size(), kIntroTitleMax));
    std::array<int, kIntroTitleMax + 1> a{};
    int x0 = 368 - 13 * (n - 1);
    auto shiftAfter = [&](int p, int by) {
        for (int k = p + 1; k <= n; ++k) a[static_cast<std::size_t>(k)] += by;
    };
    for (int p = 1; p <= n; ++p) {
        const char16_t c = title[p - 1].unicode();
        if (c == u'W' || c == u'M' || c == u'М' || c == u'Ю') {
            shiftAfter(p, 8);
            x0 -= 5;
        } else if (c == u'Q') {
            shiftAfter(p, 6);
            x0 -= 4;
        } else if (IsNarrowLetter(c)) {
            shiftAfter(p, -12);
            x0 += 6;
        } else if (c == u'-') {
            shiftAfter(p, -10);
            x0 += 6;
        }
        if (IsNarrowLetter(c) || c == u'-') a[static_cast<std::size_t>(p)] += 3;
    }
    std::vector<int> x;
    for (int k = 1; k <= n; ++k) x.push_back(x0 + 26 * (k - 1) + a[static_cast<std::size_t>(k)]);
    return x;
}

QPoint NextWalkerPosition(QPoint p) {
    if (p.y() == kTop && p.x() < kRight) return {p.x() + 1, p.y()};
    if (p.x() == kRight && p.y() < kBottom) return {p.x(), p.y() + 1};
    if (p.y() == kBottom && p.x() > kLeft) return {p.x() - 1, p.y()};
    if (p.x() == kLeft && p.y() > kTop) return {p.x(), p.y() - 1};
    return p;
}

IntroView::IntroView(int language, QWidget* parent) : QWidget(parent) {
    setFixedSize(760, 500);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    compose(language);
}

void IntroView::compose(int language) {
    picture_ = QImage(760, 500, QImage::Format_RGB32);
    picture_.fill(Qt::black);
    QPainter p(&picture_);
    bevelledFrame(p, QRect(QPoint(130, 50), QPoint(630, 450)));
    bevelledFrame(p, QRect(QPoint(230, 150), QPoint(530, 350)));
    const QFont comic = FontOfHeight("Comic Sans MS", 24);
    DrawTextCentred(p, comic, Qt::red, wordOf(words::key::IntroDate, language), 230, 530, 240);
    // The credit line runs between the two logos below it; a line too wide for the gap
    // is set smaller rather than over the logos.
    const QString credit = wordOf(words::key::IntroCredit, language);
    QFont creditFont = comic;
    for (int height = 23; height >= 12 && TextWidth(creditFont, credit) > kCreditWidth; --height)
        creditFont = FontOfHeight("Comic Sans MS", height);
    DrawTextCentred(p, creditFont, Qt::blue, credit, 230, 530, 265);
    DrawTextCentred(p, comic, QColor(0, 100, 100),
                    QStringLiteral("V ") + QLatin1String(config::kProgramVersion), 230, 530, 315);
    const QImage logo = ProgramPicture(QStringLiteral("Logo"));
    if (!logo.isNull()) {
        p.drawImage(250, 270, logo);
        p.drawImage(445, 270, logo);
    }
    colours_ = {QColor(128, 0, 0),   QColor(0, 0, 255), QColor(255, 255, 0),  QColor(0, 128, 0),
                QColor(255, 0, 0),   QColor(0, 0, 128), QColor(255, 128, 64), QColor(0, 255, 255),
                QColor(128, 0, 128), QColor(0, 255, 0)};
    counter_ = 0;
    walkers_ = {QPoint(kLeft, kTop), QPoint(kRight, kTop), QPoint(kLeft, kBottom),
                QPoint(kRight, kBottom)};
    // The jesters hold a heart, a diamond, a spade and a club, in that order.
    static const char* const kWalkerNames[] = {"GJesterCher", "GJesterBubi", "GJesterPiki",
                                               "GJesterKres"};
    for (std::size_t i = 0; i < walkerPictures_.size(); ++i)
        walkerPictures_[i] = ProgramPicture(QLatin1String(kWalkerNames[i]));
    title_ = wordOf(words::key::Title, language).left(kIntroTitleMax);
}

void IntroView::drawTitle() {
    QPainter p(&picture_);
    // Letters 44 pixels high (em), about as wide on average as the 26-pixel step.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(44);
    font.setBold(true);
    static constexpr int kColourOf[kIntroTitleMax] = {8, 7, 6, 5, 4, 3, 2, 1, 0, 9};
    const std::vector<int> x = IntroTitleX(title_);
    const int baseline = 175 + QFontMetrics(font).ascent();
    p.setRenderHint(QPainter::Antialiasing);
    for (std::size_t k = 0; k < x.size(); ++k) {
        // Maroon, navy and blue all but vanish on the black ground: every letter gets a
        // rim of a lighter tint of its own colour.
        const QColor colour = colours_[static_cast<std::size_t>(kColourOf[k])];
        QPainterPath letter;
        letter.addText(x[k], baseline, font, QString(title_[static_cast<qsizetype>(k)]));
        p.setPen(QPen(RimColour(colour), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(colour);
        p.drawPath(letter);
    }
}

void IntroView::drawWalkers() {
    QPainter p(&picture_);
    for (std::size_t i = 0; i < walkers_.size(); ++i) {
        const QRect place(walkers_[i], QSize(kWalkerWidth, kWalkerHeight));
        // The silver ground of the pictures stays behind as the jesters walk on.
        p.fillRect(place, kSilver);
        if (!walkerPictures_[i].isNull()) p.drawImage(place, walkerPictures_[i]);
    }
}

void IntroView::tick() {
    drawTitle();
    if (counter_ == 10) {
        std::rotate(colours_.begin(), colours_.begin() + 1, colours_.end());
        counter_ = 0;
    }
    ++counter_;
    drawWalkers();
    update();
    for (QPoint& w : walkers_) w = NextWalkerPosition(w);
}

void IntroView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, picture_);
}

void IntroView::mousePressEvent(QMouseEvent*) {
    if (ended_) return;
    ended_ = true;
    emit finished();
}

void IntroView::keyPressEvent(QKeyEvent*) {
    if (ended_) return;
    ended_ = true;
    emit finished();
}

}  // namespace tavik::ui
