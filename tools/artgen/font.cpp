#include "font.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace artgen {

const Glyph* PixelFont::Find(char ch) const {
    for (const Glyph& glyph : glyphs)
        if (glyph.ch == ch)
            return &glyph;
    return nullptr;
}

namespace {

// Ragged glyph tables are a drawing mistake; catch them before they shift the text.
PixelFont Checked(PixelFont font) {
    for (const Glyph& glyph : font.glyphs) {
        if (static_cast<int>(glyph.rows.size()) != font.height)
            throw std::logic_error(std::string("glyph height: ") + glyph.ch);
        for (std::string_view row : glyph.rows)
            if (static_cast<int>(row.size()) != glyph.Width())
                throw std::logic_error(std::string("glyph width: ") + glyph.ch);
    }
    return font;
}

// A sheet lists the glyphs side by side, one blank-separated picture each, '#' set and '.' clear.
PixelFont FromSheet(std::string_view characters, const std::vector<std::string_view>& sheet) {
    PixelFont font;
    font.height = static_cast<int>(sheet.size());
    for (char ch : characters)
        font.glyphs.push_back({ch, {}});
    for (std::string_view line : sheet) {
        std::size_t glyph = 0;
        for (std::size_t at = 0; at < line.size();) {
            const std::size_t end = std::min(line.find(' ', at), line.size());
            if (end > at) {
                if (glyph >= font.glyphs.size())
                    throw std::logic_error("font sheet: more pictures than characters");
                font.glyphs[glyph++].rows.push_back(line.substr(at, end - at));
            }
            at = end + 1;
        }
    }
    return Checked(font);
}

}  // namespace

const PixelFont& FigureFont() {
    // clang-format off
    static const PixelFont font = FromSheet("0123456789", {
        ".##. .#. .##. ###. ..## #### .##. #### .##. .##.",
        "#..# ##. #..# ...# .#.# #... #... ...# #..# #..#",
        "#..# .#. ...# .##. #..# ###. ###. ..#. .##. #..#",
        "#..# .#. ..#. ...# #### ...# #..# ..#. #..# .###",
        "#..# .#. .#.. ...# ...# ...# #..# .#.. #..# ...#",
        ".##. ### #### ###. ...# ###. .##. .#.. .##. .##.",
    });
    // clang-format on
    return font;
}

const PixelFont& TinyFont() {
    // '*' is the multiplication sign; lowercase sits on the capitals' baseline, 'p' hangs below it.
    // clang-format off
    static const PixelFont font = FromSheet("01*rpmAGINRW", {
        "### .#. ... ... ... ..... .#. .## ### #..# ##. #...#",
        "#.# ##. #.# ... ... ..... #.# #.. .#. ##.# #.# #...#",
        "#.# .#. .#. #.# ##. ####. ### #.# .#. #.## ##. #.#.#",
        "#.# .#. #.# ##. #.# #.#.# #.# #.# .#. #..# #.# #.#.#",
        "### ### ... #.. ##. #.#.# #.# .## ### #..# #.# .#.#.",
        "... ... ... ... #.. ..... ... ... ... .... ... .....",
    });
    // clang-format on
    return font;
}

int TextWidth(const PixelFont& font, std::string_view text) {
    int width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph* glyph = font.Find(text[i]);
        width += glyph ? glyph->Width() : 3;
        if (i + 1 < text.size())
            width += font.spacing;
    }
    return width;
}

void DrawText(Canvas& canvas, const PixelFont& font, int x, int y, std::string_view text, Rgb8 colour) {
    for (char ch : text) {
        const Glyph* glyph = font.Find(ch);
        if (!glyph) {
            x += 3 + font.spacing;
            continue;
        }
        for (int row = 0; row < font.height; ++row)
            for (int col = 0; col < glyph->Width(); ++col)
                if (glyph->rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#')
                    canvas.Put(x + col, y + row, colour);
        x += glyph->Width() + font.spacing;
    }
}

void DrawScaledText(Canvas& canvas,
                    const PixelFont& font,
                    int x,
                    int y,
                    std::string_view text,
                    Rgb8 colour,
                    double scale) {
    if (scale == 1.0) {
        DrawText(canvas, font, x, y, text, colour);
        return;
    }
    double left = x;
    for (char ch : text) {
        const Glyph* glyph = font.Find(ch);
        if (!glyph) {
            left += (3 + font.spacing) * scale;
            continue;
        }
        const Glyph& g = *glyph;
        const Box box{left, static_cast<double>(y), left + g.Width() * scale, y + font.height * scale};
        FillShape(
            canvas, box,
            [&g, box, scale](double px, double py) {
                const auto col = static_cast<int>(std::floor((px - box.x0) / scale));
                const auto row = static_cast<int>(std::floor((py - box.y0) / scale));
                if (px < box.x0 || py < box.y0 || col >= g.Width() || row >= static_cast<int>(g.rows.size()))
                    return false;
                return g.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] == '#';
            },
            colour);
        left += (g.Width() + font.spacing) * scale;
    }
}

}  // namespace artgen
