#pragma once
// What each image button does when clicked or activated with Enter.

namespace glyphora {

struct Game;

// Binds every image button's onClick to its action. Called once the widgets
// exist.
void BindButtonActions(Game& game);

// The Back buttons: leaving the credits resets their pages; then the main menu.
void BackAction(Game& game);

}  // namespace glyphora
