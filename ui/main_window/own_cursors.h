#pragma once
// The mouse cursors of the game: with the setting ownCursor the program's own arrow,
// hand, wait and text cursors (the last three animated), otherwise the platform's
// standard ones. Every window gives its controls the cursor of their kind when it is
// shown.

#include <QCursor>

class QWidget;

namespace tavik::ui {

enum class CursorKind { Arrow, Hand, Wait, Edit };

// The cursor of a kind as it looks now: the program's own picture (the current frame
// of an animated one) when `own` is set and the program carries it, else the
// platform's standard cursor.
QCursor GameCursor(CursorKind kind, bool own);

// Gives the window and its controls their cursors: the hand on buttons and clickable
// pictures, the text cursor on input fields, the arrow elsewhere. The own animated
// cursors keep moving on the controls that show them.
void ApplyCursors(QWidget* window, bool own);
// Gives one control the cursor of a kind, animated as ApplyCursors does.
void SetGameCursor(QWidget* widget, CursorKind kind, bool own);

}  // namespace tavik::ui
