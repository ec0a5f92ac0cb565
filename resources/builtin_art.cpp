#include "resources/builtin_art.h"

#include <QtCore/qglobal.h>

// The resource initialiser is a global symbol; calling it from here also keeps
// the linker from dropping the compiled pictures out of the static library.
static void initTavikArtResources() {
    Q_INIT_RESOURCE(tavik_art);
}

namespace tavik::art {

void initBuiltinArt() {
    static const bool done = (initTavikArtResources(), true);
    (void)done;
}

bool isBuiltinAnimation(const QString& name) {
    static const char* const kAnimations[] = {"GifMenu1", "GifMenu2", "GKonGood", "GKonBads",
                                              "GKonNich", "GEndBest", "GEndGood", "GEndBads"};
    for (const char* animation : kAnimations)
        if (name == QLatin1String(animation)) return true;
    return false;
}

QString builtinArtPath(const QString& name) {
    const bool jpeg = name == QLatin1String("FonG") || name == QLatin1String("FonGB");
    const QString suffix = jpeg                       ? QStringLiteral(".jpg")
                           : isBuiltinAnimation(name) ? QStringLiteral(".gif")
                                                      : QStringLiteral(".png");
    return QStringLiteral(":/art/") + name + suffix;
}

}  // namespace tavik::art
