#include "tools/artgen/painters.h"
namespace glyphora::artgen {
void PaintWidgets(Canvases&, Studio&) {}
void PaintMenuFrame(Canvases&, Studio&) {}
void PaintPreviews(Canvases&, Studio&) {}
void PaintCharacters(Canvases&, Studio&) {}
void PaintSplash(Canvases&, Studio&) {}
Image PaintIcon(const Studio&, int size) { return Image(size, size); }
}
