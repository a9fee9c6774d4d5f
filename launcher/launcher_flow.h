#pragma once
// The launcher's decision: start the game at once when an earlier check found
// the graphics sufficient, otherwise check them, remember the outcome, and
// either start the game or offer the page about the graphics requirements.
#include <string>

#include "launcher/directx_version.h"
#include "platform/platform.h"

namespace glyphora {

struct LauncherServices {
    platform::Desktop& desktop;
    platform::Shell& shell;
    platform::Processes& processes;
    DiagnosticProvider& provider;
    FileVersionReader& reader;
    std::string installFolder;  // the folder that holds the launcher
};

inline constexpr const char* kDirectXQuestionCaption = "DirectX Update";
inline constexpr const char* kDirectXQuestion =
    "Your version of DirectX library is too old to run Glyphora.\nWould you like tu update to current "
    "version?\n\nClicking Yes will open Microsoft DirectX webpage.";

// The whole launcher; returns the exit code: 0, or 1 when the game was to be
// started and could not be (the player has been told).
int RunLauncher(LauncherServices& services);

}  // namespace glyphora
