#pragma once
// A row of segments with a label on the left and the shown number on the
// right. It is set by pressing on a segment and dragging along the bar (it
// lets go on release), or by clicking it active, moving along the bar with
// the button up, and clicking again.
#include <string>

#include "game/engine/pointer_state.h"
#include "game/engine/renderer.h"
#include "game/engine/resources.h"
#include "game/engine/text.h"

namespace glyphora {

struct Slider {
    Sprite segment;  // frame 0 filled; the picture one region to the right empty
    Sprite gap;      // between two segments
    Font* font = nullptr;
    Colour textColour = TextGrey;
    int segmentCount = 5;
    int* value = nullptr;  // the filled segments: the value the slider edits, owned by the caller;
                           // none: empty and inert
    int minValue = 1, maxValue = 10000;
    int offset = -9, step = 10;  // shown number = *value × step + offset
    int x = 0, labelWidth = 0, barWidth = 0, valueWidth = 0;
    int y = 0, height = 0;
    std::string label;              // at most kMaxLabel characters
    std::string unit;               // after the shown number, e.g. "%"
    bool active = false;            // follows the mouse
    bool keyboardFocus = false;     // framed as while active, without following the mouse
    bool changedWhileHeld = false;  // the value changed while the button was held
    Rect wholeRect, labelRect, barRect, segmentsRect;

    static constexpr std::size_t kMaxLabel = 24;
};

// The hit rectangles from the layout fields. The bar reaches over the
// value text; the segments rectangle covers the segments and their gaps.
void LayOutSlider(Slider& slider);
int SliderShownValue(const Slider& slider);

// While active or focused from the keyboard, the selection band's arrows and
// fill frame the slider.
void DrawSlider(Renderer& renderer, Resources& sheets, Slider& slider);
// A press anywhere on the label sets the minimum, on the bar the segment
// under the cursor; a press on a segment also toggles following the mouse
// (and a slider that starts following cancels the window drag of the press).
void SliderMouseDown(Slider& slider, PointerState& pointer);
// While the slider follows the mouse, its value follows the cursor read last.
void SliderMouseMove(Slider& slider, const PointerState& pointer);
// A slider whose value changed while the button was held lets go.
void SliderMouseUp(Slider& slider, PointerState& pointer);
// One segment more or fewer from the keyboard, kept within the values a press
// can give; whether the value changed.
bool StepSlider(Slider& slider, int step);

}  // namespace glyphora
