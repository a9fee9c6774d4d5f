#include "game/engine/text_button.h"

namespace glyphora {
namespace {

void FillStrip(Renderer& renderer, int x, int y, int w, int h, Colour colour) {
    if (w > 0 && h > 0) FillRect(renderer, MakeRect(x, y, w, h), colour);
}

void DrawBorders(Renderer& renderer, const TextButton& b) {
    const BorderWidths& border = b.borders;
    FillStrip(renderer, b.x, b.y, border.left, b.h, b.borderColour);
    FillStrip(renderer, b.x + b.w - border.right, b.y, border.right, b.h, b.borderColour);
    FillStrip(renderer, b.x, b.y, b.w, border.top, b.borderColour);
    FillStrip(renderer, b.x, b.y + b.h - border.bottom, b.w, border.bottom, b.borderColour);
}

int AlignmentFlags(const TextButton& b) {
    int flags = DT_LEFT;
    if (b.verticalAlignment == AlignMiddle) flags |= DT_VCENTER;
    if (b.horizontalAlignment == AlignCentre) flags |= DT_CENTER;
    else if (b.horizontalAlignment == AlignRight) flags |= DT_RIGHT;
    return flags;
}

}  // namespace

void MakeTextButton(WidgetRegistry& registry, TextButton& button, const std::string& label, Font* font, int x, int y,
                    int w, int h, int borderWidth) {
    button = TextButton{};
    button.label = label.substr(0, TextButton::kMaxLabel);
    button.font = font;
    button.x = x, button.y = y, button.w = w, button.h = h;
    button.borders = {borderWidth, borderWidth, borderWidth, borderWidth};
    button.rect = MakeRect(x, y, w, h);
    RegisterButton(registry, button);
}

void DrawTextButton(Renderer& renderer, const PointerState& pointer, TextButton& button) {
    UpdateButtonState(pointer, button);
    const int state = StateIndex(button);
    if (!button.noBackground) FillRect(renderer, button.rect, button.backgroundColours[state]);
    DrawBorders(renderer, button);
    if (!button.font) return;
    Rect text{button.x + button.paddingX, button.y + button.paddingY, button.x + button.w - button.paddingX,
              button.y + button.h - button.paddingY};
    if (button.verticalAlignment == AlignBottom) {
        const Rect line = MeasureText(*button.font, "T", text, DT_CALCRECT);
        text.top = text.bottom - (line.bottom - line.top);
    }
    DrawFontText(renderer, *button.font, button.label, text, AlignmentFlags(button), button.textColours[state]);
}

}  // namespace glyphora
