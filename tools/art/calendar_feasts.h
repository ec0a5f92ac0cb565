#pragma once
// The drawn holiday pictures (54 x 70) of the calendar library: the church feasts and
// nature in calendar_feasts.cpp, the objects of the secular days in calendar_things.cpp.

#include <QImage>

namespace tavik::art::feasts {

// calendar_feasts.cpp
QImage orthodoxCross();
QImage latinCross();
QImage church();
QImage cathedral();
QImage easterEgg();
QImage willowBranch();
QImage ascension();
QImage birch();
QImage bethlehemStar();
QImage epiphany();
QImage lily();
QImage keys();
QImage candle();
QImage firTree();
QImage chamomile();
QImage poppy();
QImage apple();
QImage leaves();

// calendar_things.cpp
QImage capitol();
QImage mortarboard();
QImage guitar();
QImage torch();
QImage hotDog();
QImage bell();
QImage monitor();
QImage chalkboard();
QImage pumpkin();
QImage bonfire();
QImage turkey();
QImage kremlinTower();
QImage constitution();
QImage lifebuoy();

}  // namespace tavik::art::feasts
