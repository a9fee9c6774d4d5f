#pragma once
// A one-line text entry drawn as a text button whose label is the text being
// edited, with a caret while it has the focus.
#include "game/engine/text_button.h"

namespace glyphora {

// The field edits the string it points at (owned by the caller); its label
// is only the picture of that text.
struct TextField : TextButton {
    std::string* text = nullptr;
    char caretChar = '_';
    bool active = false;   // takes characters and presses; set per screen
    bool focused = false;  // takes characters; shows the caret
    int maxLength = 0;
    bool clickFocus = true;  // a press inside focuses it, a press outside or Enter unfocuses it
    BorderWidths unfocusedBorders;
    BorderWidths focusedBorders;
};

// A field over the box (x, y, w, h) with all borders borderWidth wide (both
// border sets) and room for maxLength characters; appended to the button and
// field registries.
void MakeTextField(WidgetRegistry& registry, TextField& field, std::string* text, Font* font, int x, int y, int w,
                   int h, int borderWidth, int maxLength);

// Draws as a text button; a focused field shows its text followed by the
// caret, which never becomes part of the text.
void DrawTextField(Renderer& renderer, const PointerState& pointer, TextField& field);
// Clears the focus of a click-focus field whenever its activity changes.
void SetFieldActive(TextField& field, bool active);
// The borders follow the focus.
void SetFieldFocus(TextField& field, bool focused);

// One typed character for one field: codes 32..125 are appended while the
// text is shorter than maxLength, 8 (Backspace) removes the last character,
// 13 (Enter) unfocuses a click-focus field; anything else is ignored, as is
// every code while the field is inactive or unfocused.
void TypeIntoField(TextField& field, unsigned code);
// A typed character for every registered field, in creation order.
void OnChar(WidgetRegistry& registry, unsigned code);
// A press focuses each active click-focus field under the cursor and
// unfocuses the others.
void FocusFieldsUnderCursor(WidgetRegistry& registry, const PointerState& pointer);

}  // namespace glyphora
