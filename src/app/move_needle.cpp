#include "app/move_needle.h"

#include <algorithm>

#include "app/meter_app.h"
#include "render/dial_surface.h"
#include "render/needle.h"
#include "render/readout.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

// Within this many points of the target the needle lands on it.
constexpr double kSnapDistance = 2.0;

// Descending: shifts the history without losing an entry.
void ShiftTrail(MeterApp& app) {
    for (int i = TrailLength(app); i >= 1; --i)
        app.ZanzoHistory[static_cast<std::size_t>(i)] = app.ZanzoHistory[static_cast<std::size_t>(i - 1)];
    app.ZanzoHistory[0] = app.ShownValue;
}

}  // namespace

void ShowNeedle(MeterApp& app, double value, NeedleKind kind) {
    const MeterSettings& s = app.settings;
    DrawNeedle(Surface(app), s, app.activeColours, app.afterimageColours, value, kind);
    ShowWarningLamp(Surface(app), value >= s.Warning);
    UpdateTrayIcon(Tray(app), value);
}

int TrailLength(const MeterApp& app) {
    const int longest = static_cast<int>(app.ZanzoHistory.size()) - 1;
    return std::clamp<int>(app.settings.Zanzo_max, 0, longest);
}

void MoveNeedle(MeterApp& app, double target) {
    const MeterSettings& s = app.settings;
    // A divisor below 1 would stall or reverse the needle; the stored value stays as read.
    double q = s.Move_quantity < 1 ? 1.0 : static_cast<double>(s.Move_quantity);
    double c = app.ShownValue;
    if (target > c) {
        double n = c + (target - c) / q;
        if (n > target - kSnapDistance)
            n = target;
        if (s.max_beep_flg == 1 && n == 100.0 && c < 100.0)
            app.platform.window.Beep();
        app.ShownValue = n;
    } else {
        if (s.down_beep_flg == 1 && c == 100.0 && target < 100.0)
            app.platform.window.Beep();
        double n = c - (c - target) / q;
        app.ShownValue = n;
        if (n < target + kSnapDistance)
            app.ShownValue = target;
    }
    if (s.Label_view == 1)
        UpdateReadout(Surface(app), app.ShownValue, app.settingsFile.decimalSymbol);
    if (s.Zanzo_view == 1)
        ShiftTrail(app);
    RedrawNeedle(app);
}

void RedrawNeedle(MeterApp& app) {
    if (app.settings.Zanzo_view != 1) {
        ShowNeedle(app, app.ShownValue, NeedleKind::Normal);
        return;
    }
    // The oldest afterimage first, the needle last.
    ClearDrawing(Surface(app));
    for (int i = TrailLength(app); i >= 1; --i)
        ShowNeedle(app, app.ZanzoHistory[static_cast<std::size_t>(i)], NeedleKind::Afterimage);
    ShowNeedle(app, app.ShownValue, NeedleKind::Normal);
}

}  // namespace dorv
