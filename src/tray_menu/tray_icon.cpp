#include "tray_menu/tray_icon.h"

#include <cmath>

#include "state/meter_app.h"

namespace dorv {
namespace {

// A start at logon may come before the shell; a few tries over the next seconds cover that.
constexpr int kTrayRetries = 5;
constexpr int kTrayRetryMs = 2000;

TrayIconSet CurrentSet(const MeterApp& app) {
    return app.settings.Illumination ? TrayIconSet::Lit : TrayIconSet::Normal;
}

void StopRetrying(MeterApp& app) {
    if (app.tray.retriesLeft > 0 || app.tray.retrying)
        app.platform.timers.SetTimerInterval(app.menu.window, TimerId::TrayRetry, 0);
    app.tray.retriesLeft = 0;
    app.tray.retrying = false;
}

void TryAdd(MeterApp& app) {
    app.tray.added = app.platform.tray.AddTrayIcon(app.menu.window, app.tray.view);
}

std::string ClockTip(MeterApp& app) {
    return "Clock:" + app.platform.system.FormatTimeOfDay(app.platform.system.CurrentLocalTime());
}

void Modify(MeterApp& app) {
    app.platform.tray.ModifyTrayIcon(app.menu.window, app.tray.view);
}

}  // namespace

int TrayIconIndex(int mode, double value) {
    if (mode < MeterMode::Mem || mode > MeterMode::Cpu)
        return 0;
    // Values outside the scale show the nearest end picture.
    double band = std::floor(value / 10);
    if (!(band >= 0))
        return 0;
    return band > 10 ? 10 : static_cast<int>(band);
}

std::string TrayTip(int mode, double value) {
    const char* prefix = mode == MeterMode::Mem ? "Mem:" : mode == MeterMode::VMem ? "VMem:" : "CPU:";
    if (mode < MeterMode::Mem || mode > MeterMode::Cpu)
        return std::string();
    double whole = std::trunc(value);
    if (!std::isfinite(whole))
        whole = 0;
    return prefix + std::to_string(static_cast<long long>(whole)) + "%";
}

void PrepareTrayIcon(MeterApp& app) {
    app.tray.view = TrayIconView{CurrentSet(app), 0, "Dorvanix"};
}

void AddTrayIcon(MeterApp& app) {
    StopRetrying(app);
    TryAdd(app);
    if (app.tray.added)
        return;
    app.tray.retriesLeft = kTrayRetries;
    app.tray.retrying = true;
    app.platform.timers.SetTimerInterval(app.menu.window, TimerId::TrayRetry, kTrayRetryMs);
}

void UpdateTrayIcon(MeterApp& app, double value) {
    if (app.settings.Icon_view != 1)
        return;
    const int mode = app.settings.Needle;
    if (mode == MeterMode::Clock)
        app.tray.view.tip = ClockTip(app);
    else if (std::string tip = TrayTip(mode, value); !tip.empty())
        app.tray.view.tip = tip;
    app.tray.view.index = TrayIconIndex(mode, value);
    app.tray.view.set = CurrentSet(app);
    Modify(app);
}

void UpdateClockTip(MeterApp& app) {
    if (app.settings.Icon_view != 1)
        return;
    app.tray.view.tip = ClockTip(app);
    Modify(app);
}

void ResetTrayIcon(MeterApp& app) {
    app.tray.view.set = CurrentSet(app);
    app.tray.view.index = 0;
    Modify(app);
}

void RemoveTrayIcon(MeterApp& app) {
    StopRetrying(app);
    app.platform.tray.DeleteTrayIcon(app.menu.window);
    app.tray.added = false;
}

void RestoreTrayIcon(MeterApp& app) {
    if (app.settings.Icon_view != 1)
        return;
    // The broadcast also comes while the icon still stands (a display change): delete it so the add holds.
    app.platform.tray.DeleteTrayIcon(app.menu.window);
    AddTrayIcon(app);
}

void RetryTrayIcon(MeterApp& app) {
    if (!app.tray.retrying)  // a tick already queued when the retries ended
        return;
    if (app.settings.Icon_view == 1) {
        TryAdd(app);
        if (!app.tray.added && --app.tray.retriesLeft > 0)
            return;
    }
    StopRetrying(app);
}

}  // namespace dorv
