#pragma once
// A real tavik-services for the window tests, and a client and session on it whose
// requests wait as the game's do.

#include <QImage>
#include <QString>
#include <memory>

#include "online/account/account_session.h"
#include "online/account/tests/live_services.h"
#include "ui/testing/ui_test_support.h"
#include "ui/waiting/run_waiting.h"

namespace tavik::ui::test {

// The services of one test program, stopped when it exits.
inline online::testing::LiveServices& Services() {
    static online::testing::LiveServices services(true);
    return services;
}

// The addresses of the live services, the photo store included.
inline online::ServiceAddresses LiveAddresses() {
    online::ServiceAddresses at = online::ServiceAddresses::BuiltIn(Services().base());
    online::PhotoStore store = at.photoStore();
    store.FolderEnciphered = online::EncipherAccountAddress(Services().ftpFolder());
    at.setPhotoStore(store);
    return at;
}

inline void WaitingRunner(online::AccountSession& s) {
    s.setRunner([](const std::function<void()>& step) {
        RunWaiting([&step] {
            step();
            return true;
        });
    });
}

// A JPEG of the given size in a file under dir.
inline QString WriteJpeg(const QString& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    const QString path = dir + "/" + name;
    EXPECT_TRUE(image.save(path, "JPEG"));
    return path;
}

}  // namespace tavik::ui::test
