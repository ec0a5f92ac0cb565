#include "tools/art/gif_writer.h"

#include <QFile>
#include <vector>

#include "periphery/gif_writer.h"

namespace tavik::art {

QString writeAnimatedGif(const QString& file, const QList<QImage>& frames, int delayMs) {
    std::vector<QImage> rgba;
    std::vector<periphery::RgbaView> views;
    for (const QImage& frame : frames)
        rgba.push_back(frame.convertToFormat(QImage::Format_RGBA8888));
    for (const QImage& f : rgba)
        views.push_back({f.constBits(), f.width(), f.height(), int(f.bytesPerLine())});
    const files::Status written =
        periphery::WriteAnimatedGif(QFile::encodeName(file).toStdString(), views, delayMs);
    return written.ok() ? QString() : QString::fromStdString(written.error().message);
}

}  // namespace tavik::art
