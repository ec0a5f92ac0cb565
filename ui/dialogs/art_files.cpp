#include "ui/dialogs/art_files.h"

#include <QFileInfo>

#include "ui/pictures/plugin_library.h"

namespace tavik::ui {

QString ProgramArtFile(const std::string& name) {
    const QString path = BuiltinPicturePath(name);
    if (QFileInfo::exists(path)) return path;
    // Animations are GIF files beside the PNG pictures.
    const QString gif = QStringLiteral(":/art/") + QString::fromStdString(name) + ".gif";
    return QFileInfo::exists(gif) ? gif : QString();
}

QImage ProgramArtImage(const std::string& name) {
    const QString file = ProgramArtFile(name);
    return file.isEmpty() ? QImage() : QImage(file);
}

std::unique_ptr<QMovie> ProgramArtMovie(const std::string& name) {
    const QString file = ProgramArtFile(name);
    if (file.isEmpty()) return nullptr;
    auto movie = std::make_unique<QMovie>(file);
    if (!movie->isValid()) return nullptr;
    return movie;
}

void ShowStillFrame(QMovie& movie, int frame) {
    // A GIF is read frame after frame: only a cached movie can jump ahead.
    movie.setCacheMode(QMovie::CacheAll);
    const int last = movie.frameCount() - 1;
    if (!movie.jumpToFrame(last >= 0 ? std::min(frame, last) : frame)) movie.jumpToFrame(0);
}

}  // namespace tavik::ui
