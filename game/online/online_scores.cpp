#include "game/online/online_scores.h"

#include "game/shell/game.h"

namespace glyphora {

// The server exchange is not in the game yet: nothing is sent, and the
// connection message goes at once so that the buttons come back.
void ExchangeOnlineScores(Game& game) {
    MenuState& menus = game.menus;
    menus.connectionMessageShown = false;
    menus.connectionMessageDeadline = 0;
}

}  // namespace glyphora
