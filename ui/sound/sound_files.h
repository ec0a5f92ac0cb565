#pragma once
// The files the audio plays from. QSoundEffect and the MIDI synthesiser read files,
// while the sounds live in the program's resources and in the voice library; they are
// written out where no other user can reach them: the WAVs into a private temporary
// folder of this run, the MIDI song into the user's own cache folder.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string_view>

namespace tavik::ui {

// The length of a WAV sound in milliseconds from its header; nullopt when the header
// cannot be read or describes no sound.
std::optional<int> SoundDurationMs(std::string_view wavBytes);

// WAV sounds written once each, by name, into a temporary folder of this run that only
// its user may enter (removed when the object goes).
class SoundFiles {
  public:
    // The file of the sound `name` holding `bytes`; empty when it cannot be written.
    QString fileFor(const QString& name, const QByteArray& bytes);

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// The MIDI song's file: $XDG_CACHE_HOME (or ~/.cache) + "/Tavik-Vel/temp10_25.mid".
QString MusicFilePath();

// Makes sure the file at `path` holds the song: an existing file with the same bytes is
// reused, anything else is replaced atomically (the folder is created for the user
// alone when missing). False when it cannot be written.
bool WriteMusicFile(const QString& path, const QByteArray& song);

}  // namespace tavik::ui
