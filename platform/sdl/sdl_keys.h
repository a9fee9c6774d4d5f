#pragma once
// Translation of SDL key symbols into Windows virtual-key codes. The symbol
// is passed as a plain integer (SDL_Keycode) so that tests need no SDL.
#include <cstdint>

namespace glyphora::platform {

// The virtual-key code of an SDL key symbol, or 0 for a key the game does not
// know.
int VirtualKeyFromSdlSymbol(std::int32_t sym);

// The character that Windows would post as WM_CHAR for a key that SDL never
// reports as text: 8 Backspace, 9 Tab, 13 Enter (both Enter keys), 27 Esc;
// 0 for every other key.
int SynthesisedCharFromSdlSymbol(std::int32_t sym);

}  // namespace glyphora::platform
