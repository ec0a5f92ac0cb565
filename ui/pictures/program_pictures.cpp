#include "ui/pictures/program_pictures.h"

#include <QCache>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

#include "resources/builtin_art.h"

namespace tavik::ui {
namespace {

// The store's capacity in KiB: all the program's pictures together with the cards
// resized for a few window sizes. A picture dropped is simply made again.
constexpr qsizetype kStoreKib = 64 * 1024;

struct PictureStore {
    QMutex mutex;
    QCache<QString, QImage> pictures{kStoreKib};
};

PictureStore& store() {
    static PictureStore instance;
    return instance;
}

qsizetype costKib(const QImage& picture) {
    return std::max<qsizetype>(1, picture.sizeInBytes() / 1024);
}

}  // namespace

QImage CachedPicture(const QString& key, const std::function<QImage()>& make) {
    PictureStore& s = store();
    {
        const QMutexLocker lock(&s.mutex);
        if (const QImage* kept = s.pictures.object(key)) return *kept;
    }
    // Made without the lock: a maker may itself ask the store for a picture.
    const QImage made = make();
    const QMutexLocker lock(&s.mutex);
    s.pictures.insert(key, new QImage(made), costKib(made));
    return made;
}

QString ProgramPicturePath(const QString& name) {
    art::initBuiltinArt();
    const QString path = art::builtinArtPath(name);
    return QFileInfo::exists(path) ? path : QString();
}

QImage ProgramPicture(const QString& name) {
    return CachedPicture(QStringLiteral("program/") + name, [&name] {
        const QString path = ProgramPicturePath(name);
        return path.isEmpty() ? QImage() : QImage(path);
    });
}

std::unique_ptr<QMovie> ProgramAnimation(const QString& name) {
    const QString path = ProgramPicturePath(name);
    if (path.isEmpty()) return nullptr;
    auto movie = std::make_unique<QMovie>(path);
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
