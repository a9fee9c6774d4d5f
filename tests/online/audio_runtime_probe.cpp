// Stands in for the game's audio start-up in the installer's end-to-end
// test: binds OpenAL and libvorbisfile through the platform's dynamic loading
// as the game's binding does, from lib/ beside the program first and then by
// name from the system, runs the start-up's two attempts with the real
// installer between them, and prints what happened and where each library
// was loaded from.
//
// lib/ is tried by its full path: the dynamic loader remembers at start-up
// that a run-path folder did not exist and never looks into it again, so a
// lib/ that the installer makes during the run is not searched by name.
#include <dlfcn.h>

#include <cstdio>
#include <memory>
#include <string>

#include "game/online/audio_runtime_installer.h"
#include "platform/posix/posix_services.h"

namespace {

using namespace glyphora;

using OpenDevice = void* (*)(const char*);
using CloseDevice = char (*)(void*);

// The file that holds a loaded symbol.
const char* FileOf(void* symbol) {
    Dl_info info{};
    return symbol && dladdr(symbol, &info) && info.dli_fname ? info.dli_fname : "?";
}

std::unique_ptr<platform::Library> OpenBundledFirst(platform::Libraries& libraries, platform::Files& files,
                                                    const std::string& name) {
    std::unique_ptr<platform::Library> library = libraries.open(files.programFolder() + "/lib/" + name);
    return library ? std::move(library) : libraries.open(name);
}

// The start-up's result codes: 3 no runtime, 4 no decoder, 5 no device.
int AudioStartupProbe(platform::Libraries& libraries, platform::Files& files) {
    const std::unique_ptr<platform::Library> openal = OpenBundledFirst(libraries, files, "libopenal.so.1");
    void* open = openal ? openal->symbol("alcOpenDevice") : nullptr;
    void* close = openal ? openal->symbol("alcCloseDevice") : nullptr;
    if (!open || !close) return 3;
    const std::unique_ptr<platform::Library> vorbis = OpenBundledFirst(libraries, files, "libvorbisfile.so.3");
    void* decoder = vorbis ? vorbis->symbol("ov_open_callbacks") : nullptr;
    if (!decoder) return 4;
    void* device = reinterpret_cast<OpenDevice>(open)(nullptr);
    if (!device) return 5;
    reinterpret_cast<CloseDevice>(close)(device);
    std::printf("libopenal.so.1 from %s\nlibvorbisfile.so.3 from %s\n", FileOf(open), FileOf(decoder));
    return 0;
}

}  // namespace

int main() {
    platform::PosixLibraries libraries;
    platform::PosixProcesses processes;
    platform::SystemClock clock;
    platform::PosixFiles files;
    int attempt = 0;
    const int result = StartAudioInstallingRuntime(
        [&] {
            const int code = AudioStartupProbe(libraries, files);
            std::printf("attempt %d: %d\n", ++attempt, code);
            return code;
        },
        [&] {
            const bool started = InstallAudioRuntime({processes, clock, files});
            std::printf("installer started: %s\n", started ? "yes" : "no");
            return started;
        });
    return result == 0 ? 0 : 1;
}
