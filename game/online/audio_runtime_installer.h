#pragma once
// The audio runtime's installer, kept in OpenAL/ beside the game program. It
// copies the audio libraries bundled with the game into lib/ beside the
// program, where the audio binding looks before the system's libraries.
#include <cstdint>
#include <functional>

#include "game/online/run_program.h"

namespace glyphora {

inline constexpr std::uint32_t kAudioInstallerTimeoutMs = 7500;
// The audio start-up's result for "no usable runtime library".
inline constexpr int kAudioResultNoRuntime = 3;

// Runs "OpenAL/install-runtime -s -f" beside the program (silent, replacing
// what is there) and waits up to 7.5 s for it; an installer that takes
// longer keeps running. True when the installer started.
bool InstallAudioRuntime(ProgramServices services);

// The start-up's two attempts at the audio: when the first reports no usable
// runtime, the installer runs and the audio is started once more. Returns the
// last attempt's result; other failures of the first attempt are returned
// as they are, without the installer.
int StartAudioInstallingRuntime(const std::function<int()>& audioStartup, const std::function<bool()>& installRuntime);

}  // namespace glyphora
