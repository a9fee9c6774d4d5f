// glyphora-artgen OUTDIR
//
// Paints Splash.png, Shapes.png, Design1.png, Design2.png, Design3.png and
// icon.png into OUTDIR, plus one contact sheet per sheet (contact-NAME.png:
// the sheet with every region outlined and named) for review. The screens
// themselves are pictured by the tour from the running game. Exits non-zero
// when the region table breaks the layout rule, a region is left unpainted, a
// label does not fit, or a file cannot be written.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "tools/artgen/contact_sheet.h"
#include "tools/artgen/painters.h"

namespace {

using namespace glyphora::artgen;
namespace regions = glyphora::regions;

const char* BaseName(const regions::SheetInfo& info) {
    const char* slash = std::strrchr(info.file, '/');
    return slash ? slash + 1 : info.file;
}

void PaintAll(Canvases& canvases, Studio& studio) {
    PaintItemShapes(canvases, studio);
    PaintGlyphs(canvases, studio);
    PaintHud(canvases, studio);
    PaintWidgets(canvases, studio);
    PaintMenuFrame(canvases, studio);
    PaintPreviews(canvases, studio);
    PaintCharacters(canvases, studio);
    PaintSplash(canvases, studio);
}

void Finish(Canvases& canvases, Studio& studio) {
    for (const regions::SheetInfo& info : regions::kSheets) {
        SheetCanvas& canvas = canvases.Of(info.sheet);
        for (const std::string& name : canvas.Unpainted()) studio.Problem("region " + name + " is not painted");
        canvas.ClearSharedLines();
    }
}

bool Write(const Image& image, const std::filesystem::path& path) {
    if (image.WritePng(path.string())) return true;
    std::fprintf(stderr, "artgen: cannot write %s\n", path.string().c_str());
    return false;
}

bool WriteAll(const Canvases& canvases, const Studio& studio, const std::string& outDir) {
    const std::filesystem::path out = outDir;
    bool ok = Write(PaintIcon(studio, 64), out / "icon.png");
    for (const regions::SheetInfo& info : regions::kSheets) {
        const Image& image = canvases.Of(info.sheet).image();
        ok = Write(image, out / BaseName(info)) && ok;
        ok = Write(ContactSheet(image, info.sheet, studio), out / (std::string("contact-") + BaseName(info))) && ok;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || std::strncmp(argv[1], "--", 2) == 0) {
        std::fprintf(stderr, "usage: glyphora-artgen OUTDIR\n");
        return 2;
    }
    const std::string outDir = argv[1];
    for (const std::string& violation : LayoutViolations())
        std::fprintf(stderr, "artgen: regions overlap: %s\n", violation.c_str());
    if (!LayoutViolations().empty()) return 1;

    Studio studio;
    Canvases canvases;
    PaintAll(canvases, studio);
    Finish(canvases, studio);
    for (const std::string& problem : studio.problems()) std::fprintf(stderr, "artgen: %s\n", problem.c_str());

    // The pictures are written even when a problem was found, so that it can be looked at.
    std::error_code error;
    std::filesystem::create_directories(outDir, error);
    const bool written = WriteAll(canvases, studio, outDir);
    return written && studio.problems().empty() ? 0 : 1;
}
