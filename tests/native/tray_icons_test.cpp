// The 22 tray pictures embedded in the program: every band of both sets looks different, so the tray
// always shows both the value and whether illumination is on.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace dorv {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

unsigned Byte(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b.at(at));
}

unsigned U32(const std::string& b, std::size_t at) {
    return Byte(b, at) | Byte(b, at + 1) << 8 | Byte(b, at + 2) << 16 | Byte(b, at + 3) << 24;
}

// The first image of a 16 x 16, 4-bit icon as it shows: 0x00RRGGBB per pixel, ~0u where the mask lets
// the background through. Empty when the file is not such an icon.
std::vector<std::uint32_t> Pixels(const std::string& icon) {
    constexpr unsigned kSide = 16;
    if (icon.size() < 22)
        return {};
    const std::size_t header = U32(icon, 18);
    const std::size_t palette = header + 40;
    const std::size_t colours = palette + 16 * 4;
    const std::size_t mask = colours + kSide * kSide / 2;
    if (icon.size() < mask + kSide * 4 || U32(icon, header + 4) != kSide || Byte(icon, header + 14) != 4)
        return {};
    std::vector<std::uint32_t> pixels;
    for (unsigned row = 0; row < kSide; ++row) {  // bottom-up, as bitmaps are stored
        for (unsigned x = 0; x < kSide; ++x) {
            const unsigned packed = Byte(icon, colours + row * kSide / 2 + x / 2);
            const unsigned index = x % 2 == 0 ? packed >> 4 : packed & 0xF;
            const bool through = (Byte(icon, mask + row * 4 + x / 8) >> (7 - x % 8)) & 1;
            pixels.push_back(through ? ~0u : U32(icon, palette + index * 4) & 0xFFFFFF);
        }
    }
    return pixels;
}

TEST(TrayIcons, AllTwentyTwoPicturesDiffer) {
    std::vector<std::string> names;
    std::vector<std::vector<std::uint32_t>> pictures;
    for (const char* set : {"normal", "lit"}) {
        for (int band = 0; band <= 10; ++band) {
            char name[32];
            std::snprintf(name, sizeof name, "tray_%s_%02d.ico", set, band);
            names.push_back(name);
            pictures.push_back(Pixels(ReadFile(std::string(DORVANIX_ASSETS_DIR "/") + name)));
            ASSERT_FALSE(pictures.back().empty()) << name << " is not a 16 x 16 four-bit icon";
        }
    }
    for (std::size_t i = 0; i < pictures.size(); ++i)
        for (std::size_t j = i + 1; j < pictures.size(); ++j)
            EXPECT_NE(pictures[i], pictures[j]) << names[i] << " looks like " << names[j];
}

}  // namespace
}  // namespace dorv
