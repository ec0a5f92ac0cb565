#include "ui/sound/sound_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/files/atomic_file.h"
#include "resources/audio_files.h"

namespace tavik::ui {
std::optional<int> SoundDurationMs(std::string_view wavBytes) {
    const std::optional<sound::WavInfo> info = sound::readWavInfo(wavBytes);
    if (!info || info->sampleRate <= 0 || info->channels <= 0 || info->bitsPerSample <= 0)
        return std::nullopt;
    return static_cast<int>(info->durationMs());
}

QString SoundFiles::fileFor(const QString& name, const QByteArray& bytes) {
    if (!dir_) {
        // QTemporaryDir makes a fresh folder with a random name, readable by its user only.
        dir_ =
            std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/Tavik-Vel-XXXXXX"));
        if (!dir_->isValid()) {
            dir_.reset();
            return {};
        }
    }
    const QString path = dir_->filePath(name + QStringLiteral(".wav"));
    if (QFileInfo(path).size() == bytes.size()) return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QString MusicFilePath() {
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (cache.isEmpty() || !QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return cache + QStringLiteral("/Tavik-Vel/temp10_25.mid");
}

bool WriteMusicFile(const QString& path, const QByteArray& song) {
    const QFileInfo info(path);
    if (info.isFile() && !info.isSymLink()) {
        QFile old(path);
        if (old.open(QIODevice::ReadOnly) && old.readAll() == song) return true;
    }
    const QString folder = info.absolutePath();
    if (!QDir(folder).exists()) {
        if (!QDir().mkpath(folder)) return false;
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // A temporary file beside the target, renamed over the old one: a link found there is
    // replaced, never followed.
    return files::writeFileAtomic(
               QFile::encodeName(path).toStdString(),
               std::string_view(song.constData(), static_cast<std::size_t>(song.size())))
        .ok();
}

}  // namespace tavik::ui
