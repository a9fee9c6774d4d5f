#include "game/online/links.h"

namespace glyphora {

// The links are not in the game yet: nothing is opened.
void OpenManual(Game&) {}
void OpenDonationPageUsd(Game&) {}
void OpenDonationPageEur(Game&) {}

}  // namespace glyphora
