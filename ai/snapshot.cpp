#include "ai/snapshot.h"

#include <utility>

namespace tavik::ai {

StatTavik2 MakeSnapshot(const GameState& g, int seat, std::uint8_t zarp, bool wasTakes,
                        ThinkingPort* image) {
    StatTavik2 s;
    s.CardsI1 = g.hand(seat);
    s.KolCards1 = g.kolCards(seat);
    s.CardsI2 = g.hand(3 - seat);
    s.KolCards2 = g.kolCards(3 - seat);
    s.Och = g.Och;
    s.Koz = g.Koz;
    s.Vskr = g.Vskr;
    s.InGameI = g.InGameI;
    s.KolFree = g.KolFree;
    s.Image = image;
    s.Bito = g.Bito;
    s.Zarp = zarp;
    s.KartaHod = g.KartaHod;
    s.Prognoz = 0;
    s.KolCardsStol = g.KolCardsStol;
    s.OchGame = g.OchGame;
    s.KolHods = g.KolHods;
    s.WasTakes = wasTakes;
    s.MaxSuper = kMaxSuper;
    return s;
}

}  // namespace tavik::ai
