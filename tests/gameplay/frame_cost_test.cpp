// Frames of a busy run allocate nothing: counted by replacing the global
// allocation functions of this test program.
#include <atomic>
#include <cstdlib>
#include <new>

#include "game/gameplay/run_rules.h"
#include "game/gameplay/spawning.h"
#include "game/screens/screen_table.h"
#include "game/shell/main_loop.h"
#include "game/shell/run_control.h"
#include "game/shell/screens.h"
#include "platform/fake/null_device.h"
#include "play_fixture.h"

namespace {
std::atomic<long> allocations{0};
}

// Every form that allocates is replaced, so that no block comes from one
// allocator and goes back to another (AddressSanitizer checks the pairs).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size) {
    if (void* p = operator new(size, std::nothrow)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return operator new(size, std::nothrow); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace glyphora {
namespace {

TEST(FrameCost, FramesOfABusyRunAllocateNothing) {
    platform::FakePlatform fake;
    platform::NullDeviceWindow window;
    fake.bundle().window = &window;
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    NewGame(game);
    game.run.lives = game.run.maxLives = 8;
    game.run.tntCharges = 3;
    PlayModel play = PlayModelOf(game);
    while (game.field.items.size() < 40) SpawnItem(play, GameTime(game));
    for (int i = 0; i < 50; ++i) RunFrame(game);  // the field settles into its usual size

    const long before = allocations.load();
    for (int frame = 0; frame < 3000; ++frame) {
        fake.clock.advance(16);
        if (frame % 300 == 0) ShowMessage(game.run.message, "TNT!", 1000, 500, GameTime(game));
        if (frame % 500 == 0) Detonate(game.run, GameTime(game));
        game.run.lives = 8;
        RunFrame(game);
    }
    // 48 s of play within one stage (a new stage starts its music track by name).
    EXPECT_EQ(allocations.load() - before, 0) << "allocations in 3000 frames";
}

TEST(FrameCost, AVisitToTheCreditsAllocatesNothing) {
    platform::FakePlatform fake;
    platform::NullDeviceWindow window;
    fake.bundle().window = &window;
    Game game{fake.bundle(), GameScreens()};
    StartUp(game);
    SwitchScreen(game, ScreenKind::Credits);

    const long before = allocations.load();
    for (int frame = 0; frame < 75000 / 16; ++frame) {
        fake.clock.advance(16);
        RunFrame(game);
    }
    // 75 s: every page typed and faded in, the finale from the minute on, and
    // the screen after the last page.
    EXPECT_TRUE(game.credits.done.back());
    EXPECT_EQ(allocations.load() - before, 0) << "allocations in 75 s of credits";
}

}  // namespace
}  // namespace glyphora
