#include "tray_menu/tray_icon.h"

#include <cmath>

namespace dorv {
namespace {

// A start at logon may come before the shell; a few tries over the next seconds cover that.
constexpr int kTrayRetries = 5;
constexpr int kTrayRetryMs = 2000;

TrayIconSet CurrentSet(const TrayIconParts& tray) {
    return tray.settings.Illumination ? TrayIconSet::Lit : TrayIconSet::Normal;
}

void StopRetrying(const TrayIconParts& tray) {
    if (tray.record.retriesLeft > 0 || tray.record.retrying)
        tray.timers.SetTimerInterval(tray.owner, TimerId::TrayRetry, 0);
    tray.record.retriesLeft = 0;
    tray.record.retrying = false;
}

void TryAdd(const TrayIconParts& tray) {
    tray.record.added = tray.shell.AddTrayIcon(tray.owner, tray.record.view);
}

std::string ClockTip(const TrayIconParts& tray) {
    return "Clock:" + tray.system.FormatTimeOfDay(tray.system.CurrentLocalTime());
}

void Modify(const TrayIconParts& tray) {
    tray.shell.ModifyTrayIcon(tray.owner, tray.record.view);
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

void PrepareTrayIcon(const TrayIconParts& tray) {
    tray.record.view = TrayIconView{CurrentSet(tray), 0, "Dorvanix"};
}

void AddTrayIcon(const TrayIconParts& tray) {
    StopRetrying(tray);
    TryAdd(tray);
    if (tray.record.added)
        return;
    tray.record.retriesLeft = kTrayRetries;
    tray.record.retrying = true;
    tray.timers.SetTimerInterval(tray.owner, TimerId::TrayRetry, kTrayRetryMs);
}

void UpdateTrayIcon(const TrayIconParts& tray, double value) {
    if (tray.settings.Icon_view != 1)
        return;
    const int mode = tray.settings.Needle;
    if (mode == MeterMode::Clock)
        tray.record.view.tip = ClockTip(tray);
    else if (std::string tip = TrayTip(mode, value); !tip.empty())
        tray.record.view.tip = tip;
    tray.record.view.index = TrayIconIndex(mode, value);
    tray.record.view.set = CurrentSet(tray);
    Modify(tray);
}

void UpdateClockTip(const TrayIconParts& tray) {
    if (tray.settings.Icon_view != 1)
        return;
    tray.record.view.tip = ClockTip(tray);
    Modify(tray);
}

void ResetTrayIcon(const TrayIconParts& tray) {
    tray.record.view.set = CurrentSet(tray);
    tray.record.view.index = 0;
    Modify(tray);
}

void RemoveTrayIcon(const TrayIconParts& tray) {
    StopRetrying(tray);
    tray.shell.DeleteTrayIcon(tray.owner);
    tray.record.added = false;
}

void RestoreTrayIcon(const TrayIconParts& tray) {
    if (tray.settings.Icon_view != 1)
        return;
    // The broadcast also comes while the icon still stands (a display change): delete it so the add holds.
    tray.shell.DeleteTrayIcon(tray.owner);
    AddTrayIcon(tray);
}

void RetryTrayIcon(const TrayIconParts& tray) {
    if (!tray.record.retrying)  // a tick already queued when the retries ended
        return;
    if (tray.settings.Icon_view == 1) {
        TryAdd(tray);
        if (!tray.record.added && --tray.record.retriesLeft > 0)
            return;
    }
    StopRetrying(tray);
}

}  // namespace dorv
