// RAII owners for the cairo objects that artgen creates.
#pragma once

#include <cairo.h>

#include <memory>

namespace glyphora::artgen {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
    void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct PatternRelease {
    void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
struct FontFaceRelease {
    void operator()(cairo_font_face_t* face) const { cairo_font_face_destroy(face); }
};
struct PathRelease {
    void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
};

using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using ContextPtr = std::unique_ptr<cairo_t, ContextRelease>;
using PatternPtr = std::unique_ptr<cairo_pattern_t, PatternRelease>;
using FontFacePtr = std::unique_ptr<cairo_font_face_t, FontFaceRelease>;
using PathPtr = std::unique_ptr<cairo_path_t, PathRelease>;

// cairo_save / cairo_restore around a scope.
class SavedState {
public:
    explicit SavedState(cairo_t* cr) : cr_(cr) { cairo_save(cr_); }
    ~SavedState() { cairo_restore(cr_); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

private:
    cairo_t* cr_;
};

}  // namespace glyphora::artgen
