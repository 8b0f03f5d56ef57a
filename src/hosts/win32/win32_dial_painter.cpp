#include "win32_dial_painter.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "resource_ids.h"
#include "win32_text.h"

namespace dorv {
namespace {

// In design pixels.
constexpr int kLampLeft = 52;  // 785 x 900 twips from the window's corner
constexpr int kLampTop = 60;
constexpr int kLampSize = 6;

// Every character a readout or the digital time can show, the comma of some decimal symbols included.
constexpr wchar_t kReadoutCharacters[] = L"0123456789.,%:";

// A setting's colour as GDI takes it: only red, green and blue. A high byte would make GDI read the
// value as a palette index or palette-relative colour and draw something else.
COLORREF ToColorRef(std::int32_t colour) {
    return static_cast<COLORREF>(colour) & 0x00FFFFFFu;
}

// The scales the faces were drawn for, in the order of their resource ids.
constexpr double kFaceScales[IDB_FACE_SCALES] = {1.0, 1.25, 1.5, 1.75, 2.0};

int NearestFaceScale(double factor) {
    int best = 0;
    for (int k = 1; k < IDB_FACE_SCALES; ++k)
        if (std::abs(kFaceScales[k] - factor) < std::abs(kFaceScales[best] - factor))
            best = k;
    return best;
}

GdiObject<HFONT> CreateLabelFont(BYTE charset, int dpi) {
    return GdiObject<HFONT>(CreateFontW(-MulDiv(6, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                        DEFAULT_PITCH | FF_SWISS, L"Small Fonts"));
}

// Whether the font the mapper chose draws every readout character, not a box in its place.
bool DrawsReadout(HFONT font) {
    const MemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return true;  // nothing to test with: keep the font asked for
    const SelectedObject selected(dc.get(), font);
    constexpr int count = static_cast<int>(std::size(kReadoutCharacters)) - 1;
    WORD glyphs[count]{};
    const bool all = GetGlyphIndicesW(dc.get(), kReadoutCharacters, count, glyphs, GGI_MARK_NONEXISTING_GLYPHS) ==
                         static_cast<DWORD>(count) &&
                     std::none_of(std::begin(glyphs), std::end(glyphs), [](WORD g) { return g == 0xFFFF; });
    return all;
}

// The readout asks for the Japanese character set; where the mapper answers that with a font without Latin
// digits (a CJK-only fallback), the Western set is asked instead, so the value never shows as boxes.
GdiObject<HFONT> CreateReadoutFont(int dpi) {
    GdiObject<HFONT> font = CreateLabelFont(SHIFTJIS_CHARSET, dpi);
    if (font && DrawsReadout(font.get()))
        return font;
    return CreateLabelFont(ANSI_CHARSET, dpi);
}

void PaintLabel(HDC dc, const LabelView& label, HFONT font) {
    if (!label.visible || label.text.empty())
        return;
    const SelectedObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(label.colour));
    RECT box{label.left, label.top, label.left + label.width, label.top + label.height};
    const std::wstring text = Widen(label.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box,
              DT_LEFT | DT_TOP | DT_NOPREFIX | DT_SINGLELINE | DT_NOCLIP);
}

// A plain dark disc, for a program built without its artwork.
void PaintPlainFace(HDC dc, int size) {
    RECT all{0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const GdiObject<HBRUSH> disc(CreateSolidBrush(RGB(28, 28, 32)));
    const GdiObject<HPEN> bezel(CreatePen(PS_SOLID, std::max(3, size * 3 / 100), RGB(96, 96, 104)));
    const SelectedObject brush(dc, disc.get());
    const SelectedObject pen(dc, bezel.get());
    Ellipse(dc, 1, 1, size - 1, size - 1);
}

int ToPixel(float coordinate) {
    return static_cast<int>(std::lround(coordinate));
}

}  // namespace

void DialPainter::SetScale(int dpi) {
    // The old layer's selection goes before its DC, the DC before its bitmap.
    layerSelection_.reset();
    layerDc_.reset();
    layer_.reset();
    scale_.dpi = dpi;
    size_ = scale_.Pixels(100);
    faceScale_ = NearestFaceScale(scale_.Factor());
    faceSide_ = static_cast<int>(std::lround(100 * kFaceScales[faceScale_]));
    LoadFace();
    // The icon holds one image per scale's lamp size; the system picks the exact one.
    const int lampSize = scale_.Pixels(kLampSize);
    lamp_.reset(static_cast<HICON>(
        LoadImageW(instance_, MAKEINTRESOURCEW(IDI_WARNING_LAMP), IMAGE_ICON, lampSize, lampSize, 0)));
    readoutFont_ = CreateReadoutFont(dpi);
    modeFont_ = CreateLabelFont(ANSI_CHARSET, dpi);
    const WindowDc screen;
    layer_.reset(CreateCompatibleBitmap(screen.get(), size_, size_));
    layerDc_.reset(CreateCompatibleDC(screen.get()));
    layerSelection_ = std::make_unique<SelectedObject>(layerDc_.get(), layer_.get());
    CopyFaceInto(layerDc_.get());
    linesSincePaint_ = false;
}

void DialPainter::LoadFace() {
    constexpr int faceIds[] = {IDB_FACE_METER, IDB_FACE_METER_LIT, IDB_FACE_CLOCK, IDB_FACE_CLOCK_LIT};
    const int id = faceIds[static_cast<std::size_t>(face_)] + IDB_FACE_SCALE_STEP * faceScale_;
    faceImage_.reset(
        static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

void DialPainter::CopyFaceInto(HDC dc) const {
    HBITMAP face = faceImage_.get();
    if (!face) {
        PaintPlainFace(dc, size_);
        return;
    }
    const MemoryDc faceDc(CreateCompatibleDC(dc));
    const SelectedObject selected(faceDc.get(), face);
    if (faceSide_ == size_) {
        BitBlt(dc, 0, 0, size_, size_, faceDc.get(), 0, 0, SRCCOPY);
    } else {
        // A scale no face was drawn for (say 110 or 250 %): the nearest one, smoothly resized.
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, 0, 0, size_, size_, faceDc.get(), 0, 0, faceSide_, faceSide_, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    }
}

void DialPainter::Clear() {
    if (!layerDc_)
        return;
    CopyFaceInto(layerDc_.get());
    linesSincePaint_ = false;
}

void DialPainter::Line(float x1, float y1, float x2, float y2, std::int32_t setting) {
    if (!layerDc_)
        return;
    const COLORREF colour = ToColorRef(setting);
    HDC layer = layerDc_.get();
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, penWidth_, colour));
    const SelectedObject selected(layer, pen.get());
    MoveToEx(layer, ToPixel(x1), ToPixel(y1), nullptr);
    LineTo(layer, ToPixel(x2), ToPixel(y2));
    // The system leaves out a thin line's last point; the dial's lines include it.
    if (penWidth_ == 1)
        SetPixel(layer, ToPixel(x2), ToPixel(y2), colour);
    linesSincePaint_ = true;
}

// A new face replaces whatever was drawn over the old one.
void DialPainter::SetFace(DialFace face) {
    const bool changed = face != face_;
    face_ = face;
    if (!layerDc_)
        return;  // the first scale loads it
    if (changed)
        LoadFace();
    CopyFaceInto(layerDc_.get());
    linesSincePaint_ = false;
}

void DialPainter::SetLabel(DialLabelId label, const LabelView& view) {
    labels_[label == DialLabelId::Readout ? 0 : 1] = view;
}

// The lamp icon, or a plain red dot in a build without the artwork, so a warning is never lost.
void DialPainter::PaintLamp(HDC dc) const {
    const int left = scale_.Pixels(kLampLeft);
    const int top = scale_.Pixels(kLampTop);
    const int size = scale_.Pixels(kLampSize);
    if (lamp_) {
        DrawIconEx(dc, left, top, lamp_.get(), size, size, 0, nullptr, DI_NORMAL);
        return;
    }
    const GdiObject<HBRUSH> red(CreateSolidBrush(RGB(230, 20, 20)));
    const SelectedObject brush(dc, red.get());
    const SelectedObject pen(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, left, top, left + size + 1, top + size + 1);
}

void DialPainter::Paint(HDC target) {
    if (!layerDc_)
        return;
    const GdiObject<HBITMAP> image(CreateCompatibleBitmap(target, size_, size_));
    const MemoryDc memoryDc(CreateCompatibleDC(target));
    HDC memory = memoryDc.get();
    const SelectedObject selected(memory, image.get());
    // Without persistence the lines live on screen only: a repaint of its own shows the face alone.
    if (persistent_ || linesSincePaint_)
        BitBlt(memory, 0, 0, size_, size_, layerDc_.get(), 0, 0, SRCCOPY);
    else
        CopyFaceInto(memory);
    if (!persistent_ && linesSincePaint_) {
        CopyFaceInto(layerDc_.get());
        linesSincePaint_ = false;
    }
    if (lampVisible_)
        PaintLamp(memory);
    PaintLabel(memory, labels_[0], readoutFont_.get());
    PaintLabel(memory, labels_[1], modeFont_.get());
    BitBlt(target, 0, 0, size_, size_, memory, 0, 0, SRCCOPY);
}

}  // namespace dorv
