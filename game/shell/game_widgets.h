#pragma once
// Creation and release of the game's widget set, with every region, position
// and setting the screens rely on.

namespace glyphora {

struct Game;

// Needs the sheets' textures, the sprites and the fonts made first. Button
// clicks are left unbound: the screens bind their actions.
void CreateGameWidgets(Game& game);
void DestroySliders(Game& game);
// Image buttons, toggles and text fields; the registries are emptied.
void DestroyButtonsAndFields(Game& game);

}  // namespace glyphora
