#pragma once
// Shared helpers of the widget tests: one application on the offscreen platform,
// and saving what a test rendered under the build folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QString>

namespace tavik::ui::test {

// The application every widget test needs; created once, on the offscreen platform
// unless another one (never "minimal": it has no fonts) is asked for.
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "tavik-ui-tests";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's own globals may go first at exit.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Saves a rendered picture as <build folder>/renders/<name>.png for a person to look at.
inline void SaveRender(const QImage& image, const QString& name) {
    const QDir dir(QStringLiteral(TAVIK_TEST_OUTPUT_DIR "/renders"));
    QDir().mkpath(dir.path());
    EXPECT_TRUE(image.save(dir.filePath(name + ".png"))) << name.toStdString();
}

inline bool SameRgb(QRgb a, QRgb b) {
    return (a & 0xffffffu) == (b & 0xffffffu);
}

}  // namespace tavik::ui::test
