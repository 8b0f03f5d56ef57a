// The 22 tray pictures embedded in the program: every band of both sets looks different, so the tray
// always shows both the value and whether illumination is on.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "fake_host.h"

namespace dorv {
namespace {

// The first image of a 16 x 16, 4-bit icon file as it shows: 0x00RRGGBB per pixel, ~0u where the mask lets the
// background through. Empty when the file is not such an icon.
std::vector<std::uint32_t> Pixels(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string icon(std::istreambuf_iterator<char>(in), {});
    auto byte = [&](std::size_t at) -> std::uint32_t { return static_cast<unsigned char>(icon.at(at)); };
    auto u32 = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24; };
    if (icon.size() < 22)
        return {};
    const std::size_t header = u32(18), palette = header + 40, colours = palette + 16 * 4, mask = colours + 16 * 8;
    if (icon.size() < mask + 16 * 4 || u32(header + 4) != 16 || byte(header + 14) != 4)
        return {};
    std::vector<std::uint32_t> pixels;
    for (std::size_t at = 0; at < 16 * 16; ++at) {  // rows bottom-up, as bitmaps are stored; two pixels a byte
        const std::uint32_t packed = byte(colours + at / 2);
        const std::uint32_t index = at % 2 == 0 ? packed >> 4 : packed & 0xF;
        const bool through = (byte(mask + at / 16 * 4 + at % 16 / 8) >> (7 - at % 8)) & 1;
        pixels.push_back(through ? ~0u : u32(palette + index * 4) & 0xFFFFFF);
    }
    return pixels;
}

TEST(TrayIcons, AllTwentyTwoPicturesDiffer) {
    std::map<std::vector<std::uint32_t>, std::string> seen;
    for (const char* set : {"normal", "lit"}) {
        for (int band = 0; band <= 10; ++band) {
            const std::string name = test::Printed("tray_%s_%02d.ico", set, band);
            const std::vector<std::uint32_t> picture = Pixels(DORVANIX_ASSETS_DIR "/" + name);
            ASSERT_FALSE(picture.empty()) << name << " is not a 16 x 16 four-bit icon";
            const auto [first, fresh] = seen.emplace(picture, name);
            EXPECT_TRUE(fresh) << name << " looks like " << first->second;
        }
    }
}

}  // namespace
}  // namespace dorv
