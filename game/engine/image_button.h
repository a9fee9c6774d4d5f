#pragma once
// Buttons drawn from a sheet region with one picture per state, and toggles
// (check boxes) that add a checked picture and an optional label.
#include <string>

#include "game/engine/button.h"
#include "game/engine/renderer.h"
#include "game/engine/text.h"

namespace glyphora {

// The sprite's region is the normal picture; the hover and pressed pictures
// follow it downwards (vertical) or to the right.
struct ImageButton : Button {
    Sprite sprite;
    int x = 0, y = 0;  // where it is drawn; screens may move it
    bool vertical = true;
};

// State pictures lie side by side on horizontal sheets and below each other
// on vertical ones; the checked pictures are one region further along the
// other axis.
struct ToggleButton : ImageButton {
    bool* checked = nullptr;     // the value the box edits, owned by the caller; none: unchecked, inert
    bool toggleEnabled = false;  // takes presses; set per screen
    std::string label;           // at most kMaxLabel characters; empty: none
    Font* labelFont = nullptr;
    Colour labelColours[3] = {};  // by state
    int labelGap = 0;
    Rect labelRect;

    static constexpr std::size_t kMaxLabel = 49;
};

// Makes the button and appends it to the registry.
void MakeImageButton(WidgetRegistry& registry, ImageButton& button, const Sprite& sprite, int x, int y, bool vertical,
                     StateHandler onStateChange);
// Makes the toggle with its hit and label rectangles and appends it to both
// registries (toggles also count as buttons, without a click handler).
void MakeToggleButton(WidgetRegistry& registry, ToggleButton& toggle, const Sprite& sprite, int x, int y, bool vertical,
                      bool* checked);
void SetToggleLabel(ToggleButton& toggle, const std::string& label, Font* font, Colour colour, int gap);

// Recomputes the rectangle from x and y, updates the state and draws its picture.
void DrawImageButton(Renderer& renderer, const PointerState& pointer, ImageButton& button);
void DrawToggleButton(Renderer& renderer, const PointerState& pointer, ToggleButton& toggle);

// Flips every toggle that takes presses and lies under the cursor.
void FlipTogglesUnderCursor(WidgetRegistry& registry, const PointerState& pointer);

}  // namespace glyphora
