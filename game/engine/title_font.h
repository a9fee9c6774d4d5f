#pragma once
#include "game/engine/debug_log.h"
#include "platform/platform.h"
// The title face that nearly every text of the game uses. It ships in the
// game's Graphics folder and is made known to the font system at start-up:
// from the per-user font folder when it is installed there already, else
// copied there (for the next start) and registered from the game folder.

namespace glyphora {

inline constexpr char kTitleFace[] = "Bebas Neue";
inline constexpr char kTitleFontFile[] = "BebasNeue-Regular.otf";
inline constexpr char kTitleFontInGame[] = "Graphics/BebasNeue-Regular.otf";

// Runs before any font is made; every outcome is only logged, none stops the
// game (fonts made from the face then fall back on a substitute).
void InstallTitleFont(platform::FontSystem* fonts, platform::Files* files, const DebugLog& log);
// Runs after every font is destroyed: forgets the registration. The copy in
// the font folder stays for the next start.
void RemoveTitleFont(platform::FontSystem* fonts, const DebugLog& log);

}  // namespace glyphora
