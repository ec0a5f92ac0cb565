#include "ui/main_window/wait_banner.h"

#include <QPainter>

#include "config/words/word_keys.h"
#include "config/words/word_table.h"
#include "ui/fonts/fonts.h"
#include "ui/pictures/program_pictures.h"
#include "ui/table/text_drawing.h"

namespace tavik::ui {

WaitBanner::WaitBanner(const config::Settings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
    setFixedSize(350, 80);
    hide();
}

void WaitBanner::showBanner(const Display& display) {
    move(nearest(Ratio(display.clientWidth, 2) - Ratio(175)),
         nearest(Ratio(display.clientHeight, 2) - Ratio(40)));
    show();
    raise();
    repaint();
}

void WaitBanner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage bar = ProgramPicture(QStringLiteral("AdvBar3"));
    if (!bar.isNull()) p.drawImage(0, 0, bar);
    const QFont font = FontOfHeight(settings_.font(config::FontKind::Decor).name,
                                    FontSize(32, settings_.font(config::FontKind::Serif)));
    DrawTextCentred(p, font, Qt::red,
                    QString::fromUtf8(words::word(words::key::PleaseWait, settings_.language)), 0,
                    350, 22);
}

}  // namespace tavik::ui
