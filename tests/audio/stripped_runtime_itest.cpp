// Binding OpenAL through the real dynamic loader: a bundled runtime that
// lacks one entry point (built beside this test, each lacking another one),
// and a runtime found nowhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "game/audio/audio_system.h"
#include "platform/posix/posix_services.h"
#include "support/scratch_dir.h"

namespace glyphora {
namespace {

using testing::ScratchDir;

// A game folder whose Data/lib holds the runtime that lacks missing, under
// the name the search looks for there before the system's.
std::string BundleStrippedRuntime(const ScratchDir& game, const std::string& missing) {
    const std::filesystem::path bundle = game.path() / "Data" / "lib";
    std::filesystem::create_directories(bundle);
    const std::filesystem::path built =
        std::filesystem::path(GLYPHORA_STRIPPED_RUNTIMES) / ("libopenal-without-" + missing + ".so");
    std::filesystem::copy_file(built, bundle / kOpenAlLibrary);
    return bundle.string();
}

// The system's runtime has every entry point: a startup that fails here
// proves that the bundled copy was the one bound.
TEST(StrippedRuntimeTest, StartupRefusesABundledRuntimeLackingAnEntryPointAndNamesIt) {
    for (const std::string missing : {"alEnable", "alGetError", "alcGetEnumValue"}) {
        SCOPED_TRACE(missing);
        ScratchDir game;
        platform::PosixLibraries libraries;
        AudioSystemPtr audio = MakeAudioSystem(libraries, BundleStrippedRuntime(game, missing));
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(AudioStartup(*audio, true), kAudioNoRuntime);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Failed to retrieve '" + missing + "' function address\n");
        EXPECT_FALSE(AudioIsUp(*audio));
        EXPECT_FALSE(audio->decoderLibrary) << "the decoder is not bound without the runtime";
        EXPECT_EQ(audio->al.alcGetEnumValue, nullptr);
        EXPECT_EQ(audio->al.alEnable != nullptr, missing != "alEnable") << "the entries before it are bound";
        AudioShutdown(*audio);
        EXPECT_FALSE(audio->openAl) << "unloaded at shutdown";
    }
}

// The system's own runtime cannot be hidden from the loader's search, so the
// runtime is asked for under a name that nothing provides: the bundle is
// empty and the loader finds nothing either.
TEST(StrippedRuntimeTest, ARuntimeFoundNowhereIsNotBoundAndWritesNothing) {
    ScratchDir game;
    const std::filesystem::path bundle = game.path() / "Data" / "lib";
    std::filesystem::create_directories(bundle);
    platform::PosixLibraries libraries;
    AudioSystemPtr audio = MakeAudioSystem(libraries, bundle.string());
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(BindAudioApi(*audio, "libopenal-not-installed.so.1"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(audio->openAl);
    EXPECT_FALSE(audio->openAlBound);
    EXPECT_EQ(audio->al.alEnable, nullptr);
}

}  // namespace
}  // namespace glyphora
