#include "game/engine/text_field.h"

namespace glyphora {

void MakeTextField(WidgetRegistry& registry, TextField& field, std::string* text, Font* font, int x, int y, int w,
                   int h, int borderWidth, int maxLength) {
    field = TextField{};
    MakeTextButton(registry, field, "", font, x, y, w, h, borderWidth);
    field.text = text;
    field.maxLength = maxLength;
    field.unfocusedBorders = field.borders;
    field.focusedBorders = field.borders;
    // Room for the longest text and the caret, so drawing never allocates.
    field.label.reserve(static_cast<std::size_t>(maxLength) + 1);
    registry.fields.push_back(&field);
}

// The label takes the text within its reserved room, so drawing never
// allocates; a text longer than the field shows its first maxLength bytes.
void DrawTextField(Renderer& renderer, const PointerState& pointer, TextField& field) {
    if (field.text) field.label.assign(*field.text, 0, static_cast<std::size_t>(field.maxLength));
    if (field.focused) field.label.push_back(field.caretChar);
    DrawTextButton(renderer, pointer, field);
}

void SetFieldActive(TextField& field, bool active) {
    field.active = active;
    if (field.clickFocus) SetFieldFocus(field, false);
}

void SetFieldFocus(TextField& field, bool focused) {
    field.focused = focused;
    field.borders = focused ? field.focusedBorders : field.unfocusedBorders;
}

void TypeIntoField(TextField& field, unsigned code) {
    if (!field.text || !field.active || !field.focused) return;
    std::string& text = *field.text;
    if (code >= 32 && code <= 125) {
        if (text.size() < static_cast<std::size_t>(field.maxLength)) text.push_back(char(code));
    } else if (code == 8) {
        if (!text.empty()) text.pop_back();
    } else if (code == 13) {
        if (field.clickFocus) SetFieldFocus(field, false);
    }
}

void OnChar(WidgetRegistry& registry, unsigned code) {
    for (TextField* field : registry.fields) TypeIntoField(*field, code);
}

void FocusFieldsUnderCursor(WidgetRegistry& registry, const PointerState& pointer) {
    for (TextField* field : registry.fields) {
        if (field->active && field->clickFocus) SetFieldFocus(*field, field->rect.contains(pointer.cursorClient));
    }
}

}  // namespace glyphora
