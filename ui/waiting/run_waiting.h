#pragma once
// Runs one blocking step (a web request, a download, an upload) on a worker thread
// while the window waits in a local event loop that repaints and keeps timers alive
// but holds back mouse and keyboard input. The caller continues only when the step
// has finished, with its result, so the order of effects stays that of a synchronous
// call:
//
//     bool ok = tavik::ui::RunWaiting([&] { return online::ReadUser(client, nick, pw, user); });
//
// The step must not touch widgets; it may use the caller's locals, which outlive it.

#include <future>
#include <type_traits>

#include "ui/waiting/local_wait.h"

namespace tavik::ui {

template <typename Step>
auto RunWaiting(Step&& step) -> std::invoke_result_t<Step&> {
    auto result = std::async(std::launch::async, std::forward<Step>(step));
    WaitExcludingInput(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    return result.get();
}

}  // namespace tavik::ui
