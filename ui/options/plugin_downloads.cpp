#include "ui/options/plugin_downloads.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QResource>
#include <QTimer>
#include <atomic>
#include <thread>

#include "ui/pictures/plugin_library.h"

namespace tavik::ui {

const std::vector<PluginFile>& PluginFiles() {
    static const std::vector<PluginFile> files = {
        {LibraryFileName(ArtLibrary::CardsA), true},
        {LibraryFileName(ArtLibrary::CardsB), true},
        {LibraryFileName(ArtLibrary::CardsC), true},
        {LibraryFileName(ArtLibrary::BackG), true},
        {LibraryFileName(ArtLibrary::CGraph), true},
        {LibraryFileName(ArtLibrary::Calendar), true},
        {QStringLiteral("QorRadio.rad"), false},
        {QStringLiteral("QorRadio02.rcc"), true},
        {QStringLiteral("QorCVoice3.rcc"), true},
    };
    return files;
}

bool PluginInstalled(const PluginPlaces& places, const QString& fileName) {
    for (const QString& folder : {places.programFolder, places.parentFolder})
        if (!folder.isEmpty() && QFileInfo(QDir(folder), fileName).isFile()) return true;
    return false;
}

bool IsResourceFile(const QString& path) {
    // A root of its own, so that the check never mixes with a mounted library.
    static const QString root = QStringLiteral("/tavik-download-check");
    if (!QResource::registerResource(path, root)) return false;
    QResource::unregisterResource(path, root);
    return true;
}

download::DownloadResult DownloadPlugin(const PluginPlaces& places, const PluginFile& file) {
    const std::string url =
        download::PluginDownloadUrl(places.serviceBase, file.fileName.toStdString());
    const std::filesystem::path target =
        std::filesystem::path(QDir(places.parentFolder).filePath(file.fileName).toStdString());
    download::FileCheck check;
    if (file.resourceFile)
        check = [](const std::filesystem::path& p) {
            return IsResourceFile(QString::fromStdString(p.string()));
        };

    download::DownloadResult result;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        result = download::DownloadFile(url, target, places.limits, check);
        done = true;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done) loop.quit();
    });
    poll.start(20);
    if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    return result;
}

}  // namespace tavik::ui
