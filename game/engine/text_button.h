#pragma once
// A button drawn as a filled box with borders and a label.
#include <string>

#include "game/engine/button.h"
#include "game/engine/text.h"

namespace glyphora {

struct BorderWidths {
    int top = 0, bottom = 0, left = 0, right = 0;
};

enum HorizontalAlignment { AlignLeft = 0, AlignCentre = 1, AlignRight = 2 };
enum VerticalAlignment { AlignTop = 0, AlignMiddle = 1, AlignBottom = 2 };

struct TextButton : Button {
    std::string label;  // at most kMaxLabel characters (text fields: their maxLength)
    Font* font = nullptr;
    int x = 0, y = 0, w = 0, h = 0;
    Colour textColours[3] = {};        // by state
    Colour backgroundColours[3] = {};  // by state
    BorderWidths borders;
    Colour borderColour = 0;
    int horizontalAlignment = AlignCentre;
    int verticalAlignment = AlignMiddle;
    int paddingX = 3, paddingY = 3;
    bool noBackground = false;

    static constexpr std::size_t kMaxLabel = 31;
};

// All four borders borderWidth wide, centred both ways, padding 3 and 3, hit
// rectangle (x, y, x + w, y + h); appended to the registry.
void MakeTextButton(WidgetRegistry& registry, TextButton& button, const std::string& label, Font* font, int x, int y,
                    int w, int h, int borderWidth);

// Background (unless noBackground), the four border strips, then the label
// inside the padding. Bottom alignment puts the label's line at the bottom of
// the padded box, measured with "T".
void DrawTextButton(Renderer& renderer, const PointerState& pointer, TextButton& button);

}  // namespace glyphora
