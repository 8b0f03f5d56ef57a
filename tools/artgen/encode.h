#pragma once
// BMP and ICO writers for the images Win32 loads from the program's resources.
#include <cstdint>
#include <filesystem>
#include <variant>
#include <vector>

#include "canvas.h"

namespace artgen {

using Bytes = std::vector<std::uint8_t>;

// Rows top to bottom in every image type below.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> pixels;
};

struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> colours;
    std::vector<std::uint8_t> alphas;
};

// Up to 16 colours; a transparent pixel shows through the icon's AND mask.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<Rgb8> palette;
    std::vector<std::uint8_t> indexes;
    std::vector<bool> transparent;
};

using IconImage = std::variant<IndexedImage, RgbaImage>;

// 24-bit, bottom-up, rows padded to 4 bytes.
Bytes EncodeBmp(const RgbImage& image);
// One ICO file: 4-bit images with a 16-entry palette, 32-bit images with alpha; each with an AND mask.
Bytes EncodeIco(const std::vector<IconImage>& images);

// The canvas composited over a solid background.
RgbImage Flatten(const Canvas& canvas, Rgb8 background);
RgbaImage WithAlpha(const Canvas& canvas);

void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace artgen
