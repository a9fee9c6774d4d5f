#include "game/engine/text_field.h"


namespace glyphora {

void MakeTextField(WidgetRegistry& registry, TextField& field, Font* font, int x, int y, int w, int h,
                   int borderWidth, int maxLength) {
    field = TextField{};
    MakeTextButton(registry, field, "", font, x, y, w, h, borderWidth);
    field.maxLength = maxLength;
    field.unfocusedBorders = field.borders;
    field.focusedBorders = field.borders;
    // Room for the longest text and the caret, so drawing never allocates.
    field.label.reserve(static_cast<std::size_t>(maxLength) + 1);
    registry.fields.push_back(&field);
}

void DrawTextField(Renderer& renderer, const PointerState& pointer, TextField& field) {
    if (!field.focused) {
        DrawTextButton(renderer, pointer, field);
        return;
    }
    field.label.push_back(field.caretChar);
    DrawTextButton(renderer, pointer, field);
    field.label.pop_back();
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
    if (!field.active || !field.focused) return;
    if (code >= 32 && code <= 125) {
        if (field.label.size() < static_cast<std::size_t>(field.maxLength)) field.label.push_back(char(code));
    } else if (code == 8) {
        if (!field.label.empty()) field.label.pop_back();
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
