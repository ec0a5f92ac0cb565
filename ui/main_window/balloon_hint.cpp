#include "ui/main_window/balloon_hint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "ui/fonts/fonts.h"

namespace tavik::ui {
namespace {

constexpr int kOpeningSteps = 6;  // the balloon opens over six 15 ms steps
constexpr int kPad = 8;

}  // namespace

BalloonHint::BalloonHint(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    close_.setSingleShot(true);
    close_.setInterval(5000);
    connect(&close_, &QTimer::timeout, this, &BalloonHint::hideHint);
    opening_.setInterval(15);
    connect(&opening_, &QTimer::timeout, this, &BalloonHint::grow);
}

void BalloonHint::showHint(const QString& title, const QString& text, const QRect& anchor,
                           const std::string& decorFontName) {
    title_ = title;
    text_ = text;
    // Size 9 of the decor font, as a point size on a 96 dpi screen.
    font_ = FontOfHeight(decorFontName, 16);
    const QFontMetrics m(font_);
    int widest = m.horizontalAdvance(title_);
    for (const QString& line : text_.split(QLatin1Char('\n')))
        widest = std::max(widest, m.horizontalAdvance(line));
    const int width = widest + 2 * kPad;
    const int height =
        static_cast<int>(1 + text_.count(QLatin1Char('\n')) + 1) * m.height() + 2 * kPad;
    const QWidget* area = parentWidget();
    // Beside the icon: to its right when there is room, else to its left; level with it.
    int left = anchor.right() + 6;
    if (left + width > area->width()) left = anchor.left() - 6 - width;
    const int top =
        std::clamp(anchor.center().y() - height / 2, 0, std::max(0, area->height() - height));
    full_ = QRect(std::max(0, left), top, width, height);
    step_ = 0;
    grow();
    show();
    raise();
    opening_.start();
    close_.start();
}

void BalloonHint::grow() {
    step_ = std::min(step_ + 1, kOpeningSteps);
    const int w = full_.width() * step_ / kOpeningSteps, h = full_.height() * step_ / kOpeningSteps;
    setGeometry(full_.center().x() - w / 2, full_.center().y() - h / 2, std::max(w, 1),
                std::max(h, 1));
    if (step_ == kOpeningSteps) {
        opening_.stop();
        setGeometry(full_);
    }
    update();
}

void BalloonHint::hideHint() {
    opening_.stop();
    close_.stop();
    hide();
}

void BalloonHint::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.fillPath(outline, QColor(255, 255, 225));
    p.setPen(QPen(Qt::red, 1));
    p.drawPath(outline);
    if (step_ < kOpeningSteps) return;
    const QFontMetrics m(font_);
    p.setFont(font_);
    p.setPen(QColor(128, 0, 0));
    p.drawText(kPad, kPad + m.ascent(), title_);
    p.setPen(Qt::red);
    int y = kPad + m.height() + m.ascent();
    for (const QString& line : text_.split(QLatin1Char('\n'))) {
        p.drawText(kPad, y, line);
        y += m.height();
    }
}

}  // namespace tavik::ui
