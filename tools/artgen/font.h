#pragma once
// Hand-made pixel fonts, drawn crisp (no smoothing) so tiny text stays legible.
#include <string_view>
#include <vector>

#include "canvas.h"

namespace artgen {

struct Glyph {
    char ch = 0;
    // Rows top to bottom, '#' set and '.' clear; every row of a glyph has the same width.
    std::vector<std::string_view> rows;
    int Width() const { return rows.empty() ? 0 : static_cast<int>(rows.front().size()); }
};

struct PixelFont {
    std::vector<Glyph> glyphs;
    int height = 0;   // rows in every glyph
    int spacing = 1;  // blank columns between glyphs
    const Glyph* Find(char ch) const;
};

// 4 x 6 figures for the dial scales.
const PixelFont& FigureFont();
// 3 x 5 capitals and digits, 3-row lowercase with one row of descender, and a multiplication sign (*).
const PixelFont& TinyFont();

int TextWidth(const PixelFont& font, std::string_view text);
// Top-left corner at pixel (x, y). Characters the font lacks are skipped with a glyph-wide gap.
void DrawText(Canvas& canvas, const PixelFont& font, int x, int y, std::string_view text, Rgb8 colour);
// The same at `scale` times the size: each font pixel becomes a square of that side, crisp at whole
// scales and evenly softened between them; scale 1 is DrawText.
void DrawScaledText(Canvas& canvas,
                    const PixelFont& font,
                    int x,
                    int y,
                    std::string_view text,
                    Rgb8 colour,
                    double scale);

}  // namespace artgen
