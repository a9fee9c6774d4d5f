#pragma once
// PNG pictures in memory: decoding, encoding, the colour key and resampling.
// Plain functions over platform::Image, shared by the device and the tools.
#include <string>

#include "platform/platform.h"

namespace glyphora::platform {

// Decodes a PNG file into ARGB. False, with out emptied, for a missing,
// truncated, corrupt or absurdly large file; never reads past what the file
// holds.
bool LoadPng(const std::string& path, Image& out);

// Encodes the picture as a PNG file with alpha. False when it cannot be written.
bool SavePng(const std::string& path, const Image& image);

// Every pixel exactly equal to key becomes transparent black (0x00000000).
void ApplyColourKey(Image& image, Colour key);

// The picture resampled to width x height with a tent filter (a box average
// when shrinking, linear interpolation when enlarging), channel by channel.
Image Resample(const Image& image, int width, int height);

}  // namespace glyphora::platform
