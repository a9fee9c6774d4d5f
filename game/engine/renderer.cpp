#include "game/engine/renderer.h"

#include "game/shell/game.h"

namespace glyphora {

namespace {
constexpr int kDeviceCreationFailed = 5;
}

void InitRenderer(Game& game, int, int) {
    game.renderer.device = game.platform.window->createDevice();
    if (!game.renderer.device) game.platform.messages->postQuit(kDeviceCreationFailed);
}

void ReleaseRenderer(Game& game) { game.renderer.device.reset(); }

bool RendererReady(const Game& game) { return game.renderer.device != nullptr; }

void BeginFrame(Game&) {}
void EndFrame(Game&) {}

void PresentFrame(Game& game) {
    if (game.renderer.device) game.renderer.device->present();
}

void ClearScreen(Game& game, Colour colour) {
    if (game.renderer.device) game.renderer.device->clear(colour);
}

}  // namespace glyphora
