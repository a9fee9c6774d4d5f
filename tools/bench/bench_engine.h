#pragma once
// The presentation engine's measurements.

namespace glyphora::bench {

// The play screen's texts drawn per frame: layout and quads, and what the
// software renderer then spends on them.
void MeasureText();
// A whole start to the first frame after loading, and LoadAllResources alone.
void MeasureStartUp();

}  // namespace glyphora::bench
