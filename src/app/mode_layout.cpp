#include "app/mode_layout.h"

#include "app/meter_app.h"
#include "render/dial_surface.h"

namespace dorv {
namespace {

struct ModeLayout {
    int label1Left, label1Top, label2Left, label2Top;
    const char* caption;
    bool persistentDrawing;
};

// Indexed by MeterMode.
constexpr ModeLayout kModeLayouts[] = {
    {56, 69, 56, 75, "Mem.", true},
    {56, 69, 56, 75, "VMem.", true},
    {56, 69, 56, 75, "CPU", false},
    {30, 60, 40, 65, "Clock", true},
};

}  // namespace

void ApplyModeLayout(MeterApp& app, int mode) {
    if (mode < MeterMode::Mem || mode > MeterMode::Clock)
        return;
    const ModeLayout& layout = kModeLayouts[mode];
    app.meter.Label1.left = layout.label1Left;
    app.meter.Label1.top = layout.label1Top;
    app.meter.Label2.left = layout.label2Left;
    app.meter.Label2.top = layout.label2Top;
    app.meter.Label2.text = layout.caption;
    RefreshLabels(app);
    SetPersistentDrawing(app, layout.persistentDrawing);
}

}  // namespace dorv
