#include "game/screens/credits_pages.h"

namespace glyphora {

// No pages yet: the credits screen brings them.
void BuildCreditPages(Game&) {}
void ResetCreditPages(Game&) {}
void FreeCreditPages(Game&) {}

}  // namespace glyphora
