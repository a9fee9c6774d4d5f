#pragma once
// The diagnostic provider of this platform. The game draws through SDL's
// renderer, which stands where Direct3D 9 stood, so the provider answers 9.0c
// when SDL video starts on a display and the renderer the game would use can
// be created, and fails otherwise. It never shows a window.
#include "launcher/directx_version.h"

namespace glyphora {

class SdlGraphicsCheck final : public DiagnosticProvider {
public:
    CheckResult query(int& major, int& minor, char& letter) override;
};

}  // namespace glyphora
