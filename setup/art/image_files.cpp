#include "setup/art/image_files.h"

#include <fstream>

namespace orrery::art {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

constexpr std::uint32_t kInfoHeaderSize = 40;

// BITMAPINFOHEADER without compression.
void PutInfoHeader(std::vector<std::uint8_t>& out, int width, int height, int bitCount,
                   std::uint32_t imageSize) {
    Put32(out, kInfoHeaderSize);
    Put32(out, std::uint32_t(width));
    Put32(out, std::uint32_t(height));
    Put16(out, 1);  // planes
    Put16(out, std::uint32_t(bitCount));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 0);  // horizontal and vertical resolution: not given
    Put32(out, 0);
    Put32(out, 0);  // colours used and important: all
    Put32(out, 0);
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
std::uint32_t RowBytes(int width, int bitCount) {
    return std::uint32_t((width * bitCount + 31) / 32 * 4);
}

void PutBgr(std::vector<std::uint8_t>& out, std::uint32_t argb) {
    out.push_back(std::uint8_t(argb));
    out.push_back(std::uint8_t(argb >> 8));
    out.push_back(std::uint8_t(argb >> 16));
}

// One icon image: header (double height: colour rows, then mask rows), BGRA rows and
// the AND mask, both bottom-up.
std::vector<std::uint8_t> IconImage(const Image& image) {
    const std::uint32_t colourSize = RowBytes(image.width, 32) * image.height;
    const std::uint32_t maskRow = RowBytes(image.width, 1);
    std::vector<std::uint8_t> out;
    PutInfoHeader(out, image.width, image.height * 2, 32, colourSize + maskRow * image.height);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            Put32(out, image.At(x, y));
        }
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(maskRow, 0);
        for (int x = 0; x < image.width; ++x) {
            if ((image.At(x, y) >> 24) == 0) {
                row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

}  // namespace

std::vector<std::uint8_t> BitmapFile(const Image& image) {
    constexpr std::uint32_t kFileHeaderSize = 14;
    const std::uint32_t rowBytes = RowBytes(image.width, 24);
    const std::uint32_t imageSize = rowBytes * image.height;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, kFileHeaderSize + kInfoHeaderSize + imageSize);
    Put32(out, 0);  // reserved
    Put32(out, kFileHeaderSize + kInfoHeaderSize);
    PutInfoHeader(out, image.width, image.height, 24, imageSize);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            PutBgr(out, image.At(x, y));
        }
        out.resize(out.size() + rowBytes - std::uint32_t(image.width) * 3, 0);
    }
    return out;
}

std::vector<std::uint8_t> IconFile(const std::vector<Image>& images) {
    constexpr std::uint32_t kDirectorySize = 6;
    constexpr std::uint32_t kEntrySize = 16;
    std::vector<std::uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // icon
    Put16(out, std::uint32_t(images.size()));
    std::vector<std::vector<std::uint8_t>> bodies;
    std::uint32_t offset = kDirectorySize + kEntrySize * std::uint32_t(images.size());
    for (const Image& image : images) {
        bodies.push_back(IconImage(image));
        out.push_back(std::uint8_t(image.width));
        out.push_back(std::uint8_t(image.height));
        out.push_back(0);  // no palette
        out.push_back(0);  // reserved
        Put16(out, 1);     // planes
        Put16(out, 32);    // bits per pixel
        Put32(out, std::uint32_t(bodies.back().size()));
        Put32(out, offset);
        offset += std::uint32_t(bodies.back().size());
    }
    for (const auto& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(file.flush());
}

}  // namespace orrery::art
