#include "ui/game/result_display.h"

#include <QLayout>
#include <QVBoxLayout>

#include "config/words/word_table.h"
#include "ui/fonts/fonts.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

struct ResultLook {
    Word text;
    QColor colour;
    const char* animation;
    int stillFrame;
};

ResultLook LookOf(KonOutcome konResult) {
    switch (konResult) {
        case KonOutcome::Seat1Won:
            return {Word::YouLose, QColor(Qt::cyan), "GKonBads", 20};
        case KonOutcome::Seat2Won:
            return {Word::YouHaveWon, QColor(128, 255, 128), "GKonGood", 9};
        case KonOutcome::None:
        case KonOutcome::Draw:
            break;
    }
    return {Word::DeadHeat, QColor(Qt::yellow), "GKonNich", 0};
}

}  // namespace

ResultDisplay::ResultDisplay(TableView& view)
    : QWidget(&view), view_(view), text_(new QLabel(this)), picture_(new QLabel(this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_, 0, Qt::AlignHCenter);
    layout->addWidget(picture_, 1, Qt::AlignHCenter | Qt::AlignTop);
    text_->setAlignment(Qt::AlignCenter);
    hide();
}

void ResultDisplay::ShowResult(KonOutcome konResult, bool animated,
                               const config::Settings& settings) {
    const ResultLook look = LookOf(konResult);
    const Box& box = view_.renderer().box(BoxId::Stol);
    setGeometry(box.left, box.top, box.width, box.height);

    const std::string_view said = words::word(words::keyOf(look.text), settings.language);
    text_->setText(QString::fromUtf8(said.data(), static_cast<qsizetype>(said.size())));
    QPalette palette = text_->palette();
    palette.setColor(QPalette::WindowText, look.colour);
    text_->setPalette(palette);
    text_->setFont(FontOfHeight(settings.font(config::FontKind::Decor).name,
                                std::max(12, box.height / 6), true));

    picture_->setMovie(nullptr);
    movie_ = ProgramAnimation(QString::fromStdString(look.animation));
    if (movie_) {
        picture_->setMovie(movie_.get());
        if (animated)
            movie_->start();
        else
            ShowStillFrame(*movie_, look.stillFrame);
        picture_->show();
    } else {
        picture_->hide();
    }
    layout()->activate();  // the new text and picture take their sizes at once
    show();
    raise();
}

void ResultDisplay::HideResult() {
    hide();
    picture_->setMovie(nullptr);
    movie_.reset();
}

}  // namespace tavik::ui
