#pragma once
// TEMPORARY: loads only what the play screen draws (the shape and Design2
// sheets, their sprites, the blast animation, the HUD fonts) and the word
// list, until the resource loader that creates every resource of the game
// takes its place. Remove this file then, with its call in StartUp.

namespace glyphora {

struct Game;

void LoadPlayAssets(Game& game);

}  // namespace glyphora
