#include "main_window/own_cursors.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

#include "main_window/picture_view.h"
#include "main_window/program_pictures.h"

namespace tavik::ui {
namespace {

struct CursorPicture {
    const char* name;
    Qt::CursorShape standard;
    int hotX, hotY;  // -1: the middle of the picture
};

const CursorPicture& pictureOf(CursorKind kind) {
    static const CursorPicture kCursors[] = {
        {"CURARROW", Qt::ArrowCursor, 0, 0},
        {"CURHAND", Qt::PointingHandCursor, -1, 0},
        {"CURWAIT", Qt::WaitCursor, -1, -1},
        {"CUREDIT", Qt::IBeamCursor, -1, -1},
    };
    return kCursors[static_cast<int>(kind)];
}

CursorKind kindOf(const QWidget* w) {
    if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const PictureView*>(w))
        return CursorKind::Hand;
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) ||
        qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractSpinBox*>(w))
        return CursorKind::Edit;
    return CursorKind::Arrow;
}

}  // namespace

QCursor GameCursor(CursorKind kind, bool own) {
    const CursorPicture& c = pictureOf(kind);
    if (own) {
        const QImage picture = ProgramPicture(QLatin1String(c.name));
        if (!picture.isNull()) return QCursor(QPixmap::fromImage(picture), c.hotX, c.hotY);
    }
    return QCursor(c.standard);
}

void ApplyCursors(QWidget* window, bool own) {
    window->setCursor(GameCursor(CursorKind::Arrow, own));
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const CursorKind kind = kindOf(w);
        if (kind == CursorKind::Arrow)
            w->unsetCursor();  // the window's arrow
        else
            w->setCursor(GameCursor(kind, own));
    }
}

}  // namespace tavik::ui
