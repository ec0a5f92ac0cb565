#pragma once
// The "Purple" design of the dialogs (auxDesignPurple): the dialog's background from
// the graphics library stretched behind its controls, its title picture in the
// language above them with the animated icon beside it, and gold label texts.

#include <QImage>
#include <QList>
#include <QString>
#include <optional>

#include "ui/pictures/plugin_library.h"

class QDialog;
class QVBoxLayout;

namespace tavik::ui {

struct PurpleLook {
    QImage background;         // "GFormSpeed"
    QImage title;              // "GFormSpeedEng"
    QList<QImage> iconFrames;  // the 48 x 48 frames of "GIcon48Speed"
};

// The pictures of dialog `form` ("GFormSpeed") and its icon strip ("GIcon48Speed") in
// the language; none when the graphics library or the background is missing.
std::optional<PurpleLook> LoadPurpleLook(const PluginFolders& folders, const QString& form,
                                         const QString& icon, int language);

// Dresses the dialog whose top-level layout is `layout` in the look.
void ApplyPurpleLook(QDialog& dialog, QVBoxLayout& layout, const PurpleLook& look);

}  // namespace tavik::ui
