#include "ui/dialogs/end_game_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_words.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

// The medal with the place number picture in its middle; null without the medal.
QImage MedalPicture(int place) {
    QImage medal = ProgramPicture(QStringLiteral("GMedal"));
    if (medal.isNull()) return medal;
    medal = medal.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage number =
        ProgramPicture(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')));
    if (!number.isNull()) {
        QPainter p(&medal);
        p.drawImage((medal.width() - number.width()) / 2, (medal.height() - number.height()) / 2,
                    number);
    }
    return medal;
}

}  // namespace

EndGameContent EndGameTexts(int place, long long score, files::GameKind kind, int language) {
    const auto w = [language](words::WordKey key) { return WordText(key, language); };
    const QString result = w(words::key::ResultLabel) + QString::number(score);
    EndGameContent c;
    if (place == 1) {
        c.sound = "WFiBest";
        c.animation = "GEndBest";
        const words::WordKey title = kind == files::GameKind::Account
                                         ? words::key::TitleVicePresident
                                     : kind == files::GameKind::Lan ? words::key::TitleBachelor
                                                                    : words::key::TitleMaster;
        c.lines = {w(words::key::Congratulations), w(words::key::ResultBest), result, w(title)};
    } else if (place >= 2 && place <= 10) {
        c.sound = "WFiGood";
        c.animation = "GEndGood";
        c.lines = {w(words::key::Congratulations), w(words::key::ResultGood), result,
                   w(words::key::InTopTen)};
    } else {
        c.sound = "WFiBads";
        c.animation = "GEndBads";
        c.loop = true;
        const QString shown =
            place == 0 ? result
                       : result + " ; " + w(words::key::PlaceLabel) + QString::number(place);
        c.lines = {w(words::key::OurRegrets), w(words::key::ResultWishBest), shown,
                   w(words::key::NotInTopTen)};
    }
    c.medal = place >= 1 && place <= 10 ? place : 0;
    return c;
}

EndGameWindow::EndGameWindow(const EndGameContent& content, int language, QWidget* parent)
    : QDialog(parent), lines_(content.lines) {
    setWindowTitle(WordText(words::key::EndGameTitle, language));
    auto* layout = new QVBoxLayout(this);
    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    movie_ = ProgramAnimation(QString::fromStdString(content.animation));
    if (movie_) {
        auto* animation = new QLabel(this);
        animation->setMovie(movie_.get());
        if (!content.loop) {
            // Played once: it stops on its last frame.
            connect(movie_.get(), &QMovie::frameChanged, this, [this](int frame) {
                if (frame == movie_->frameCount() - 1) movie_->setPaused(true);
            });
        }
        movie_->start();
        pictures->addWidget(animation);
    }
    if (content.medal > 0) {
        const QImage medal = MedalPicture(content.medal);
        if (!medal.isNull()) {
            auto* label = new QLabel(this);
            label->setPixmap(QPixmap::fromImage(medal));
            pictures->addWidget(label);
            medalShown_ = true;
        }
    }
    pictures->addStretch();
    layout->addLayout(pictures);
    for (const QString& line : lines_) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        QFont f = label->font();
        f.setBold(line == lines_.front());
        label->setFont(f);
        layout->addWidget(label);
    }
    layout->addLayout(OkButtonRow(*this, language));
}

EndGameWindow::~EndGameWindow() = default;

}  // namespace tavik::ui
