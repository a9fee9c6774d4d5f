#include "tools/artgen/sheet_canvas.h"

#include "tools/artgen/cairo_handles.h"

namespace glyphora::artgen {
namespace {

std::string Describe(const regions::Region& a, const regions::Region& b, regions::PixelRect shared) {
    return std::string(a.name) + " / " + b.name + ": " + std::to_string(shared.w) + " x " + std::to_string(shared.h) +
           " at (" + std::to_string(shared.x) + ", " + std::to_string(shared.y) + ")";
}

}  // namespace

SheetCanvas::SheetCanvas(regions::Sheet sheet)
    : sheet_(sheet), image_(regions::InfoOf(sheet).width, regions::InfoOf(sheet).height) {}

void SheetCanvas::Paint(const regions::Region& region, const FramePainter& painter) {
    ContextPtr cr = image_.NewContext();
    for (int i = 0; i < regions::FrameCount(region); ++i) {
        const regions::Frame frame = regions::NthFrame(region, i);
        const regions::PixelRect rect = regions::FrameRect(region, frame.u, frame.v);
        SavedState saved(cr.get());
        cairo_rectangle(cr.get(), rect.x, rect.y, rect.w, rect.h);
        cairo_clip(cr.get());
        cairo_translate(cr.get(), rect.x, rect.y);
        painter(cr.get(), frame, i);
    }
    painted_.insert(region.name);
}

std::vector<std::string> SheetCanvas::Unpainted() const {
    std::vector<std::string> missing;
    for (const regions::Region& region : regions::kAllRegions) {
        if (region.sheet != sheet_ || painted_.count(region.name)) continue;
        bool twinPainted = false;
        for (const regions::Region& other : regions::kAllRegions) {
            if (painted_.count(other.name) && regions::PairListed(regions::kSamePicture, region, other))
                twinPainted = true;
        }
        if (!twinPainted) missing.push_back(region.name);
    }
    return missing;
}

void SheetCanvas::ClearSharedLines() {
    regions::ForEachOverlap([&](const regions::Region& a, const regions::Region& b, regions::PixelRect shared) {
        if (a.sheet == sheet_ && regions::PairListed(regions::kSharedLines, a, b))
            image_.Clear(shared.x, shared.y, shared.w, shared.h);
    });
}

std::vector<std::string> LayoutViolations() {
    std::vector<std::string> violations;
    regions::ForEachOverlap([&](const regions::Region& a, const regions::Region& b, regions::PixelRect shared) {
        if (!regions::OverlapAllowed(a, b, shared)) violations.push_back(Describe(a, b, shared));
    });
    return violations;
}

std::vector<std::string> SharedLineReport() {
    std::vector<std::string> lines;
    regions::ForEachOverlap([&](const regions::Region& a, const regions::Region& b, regions::PixelRect shared) {
        if (regions::PairListed(regions::kSharedLines, a, b)) lines.push_back(Describe(a, b, shared));
    });
    return lines;
}

}  // namespace glyphora::artgen
