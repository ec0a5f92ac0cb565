#include "ui/main_window/own_cursors.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <vector>

#include "resources/builtin_art.h"
#include "ui/main_window/picture_view.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

constexpr Qt::CursorShape kStandard[] = {Qt::ArrowCursor, Qt::PointingHandCursor, Qt::WaitCursor,
                                         Qt::IBeamCursor};
constexpr const char* kProperty = "tavikCursorKind";

// The frames of the own cursors and the controls showing an animated one. The frames
// move on together for all controls of a kind.
class CursorFrames : public QObject {
  public:
    static CursorFrames& instance() {
        static CursorFrames* frames = new CursorFrames;  // lives as long as the program
        return *frames;
    }

    bool has(CursorKind kind) const { return !set(kind).frames.empty(); }
    QCursor current(CursorKind kind) const {
        const Set& s = set(kind);
        return s.frames[s.shown % s.frames.size()];
    }
    void follow(QWidget* widget, CursorKind kind) {
        Set& s = set(kind);
        if (s.frames.size() < 2) return;
        if (std::find(s.widgets.begin(), s.widgets.end(), widget) == s.widgets.end())
            s.widgets.push_back(widget);
        if (!s.timer.isActive()) s.timer.start();
    }

  private:
    struct Set {
        std::vector<QCursor> frames;
        std::size_t shown = 0;
        std::vector<QPointer<QWidget>> widgets;
        QTimer timer;
    };

    CursorFrames() {
        for (const art::BuiltinPointer& pointer : art::kBuiltinPointers) {
            const int kind = kindOfName(pointer.name);
            if (kind < 0) continue;
            const QImage strip = ProgramPicture(QLatin1String(pointer.name));
            Set& s = sets_[static_cast<std::size_t>(kind)];
            for (int f = 0; f < pointer.frames && !strip.isNull(); ++f) {
                const QImage frame =
                    strip.copy(f * art::kPointerSize, 0, art::kPointerSize, art::kPointerSize);
                s.frames.emplace_back(QPixmap::fromImage(frame), pointer.hotX, pointer.hotY);
            }
            s.timer.setInterval(std::max(pointer.frameMs, 50));
            connect(&s.timer, &QTimer::timeout, this,
                    [this, kind] { advance(static_cast<CursorKind>(kind)); });
        }
    }

    static int kindOfName(const char* name) {
        static const char* const kNames[] = {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"};
        for (int k = 0; k < 4; ++k)
            if (qstrcmp(name, kNames[k]) == 0) return k;
        return -1;
    }

    void advance(CursorKind kind) {
        Set& s = set(kind);
        s.shown = (s.shown + 1) % s.frames.size();
        std::erase_if(s.widgets, [kind](const QPointer<QWidget>& w) {
            return w.isNull() || w->property(kProperty).toInt() != static_cast<int>(kind) + 1;
        });
        for (const QPointer<QWidget>& w : s.widgets) w->setCursor(s.frames[s.shown]);
        if (s.widgets.empty()) s.timer.stop();
    }

    Set& set(CursorKind kind) { return sets_[static_cast<std::size_t>(kind)]; }
    const Set& set(CursorKind kind) const { return sets_[static_cast<std::size_t>(kind)]; }

    std::array<Set, 4> sets_;
};

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
    if (own && CursorFrames::instance().has(kind)) return CursorFrames::instance().current(kind);
    return QCursor(kStandard[static_cast<int>(kind)]);
}

void SetGameCursor(QWidget* widget, CursorKind kind, bool own) {
    widget->setCursor(GameCursor(kind, own));
    // Remembers the kind, so that a later change of cursor ends the animation here.
    widget->setProperty(kProperty, own ? static_cast<int>(kind) + 1 : 0);
    if (own) CursorFrames::instance().follow(widget, kind);
}

void ApplyCursors(QWidget* window, bool own) {
    SetGameCursor(window, CursorKind::Arrow, own);
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const CursorKind kind = kindOf(w);
        if (kind == CursorKind::Arrow) {
            w->unsetCursor();  // the window's arrow
            w->setProperty(kProperty, 0);
        } else {
            SetGameCursor(w, kind, own);
        }
    }
}

}  // namespace tavik::ui
