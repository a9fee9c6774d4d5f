#include "game/engine/credit_lines.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "common/elapsed.h"
#include "game/engine/window_size.h"

namespace glyphora {
namespace {

constexpr Colour kFadeStart = 0x00FFFFFF;  // white: a fade-in line comes out of the white page

Rect BoxOf(const CreditLine& line) { return {line.x, line.y, line.x + kWindowWidth, line.y + kWindowHeight}; }

// The next character comes one interval after the last one; the line is
// finished one interval after its last character came.
bool TypeOn(Renderer& renderer, CreditLine& line, int sinceStart) {
    const int length = static_cast<int>(line.text.size());
    bool finished = false;
    if (sinceStart > line.lastCharTime + line.interval) {
        if (line.shownChars + 1 < length) {
            ++line.shownChars;
            line.lastCharTime = sinceStart;
        } else {
            finished = true;
        }
    }
    const auto shown = static_cast<std::size_t>(std::min(line.shownChars + 1, length));
    DrawFontText(renderer, line.font, std::string_view(line.text).substr(0, shown), BoxOf(line), line.format,
                 line.colour);
    return finished;
}

bool FadeIn(Renderer& renderer, CreditLine& line, int sinceStart) {
    const int e = sinceStart - line.delay;
    const float t = e > line.interval ? 1.0f : static_cast<float>(e) / static_cast<float>(line.interval);
    DrawFontText(renderer, line.font, line.text, BoxOf(line), line.format, BlendColours(line.colour, kFadeStart, t));
    return t >= 1.0f;
}

// One frame of one line; true when it has finished.
bool PlayCreditLine(Renderer& renderer, CreditLine& line, int now, int visitStart) {
    if (line.effect == kCreditNoEffect) return true;
    if (!line.started) {
        line.started = true;
        line.startTick = now;
    }
    const int sinceStart = Elapsed(now, line.startTick);
    if (sinceStart <= line.delay || Elapsed(now, visitStart) <= line.pageDelay) return false;
    switch (line.effect) {
        case kCreditTypewriter: return TypeOn(renderer, line, sinceStart);
        case kCreditFadeIn: return FadeIn(renderer, line, sinceStart);
        default: DrawFontText(renderer, line.font, line.text, BoxOf(line), line.format, line.colour); return true;
    }
}

}  // namespace

void LayOutCreditPage(CreditPage& page) {
    auto& lines = page.lines;
    if (lines.empty()) return;
    for (auto line = lines.begin(), next = std::next(line); next != lines.end(); line = next++) {
        const Rect measured = MeasureText(line->font, line->text, BoxOf(*line), line->format | DT_CALCRECT);
        if (next->xAfterPrevious) next->x += measured.right;
        if (next->yBelowPrevious) next->y += measured.bottom;
    }
}

void ResetCreditPage(CreditPage& page) {
    for (CreditLine& line : page.lines) {
        line.started = false;
        line.startTick = 0;
        line.shownChars = 0;
        line.lastCharTime = 0;
    }
}

bool PlayCreditPage(Renderer& renderer, CreditPage& page, int now, int visitStart) {
    bool previousFinished = true;
    bool allFinished = true;
    for (CreditLine& line : page.lines) {
        const bool due = line.delay <= 0 || previousFinished;
        previousFinished = due && PlayCreditLine(renderer, line, now, visitStart);
        allFinished = allFinished && previousFinished;
    }
    return allFinished;
}

}  // namespace glyphora
