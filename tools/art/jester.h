#pragma once
// The jester: a small harlequin figure with a three-horned cap, drawn in any
// pose. The intro's walkers and the main screen's juggler are jesters.

#include <QColor>
#include <QPointF>

class QPainter;

namespace tavik::art {

// The two colours of the harlequin suit and cap.
struct JesterLook {
    QColor first;
    QColor second;
};

// Angles in degrees. An arm at 0 hangs down, at 90 points sideways away from
// the body, at 180 straight up; the elbow bends the forearm further the same way.
struct JesterPose {
    double leftArm = 20, rightArm = 20;
    double leftElbow = 10, rightElbow = 10;
    double leftLeg = 0, rightLeg = 0;  // forwards swing, 0 standing
    double bob = 0;                    // lifts the body, in figure pixels
    double headTilt = 0;
    bool eyesClosed = false;
    bool mouthOpen = false;
};

// Where the hands ended up, in the same coordinates as the figure's box.
struct JesterHands {
    QPointF left;
    QPointF right;
};

// Draws the jester in a box of 100 x 140 figure pixels whose top left is the
// painter's origin (scale the painter to draw it at another size); the feet
// stand on y = 138.
JesterHands drawJester(QPainter& p, const JesterLook& look, const JesterPose& pose);

}  // namespace tavik::art
