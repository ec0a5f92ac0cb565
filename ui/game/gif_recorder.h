#pragma once
// Saving games as GIF animation (the setting saveGif, offered in the small window
// only): while it is on, the table stands on the plain background "GIFBackGr", a frame
// of the window is captured after the step of every deal and of every bout's end, and
// the end of each kon writes that kon's frames, the result last, as one animated GIF
// into the history folder ("Tavik2_G20261211_120355.gif"; periphery/saved_game_name.h)
// with the frame delay of the settings. The end of the match gives the table its
// ordinary background back.

#include <QImage>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "config/settings.h"
#include "core/files/history_file.h"
#include "core/ports.h"
#include "ui/pictures/card_art.h"

namespace tavik::ui {

class GifRecorder : public GameLog {
  public:
    struct Parts {
        std::function<QImage()> capture;          // the picture of one frame
        std::function<std::string()> folder;      // the history folder
        std::function<files::LocalTime()> clock;  // names the file
        std::function<void()> redrawTable;        // after the background changed mid-kon
        std::function<void(const QString& path, const QString& error)> failed;
    };
    // Every event goes on to `next` (when given) first.
    GifRecorder(const config::Settings& settings, CardArt* art, Parts parts,
                GameLog* next = nullptr);

    // Whether games are being saved now: the setting on in the small window.
    bool recording() const;
    // Puts "GIFBackGr" in place of the table background while recording; true when it
    // changed the background in memory.
    bool useRecordingBackground();
    // The end of a match (or leaving it): drops unsaved frames and gives the table its
    // ordinary background back, unless something loaded another one meanwhile.
    void matchEnded();
    // Called after each step of the game: captures the frame a deal or a bout's end
    // asked for, and writes the GIF when the kon ended in the step.
    void afterStep();

    int framesPending() const { return static_cast<int>(frames_.size()); }
    // The file the last kon was written to; empty before.
    const std::string& lastWritten() const { return lastWritten_; }

    // GameLog
    void onDeal(const GameState& g) override;
    void onRedeal(int seat) override;
    void onMove(int seat, MoveKind kind, Card card) override;
    void onBoutEnd(bool discard, int attacker) override;
    void onKonEnd(KonOutcome result, int sixes) override;

  private:
    void writeKon();

    const config::Settings& settings_;
    CardArt* art_;
    Parts parts_;
    GameLog* next_;
    std::vector<QImage> frames_;
    QImage ordinaryBackground_;
    qint64 recordingKey_ = 0;  // the cacheKey of the "GIFBackGr" put in place, 0 when none
    bool captureAsked_ = false;
    bool konEnded_ = false;
    std::string lastWritten_;
};

}  // namespace tavik::ui
