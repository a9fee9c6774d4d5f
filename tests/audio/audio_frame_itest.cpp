// The audio update of a frame allocates nothing, refills included: counted by
// replacing the allocation functions of this test program (the C ones too,
// which the decoder and OpenAL use, where no sanitizer owns them).
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "openal_session.h"
#include "support/scratch_dir.h"

namespace {
std::atomic<long> newCalls{0};
std::atomic<long> mallocCalls{0};
void* Take(std::size_t size) noexcept {
    ++newCalls;
    return std::malloc(size == 0 ? 1 : size);
}
[[gnu::noinline]] void Release(void* p) noexcept { std::free(p); }
}  // namespace

// Every form, so that whatever is allocated here is also freed here.
void* operator new(std::size_t size) {
    if (void* p = Take(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Take(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

#if !defined(__SANITIZE_ADDRESS__)
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* malloc(std::size_t size) {
    ++mallocCalls;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    ++mallocCalls;
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) {
    ++mallocCalls;
    return __libc_realloc(p, size);
}
}
constexpr bool kCountsMalloc = true;
#else
constexpr bool kCountsMalloc = false;
#endif

namespace glyphora {
namespace {

using testing::AudioSession;
using testing::ScratchDir;

long ProcessedBuffers(AudioSystem& audio) {
    long processed = 0;
    for (const auto& stream : audio.streams) {
        ALint n = 0;
        audio.al.alGetSourcei(stream->source, AL_BUFFERS_PROCESSED, &n);
        processed += n;
    }
    return processed;
}

TEST(AudioFrameTest, FramesWithFourStreamsAndEightVoicesAllocateNothing) {
    ScratchDir dir;
    testing::WriteBytes(dir.file("music.ogg"), testing::OggBytes(testing::Sine(330, 0.1, 6.0, 2)));
    testing::WriteBytes(dir.file("effect.wav"), testing::WaveBytes(testing::Sine(880, 0.1, 5.0)));
    AudioSession session;
    ASSERT_EQ(session.result, kAudioSuccess);
    SoundId sound = -1;
    ASSERT_EQ(CreateSound(*session, dir.file("effect.wav"), &sound, 0), kAudioSuccess);
    for (int i = 0; i < 4; ++i) ASSERT_EQ(OpenStream(*session, dir.file("music.ogg"), 0, 4, 250, 0, nullptr), 0);
    for (int i = 0; i < 8; ++i) ASSERT_EQ(StartVoice(*session, sound, 0, nullptr), 0);

    long frames = 0, refillFrames = 0;
    const long newBefore = newCalls.load(), mallocBefore = mallocCalls.load();
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(2500);
    while (std::chrono::steady_clock::now() < until) {
        if (ProcessedBuffers(*session) > 0) ++refillFrames;
        UpdateStreams(*session);
        ReapFinished(*session);
        ++frames;
        std::this_thread::sleep_for(std::chrono::milliseconds(16));
    }
    EXPECT_EQ(newCalls.load() - newBefore, 0) << "C++ allocations in " << frames << " frames";
    EXPECT_GT(refillFrames, 4) << "the streams were refilled meanwhile";
    if (kCountsMalloc) {
        EXPECT_EQ(mallocCalls.load() - mallocBefore, 0) << "C allocations in " << frames << " frames";
    }
    EXPECT_EQ(session->streams.size(), 4u);
    EXPECT_EQ(session->voices.size(), 8u);
}

}  // namespace
}  // namespace glyphora
