#include "golden_compare.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "shell/platform/png_io.h"

namespace orrery::testing {

namespace {

namespace fs = std::filesystem;
using platform::Surface;

// Differing pixels red over a faded copy of the expected image; the number
// of differing pixels.
int Diff(const Surface& expected, const Surface& actual, Surface& diff) {
  diff = Surface(expected.Width(), expected.Height());
  int differing = 0;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      const platform::Colour e = expected.Pixel(x, y);
      if (e != actual.Pixel(x, y)) {
        ++differing;
        diff.SetPixel(x, y, platform::Rgb(255, 0, 0));
      } else {
        diff.SetPixel(x, y, platform::Blend(e, platform::kWhite, 190));
      }
    }
  }
  return differing;
}

}  // namespace

bool RegeneratingGoldens() {
  const char* v = std::getenv("ORRERY_REGENERATE_GOLDENS");
  return v && std::string(v) == "1";
}

void ExpectMatchesGolden(const Surface& picture, const fs::path& goldenDir, const std::string& name,
                         const fs::path& outputDir) {
  const fs::path golden = goldenDir / name;
  if (RegeneratingGoldens()) {
    EXPECT_TRUE(platform::WritePng(golden.string(), picture)) << golden;
    return;
  }
  const std::optional<Surface> expected = platform::ReadPng(golden.string());
  ASSERT_TRUE(expected) << "missing golden " << golden;
  ASSERT_EQ(expected->Width(), picture.Width()) << name;
  ASSERT_EQ(expected->Height(), picture.Height()) << name;
  Surface diff;
  const int differing = Diff(*expected, picture, diff);
  if (differing == 0) return;
  fs::create_directories(outputDir);
  const fs::path actualPath = outputDir / name;
  const fs::path diffPath = outputDir / (golden.stem().string() + ".diff.png");
  platform::WritePng(actualPath.string(), picture);
  platform::WritePng(diffPath.string(), diff);
  ADD_FAILURE() << name << ": " << differing << " pixels differ; screenshot " << actualPath
                << ", diff " << diffPath;
}

}  // namespace orrery::testing
