#include "game/online/audio_runtime_installer.h"

#include "game/online/module_directory.h"

namespace glyphora {

bool InstallAudioRuntime(ProgramServices services) {
    const std::string installer = ModuleDirectory(services.files) + "OpenAL/install-runtime";
    return RunProgram(services, installer, {"-s", "-f"}, true, kAudioInstallerTimeoutMs).started;
}

int StartAudioInstallingRuntime(const std::function<int()>& audioStartup, const std::function<bool()>& installRuntime) {
    const int first = audioStartup();
    if (first != kAudioResultNoRuntime) return first;
    installRuntime();
    return audioStartup();
}

}  // namespace glyphora
