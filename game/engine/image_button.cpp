#include "game/engine/image_button.h"

namespace glyphora {
namespace {

Rect SpriteRect(const Sprite& sprite, int x, int y) { return MakeRect(x, y, sprite.srcW, sprite.srcH); }

void LayOutLabel(ToggleButton& toggle) {
    const int left = toggle.x + toggle.sprite.srcW + toggle.labelGap;
    toggle.labelRect = {left, toggle.y, left + 500, toggle.y + toggle.sprite.srcH};
}

}  // namespace

void MakeImageButton(WidgetRegistry& registry, ImageButton& button, const Sprite& sprite, int x, int y, bool vertical,
                     StateHandler onStateChange) {
    button = ImageButton{};
    button.sprite = sprite;
    button.x = x;
    button.y = y;
    button.vertical = vertical;
    button.onStateChange = onStateChange;
    button.rect = SpriteRect(sprite, x, y);
    RegisterButton(registry, button);
}

void MakeToggleButton(WidgetRegistry& registry, ToggleButton& toggle, const Sprite& sprite, int x, int y, bool vertical,
                      bool* checked) {
    toggle = ToggleButton{};
    MakeImageButton(registry, toggle, sprite, x, y, vertical, nullptr);
    toggle.checked = checked;
    LayOutLabel(toggle);
    registry.toggles.push_back(&toggle);
}

void SetToggleLabel(ToggleButton& toggle, const std::string& label, Font* font, Colour colour, int gap) {
    toggle.label = label.substr(0, ToggleButton::kMaxLabel);
    toggle.labelFont = font;
    for (Colour& c : toggle.labelColours) c = colour;
    toggle.labelGap = gap;
    LayOutLabel(toggle);
}

void DrawImageButton(Renderer& renderer, const PointerState& pointer, ImageButton& button) {
    button.rect = SpriteRect(button.sprite, button.x, button.y);
    UpdateButtonState(pointer, button);
    const int along = StateIndex(button);
    DrawSprite(renderer, button.sprite, float(button.x), float(button.y), button.vertical ? 0 : along,
               button.vertical ? along : 0);
}

void DrawToggleButton(Renderer& renderer, const PointerState& pointer, ToggleButton& toggle) {
    UpdateButtonState(pointer, toggle);
    const int checked = toggle.checked && *toggle.checked ? 1 : 0;
    const int state = StateIndex(toggle);
    const int frameU = toggle.vertical ? checked : state;
    const int frameV = toggle.vertical ? state : checked;
    DrawSprite(renderer, toggle.sprite, float(toggle.x), float(toggle.y), frameU, frameV);
    if (!toggle.label.empty() && toggle.labelFont)
        DrawFontText(renderer, *toggle.labelFont, toggle.label, toggle.labelRect, DT_VCENTER,
                     toggle.labelColours[state]);
}

void FlipTogglesUnderCursor(WidgetRegistry& registry, const PointerState& pointer) {
    for (ToggleButton* toggle : registry.toggles) {
        if (toggle->checked && toggle->toggleEnabled && toggle->rect.contains(pointer.cursorClient))
            *toggle->checked = !*toggle->checked;
    }
}

}  // namespace glyphora
