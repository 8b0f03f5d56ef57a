#include "palette.h"

#include <array>
#include <map>

namespace artgen {
namespace {

struct Weighted {
    std::array<int, 3> c{};
    int count = 0;
};

Rgb8 ToRgb8(const std::array<int, 3>& c) {
    return {static_cast<std::uint8_t>(c[0]), static_cast<std::uint8_t>(c[1]), static_cast<std::uint8_t>(c[2])};
}

// Green weighs most, blue least, roughly as the eye sees differences.
int Distance(Rgb8 a, Rgb8 b) {
    const int dr = a.r - b.r;
    const int dg = a.g - b.g;
    const int db = a.b - b.b;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::array<double, 3> Mean(const std::vector<Weighted>& colours) {
    std::array<double, 3> sum{};
    double total = 0;
    for (const Weighted& w : colours) {
        for (int k = 0; k < 3; ++k)
            sum[static_cast<std::size_t>(k)] += static_cast<double>(w.c[static_cast<std::size_t>(k)]) * w.count;
        total += w.count;
    }
    for (double& s : sum)
        s = total > 0 ? s / total : 0;
    return sum;
}

// Median cut: split the box with the widest channel range, so small but distinct details
// (a red needle on grey) keep a colour of their own.
std::vector<Rgb8> MedianCut(std::vector<Weighted> colours, std::size_t wanted) {
    std::vector<std::vector<Weighted>> boxes{std::move(colours)};
    while (boxes.size() < wanted) {
        std::size_t best = 0;
        int bestRange = 0;
        int bestChannel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2)
                continue;
            for (std::size_t k = 0; k < 3; ++k) {
                int lo = 255;
                int hi = 0;
                for (const Weighted& w : boxes[i]) {
                    lo = std::min(lo, w.c[k]);
                    hi = std::max(hi, w.c[k]);
                }
                if (hi - lo > bestRange) {
                    bestRange = hi - lo;
                    best = i;
                    bestChannel = static_cast<int>(k);
                }
            }
        }
        if (bestRange == 0)
            break;
        std::vector<Weighted>& box = boxes[best];
        const std::size_t k = static_cast<std::size_t>(bestChannel);
        std::sort(box.begin(), box.end(), [k](const Weighted& a, const Weighted& b) { return a.c[k] < b.c[k]; });
        int total = 0;
        for (const Weighted& w : box)
            total += w.count;
        std::size_t cut = 1;
        for (int seen = box.front().count; cut + 1 < box.size() && seen * 2 < total; ++cut)
            seen += box[cut].count;
        std::vector<Weighted> upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<Rgb8> palette;
    for (const auto& box : boxes) {
        const std::array<double, 3> m = Mean(box);
        palette.push_back(ToRgb8({static_cast<int>(std::lround(m[0])), static_cast<int>(std::lround(m[1])),
                                  static_cast<int>(std::lround(m[2]))}));
    }
    return palette;
}

std::size_t Nearest(const std::vector<Rgb8>& palette, Rgb8 colour) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette.size(); ++i)
        if (Distance(palette[i], colour) < Distance(palette[best], colour))
            best = i;
    return best;
}

}  // namespace

IndexedImage Quantize16(const Canvas& canvas) {
    IndexedImage image{canvas.Width(), canvas.Height(), {}, {}, {}};
    std::map<std::array<int, 3>, int> counts;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const bool clear = canvas.Alpha(x, y) < 0.5f;
            image.transparent.push_back(clear);
            if (!clear) {
                const Rgb8 c = canvas.Colour(x, y);
                ++counts[{c.r, c.g, c.b}];
            }
        }
    }
    std::vector<Weighted> colours;
    for (const auto& [c, n] : counts)
        if (c != std::array<int, 3>{0, 0, 0})
            colours.push_back({c, n});
    image.palette.push_back({});
    if (colours.size() <= 15) {
        for (const Weighted& w : colours)
            image.palette.push_back(ToRgb8(w.c));
    } else {
        std::vector<Rgb8> chosen = MedianCut(colours, 15);
        // A few rounds of k-means pull each entry to the middle of the pixels it stands for.
        for (int round = 0; round < 6; ++round) {
            std::vector<std::vector<Weighted>> groups(chosen.size());
            for (const Weighted& w : colours)
                groups[Nearest(chosen, ToRgb8(w.c))].push_back(w);
            for (std::size_t i = 0; i < chosen.size(); ++i) {
                if (groups[i].empty())
                    continue;
                const std::array<double, 3> m = Mean(groups[i]);
                chosen[i] = ToRgb8({static_cast<int>(std::lround(m[0])), static_cast<int>(std::lround(m[1])),
                                    static_cast<int>(std::lround(m[2]))});
            }
        }
        image.palette.insert(image.palette.end(), chosen.begin(), chosen.end());
    }
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const std::size_t i = static_cast<std::size_t>(y * canvas.Width() + x);
            image.indexes.push_back(
                image.transparent[i] ? 0 : static_cast<std::uint8_t>(Nearest(image.palette, canvas.Colour(x, y))));
        }
    }
    return image;
}

}  // namespace artgen
