// One texture sheet being painted: painters draw the frames of the regions of
// the shared table, each clipped to its frame, and the canvas keeps track of
// which regions were painted.
#pragma once

#include <cairo.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "game/engine/sheet_regions.h"
#include "tools/artgen/image.h"

namespace glyphora::artgen {

// Draws frame `index` (the index-th used frame of the region) with the origin
// at the frame's top-left corner; drawing outside the frame is clipped away.
using FramePainter = std::function<void(cairo_t* cr, regions::Frame frame, int index)>;

class SheetCanvas {
public:
    explicit SheetCanvas(regions::Sheet sheet);

    regions::Sheet sheet() const { return sheet_; }
    const regions::SheetInfo& info() const { return regions::InfoOf(sheet_); }
    const Image& image() const { return image_; }

    void Paint(const regions::Region& region, const FramePainter& painter);

    // Regions of this sheet that nothing painted (a region named twice for one
    // picture counts as painted with its twin).
    std::vector<std::string> Unpainted() const;
    // Makes the one-pixel lines shared by neighbouring regions fully transparent.
    void ClearSharedLines();

private:
    regions::Sheet sheet_;
    Image image_;
    std::set<std::string> painted_;
};

// Overlaps of the table that break the layout rule, as readable lines.
std::vector<std::string> LayoutViolations();
// The allowed one-pixel overlaps, as readable lines.
std::vector<std::string> SharedLineReport();

}  // namespace glyphora::artgen
