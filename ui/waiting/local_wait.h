#pragma once
// Waiting on the user-interface thread without freezing the window: a local event loop
// that repaints and keeps timers alive while mouse and keyboard input waits until the
// caller goes on.

#include <functional>

namespace tavik::ui {

// Waits in a local event loop without user input until `done` returns true. Returns at
// once, without entering the loop, when `done` is true already.
void WaitExcludingInput(const std::function<bool()>& done);

}  // namespace tavik::ui
