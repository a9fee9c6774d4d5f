#include <SDL.h>
#include <gtest/gtest.h>

#include "platform/keys.h"
#include "platform/sdl/sdl_keys.h"

namespace glyphora::platform {
namespace {

struct KeyCase {
    SDL_Keycode sym;
    int virtualKey;
};

TEST(KeyTable, MapsEveryKeyTheGameKnows) {
    const KeyCase cases[] = {
        {SDLK_a, 'A'},           {SDLK_z, 'Z'},      {SDLK_q, 'Q'},          {SDLK_0, '0'},       {SDLK_9, '9'},
        {SDLK_SPACE, vk::Space}, {SDLK_KP_0, 0x60},  {SDLK_KP_1, 0x61},      {SDLK_KP_5, 0x65},   {SDLK_KP_9, 0x69},
        {SDLK_F1, 0x70},         {SDLK_F3, 0x72},    {SDLK_F8, 0x77},        {SDLK_F12, 0x7B},    {SDLK_LEFT, 0x25},
        {SDLK_UP, 0x26},         {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28},      {SDLK_RETURN, 0x0D}, {SDLK_KP_ENTER, 0x0D},
        {SDLK_ESCAPE, 0x1B},     {SDLK_TAB, 0x09},   {SDLK_BACKSPACE, 0x08},
    };
    for (const KeyCase& c : cases) { EXPECT_EQ(VirtualKeyFromSdlSymbol(c.sym), c.virtualKey) << SDL_GetKeyName(c.sym); }
}

TEST(KeyTable, UnknownKeysAreDropped) {
    for (SDL_Keycode sym : {SDLK_LSHIFT, SDLK_F13, SDLK_MINUS, SDLK_KP_PLUS, SDLK_HOME}) {
        EXPECT_EQ(VirtualKeyFromSdlSymbol(sym), 0) << SDL_GetKeyName(sym);
    }
}

TEST(KeyTable, SynthesisesTheCharactersSdlNeverSendsAsText) {
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_BACKSPACE), 8);
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_TAB), 9);
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_RETURN), 13);
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_KP_ENTER), 13);
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_ESCAPE), 27);
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_a), 0);
    EXPECT_EQ(SynthesisedCharFromSdlSymbol(SDLK_SPACE), 0);  // arrives as text
}

}  // namespace
}  // namespace glyphora::platform
