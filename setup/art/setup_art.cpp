// Draws the launcher's artwork and writes it as resource files into the folder given
// as the only argument: the program icon (16 and 32 pixels) and four flags, two beside
// each language button (United Kingdom and United States for English, Germany and
// Austria for German).
#include <cmath>
#include <cstdio>
#include <string>

#include "setup/art/image_files.h"

namespace {

using orrery::art::Image;

constexpr int kFlagWidth = 24;
constexpr int kFlagHeight = 16;
constexpr std::uint32_t kFlagBorder = 0xFF404040;

// Distance of a pixel centre from the line through (x0, y0) and (x1, y1).
double DistanceFromLine(int x, int y, double x0, double y0, double x1, double y1) {
    const double px = x + 0.5 - x0;
    const double py = y + 0.5 - y0;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    return std::fabs(px * dy - py * dx) / std::hypot(dx, dy);
}

void Frame(Image& image) {
    for (int x = 0; x < image.width; ++x) {
        image.At(x, 0) = image.At(x, image.height - 1) = kFlagBorder;
    }
    for (int y = 0; y < image.height; ++y) {
        image.At(0, y) = image.At(image.width - 1, y) = kFlagBorder;
    }
}

// Three equal horizontal bands.
Image TriBand(std::uint32_t top, std::uint32_t middle, std::uint32_t bottom) {
    Image flag(kFlagWidth, kFlagHeight, 0);
    const std::uint32_t bands[3] = {top, middle, bottom};
    for (int y = 0; y < flag.height; ++y) {
        for (int x = 0; x < flag.width; ++x) {
            flag.At(x, y) = bands[y * 3 / flag.height];
        }
    }
    Frame(flag);
    return flag;
}

Image UnitedKingdom() {
    constexpr std::uint32_t blue = 0xFF012169, white = 0xFFFFFFFF, red = 0xFFC8102E;
    Image flag(kFlagWidth, kFlagHeight, blue);
    const double w = flag.width, h = flag.height, cx = w / 2, cy = h / 2;
    for (int y = 0; y < flag.height; ++y) {
        for (int x = 0; x < flag.width; ++x) {
            const double diagonal = std::fmin(DistanceFromLine(x, y, 0, 0, w, h),
                                               DistanceFromLine(x, y, 0, h, w, 0));
            const double cross = std::fmin(std::fabs(x + 0.5 - cx), std::fabs(y + 0.5 - cy));
            std::uint32_t& pixel = flag.At(x, y);
            if (diagonal < 2.2) pixel = white;
            if (diagonal < 0.9) pixel = red;
            if (cross < 3.0) pixel = white;
            if (cross < 2.0) pixel = red;
        }
    }
    Frame(flag);
    return flag;
}

Image UnitedStates() {
    constexpr std::uint32_t blue = 0xFF3C3B6E, white = 0xFFFFFFFF, red = 0xFFB22234;
    Image flag(kFlagWidth, kFlagHeight, white);
    const int cantonWidth = flag.width * 2 / 5 + 1;
    const int cantonHeight = (7 * flag.height + 12) / 13;
    for (int y = 0; y < flag.height; ++y) {
        for (int x = 0; x < flag.width; ++x) {
            const bool redStripe = (y * 13 / flag.height) % 2 == 0;
            if (x < cantonWidth && y < cantonHeight) {
                // Stars: single white dots in a staggered grid inside the canton.
                const bool inside = x >= 2 && y >= 2 && x < cantonWidth - 1 && y < cantonHeight - 1;
                const bool star = inside && x % 2 == 0 && y % 2 == 0 && (x + y) / 2 % 2 == 0;
                flag.At(x, y) = star ? white : blue;
            } else {
                flag.At(x, y) = redStripe ? red : white;
            }
        }
    }
    Frame(flag);
    return flag;
}

// The program icon: a small orrery, a sun with one planet on its orbit against a
// round night sky.
Image ProgramIcon(int size) {
    constexpr std::uint32_t sky = 0xFF10204A, rim = 0xFF5070B0, orbit = 0xFFB0B8C8;
    constexpr std::uint32_t sun = 0xFFFFC820, planet = 0xFF60C0FF;
    Image icon(size, size, 0x00000000);
    const double c = size / 2.0, s = size / 32.0;
    const double planetX = c + 10.0 * s * std::cos(-0.8), planetY = c + 10.0 * s * std::sin(-0.8);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double r = std::hypot(x + 0.5 - c, y + 0.5 - c);
            const double p = std::hypot(x + 0.5 - planetX, y + 0.5 - planetY);
            std::uint32_t& pixel = icon.At(x, y);
            if (r > 15.5 * s) continue;
            pixel = r > 14.0 * s ? rim : sky;
            if (std::fabs(r - 10.0 * s) < 0.6 * std::fmax(s, 1.0)) pixel = orbit;
            if (r < 4.5 * s) pixel = sun;
            if (p < 2.6 * s) pixel = planet;
        }
    }
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    using orrery::art::BitmapFile;
    using orrery::art::IconFile;
    using orrery::art::WriteFile;
    const std::string folder = argv[1];
    const bool written =
        WriteFile(folder + "/setup.ico", IconFile({ProgramIcon(32), ProgramIcon(16)})) &&
        WriteFile(folder + "/flag_united_kingdom.bmp", BitmapFile(UnitedKingdom())) &&
        WriteFile(folder + "/flag_united_states.bmp", BitmapFile(UnitedStates())) &&
        WriteFile(folder + "/flag_germany.bmp",
                  BitmapFile(TriBand(0xFF000000, 0xFFDD0000, 0xFFFFCE00))) &&
        WriteFile(folder + "/flag_austria.bmp",
                  BitmapFile(TriBand(0xFFC8102E, 0xFFFFFFFF, 0xFFC8102E)));
    if (!written) {
        std::fprintf(stderr, "setup-art: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
