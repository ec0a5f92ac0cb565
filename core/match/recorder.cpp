#include "core/match/recorder.h"

namespace tavik {
namespace {

std::string onOff(bool b) {
    return b ? "on" : "off";
}

std::string flightName(Flight::Path p) {
    switch (p) {
        case Flight::Path::HandToTable:
            return "hand->table";
        case Flight::Path::TableToDiscard:
            return "table->discard";
        case Flight::Path::TableToHand:
            return "table->hand";
        case Flight::Path::DeckToHand:
            return "deck->hand";
    }
    return "?";
}

std::string placeName(TablePlace p) {
    return std::string(p.row == Row::Attack ? "attack " : "defence ") + std::to_string(p.column);
}

}  // namespace

void HeadlessRecorder::record(std::string line) {
    if (recording_) events_.push_back(std::move(line));
}

std::vector<std::string> HeadlessRecorder::eventsStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const std::string& e : events_)
        if (e.compare(0, prefix.size(), prefix) == 0) out.push_back(e);
    return out;
}

void HeadlessRecorder::clearTableBoxes() {
    record("clear boxes");
}
void HeadlessRecorder::drawHand(int seat, const Hand&, int, bool faceUp) {
    record("hand " + std::to_string(seat) + (faceUp ? " up" : " down"));
}
void HeadlessRecorder::drawShownTrump(Card trump) {
    record("shown trump " + trump.utf8());
}
void HeadlessRecorder::drawTableCard(TablePlace place, Card card) {
    record("table " + placeName(place) + " " + card.utf8());
}
void HeadlessRecorder::clearTable() {
    record("table clear");
}
void HeadlessRecorder::flyCard(const Flight& f) {
    std::string line = "fly " + flightName(f.path);
    if (f.seat != 0) line += " seat " + std::to_string(f.seat);
    if (!f.card.empty()) line += " " + f.card.utf8();
    if (f.path == Flight::Path::HandToTable) line += " " + placeName(f.place);
    record(line);
}
void HeadlessRecorder::drawDeck(int cardsLeft, Card bottom, Suit) {
    record("deck " + std::to_string(cardsLeft) + " " + bottom.utf8());
}
void HeadlessRecorder::caption(int seat, const Text& text, CaptionColour colour) {
    record("caption " + std::to_string(seat) + " " + std::string(1, static_cast<char>(colour)) +
           " " + englishText(text));
}
void HeadlessRecorder::actionButton(Word caption, bool enabled) {
    record("button7 " + std::string(englishWord(caption)) + " " + onOff(enabled));
}
void HeadlessRecorder::endMatchButton(bool visible, bool enabled) {
    record(std::string("button8 ") + (visible ? "shown " : "hidden ") + onOff(enabled));
}
void HeadlessRecorder::drawScores(int score, int delta, int wins1, int wins2, int) {
    record("scores " + std::to_string(score) + " " + std::to_string(delta) + " " +
           std::to_string(wins1) + ":" + std::to_string(wins2));
}
void HeadlessRecorder::drawSeatFrame(int seat, int wins) {
    record("frame " + std::to_string(seat) + " Prizes: " + std::to_string(wins));
}
void HeadlessRecorder::showResult(KonOutcome konResult, bool animated) {
    static const char* kPictures[] = {"", "GKonBads", "GKonGood", "GKonNich"};
    const int r = static_cast<int>(konResult);
    const char* picture = r >= 1 && r <= 3 ? kPictures[r] : "?";
    record("result " + std::to_string(r) + " " + picture + (animated ? "" : " still"));
}
void HeadlessRecorder::tableText(Word text) {
    record("text " + std::string(englishWord(text)));
}
void HeadlessRecorder::forecast(int code) {
    record("title " + std::string(ForecastText(code)));
}
void HeadlessRecorder::progress(const ThinkingProgress& p) {
    record("progress " + ProgressText(std::string(englishWord(Word::IThink)) + " ", p));
}
void HeadlessRecorder::konIndicator(int konCount, int cycle, int) {
    record("kon " + std::to_string(konCount) + " / " + std::to_string(cycle));
}
void HeadlessRecorder::PlayResourceSound(std::string_view name, bool wait) {
    record("sound " + std::string(name) + (wait ? " wait" : ""));
}
void HeadlessRecorder::pause(int ms) {
    nowMs_ += ms;
    record("pause " + std::to_string(ms));
}
void HeadlessRecorder::send(const PeerMessage& message) {
    record("send " + describe(message));
}
void HeadlessRecorder::moveTimer(bool running, int intervalMs) {
    record(running ? "timer start " + std::to_string(intervalMs) : "timer stop");
}

}  // namespace tavik
