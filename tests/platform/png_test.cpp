// PNG files: round trip through libpng and refusal of broken files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "shell/platform/png_io.h"

namespace orrery::platform {
namespace {

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() / ("orrery_png_" + name)).string();
}

Surface Pattern() {
  Surface s(37, 23);
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x) s.SetPixel(x, y, Rgb(x * 7, y * 11, (x ^ y) * 5));
  return s;
}

TEST(Png, WrittenPixelsReadBackUnchanged) {
  const std::string path = TempPath("roundtrip.png");
  const Surface s = Pattern();
  ASSERT_TRUE(WritePng(path, s));
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  const auto back = ReadPng(path);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, s);
  std::filesystem::remove(path);
}

TEST(Png, MissingTruncatedAndForeignFilesGiveNothing) {
  EXPECT_FALSE(ReadPng(TempPath("does_not_exist.png")));
  const std::string path = TempPath("broken.png");
  ASSERT_TRUE(WritePng(path, Pattern()));
  const auto size = std::filesystem::file_size(path);
  for (auto keep : {size_t(0), size_t(8), size_t(40), size_t(size / 2), size_t(size - 12)}) {
    std::filesystem::resize_file(path, keep);
    EXPECT_FALSE(ReadPng(path)) << keep;
    ASSERT_TRUE(WritePng(path, Pattern()));
  }
  std::ofstream(path, std::ios::binary | std::ios::trunc) << "not a picture at all";
  EXPECT_FALSE(ReadPng(path));
  std::filesystem::remove(path);
}

TEST(Png, UnwritablePlacesFailCleanly) {
  EXPECT_FALSE(WritePng("/nonexistent-dir/x.png", Pattern()));
  EXPECT_FALSE(WritePng(TempPath("empty.png"), Surface()));
}

}  // namespace
}  // namespace orrery::platform
