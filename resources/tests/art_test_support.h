#pragma once
// Shared helpers of the art tests: a GUI application for the image plug-ins,
// and colour classes of card ink.

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QString>

namespace tavik::art::test {

// The red of heart and diamond pips and the near-black of clubs and spades.
inline bool isRedInk(QRgb c) {
    return qRed(c) > 150 && qGreen(c) < 70 && qBlue(c) < 70;
}
inline bool isBlackInk(QRgb c) {
    return qRed(c) < 70 && qGreen(c) < 70 && qBlue(c) < 70;
}
// The complement of red ink, as the inverted ellipse of a plug-in face shows it.
inline bool isCyanInk(QRgb c) {
    return qRed(c) < 105 && qGreen(c) > 185 && qBlue(c) > 185;
}

inline int countPixels(const QImage& image, bool (*test)(QRgb)) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128 && test(image.pixel(x, y))) ++n;
    return n;
}

// "Ch06" ... "Pi5A" for card numbers 1..36.
inline QString cardCode(int card) {
    static const char* const kSuits[] = {"Ch", "Bu", "Kr", "Pi"};
    static const char* const kRanks[] = {"06", "07", "08", "09", "10", "2J", "3Q", "4K", "5A"};
    return QString::fromLatin1(kSuits[(card - 1) % 4]) +
           QString::fromLatin1(kRanks[(card - 1) / 4]);
}

}  // namespace tavik::art::test
