#pragma once
// The end-game window "The completion of game", shown when a 30-kon cycle is
// complete: the place the score reached, the texts for it, an animation and, for
// places 1..10, the medal with the place number.

#include <QDialog>
#include <QStringList>
#include <memory>
#include <string>

#include "core/files/history_file.h"

class QMovie;
class QLabel;

namespace tavik::ui {

// What the window shows for a place (0 or above 10: no place in the ten).
struct EndGameContent {
    std::string sound;      // "WFiBest", "WFiGood", "WFiBads"
    std::string animation;  // "GEndBest", "GEndGood", "GEndBads"
    bool loop = false;      // the animation loops only without a place
    int medal = 0;          // the place on the medal, 0 for none
    QStringList lines;
};
EndGameContent EndGameTexts(int place, long long score, files::GameKind kind, int language);

class EndGameWindow : public QDialog {
    Q_OBJECT
  public:
    EndGameWindow(const EndGameContent& content, int language, QWidget* parent = nullptr);
    ~EndGameWindow() override;

    const QStringList& lines() const { return lines_; }
    // True when the window shows the medal with its place.
    bool medalShown() const { return medalShown_; }

  private:
    QStringList lines_;
    bool medalShown_ = false;
    std::unique_ptr<QMovie> movie_;
};

}  // namespace tavik::ui
