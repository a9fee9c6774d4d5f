#pragma once
// Start-up's loading of every resource and exit's release of them, in a
// fixed order, with the splash's progress row growing as it goes.

namespace glyphora {

struct Game;

// Loads the splash picture and makes its sprites.
void LoadSplash(Game& game);
// Everything else, in a fixed order, with the splash redrawn between stages
// so that its progress row grows from 1 to 5 squares. Nothing that fails to
// load stops the loading: a missing picture leaves its sheet without a
// texture (its sprites draw nothing), a missing title font a substitute face.
// No file of the game folder is written: stored files are decoded in memory.
void LoadAllResources(Game& game);
void ReleaseSplash(Game& game);
// The reverse at exit: word list, sliders, the screens' own resources (the
// credits' pages), fonts, sprites, buttons and fields, sheets, the title
// font's registration, the sound, then the server's reply file.
void ReleaseAllResources(Game& game);
// Sets the progress counter and draws and presents one whole frame.
void ShowLoadingProgress(Game& game, int step);

}  // namespace glyphora
