#include "builtin_art.h"

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

QString builtinArtPath(const QString& name) {
    const bool jpeg = name == QLatin1String("FonG") || name == QLatin1String("FonGB");
    return QStringLiteral(":/art/") + name +
           (jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
}

}  // namespace tavik::art
