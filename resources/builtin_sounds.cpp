#include "resources/builtin_sounds.h"

#include <QtCore/qglobal.h>

// The resource initialiser is a global symbol; calling it from here also keeps the
// linker from dropping the compiled sounds out of the static library.
static void initTavikSoundResources() {
    Q_INIT_RESOURCE(tavik_sounds);
}

namespace tavik::sound {

void initBuiltinSounds() {
    static const bool done = (initTavikSoundResources(), true);
    (void)done;
}

QString builtinSoundPath(const QString& name) {
    return QStringLiteral(":/sounds/") + name + QStringLiteral(".wav");
}

QString builtinMidiSongPath() {
    return QStringLiteral(":/sounds/") +
           QString::fromLatin1(kMidiSongName.data(), static_cast<qsizetype>(kMidiSongName.size())) +
           QStringLiteral(".mid");
}

}  // namespace tavik::sound
