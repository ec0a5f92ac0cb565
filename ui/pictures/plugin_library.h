#pragma once
// Plug-in resource libraries: Qt binary resource files (QorCards06A.rcc ...) found in
// the program's folder, then its parent folder, then the installed plug-in folder,
// and mounted under a root of their own while pictures are read from them.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "ui/pictures/art_names.h"

namespace tavik::ui {

// The folders searched for a library, in order.
struct PluginFolders {
    QStringList folders;
};

// The program's folder, its parent folder, share/tavik-vel/plugins beside the
// executable's folder (the build tree builds its libraries there) and the installed
// share/tavik-vel/plugins.
PluginFolders DefaultPluginFolders(const QString& programFolder);

// The file name of a library on this platform ("QorCards06A.rcc").
QString LibraryFileName(ArtLibrary lib);

// The first existing file of the library in the folders; empty when none.
QString FindLibraryFile(const PluginFolders& folders, ArtLibrary lib);
// The same for a library file by its name ("QorCVoice3.rcc").
QString FindLibraryFile(const PluginFolders& folders, const QString& fileName);

// Where pictures are read from: the program's own resources or one mounted library.
// A mounted library is released when the source goes away, so a library file is
// never held open between loads.
class PictureSource {
  public:
    // The program's own pictures.
    PictureSource() = default;
    ~PictureSource();
    PictureSource(const PictureSource&) = delete;
    PictureSource& operator=(const PictureSource&) = delete;

    // Mounts the library from the folders; false when it cannot be found or opened.
    bool open(const PluginFolders& folders, ArtLibrary lib);
    bool isLibrary() const { return !root_.isEmpty(); }

    // A picture by its name: the program's own through ProgramPicture, a library's
    // read from the mounted file; null when there is none.
    QImage picture(const std::string& name) const;
    // Any other file of a mounted library by its full name ("licence.txt"); none for
    // the program's own pictures or a file the library lacks.
    std::optional<QByteArray> file(const QString& fileName) const;

  private:
    QString file_;
    QString root_;
};

}  // namespace tavik::ui
