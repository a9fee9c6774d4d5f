#pragma once
// The renderer: owns the one 2D device and draws everything on screen as
// textured quads, solid rectangles and cleared frames, in call order.
#include <memory>

#include "platform/platform.h"

namespace glyphora {

using platform::Colour;
using platform::Rect;

struct Renderer {
    std::unique_ptr<platform::Device> device;  // null before InitRenderer or when creation failed
};

struct Game;

// Creates the device for the game window. When it cannot be created the game
// is asked to quit with exit code 5 and every drawing call does nothing.
void InitRenderer(Game& game, int width, int height);
void ReleaseRenderer(Game& game);

bool RendererReady(const Game& game);
void BeginFrame(Game& game);
void EndFrame(Game& game);
void PresentFrame(Game& game);

void ClearScreen(Game& game, Colour colour);

}  // namespace glyphora
