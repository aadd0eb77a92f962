// Screenshots compared pixel for pixel with committed golden PNGs. A
// mismatch writes the screenshot and a diff image (differing pixels red over
// a faded copy of the expected one) to the output folder and names them.
// With ORRERY_REGENERATE_GOLDENS=1 the screenshot becomes the golden.
#pragma once

#include <filesystem>
#include <string>

#include "shell/platform/surface.h"

namespace orrery::testing {

// ORRERY_REGENERATE_GOLDENS=1: the goldens are being rewritten.
bool RegeneratingGoldens();

// Compares the picture with goldenDir/name (or writes it there when
// regenerating); failures are added to the running test.
void ExpectMatchesGolden(const platform::Surface& picture, const std::filesystem::path& goldenDir,
                         const std::string& name, const std::filesystem::path& outputDir);

}  // namespace orrery::testing
