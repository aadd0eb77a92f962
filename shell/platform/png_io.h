// PNG files of surfaces: screenshots, golden images and their diffs.
#pragma once

#include <optional>
#include <string>

#include "shell/platform/surface.h"

namespace orrery::platform {

// Writes an 8-bit RGB PNG; false (and no file left behind) on any failure.
// The file is written to a temporary name and renamed into place.
bool WritePng(const std::string& path, const Surface& surface);

// Reads a PNG of any colour type and bit depth; alpha is dropped (composited
// over white). Nothing on a missing, truncated or malformed file, or one
// larger than 16384 pixels in either direction.
std::optional<Surface> ReadPng(const std::string& path);

}  // namespace orrery::platform
