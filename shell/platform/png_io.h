// PNG files of surfaces and images: screenshots, golden images and their
// diffs, the program's icon for the desktop.
#pragma once

#include <optional>
#include <string>

#include "shell/platform/surface.h"

namespace orrery::platform {

// Writes an 8-bit RGB PNG; false (and no file left behind) on any failure.
// The file is written to a temporary name and renamed into place.
bool WritePng(const std::string& path, const Surface& surface);
// The same for an image with its alpha channel, as an 8-bit RGBA PNG.
bool WritePng(const std::string& path, const Image& image);

// Reads a PNG of any colour type and bit depth; alpha is dropped (composited
// over white). Nothing on a missing, truncated or malformed file, or one
// larger than 16384 pixels in either direction.
std::optional<Surface> ReadPng(const std::string& path);

}  // namespace orrery::platform
