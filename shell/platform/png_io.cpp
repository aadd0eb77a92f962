#include "shell/platform/png_io.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace orrery::platform {

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, FileCloser>;

constexpr png_uint_32 kMaxSide = 16384;

// libpng reports errors by longjmp; these functions keep no C++ objects with
// destructors alive between setjmp and the libpng calls that may jump.
bool WriteRows(FILE* f, int width, int height, int colourType, std::vector<png_bytep>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, colourType,
               PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool ReadRows(FILE* f, std::vector<unsigned char>& pixels, std::vector<png_bytep>& rows,
              png_uint_32& width, png_uint_32& height) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_init_io(png, f);
  png_set_user_limits(png, kMaxSide, kMaxSide);
  png_read_info(png, info);
  width = png_get_image_width(png, info);
  height = png_get_image_height(png, info);
  // Normalise every colour type and depth to 8-bit RGB over white.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_color_16 white{0, 255, 255, 255, 255};
  png_set_background(png, &white, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != size_t(width) * 3) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  pixels.resize(size_t(width) * height * 3);
  rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) rows[y] = &pixels[size_t(y) * width * 3];
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

// Writes 8-bit samples, `channels` per pixel (3: RGB, 4: RGBA), row by row,
// through a temporary file renamed into place.
bool WriteSamples(const std::string& path, int width, int height, int channels,
                  std::vector<unsigned char>& bytes) {
  std::vector<png_bytep> rows(height);
  for (int y = 0; y < height; ++y) rows[y] = &bytes[size_t(y) * width * channels];
  const std::string temp = path + ".tmp";
  File f(std::fopen(temp.c_str(), "wb"));
  if (!f) return false;
  const int colourType = channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB;
  const bool ok = WriteRows(f.get(), width, height, colourType, rows) && std::fflush(f.get()) == 0;
  const bool closed = std::fclose(f.release()) == 0;
  if (!ok || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool WritePng(const std::string& path, const Surface& surface) {
  if (surface.Width() == 0 || surface.Height() == 0) return false;
  std::vector<unsigned char> bytes;
  bytes.reserve(size_t(surface.Width()) * surface.Height() * 3);
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      const Colour c = surface.Pixel(x, y);
      bytes.insert(bytes.end(), {c.r, c.g, c.b});
    }
  }
  return WriteSamples(path, surface.Width(), surface.Height(), 3, bytes);
}

bool WritePng(const std::string& path, const Image& image) {
  if (image.Empty()) return false;
  std::vector<unsigned char> bytes;
  bytes.reserve(size_t(image.Width()) * image.Height() * 4);
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      const Colour c = image.Pixel(x, y);
      bytes.insert(bytes.end(), {c.r, c.g, c.b, image.Alpha(x, y)});
    }
  }
  return WriteSamples(path, image.Width(), image.Height(), 4, bytes);
}

std::optional<Surface> ReadPng(const std::string& path) {
  File f(std::fopen(path.c_str(), "rb"));
  if (!f) return std::nullopt;
  std::vector<unsigned char> pixels;
  std::vector<png_bytep> rows;
  png_uint_32 width = 0, height = 0;
  if (!ReadRows(f.get(), pixels, rows, width, height)) return std::nullopt;
  Surface s{int(width), int(height)};
  for (png_uint_32 y = 0; y < height; ++y) {
    for (png_uint_32 x = 0; x < width; ++x) {
      const unsigned char* p = &pixels[(size_t(y) * width + x) * 3];
      s.SetPixel(int(x), int(y), Rgb(p[0], p[1], p[2]));
    }
  }
  return s;
}

}  // namespace orrery::platform
