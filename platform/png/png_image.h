#pragma once
// PNG pictures in memory: decoding, encoding, the colour key and resampling.
// Plain functions over platform::Image, shared by the device and the tools.
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace glyphora::platform {

// Decodes a PNG file into ARGB. False, with out emptied, for a missing,
// truncated, corrupt or absurdly large file; never reads past what the file
// holds.
bool LoadPng(const std::string& path, Image& out);
// The same from a PNG file's bytes in memory.
bool DecodePng(std::string_view bytes, Image& out);

// What a device's loadTexture makes of a picture file: read in its form
// (swapped back in memory), decoded, keyed and resampled as the Device
// contract says. False when the file is missing or not a PNG.
bool LoadPictureFile(const std::string& path, FileForm form, Size requested, Colour colourKey, Image& out);

// Encodes the picture as a PNG file with alpha. False when it cannot be written.
bool SavePng(const std::string& path, const Image& image);

// Every pixel exactly equal to key becomes transparent black (0x00000000).
void ApplyColourKey(Image& image, Colour key);

// The picture resampled to width x height with a tent filter (a box average
// when shrinking, linear interpolation when enlarging), channel by channel.
Image Resample(const Image& image, int width, int height);

}  // namespace glyphora::platform
