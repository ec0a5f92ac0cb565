#include "ui/pictures/plugin_library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QResource>

#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

// Each mounted library gets a root of its own, so that names never collide with the
// program's pictures or another library's.
QString mountRoot(ArtLibrary lib) {
    return QStringLiteral("/plugin/") + QString::fromStdString(LibraryName(lib));
}

}  // namespace

PluginFolders DefaultPluginFolders(const QString& programFolder) {
    PluginFolders f;
    if (!programFolder.isEmpty()) {
        const QDir dir(programFolder);
        f.folders << dir.absolutePath();
        QDir parent = dir;
        if (parent.cdUp()) f.folders << parent.absolutePath();
    }
    // share/tavik-vel/plugins beside the executable's folder: an installation moved to
    // another prefix, and the build tree, whose libraries are built there.
    if (QCoreApplication::instance()) {
        const QString besideExecutable = QDir::cleanPath(
            QCoreApplication::applicationDirPath() + QStringLiteral("/../share/tavik-vel/plugins"));
        if (!f.folders.contains(besideExecutable)) f.folders << besideExecutable;
    }
#ifdef TAVIK_INSTALLED_PLUGIN_DIR
    f.folders << QStringLiteral(TAVIK_INSTALLED_PLUGIN_DIR);
#endif
    return f;
}

QString LibraryFileName(ArtLibrary lib) {
    return QString::fromStdString(LibraryName(lib)) + QStringLiteral(".rcc");
}

QString FindLibraryFile(const PluginFolders& folders, ArtLibrary lib) {
    if (lib == ArtLibrary::None) return {};
    return FindLibraryFile(folders, LibraryFileName(lib));
}

QString FindLibraryFile(const PluginFolders& folders, const QString& name) {
    for (const QString& folder : folders.folders) {
        const QFileInfo file(QDir(folder), name);
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

PictureSource::~PictureSource() {
    if (!root_.isEmpty()) QResource::unregisterResource(file_, root_);
}

bool PictureSource::open(const PluginFolders& folders, ArtLibrary lib) {
    const QString file = FindLibraryFile(folders, lib);
    if (file.isEmpty()) return false;
    const QString root = mountRoot(lib);
    if (!QResource::registerResource(file, root)) return false;
    file_ = file;
    root_ = root;
    return true;
}

QImage PictureSource::picture(const std::string& name) const {
    if (root_.isEmpty()) return ProgramPicture(QString::fromStdString(name));
    // A library lists its pictures by file name: the resource name and the kind of
    // picture. Its pictures are read afresh: the file may be replaced between loads.
    const QString base =
        QStringLiteral(":") + root_ + QStringLiteral("/") + QString::fromStdString(name);
    for (const char* suffix : {".png", ".jpg", ".gif", ""}) {
        const QString candidate = base + QLatin1String(suffix);
        if (QFileInfo::exists(candidate)) return QImage(candidate);
    }
    return {};
}

std::optional<QByteArray> PictureSource::file(const QString& fileName) const {
    if (root_.isEmpty()) return std::nullopt;
    QFile f(QStringLiteral(":") + root_ + QStringLiteral("/") + fileName);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

}  // namespace tavik::ui
