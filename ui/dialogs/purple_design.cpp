#include "ui/dialogs/purple_design.h"

#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/pictures/art_names.h"

namespace tavik::ui {
namespace {

constexpr int kIconSide = 48;
constexpr int kIconFrameMs = 120;

// Keeps the background stretched over the dialog whatever its size.
class BackgroundFitter : public QObject {
  public:
    BackgroundFitter(QDialog& dialog, QImage background)
        : QObject(&dialog), dialog_(dialog), background_(std::move(background)) {
        dialog.installEventFilter(this);
        fit();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) fit();
        return false;
    }

  private:
    void fit() {
        QPalette palette = dialog_.palette();
        palette.setBrush(QPalette::Window,
                         QPixmap::fromImage(background_.scaled(
                             dialog_.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        dialog_.setPalette(palette);
    }
    QDialog& dialog_;
    QImage background_;
};

}  // namespace

std::optional<PurpleLook> LoadPurpleLook(const PluginFolders& folders, const QString& form,
                                         const QString& icon, int language) {
    PictureSource graphics;
    if (!graphics.open(folders, ArtLibrary::CGraph)) return std::nullopt;
    PurpleLook look;
    look.background = graphics.picture(form.toStdString());
    if (look.background.isNull()) return std::nullopt;
    look.title = graphics.picture(form.toStdString() + PictureLanguagePart(language));
    const QImage strip = graphics.picture(icon.toStdString());
    for (int x = 0; x + kIconSide <= strip.width(); x += kIconSide)
        look.iconFrames << strip.copy(x, 0, kIconSide, kIconSide);
    return look;
}

void ApplyPurpleLook(QDialog& dialog, QVBoxLayout& layout, const PurpleLook& look) {
    dialog.setAutoFillBackground(true);
    new BackgroundFitter(dialog, look.background);
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::WindowText, QColor(200, 175, 50));
    dialog.setPalette(palette);

    auto* row = new QHBoxLayout;
    if (!look.iconFrames.isEmpty()) {
        auto* icon = new QLabel(&dialog);
        icon->setObjectName(QStringLiteral("purpleIcon"));
        icon->setFixedSize(kIconSide, kIconSide);
        icon->setPixmap(QPixmap::fromImage(look.iconFrames.front()));
        auto* timer = new QTimer(icon);
        QObject::connect(timer, &QTimer::timeout, icon, [icon, frames = look.iconFrames] {
            const int next = (icon->property("frame").toInt() + 1) % frames.size();
            icon->setProperty("frame", next);
            icon->setPixmap(QPixmap::fromImage(frames[next]));
        });
        timer->start(kIconFrameMs);
        row->addWidget(icon);
    }
    if (!look.title.isNull()) {
        auto* title = new QLabel(&dialog);
        title->setObjectName(QStringLiteral("purpleTitle"));
        title->setPixmap(QPixmap::fromImage(look.title));
        row->addWidget(title, 1, Qt::AlignCenter);
    }
    layout.insertLayout(0, row);
}

}  // namespace tavik::ui
