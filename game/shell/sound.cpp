#include "game/shell/sound.h"

#include "game/audio/audio_system.h"
#include "game/online/audio_runtime_installer.h"
#include "game/shell/game.h"

namespace glyphora {
namespace {

bool RunRuntimeInstaller(platform::Platform& p) {
    if (!p.processes || !p.clock || !p.files) return false;
    return InstallAudioRuntime({*p.processes, *p.clock, *p.files});
}

}  // namespace

void StartSound(Game& game) {
    platform::Platform& p = game.platform;
    SoundState& sound = game.sound;
    if (!p.libraries) return;
    sound.audio = MakeAudioSystem(*p.libraries, kBundledLibraryFolder);
    AudioSystem& audio = *sound.audio;
    sound.startResult = StartAudioInstallingRuntime([&audio] { return int(AudioStartup(audio, true)); },
                                                    [&p] { return RunRuntimeInstaller(p); });
    // Up, even without the decoder (whose files then fail one by one); not up
    // after a second failed attempt, when nothing is loaded.
    if (AudioIsUp(audio)) LoadEffects(audio, sound.effects);
}

void StopSound(Game& game) {
    SoundState& sound = game.sound;
    sound.audio.reset();  // shuts audio down
    sound.effects = EffectTable{};
    sound.music = MusicStreams{};
    sound.startResult = kAudioNoRuntime;
}

void UpdateSound(Game& game) {
    AudioSystem* audio = AudioOf(game);
    if (!audio) return;
    UpdateStreams(*audio);
    ReapFinished(*audio);
}

AudioSystem* AudioOf(Game& game) {
    AudioSystem* audio = game.sound.audio.get();
    return audio && AudioIsUp(*audio) ? audio : nullptr;
}

}  // namespace glyphora
