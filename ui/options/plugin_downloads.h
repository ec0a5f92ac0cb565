#pragma once
// The plug-in libraries the options dialog downloads: their file names, where they
// count as installed, the check that a downloaded file is a library, and the download
// itself run on a worker thread while the window goes on painting.

#include <QString>
#include <string>
#include <vector>

#include "online/download/file_download.h"

namespace tavik::ui {

struct PluginFile {
    QString fileName;   // "QorCards06A.rcc", "QorRadio.rad"
    bool resourceFile;  // a Qt binary resource file; else any complete file counts
};

// The downloadable libraries, in the order of their buttons.
const std::vector<PluginFile>& PluginFiles();

// Where a download looks and goes.
struct PluginPlaces {
    QString programFolder;  // installed when the file is here ...
    QString parentFolder;   // ... or here; downloads are written here
    std::string serviceBase;  // the web service's base address
    download::DownloadLimits limits{15'000, 600'000, 30};
};

// True when the file exists in the program's folder or the folder above.
bool PluginInstalled(const PluginPlaces& places, const QString& fileName);

// True when Qt can register the file as a binary resource file.
bool IsResourceFile(const QString& path);

// Downloads the file into the parent folder. The transfer runs on a worker thread; a
// local event loop keeps the window's events going until it ends.
download::DownloadResult DownloadPlugin(const PluginPlaces& places, const PluginFile& file);

}  // namespace tavik::ui
