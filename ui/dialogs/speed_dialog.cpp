#include "ui/dialogs/speed_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialog_words.h"
#include "ui/dialogs/purple_design.h"

namespace tavik::ui {

SpeedDialog::SpeedDialog(config::Settings& settings, QWidget* parent, const PluginFolders& folders)
    : QDialog(parent), settings_(settings), bar_(new QSlider(Qt::Horizontal, this)) {
    const int language = settings.language;
    setWindowTitle(WordText(words::key::SpeedTitle, language));
    auto* layout = new QVBoxLayout(this);
    auto* line = new QLabel(WordText(words::key::SpeedLine, language), this);
    line->setAlignment(Qt::AlignCenter);
    layout->addWidget(line);

    bar_->setRange(1, 6);
    bar_->setPageStep(1);
    bar_->setTickInterval(1);
    bar_->setTickPosition(QSlider::TicksBelow);
    bar_->setValue(std::clamp(settings.flySpeed, 1, 6));
    bar_->setMinimumWidth(240);
    // The marks "1" to "6" under the ticks.
    auto* marks = new QGridLayout;
    marks->addWidget(bar_, 0, 0, 1, 6);
    for (int speed = 1; speed <= 6; ++speed) {
        auto* mark = new QLabel(QString::number(speed), this);
        mark->setAlignment(speed == 1   ? Qt::AlignLeft
                           : speed == 6 ? Qt::AlignRight
                                        : Qt::AlignHCenter);
        marks->addWidget(mark, 1, speed - 1);
    }
    layout->addLayout(marks);
    connect(bar_, &QSlider::valueChanged, this, [this](int speed) { settings_.flySpeed = speed; });
    layout->addLayout(OkButtonRow(*this, language));
    if (settings.auxDesignPurple) {
        const auto look = LoadPurpleLook(folders, QStringLiteral("GFormSpeed"),
                                         QStringLiteral("GIcon48Speed"), language);
        if (look) ApplyPurpleLook(*this, *layout, *look);
        purple_ = look.has_value();
    }
}

}  // namespace tavik::ui
