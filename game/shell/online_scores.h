#pragma once
// The exchange with the online high-score server, started from the
// high-score screen.
#include "game/online/score_exchange.h"

namespace glyphora {

struct Game;

// Sends the local tables and opens the online tables in the browser; the
// screen's connection message reports how it went. Blocks until done.
void ExchangeOnlineScores(Game& game);

}  // namespace glyphora
