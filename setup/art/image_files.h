// Writers for the two Windows image formats the launcher's resources need: 24-bit
// bitmaps (the flags) and 32-bit icons with an alpha channel (the program icon).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orrery::art {

// An image of 0xAARRGGBB pixels, row 0 at the top.
struct Image {
    int width;
    int height;
    std::vector<std::uint32_t> pixels;

    Image(int w, int h, std::uint32_t fill) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    std::uint32_t& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// A .bmp file (bottom-up, 24 bits per pixel, no compression); alpha is dropped.
std::vector<std::uint8_t> BitmapFile(const Image& image);

// A .ico file holding the given images (each at most 255 pixels wide and high), 32 bits
// per pixel; pixels with alpha 0 are also set in the AND mask.
std::vector<std::uint8_t> IconFile(const std::vector<Image>& images);

// Writes bytes to a file; false on any failure.
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace orrery::art
