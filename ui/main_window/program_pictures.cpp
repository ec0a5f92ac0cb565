#include "ui/main_window/program_pictures.h"

#include <QFileInfo>
#include <QHash>

#include "ui/pictures/plugin_library.h"

namespace tavik::ui {

QString ProgramPicturePath(const QString& name) {
    const QString first = BuiltinPicturePath(name.toStdString());
    if (QFileInfo::exists(first)) return first;
    for (const char* suffix : {".gif", ".png", ".jpg"}) {
        const QString candidate = QStringLiteral(":/art/") + name + QLatin1String(suffix);
        if (QFileInfo::exists(candidate)) return candidate;
    }
    return {};
}

QImage ProgramPicture(const QString& name) {
    static QHash<QString, QImage> cache;
    auto it = cache.constFind(name);
    if (it == cache.constEnd()) {
        const QString path = ProgramPicturePath(name);
        it = cache.insert(name, path.isEmpty() ? QImage() : QImage(path));
    }
    return it.value();
}

}  // namespace tavik::ui
