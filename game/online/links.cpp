#include "game/online/links.h"

#include "game/online/external_links.h"
#include "game/shell/game.h"

namespace glyphora {

void OpenManual(Game& game) { OpenManual(*game.platform.shell, *game.platform.files); }
void OpenDonationPageUsd(Game& game) { OpenDonationPageUsd(*game.platform.shell); }
void OpenDonationPageEur(Game& game) { OpenDonationPageEur(*game.platform.shell); }

}  // namespace glyphora
