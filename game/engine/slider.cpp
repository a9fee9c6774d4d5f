#include "game/engine/slider.h"

#include <algorithm>
#include <cstdio>

#include "game/engine/pointer.h"
#include "game/engine/selection_band.h"

namespace glyphora {
namespace {

int FilledSegments(const Slider& s) { return s.value ? *s.value : 0; }

int SegmentPitch(const Slider& s) { return std::max(1, s.segment.srcW + s.gap.srcW); }
int CentreOffset(const Slider& s) { return (s.height - s.segment.srcH) / 2; }

void DrawActiveFrame(Renderer& renderer, Resources& sheets, const Slider& s) {
    const int top = s.y - (kSelectionBandHeight - s.height) / 2;
    DrawSelectionArrow(renderer, sheets, s.x - 15, top, false);
    DrawSelectionArrow(renderer, sheets, s.wholeRect.right + 15, top, true);
    FillRect(renderer, {s.x - 4, top, s.wholeRect.right + 15, top + kSelectionBandHeight}, kSelectionBandColour);
}

void DrawSegments(Renderer& renderer, Slider& s) {
    const float top = float(s.y + CentreOffset(s));
    const int left = s.x + s.labelWidth;
    for (int i = 0; i < s.segmentCount; ++i) {
        DrawSprite(renderer, s.segment, float(left + i * SegmentPitch(s)), top, i < FilledSegments(s) ? 0 : 1);
        if (i + 1 < s.segmentCount)
            DrawSprite(renderer, s.gap, float(left + (i + 1) * s.segment.srcW + i * s.gap.srcW), top);
    }
}

// The value step shared by presses and moves.
void TakeValueFromCursor(Slider& s, const PointerState& pointer) {
    LayOutSlider(s);
    if (!s.value) return;
    const platform::Point cursor = pointer.cursorClient;
    int& value = *s.value;
    const int old = value;
    if (s.labelRect.contains(cursor)) value = 0;
    if (s.barRect.contains(cursor)) value = (cursor.x - s.barRect.left) / SegmentPitch(s) + 1;
    value = std::min(value, s.segmentCount);
    value = std::max(value, s.minValue);
    value = std::min(value, s.maxValue);
    if (value != old && s.active) s.changedWhileHeld = pointer.mouseDown;
}

}  // namespace

void LayOutSlider(Slider& s) {
    const int barLeft = s.x + s.labelWidth, top = s.y + CentreOffset(s);
    s.wholeRect = {s.x, s.y, barLeft + s.barWidth + s.valueWidth, s.y + s.height};
    s.labelRect = {s.x, s.y, barLeft, s.y + s.segment.srcH};
    s.barRect = {barLeft, top, barLeft + s.barWidth + s.valueWidth, top + s.segment.srcH};
    s.segmentsRect = {barLeft, top, barLeft + s.segmentCount * SegmentPitch(s), top + s.segment.srcH};
}

int SliderShownValue(const Slider& s) { return FilledSegments(s) * s.step + s.offset; }

void DrawSlider(Renderer& renderer, Resources& sheets, Slider& s) {
    LayOutSlider(s);
    if (s.active || s.keyboardFocus) DrawActiveFrame(renderer, sheets, s);
    if (s.font)
        DrawFontText(renderer, *s.font, s.label, {s.x, s.y, s.x + s.labelWidth, s.y + s.height}, DT_VCENTER,
                     s.textColour);
    DrawSegments(renderer, s);
    if (!s.font) return;
    char shown[48];
    std::snprintf(shown, sizeof shown, "%d%s", SliderShownValue(s), s.unit.c_str());
    const int left = s.x + s.labelWidth + s.barWidth;
    DrawFontText(renderer, *s.font, shown, {left, s.y, left + s.valueWidth, s.y + s.height}, DT_VCENTER, s.textColour);
}

void SliderMouseDown(Slider& s, PointerState& pointer) {
    TakeValueFromCursor(s, pointer);
    const bool wasActive = s.active;
    s.active = s.segmentsRect.contains(pointer.cursorClient) ? !s.active : false;
    s.changedWhileHeld = false;
    if (s.active && !wasActive) pointer.dragging = false;
}

void SliderMouseMove(Slider& s, const PointerState& pointer) {
    if (s.active) TakeValueFromCursor(s, pointer);
}

bool StepSlider(Slider& s, int step) {
    if (!s.value) return false;
    const int old = *s.value;
    const int highest = std::min(s.segmentCount, s.maxValue);
    *s.value = std::clamp(old + step, std::min(s.minValue, highest), highest);
    return *s.value != old;
}

void SliderMouseUp(Slider& s, PointerState& pointer) {
    if (!s.changedWhileHeld) return;
    s.active = false;
    pointer.dragAnchor = pointer.cursorScreen;
}

}  // namespace glyphora
