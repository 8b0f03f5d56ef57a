#include "app/illumination.h"

#include <string>

#include "app/menu_window.h"
#include "app/meter_app.h"
#include "app/move_needle.h"
#include "render/dial_surface.h"
#include "settings/schedule_time.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

constexpr const char* kScheduleQuestionTitle = "イルミネーションの設定";
constexpr const char* kScheduleQuestion = "自動点灯時刻がセットされています。\r\n時刻設定を解除しますか？";

std::string Now(MeterApp& app) {
    return FormatHhNn(app.platform.system.CurrentLocalTime());
}

}  // namespace

void SetIllumination(MeterApp& app) {
    bool lit = app.settings.Illumination;
    if (app.settings.Icon_view == 1)
        ResetTrayIcon(Tray(app));
    SetMenuChecked(app, MenuItemId::Illumination, lit);
    // The clock item's mark, not the mode field, picks the face.
    bool clock = IsMenuChecked(app, MenuItemId::Clock);
    if (lit)
        ShowFace(Surface(app), clock ? DialFace::ClockLit : DialFace::MeterLit);
    else
        ShowFace(Surface(app), clock ? DialFace::Clock : DialFace::Meter);
    app.activeColours = SelectActiveColours(app.settings);
    app.meter.readoutLabel.colour = SelectTextColour(app.settings);
    app.meter.modeLabel.colour = SelectTextColour(app.settings);
    RefreshLabels(Surface(app));
    MoveNeedle(app, app.ShownValue);
}

void IlluminationCommand(MeterApp& app) {
    if (!app.settings.illumi_on_time.empty()) {
        // Asked in Japanese whatever the menu language.
        if (!app.platform.window.AskYesNo(app.menu.window, kScheduleQuestionTitle, kScheduleQuestion))
            return;
        app.settings.illumi_on_time.clear();
        app.settings.illumi_off_time.clear();
    }
    app.settings.Illumination = !IsMenuChecked(app, MenuItemId::Illumination);
    SetIllumination(app);
}

void ScheduleCheck(MeterApp& app) {
    const std::string& storedOn = app.settings.illumi_on_time;
    const std::string& storedOff = app.settings.illumi_off_time;
    if (storedOn.empty())
        return;
    const std::string on = ReformatScheduleTime(storedOn);
    const std::string off = ReformatScheduleTime(storedOff);
    bool lit = false;
    // The case is chosen on the stored texts; each comparison reads the clock anew.
    if (storedOn > storedOff) {
        lit = on <= Now(app) || off > Now(app);
    } else {
        bool afterOn = on <= Now(app);
        bool beforeOff = off > Now(app);
        lit = afterOn && beforeOff;
    }
    if (lit != app.settings.Illumination) {
        app.settings.Illumination = lit;
        SetIllumination(app);
    }
}

}  // namespace dorv
