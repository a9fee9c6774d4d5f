#pragma once
// The two drawing paths side by side on the same scenes: the busiest play
// scene and the main menu with nothing moving.

namespace glyphora::bench {

// Median whole frames (the game's work, drawing and present, unpaced) on the
// CPU device and on SDL's software renderer, and the CPU device's share of
// pixels drawn again and handed to the window. only ("cpu" or "sdl") and
// scene ("play" or "menu"), when not null, measure that path or scene alone.
void MeasurePaths(int frames, const char* only = nullptr, const char* scene = nullptr);

// Draws the busiest play scene and the main menu on both paths on the
// display SDL finds (on an X server the SDL path is its accelerated
// renderer), writes each as OUTDIR/<scene>-<path>.png and prints how far the
// CPU device's pixels are from the other path's. False when they are farther
// apart than sampling differences explain.
bool ComparePictures(const char* outputFolder);

}  // namespace glyphora::bench
