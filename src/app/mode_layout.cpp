#include "app/mode_layout.h"

#include <iterator>

#include "app/meter_app.h"
#include "app/meter_timers.h"
#include "render/dial_surface.h"

namespace dorv {
namespace {

struct ModeProfile {
    int mode;
    int readoutLeft, readoutTop, modeLeft, modeTop;
    const char* caption;
    bool persistentDrawing;
    bool clearsDrawing;  // Cpu draws straight to the screen: start from the bare face
    bool hidesLamp;      // the clock has no warning lamp
    DialFace face, litFace;
    bool clockTick;  // the sample timer at kClockTickMs instead of Watch_time
};

constexpr int kClockTickMs = 200;

constexpr ModeProfile kModes[] = {
    {MeterMode::Mem, 56, 69, 56, 75, "Mem.", true, false, false, DialFace::Meter, DialFace::MeterLit, false},
    {MeterMode::VMem, 56, 69, 56, 75, "VMem.", true, false, false, DialFace::Meter, DialFace::MeterLit, false},
    {MeterMode::Cpu, 56, 69, 56, 75, "CPU", false, true, false, DialFace::Meter, DialFace::MeterLit, false},
    {MeterMode::Clock, 30, 60, 40, 65, "Clock", true, false, true, DialFace::Clock, DialFace::ClockLit, true},
};
// A mode indexes its row.
static_assert([] {
    for (int i = 0; i < static_cast<int>(std::size(kModes)); ++i)
        if (kModes[i].mode != i)
            return false;
    return std::size(kModes) == MeterMode::Clock + 1;
}());

const ModeProfile* Profile(int mode) {
    if (mode < MeterMode::Mem || mode > MeterMode::Clock)
        return nullptr;
    return &kModes[mode];
}

}  // namespace

void ApplyModeLayout(MeterApp& app, int mode) {
    const ModeProfile* p = Profile(mode);
    if (!p)
        return;
    app.meter.readoutLabel.left = p->readoutLeft;
    app.meter.readoutLabel.top = p->readoutTop;
    app.meter.modeLabel.left = p->modeLeft;
    app.meter.modeLabel.top = p->modeTop;
    app.meter.modeLabel.text = p->caption;
    RefreshLabels(Surface(app));
    SetPersistentDrawing(Surface(app), p->persistentDrawing);
}

void EnterModeLayout(MeterApp& app, int mode) {
    const ModeProfile* p = Profile(mode);
    if (!p)
        return;
    if (p->clearsDrawing)
        ClearDrawing(Surface(app));
    if (p->hidesLamp)
        ShowWarningLamp(Surface(app), false);
    ApplyModeLayout(app, mode);
}

DialFace ModeFace(int mode, bool lit) {
    const ModeProfile* p = Profile(mode);
    if (!p)
        p = &kModes[MeterMode::Mem];
    return lit ? p->litFace : p->face;
}

void ShowModeFace(MeterApp& app, int mode) {
    ShowFace(Surface(app), ModeFace(mode, app.settings.Illumination));
}

int ModeTimerInterval(const MeterSettings& settings, int mode) {
    const ModeProfile* p = Profile(mode);
    return p && p->clockTick ? kClockTickMs : settings.Watch_time;
}

void SetModeTimer(MeterApp& app, int mode) {
    SetMeterTimerInterval(app, TimerId::Sample, ModeTimerInterval(app.settings, mode));
}

}  // namespace dorv
