#pragma once
// The HUD parts of the play screen, each drawn in the colours of sub-level s.

namespace glyphora {

struct Game;

void DrawWordOnOffer(Game& game, int s);
void DrawBonusBar(Game& game, int s);
void DrawScoreAndLetterValue(Game& game, int s);
// Clears the message first when its time is over at now.
void DrawHudMessage(Game& game, int s, int now);
void DrawLives(Game& game, int s);
void DrawLevel(Game& game, int s);
void DrawTntCharges(Game& game, int s);

}  // namespace glyphora
