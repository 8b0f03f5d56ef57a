#include "encode.h"

#include <fstream>
#include <stdexcept>

namespace artgen {
namespace {

class Writer {
public:
    explicit Writer(Bytes& out) : out_(out) {}
    void U8(unsigned value) { out_.push_back(static_cast<std::uint8_t>(value)); }
    void U16(unsigned value) {
        U8(value & 0xFF);
        U8((value >> 8) & 0xFF);
    }
    void U32(std::uint32_t value) {
        U16(value & 0xFFFF);
        U16(value >> 16);
    }
    void I32(std::int32_t value) { U32(static_cast<std::uint32_t>(value)); }
    void Zeros(std::size_t count) { out_.insert(out_.end(), count, 0); }

private:
    Bytes& out_;
};

std::uint32_t Stride(int width, int bitsPerPixel) {
    return static_cast<std::uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

std::size_t At(int width, int x, int y) {
    return static_cast<std::size_t>(y * width + x);
}

// BITMAPINFOHEADER; an icon image declares twice its height (colour rows, then mask rows).
void InfoHeader(Writer& w, int width, int height, int bitsPerPixel, std::uint32_t imageBytes, int colours) {
    w.U32(40);
    w.I32(width);
    w.I32(height);
    w.U16(1);
    w.U16(static_cast<unsigned>(bitsPerPixel));
    w.U32(0);  // BI_RGB
    w.U32(imageBytes);
    w.I32(2835);  // 72 dpi
    w.I32(2835);
    w.U32(static_cast<std::uint32_t>(colours));
    w.U32(0);
}

void Check(bool ok, const char* what) {
    if (!ok)
        throw std::invalid_argument(what);
}

// AND mask rows bottom-up; a set bit lets the background show.
template <class IsTransparent>
void AndMask(Writer& w, int width, int height, IsTransparent isTransparent) {
    const std::uint32_t stride = Stride(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x)
            if (isTransparent(x, y))
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        for (std::uint8_t byte : row)
            w.U8(byte);
    }
}

Bytes IconData(const IndexedImage& image) {
    const std::size_t count = static_cast<std::size_t>(image.width * image.height);
    Check(image.palette.size() <= 16 && image.indexes.size() == count && image.transparent.size() == count,
          "4-bit icon image: palette or pixel count");
    const std::uint32_t colourStride = Stride(image.width, 4);
    const std::uint32_t maskStride = Stride(image.width, 1);
    const std::uint32_t imageBytes = (colourStride + maskStride) * static_cast<std::uint32_t>(image.height);
    Bytes out;
    Writer w(out);
    InfoHeader(w, image.width, image.height * 2, 4, imageBytes, 16);
    for (std::size_t i = 0; i < 16; ++i) {
        const Rgb8 c = i < image.palette.size() ? image.palette[i] : Rgb8{};
        w.U8(c.b);
        w.U8(c.g);
        w.U8(c.r);
        w.U8(0);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(colourStride, 0);
        for (int x = 0; x < image.width; ++x) {
            const std::size_t i = At(image.width, x, y);
            // A transparent pixel's colour is black so the XOR step leaves the screen unchanged.
            const unsigned index = image.transparent[i] ? 0 : image.indexes[i];
            Check(index < 16, "4-bit icon image: index");
            // The left pixel of each pair sits in the high nibble.
            row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        for (std::uint8_t byte : row)
            w.U8(byte);
    }
    AndMask(w, image.width, image.height,
            [&](int x, int y) { return static_cast<bool>(image.transparent[At(image.width, x, y)]); });
    return out;
}

Bytes IconData(const RgbaImage& image) {
    const std::size_t count = static_cast<std::size_t>(image.width * image.height);
    Check(image.colours.size() == count && image.alphas.size() == count, "32-bit icon image: pixel count");
    const std::uint32_t maskStride = Stride(image.width, 1);
    const std::uint32_t imageBytes = (Stride(image.width, 32) + maskStride) * static_cast<std::uint32_t>(image.height);
    Bytes out;
    Writer w(out);
    InfoHeader(w, image.width, image.height * 2, 32, imageBytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::size_t i = At(image.width, x, y);
            const Rgb8 c = image.alphas[i] == 0 ? Rgb8{} : image.colours[i];
            w.U8(c.b);
            w.U8(c.g);
            w.U8(c.r);
            w.U8(image.alphas[i]);
        }
    }
    AndMask(w, image.width, image.height, [&](int x, int y) { return image.alphas[At(image.width, x, y)] == 0; });
    return out;
}

}  // namespace

Bytes EncodeBmp(const RgbImage& image) {
    Check(image.width > 0 && image.height > 0 &&
              image.pixels.size() == static_cast<std::size_t>(image.width * image.height),
          "bitmap: size");
    const std::uint32_t stride = Stride(image.width, 24);
    const std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(image.height);
    const std::uint32_t offset = 14 + 40;
    Bytes out;
    Writer w(out);
    w.U8('B');
    w.U8('M');
    w.U32(offset + imageBytes);
    w.U32(0);
    w.U32(offset);
    InfoHeader(w, image.width, image.height, 24, imageBytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb8 c = image.pixels[At(image.width, x, y)];
            w.U8(c.b);
            w.U8(c.g);
            w.U8(c.r);
        }
        w.Zeros(stride - static_cast<std::uint32_t>(image.width * 3));
    }
    return out;
}

Bytes EncodeIco(const std::vector<IconImage>& images) {
    Check(!images.empty() && images.size() < 0x10000, "icon: image count");
    std::vector<Bytes> data;
    for (const IconImage& image : images)
        data.push_back(std::visit([](const auto& i) { return IconData(i); }, image));
    Bytes out;
    Writer w(out);
    w.U16(0);
    w.U16(1);  // icon, not cursor
    w.U16(static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const bool indexed = std::holds_alternative<IndexedImage>(images[i]);
        const int width = indexed ? std::get<IndexedImage>(images[i]).width : std::get<RgbaImage>(images[i]).width;
        const int height = indexed ? std::get<IndexedImage>(images[i]).height : std::get<RgbaImage>(images[i]).height;
        Check(width > 0 && width <= 256 && height > 0 && height <= 256, "icon: image size");
        w.U8(static_cast<unsigned>(width % 256));  // 0 stands for 256
        w.U8(static_cast<unsigned>(height % 256));
        w.U8(indexed ? 16 : 0);
        w.U8(0);
        w.U16(1);
        w.U16(indexed ? 4 : 32);
        w.U32(static_cast<std::uint32_t>(data[i].size()));
        w.U32(offset);
        offset += static_cast<std::uint32_t>(data[i].size());
    }
    for (const Bytes& bytes : data)
        out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

RgbImage Flatten(const Canvas& canvas, Rgb8 background) {
    RgbImage image{canvas.Width(), canvas.Height(), {}};
    const Linear back = ToLinear(background);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Pixel& p = canvas.At(x, y);
            image.pixels.push_back(
                ToSrgb({p.r + back.r * (1 - p.a), p.g + back.g * (1 - p.a), p.b + back.b * (1 - p.a)}));
        }
    }
    return image;
}

RgbaImage WithAlpha(const Canvas& canvas) {
    RgbaImage image{canvas.Width(), canvas.Height(), {}, {}};
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            image.colours.push_back(canvas.Colour(x, y));
            image.alphas.push_back(
                static_cast<std::uint8_t>(std::lround(std::clamp(canvas.Alpha(x, y), 0.0f, 1.0f) * 255)));
        }
    }
    return image;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

}  // namespace artgen
