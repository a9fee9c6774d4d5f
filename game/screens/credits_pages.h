#pragma once
// The six pages of the credits, built and laid out once while resources load
// and freed at exit. The pages themselves arrive with the credits screen.

namespace glyphora {

struct Game;

void BuildCreditPages(Game& game);
// Every line of every page back to its start, so the next visit plays the
// pages afresh from the first.
void ResetCreditPages(Game& game);
void FreeCreditPages(Game& game);

}  // namespace glyphora
