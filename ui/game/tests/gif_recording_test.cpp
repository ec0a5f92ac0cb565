// Saving games as GIF: the recorder's frames and files on their own, and a scripted kon
// in the session that writes one file per kon.
#include <QImageReader>
#include <filesystem>
#include <fstream>

#include "ui/game/gif_recorder.h"
#include "ui/game/tests/session_fixture.h"
#include "ui/pictures/program_pictures.h"

namespace tavik::ui {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> GifsIn(const std::string& folder) {
    std::vector<fs::path> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".gif") found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    return found;
}

struct Animation {
    int frames = 0;
    int delay = 0;
    QSize size;
    std::vector<QRgb> firstPixels;  // the top-left pixel of each frame
};

Animation Read(const fs::path& path) {
    QImageReader reader(QString::fromStdString(path.string()), "gif");
    Animation a;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
        ++a.frames;
        a.size = frame.size();
        a.firstPixels.push_back(frame.pixel(0, 0));
        if (a.frames == 1) a.delay = reader.nextImageDelay();
    }
    return a;
}

// The recorder driven by hand: each capture is a frame of one colour, numbered by the
// shade of red.
class RecorderTest : public ::testing::Test, WithApp {
  protected:
    RecorderTest() {
        settings.saveGif = true;
        settings.gifDelay = 250;
        art.background = QImage(760, 500, QImage::Format_RGB32);
        art.background.fill(Qt::darkGreen);
        ordinary = art.background.cacheKey();
        GifRecorder::Parts parts;
        parts.capture = [this] {
            QImage frame(40, 30, QImage::Format_RGB32);
            frame.fill(QColor(10 * ++captured, 0, 0));
            return frame;
        };
        parts.folder = [this] { return folder; };
        parts.clock = [] { return files::LocalTime{2026, 3, 4, 5, 6, 7}; };
        parts.redrawTable = [this] { ++redrawn; };
        parts.failed = [this](const QString&, const QString& error) { failure = error; };
        recorder = std::make_unique<GifRecorder>(settings, &art, parts);
        fs::remove_all(folder);
    }
    // One kon: the deal, `bouts` bouts, the last of them ending the kon.
    void PlayKon(int bouts) {
        recorder->onDeal(game);
        recorder->afterStep();
        for (int b = 1; b <= bouts; ++b) {
            recorder->onBoutEnd(true, 1);
            if (b == bouts) recorder->onKonEnd(KonOutcome::Seat2Won, 0);
            recorder->afterStep();
        }
    }

    config::Settings settings;
    CardArt art;
    GameState game;
    qint64 ordinary = 0;
    int captured = 0, redrawn = 0;
    QString failure;
    std::string folder = (fs::path(testing::TempDir()) / "gif-recorder" / "History").string();
    std::unique_ptr<GifRecorder> recorder;
};

TEST_F(RecorderTest, OneFramePerDealAndBoutEndOneFilePerKon) {
    PlayKon(3);
    const auto gifs = GifsIn(folder);  // the folder is made when missing
    ASSERT_EQ(gifs.size(), 1u);
    EXPECT_EQ(gifs[0].filename(), "Tavik2_G20260304_050607.gif");
    EXPECT_EQ(recorder->lastWritten(), gifs[0].string());
    const Animation a = Read(gifs[0]);
    EXPECT_EQ(a.frames, 4);
    EXPECT_EQ(a.delay, 250);
    EXPECT_EQ(a.size, QSize(40, 30));
    EXPECT_EQ(a.firstPixels,
              (std::vector<QRgb>{qRgb(10, 0, 0), qRgb(20, 0, 0), qRgb(30, 0, 0), qRgb(40, 0, 0)}));
    EXPECT_EQ(recorder->framesPending(), 0);

    // The next kon of the same second gets a file of its own with its own frames.
    PlayKon(1);
    const auto both = GifsIn(folder);
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[1].filename(), "Tavik2_G20260304_050607_2.gif");
    EXPECT_EQ(Read(both[1]).firstPixels, (std::vector<QRgb>{qRgb(50, 0, 0), qRgb(60, 0, 0)}));
    EXPECT_TRUE(failure.isEmpty());
}

TEST_F(RecorderTest, NothingIsCapturedUnlessTheSettingIsOnInTheSmallWindow) {
    for (auto [save, size] : {std::pair{false, 1}, std::pair{true, 3}}) {
        settings.saveGif = save;
        settings.windowSize = size;
        PlayKon(2);
        EXPECT_EQ(captured, 0);
        EXPECT_TRUE(GifsIn(folder).empty());
        EXPECT_EQ(art.background.cacheKey(), ordinary);
    }
}

TEST_F(RecorderTest, TheTableStandsOnTheGifBackgroundUntilTheMatchEnds) {
    const QImage plain = ProgramPicture(QStringLiteral("GIFBackGr"));
    ASSERT_FALSE(plain.isNull());
    PlayKon(1);
    EXPECT_EQ(art.background, plain);
    EXPECT_EQ(redrawn, 1);  // the first deal put it in place and redrew the table
    PlayKon(1);
    EXPECT_EQ(redrawn, 1);  // later deals find it there
    recorder->matchEnded();
    EXPECT_EQ(art.background.cacheKey(), ordinary);

    // A background loaded meanwhile (the options dialog) is kept at the match's end.
    PlayKon(1);
    QImage chosen(760, 500, QImage::Format_RGB32);
    chosen.fill(Qt::blue);
    art.background = chosen;
    recorder->matchEnded();
    EXPECT_EQ(art.background, chosen);
}

TEST_F(RecorderTest, ARedealOrLeavingDropsTheFramesOfTheUnfinishedKon) {
    recorder->onDeal(game);
    recorder->afterStep();
    recorder->onRedeal(2);
    PlayKon(1);  // the new deal starts the animation again
    ASSERT_EQ(GifsIn(folder).size(), 1u);
    EXPECT_EQ(Read(GifsIn(folder)[0]).frames, 2);

    recorder->onDeal(game);
    recorder->afterStep();
    recorder->onBoutEnd(false, 2);
    recorder->afterStep();
    EXPECT_EQ(recorder->framesPending(), 2);
    recorder->matchEnded();
    EXPECT_EQ(recorder->framesPending(), 0);
    EXPECT_EQ(GifsIn(folder).size(), 1u);
}

TEST_F(RecorderTest, AFolderThatCannotBeWrittenIsReported) {
    fs::create_directories(fs::path(folder).parent_path());
    std::ofstream(folder) << "a file where the folder should be";
    PlayKon(1);
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_TRUE(recorder->lastWritten().empty());
    fs::remove(folder);
}

TEST_F(SessionTest, AKonPlayedWithGifSavingOnWritesOneAnimation) {
    host.settings().saveGif = true;
    host.settings().gifDelay = 400;
    const qint64 ordinary = host.art().background.cacheKey();
    AnswerPlayerDialog("Filmed", "ab", "ab");
    emit host.startRequested(6);
    ASSERT_TRUE(session->inMatch());
    EXPECT_EQ(host.art().background, ProgramPicture(QStringLiteral("GIFBackGr")));
    ClickAction();
    PlayToResult();

    const auto gifs = GifsIn(host.dataFolder().history());
    ASSERT_EQ(gifs.size(), 1u);
    EXPECT_EQ(gifs[0].filename().string().rfind("Tavik2_G", 0), 0u);
    const Animation a = Read(gifs[0]);
    EXPECT_GE(a.frames, 3);  // the deal, at least one bout, the result
    EXPECT_EQ(a.delay, 400);
    EXPECT_EQ(a.size, host.size());
    // The last frame is the table with the result, as the window shows it now (the
    // result's animation moves on, so its box is left out).
    QImageReader reader(QString::fromStdString(gifs[0].string()), "gif");
    QImage first = reader.read(), last;
    for (QImage f = first; !f.isNull(); f = reader.read()) last = f;
    const QImage shown = host.grab().toImage();
    const QRect moving = session->result().geometry().translated(view().pos());
    int sampled = 0, differing = 0, changedSinceDeal = 0;
    for (int y = 0; y < shown.height(); y += 5)
        for (int x = 0; x < shown.width(); x += 5) {
            if (moving.contains(x, y)) continue;
            ++sampled;
            const QColor a = last.pixelColor(x, y), b = shown.pixelColor(x, y);
            if (std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                48)
                ++differing;
            if (first.pixel(x, y) != last.pixel(x, y)) ++changedSinceDeal;
        }
    EXPECT_LT(differing, sampled / 50);
    EXPECT_GT(changedSinceDeal, sampled / 50);

    session->leaveMatch();
    EXPECT_EQ(host.art().background.cacheKey(), ordinary);
    EXPECT_EQ(GifsIn(host.dataFolder().history()).size(), 1u);
}

}  // namespace
}  // namespace tavik::ui
