#pragma once
// Start-up, the message loop with its frames, and shutdown of Game.
#include "game/shell/game.h"

namespace glyphora {

// The whole life of the program; returns the exit code carried by Quit.
int RunGame(Game& game);

// Start-up: the window, the device and everything loaded, in a fixed order.
void StartUp(Game& game);
// The device for the window, and the random source seeded from the clock.
// Without a device the game is asked to quit with exit code 5 and draws
// nothing.
void StartRenderer(Game& game);
// Active: take every waiting message, then run a frame. Inactive: block for
// the next message and run no frames. Returns the exit code of Quit.
int MainLoop(Game& game);
void RunFrame(Game& game);
// How a frame waits for the display: the frame loop's frames are paced to
// its refresh; a single frame outside the loop (loading) shows at once.
enum class FramePacing { ToDisplay, None };
// Draws and presents one complete frame of the current screen.
void DrawFrame(Game& game, FramePacing pacing = FramePacing::ToDisplay);
void ShutDown(Game& game);

// The window procedure: one message at a time, between frames.
void WindowProcedure(Game& game, const platform::Message& message);

}  // namespace glyphora
