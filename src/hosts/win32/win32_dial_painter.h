#pragma once
// What the dial window shows, composed off screen: face, drawing layer, lamp and labels.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/dial_drawing.h"
#include "platform/dial_scale.h"
#include "win32_handles.h"

namespace dorv {

// Owns every GDI object of the dial's picture.
class DialPainter {
public:
    DialPainter() = default;
    DialPainter(const DialPainter&) = delete;
    DialPainter& operator=(const DialPainter&) = delete;

    // Where the artwork comes from; nothing is drawn before the first scale.
    void Create(HINSTANCE instance) { instance_ = instance; }
    // Loads the artwork made for the dial's dpi and a fresh drawing layer showing the face alone.
    void SetScale(int dpi);

    void Clear();
    // The colour as the settings hold it (red + 256 * green + 65536 * blue); bits above those are ignored.
    void Line(float x1, float y1, float x2, float y2, std::int32_t colour);
    void SetPenWidth(int pixels) { penWidth_ = pixels > 0 ? pixels : 1; }
    void SetPersistent(bool on) { persistent_ = on; }
    void SetFace(DialFace face);
    void SetLamp(bool visible) { lampVisible_ = visible; }
    void SetLabel(DialLabelId label, const LabelView& view);

    // Paints the whole dial onto the target in one copy.
    void Paint(HDC target);

private:
    void LoadFace();
    void CopyFaceInto(HDC dc) const;
    void PaintLamp(HDC dc) const;

    HINSTANCE instance_ = nullptr;
    DialScale scale_;
    int size_ = 0;       // the side in device pixels
    int faceScale_ = 0;  // which of the drawn scales the face comes from
    int faceSide_ = 0;   // of the loaded face, which is stretched only when no size was drawn for this scale
    // Only the face shown is decoded: the others and the other scales stay in the exe's resources.
    GdiObject<HBITMAP> faceImage_;
    IconOwner lamp_;
    GdiObject<HFONT> readoutFont_;  // asks the Japanese character set, the Western one if that lacks digits
    GdiObject<HFONT> modeFont_;     // the Western one
    // The face with the lines drawn since the last clear. Released in reverse: selection, DC, bitmap.
    GdiObject<HBITMAP> layer_;
    MemoryDc layerDc_;
    std::unique_ptr<SelectedObject> layerSelection_;

    DialFace face_ = DialFace::Meter;
    int penWidth_ = 1;
    bool persistent_ = true;
    bool linesSincePaint_ = false;  // without persistence only a paint that follows drawing shows it
    bool lampVisible_ = false;
    std::array<LabelView, 2> labels_{};
};

}  // namespace dorv
