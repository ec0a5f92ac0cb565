#include "app/cli/ai_seats.h"

namespace tavik::cli {

AiSeats::AiSeats(bool seat1, bool seat2, GameLog* next) : next_(next) {
    if (seat1) seat1_ = std::make_unique<ai::ComputerOpponent>();
    if (seat2) seat2_ = std::make_unique<ai::AiSeatPlayer>(2);
}

void AiSeats::onDeal(const GameState& g) {
    if (seat2_) seat2_->onDeal(g);
    if (next_) next_->onDeal(g);
}

void AiSeats::onRedeal(int seat) {
    if (next_) next_->onRedeal(seat);
}

void AiSeats::onMove(int seat, MoveKind kind, Card card) {
    if (next_) next_->onMove(seat, kind, card);
}

void AiSeats::onBoutEnd(bool discard, int attacker) {
    if (seat2_) seat2_->onBoutEnd(discard, attacker);
    if (next_) next_->onBoutEnd(discard, attacker);
}

void AiSeats::onKonEnd(KonOutcome result, int sixes) {
    if (next_) next_->onKonEnd(result, sixes);
}

}  // namespace tavik::cli
