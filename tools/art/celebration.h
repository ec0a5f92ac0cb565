#pragma once
// Pieces of the result animations: confetti, fireworks, a trophy, a crown, a
// sad face and a rain cloud, each drawn for a moment t of its loop.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <cstdint>

class QPainter;

namespace tavik::art {

// Paper pieces and small cards falling through area; t in [0, 1) is the moment
// of a seamless loop (the pieces at t = 1 are where they were at t = 0).
void drawConfetti(QPainter& p, const QRectF& area, double t, std::uint32_t seed, int pieces,
                  bool withCards);

// A burst of sparks round centre; age 0 is the bang, 1 the last sparks.
void drawFirework(QPainter& p, QPointF centre, double radius, double age, const QColor& colour,
                  std::uint32_t seed);

// A gold cup with two handles standing on a plinth, filling box.
void drawTrophy(QPainter& p, const QRectF& box);

// A gold crown with jewels, filling box.
void drawCrown(QPainter& p, const QRectF& box);

// A sad round face; tear from 0 (welling up) to 1 (dropped off the chin).
void drawSadFace(QPainter& p, QPointF centre, double radius, double tear);

// A grey cloud with rain falling below it down to groundY; t as for confetti.
void drawRainCloud(QPainter& p, const QRectF& cloud, double groundY, double t);

}  // namespace tavik::art
