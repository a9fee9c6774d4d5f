#include "platform/sdl/sdl_keys.h"

#include <SDL.h>

#include "platform/keys.h"

namespace glyphora::platform {
namespace {

struct KeyPair {
    SDL_Keycode sym;
    int virtualKey;
};

// Keys outside the contiguous ranges handled in code. SDL's keypad digits are
// not contiguous (KP_1 .. KP_9 come before KP_0), so they are listed one by one.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, vk::Backspace}, {SDLK_TAB, vk::Tab},
    {SDLK_RETURN, vk::Enter},        {SDLK_KP_ENTER, vk::Enter},
    {SDLK_ESCAPE, vk::Escape},       {SDLK_SPACE, vk::Space},
    {SDLK_LEFT, vk::Left},           {SDLK_UP, vk::Up},
    {SDLK_RIGHT, vk::Right},         {SDLK_DOWN, vk::Down},
    {SDLK_KP_0, vk::Numpad0},        {SDLK_KP_1, vk::Numpad0 + 1},
    {SDLK_KP_2, vk::Numpad0 + 2},    {SDLK_KP_3, vk::Numpad0 + 3},
    {SDLK_KP_4, vk::Numpad0 + 4},    {SDLK_KP_5, vk::Numpad0 + 5},
    {SDLK_KP_6, vk::Numpad0 + 6},    {SDLK_KP_7, vk::Numpad0 + 7},
    {SDLK_KP_8, vk::Numpad0 + 8},    {SDLK_KP_9, vk::Numpad0 + 9},
};

}  // namespace

int VirtualKeyFromSdlSymbol(std::int32_t sym) {
    if (sym >= SDLK_a && sym <= SDLK_z) return sym - 0x20;  // SDL reports lower case, even with Shift
    if (sym >= SDLK_0 && sym <= SDLK_9) return sym;
    if (sym >= SDLK_F1 && sym <= SDLK_F12) return vk::F1 + (sym - SDLK_F1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.sym == sym) return pair.virtualKey;
    }
    return 0;
}

int SynthesisedCharFromSdlSymbol(std::int32_t sym) {
    switch (sym) {
        case SDLK_BACKSPACE: return 8;
        case SDLK_TAB: return 9;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: return 13;
        case SDLK_ESCAPE: return 27;
        default: return 0;
    }
}

}  // namespace glyphora::platform
