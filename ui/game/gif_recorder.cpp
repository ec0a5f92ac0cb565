#include "ui/game/gif_recorder.h"

#include <chrono>
#include <filesystem>
#include <future>

#include "periphery/gif_writer.h"
#include "periphery/saved_game_name.h"
#include "ui/pictures/program_pictures.h"
#include "ui/waiting/local_wait.h"

namespace tavik::ui {

GifRecorder::GifRecorder(const config::Settings& settings, CardArt* art, Parts parts, GameLog* next)
    : settings_(settings), art_(art), parts_(std::move(parts)), next_(next) {}

bool GifRecorder::recording() const {
    return settings_.saveGif && settings_.windowSize == 1;
}

bool GifRecorder::useRecordingBackground() {
    if (!recording() || art_ == nullptr) return false;
    if (recordingKey_ != 0 && art_->background.cacheKey() == recordingKey_) return false;
    const QImage plain = ProgramPicture(QStringLiteral("GIFBackGr"));
    if (plain.isNull()) return false;
    ordinaryBackground_ = art_->background;
    art_->background = plain;
    recordingKey_ = art_->background.cacheKey();
    return true;
}

void GifRecorder::matchEnded() {
    frames_.clear();
    captureAsked_ = konEnded_ = false;
    if (art_ != nullptr && recordingKey_ != 0 && art_->background.cacheKey() == recordingKey_)
        art_->background = ordinaryBackground_;
    ordinaryBackground_ = QImage();
    recordingKey_ = 0;
}

void GifRecorder::onDeal(const GameState& g) {
    if (next_) next_->onDeal(g);
    // A new deal starts the kon's animation afresh (a re-deal drops the hands shown).
    frames_.clear();
    konEnded_ = false;
    if (!recording()) return;
    if (useRecordingBackground() && parts_.redrawTable) parts_.redrawTable();
    captureAsked_ = true;
}

void GifRecorder::onRedeal(int seat) {
    if (next_) next_->onRedeal(seat);
}

void GifRecorder::onMove(int seat, MoveKind kind, Card card) {
    if (next_) next_->onMove(seat, kind, card);
}

void GifRecorder::onBoutEnd(bool discard, int attacker) {
    if (next_) next_->onBoutEnd(discard, attacker);
    if (recording()) captureAsked_ = true;
}

void GifRecorder::onKonEnd(KonOutcome result, int sixes) {
    if (next_) next_->onKonEnd(result, sixes);
    if (!recording()) return;
    captureAsked_ = true;
    konEnded_ = true;
}

void GifRecorder::afterStep() {
    if (captureAsked_ && recording() && parts_.capture) {
        QImage frame = parts_.capture().convertToFormat(QImage::Format_RGBA8888);
        // Every frame of one GIF has one size: a window that changed meanwhile starts anew.
        if (!frames_.empty() && frame.size() != frames_.front().size()) frames_.clear();
        if (!frame.isNull()) frames_.push_back(std::move(frame));
    }
    captureAsked_ = false;
    if (konEnded_) {
        konEnded_ = false;
        writeKon();
    }
}

void GifRecorder::writeKon() {
    std::vector<QImage> frames = std::move(frames_);
    frames_.clear();
    if (frames.empty() || !parts_.folder) return;
    const std::string folder = parts_.folder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const std::string path = periphery::FreeSavedGamePath(
        folder, files::kHistoryBaseName, parts_.clock ? parts_.clock() : files::LocalTime::now());
    std::vector<periphery::RgbaView> views;
    for (const QImage& f : frames)
        views.push_back({f.constBits(), f.width(), f.height(), int(f.bytesPerLine())});
    // The palette and the compression run on a worker while the window keeps painting;
    // the game goes on when the file is written.
    const int delay = settings_.gifDelay;
    std::future<files::Status> job = std::async(std::launch::async, [&path, &views, delay] {
        return periphery::WriteAnimatedGif(path, views, delay);
    });
    WaitExcludingInput(
        [&job] { return job.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
    const files::Status written = job.get();
    if (written.ok()) {
        lastWritten_ = path;
    } else if (parts_.failed) {
        parts_.failed(QString::fromStdString(path),
                      QString::fromStdString(written.error().message));
    }
}

}  // namespace tavik::ui
