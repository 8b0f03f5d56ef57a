// Checks the BMP and ICO writers against the file layouts Win32 reads. Run by `make assets`
// before the artwork is redrawn: a wrong byte here shows up only as a garbled image under Windows.
#include <cstdio>
#include <string>

#include "../encode.h"
#include "../palette.h"

namespace {

int failures = 0;

void Expect(bool ok, const std::string& what) {
    if (!ok) {
        std::fprintf(stderr, "FAIL: %s\n", what.c_str());
        ++failures;
    }
}

unsigned U16(const artgen::Bytes& b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}

unsigned U32(const artgen::Bytes& b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

void BitmapLayout() {
    // 3 x 2: a row of 9 bytes is padded to 12; the bottom row comes first, blue first in each pixel.
    const artgen::RgbImage image{3, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}}};
    const artgen::Bytes b = artgen::EncodeBmp(image);
    Expect(b.size() == 14 + 40 + 2 * 12, "bitmap file size");
    Expect(b[0] == 'B' && b[1] == 'M', "bitmap signature");
    Expect(U32(b, 2) == b.size(), "bitmap size field");
    Expect(U32(b, 10) == 54, "bitmap pixel offset");
    Expect(U32(b, 14) == 40 && U32(b, 18) == 3 && U32(b, 22) == 2, "bitmap info header size and dimensions");
    Expect(U16(b, 26) == 1 && U16(b, 28) == 24 && U32(b, 30) == 0, "bitmap planes, depth, compression");
    Expect(b[54] == 12 && b[55] == 11 && b[56] == 10, "bitmap bottom-left pixel first, as BGR");
    Expect(b[63] == 0 && b[64] == 0 && b[65] == 0, "bitmap row padding");
    Expect(b[66] == 3 && b[67] == 2 && b[68] == 1, "bitmap top row second");
}

void IconLayout() {
    // 3 x 2, 4-bit: pixel (1, 1) transparent; odd width tests nibble packing and row padding.
    artgen::IndexedImage small{
        3, 2, {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}}, {1, 2, 1, 2, 1, 2}, {false, false, false, false, true, false}};
    artgen::RgbaImage large{2, 2, {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}, {1, 2, 3}}, {255, 128, 0, 255}};
    const artgen::Bytes b = artgen::EncodeIco({small, large});
    Expect(U16(b, 0) == 0 && U16(b, 2) == 1 && U16(b, 4) == 2, "icon directory");
    const std::size_t first = U32(b, 6 + 12);
    const std::size_t second = U32(b, 22 + 12);
    Expect(b[6] == 3 && b[7] == 2 && b[8] == 16 && U16(b, 10) == 1 && U16(b, 12) == 4, "4-bit entry");
    Expect(b[22] == 2 && b[23] == 2 && b[24] == 0 && U16(b, 26) == 1 && U16(b, 28) == 32, "32-bit entry");
    Expect(first == 6 + 2 * 16 && second == first + U32(b, 6 + 8) && second + U32(b, 22 + 8) == b.size(),
           "icon entries tile the file");
    // 4-bit image: header, 16 palette entries, colour rows of 4 bytes, mask rows of 4 bytes.
    Expect(U32(b, first) == 40 && U32(b, first + 8) == 4, "4-bit image declares twice its height");
    Expect(U32(b, 6 + 8) == 40 + 64 + 2 * 4 + 2 * 4, "4-bit image size");
    Expect(b[first + 40 + 4] == 0 && b[first + 40 + 5] == 0 && b[first + 40 + 6] == 255, "palette entry as BGR0");
    const std::size_t colour = first + 40 + 64;
    Expect(b[colour] == 0x20 && b[colour + 1] == 0x20, "bottom row first, left pixel in the high nibble, clear=0");
    Expect(b[colour + 4] == 0x12 && b[colour + 5] == 0x10, "top row");
    const std::size_t mask = colour + 8;
    Expect(b[mask] == 0x40 && b[mask + 4] == 0x00, "AND mask marks the transparent pixel, leftmost bit first");
    // 32-bit image: BGRA rows bottom-up, then the mask from zero alpha.
    Expect(U32(b, second + 8) == 4 && U16(b, second + 14) == 32, "32-bit image header");
    const std::size_t pixels = second + 40;
    Expect(b[pixels] == 0 && b[pixels + 3] == 0, "zero-alpha pixel stored black");
    Expect(b[pixels + 4] == 3 && b[pixels + 5] == 2 && b[pixels + 6] == 1 && b[pixels + 7] == 255,
           "32-bit pixel as BGRA");
    Expect(b[pixels + 8 + 3] == 255 && b[pixels + 12 + 3] == 128, "top row alpha");
    Expect(b[pixels + 16] == 0x80 && b[pixels + 20] == 0x00, "32-bit AND mask");
}

void FewColoursKeptExactly() {
    // Pixel art with fewer than 16 colours must come through the 4-bit reduction unchanged.
    artgen::Canvas canvas(4, 1);
    const artgen::Rgb8 colours[] = {{232, 28, 22}, {255, 236, 230}, {92, 8, 8}};
    for (int x = 0; x < 3; ++x)
        canvas.Put(x, 0, colours[x]);
    const artgen::IndexedImage image = artgen::Quantize16(canvas);
    for (int x = 0; x < 3; ++x)
        Expect(image.palette[image.indexes[static_cast<std::size_t>(x)]] == colours[x] && !image.transparent[x],
               "pixel-art colour " + std::to_string(x));
    Expect(image.transparent[3] && image.indexes[3] == 0, "uncovered pixel transparent");
}

}  // namespace

int main() {
    BitmapLayout();
    IconLayout();
    FewColoursKeptExactly();
    if (failures == 0)
        std::printf("artgen encoders: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
