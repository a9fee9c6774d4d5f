#pragma once
// The exchange with the online high-score server, started from the
// high-score screen.

namespace glyphora {

struct Game;

inline constexpr const char* kConnectingMessage = "CONNECTING TO GLYPHORA HIGH SCORES SERVER...";

// Sends the local tables and opens the online tables in the browser; the
// screen's connection message reports how it went. Blocks until done.
void ExchangeOnlineScores(Game& game);

}  // namespace glyphora
