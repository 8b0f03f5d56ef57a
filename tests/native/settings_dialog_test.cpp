#include <gtest/gtest.h>

#include "app/menu_commands.h"
#include "app/settings_dialog.h"
#include "dialogs/settings/settings_controls.h"
#include "fake_host.h"
#include "settings/settings_table.h"

namespace dorv {
namespace {

// The meter started from these lines, with the settings dialog opened as the menu opens it.
struct Session {
    explicit Session(const std::vector<const char*>& lines) {
        StartMeter(m, lines);
        Open();
    }
    void Open() {
        OpenSettingsDialog(m.app);
        w = m.app.settingFrm.window;
    }
    FakeControl& operator[](int id) { return m.host.dialogs.Control(w, id); }
    void Click(int id) { m.host.dialogs.Click(m.app, w, id); }
    void Click(std::initializer_list<int> ids) {
        for (int id : ids)
            Click(id);
    }
    void Change(int id, int value) { m.host.dialogs.Change(m.app, w, id, value); }

    FakeMeter m;
    WindowHandle w = nullptr;
};

// Parents built first, each control inside its parent, captions in both languages.
TEST(SettingsDialogTable, IdsPlacesAndCaptions) {
    int count = 0;
    const SettingControlRow* rows = SettingControlRows(count);
    for (int i = 0; i < count; ++i) {
        const SettingControlRow& r = rows[i];
        SCOPED_TRACE(r.id);
        int width = 4550, height = 3700;  // the dialog's outer size
        if (r.parent != 0) {
            ASSERT_LT(r.parent, r.id);
            const SettingControlRow& p = SettingControlRowOf(static_cast<SettingControl>(r.parent));
            width = p.width;
            height = p.height;
        }
        EXPECT_TRUE(r.x >= 0 && r.y >= 0 && r.x + r.width <= width && r.y + r.height <= height);
        const bool captioned = r.kind != ControlKind::Page && r.kind != ControlKind::Slider &&
                               r.kind != ControlKind::TimePicker && r.kind != ControlKind::ColourSwatch;
        EXPECT_EQ(captioned, r.japanese != nullptr && *r.japanese != '\0');
        EXPECT_EQ(captioned, r.english != nullptr && *r.english != '\0');
    }
}

// Each control as "value", with "-" when greyed.
TEST(SettingsDialog, OpensFromTheSettings) {
    const struct {
        std::vector<const char*> ini;
        std::vector<int> ids;
        const char* shown;
    } cases[] = {
        {{"[View]", "Transparency=14"}, {Translucency, Alpha, MouseCancel}, "0 128- 0-"},
        {{"[View]", "Transparency=15", "Mouse_Cancel=1"}, {Translucency, Alpha, MouseCancel}, "1 15 1"},
        {{"[View]", "Transparency=239"}, {Translucency, Alpha}, "1 239"},
        {{"[View]", "Transparency=240"}, {Translucency, Alpha}, "0 128-"},
        {{"[Movement]", "Warning=101"}, {WarningEnabled, WarningLevel, WarningScale, WarningRpmLabel}, "0 85- 0- 0-"},
        {{"[Movement]", "Warning=95"}, {WarningEnabled, WarningLevel, WarningRpmLabel}, "1 90 0"},
        {{"[Color]", "illumi_on_time=07:00"}, {ScheduleEnabled, ScheduleOn, ScheduleOff, LightsOn}, "0 1020- 1080- 0"},
        {{"[Color]", "illumi_on_time=9:05", "illumi_off_time=18:30", "Illumination=True"},
         {ScheduleEnabled, ScheduleOn, ScheduleOff, LightsOn, LightsOff},
         "1 545 1110 1- 0-"},
        {{"[Color]", "illumi_on_time=late", "illumi_off_time=18:30"}, {ScheduleEnabled}, "0"},
        {{"[View]", "English=1"}, {EnglishCaptions, HelpButton}, "1 0-"},
        {{"[View]", "English=2"}, {EnglishCaptions, HelpButton}, "0 0"},
        {{"[View]", "Needle=1"}, {ModeVirtualMemory, ModeCpu}, "1- 0"},            // not offered from version 6 on
        {{"[View]", "Icon_view=0", "Hide_Meter=1"}, {TrayIcon, DialOff}, "0 0-"},  // Apply must not hide it unreachably
        {{"[View]", "Icon_view=1", "Hide_Meter=1", "Zanzo_view=0"}, {DialOff, TrailSlider, TrailScale}, "1 2- 0-"},
        {{"[View]", "Needle=7", "Needle_type=3", "Zanzo_max=0", "Label_view=2", "[Movement]", "Watch_time=1000"},
         {ModeClock, NeedleSolid, TrailSlider, IntervalSlider, ShowReadout},
         "1 1 1- 410 0"},
    };
    for (const auto& c : cases) {
        Session s(c.ini);
        std::string shown;
        for (int id : c.ids)
            shown += (shown.empty() ? "" : " ") + std::to_string(s[id].value) + (s[id].enabled ? "" : "-");
        EXPECT_EQ(shown, c.shown) << c.ini.back();
    }
    // The readout follows the stored warning level; Help speaks the dialog's language.
    EXPECT_EQ(Session({"[Movement]", "Warning=95"})[WarningRpmLabel].text, "9000rpm");
    EXPECT_EQ(Session({"[View]", "English=1"})[HelpButton].text, "&Help");
}

// OK without an edit stores back every value it showed: each field off its default where a control can show
// it, each flag unlike the one loaded and applied next to it, every colour its own (a section a line).
TEST(SettingsDialog, OkWithoutEditsKeepsEverySetting) {
    Session s(
        {"[View]\r\nEnglish=1\r\nNeedle=3\r\nNeedle_type=0\r\nIcon_view=1\r\nHide_Meter=1\r\nZanzo_max="
         "4\r\nTransparency=200\r\nMouse_Cancel=1",
         "[Movement]\r\nMove_quantity=7\r\nWatch_time=300\r\nWarning=60",
         "[Color]\r\nNeedle_color=1\r\nIllumi_needle_color=2\r\nNeedle_shadow_color=3\r\nIllumi_needle_shadow_color="
         "4\r\nNeedle_color2=5\r\nIllumi_needle_color2=6\r\nNeedle_shadow_color2=7\r\nIllumi_needle_shadow_color2="
         "8\r\nSecond_color=9\r\nIllumi_second_color=10\r\nFont_color=11\r\nIllumi_font_color=12\r\nIllumination="
         "True\r\nillumi_on_time=07:15\r\nillumi_off_time=19:45",
         "[Etc]\r\nadjusted_flg=0\r\nmax_beep_flg=1\r\nmeter_move_flg=1"});
    auto written = [](const MeterSettings& settings) {
        std::string text;
        for (SettingKey key : SettingsWriteOrder())
            text += std::string(SettingDefinition(key).name) + "=" + FormatSetting(key, settings) + ";";
        return text;
    };
    const std::string loaded = written(s.m.app.settings);
    s.Click(OkButton);
    EXPECT_EQ(written(s.m.app.settings), loaded);
}

// A second request brings the same dialog forward; a tab shows its own page, and Help its own topic. Cancel and
// the close box change nothing, and the next opening shows the settings.
TEST(SettingsDialog, OneInstancePagesHelpCancelAndReopen) {
    Session s({"[View]", "Needle=0"});
    OnTrayCallback(s.m.app, TrayMouseEvent::LeftDoubleClick);
    EXPECT_EQ(std::tuple(s.m.host.dialogs.created, s.m.host.dialogs.Dialog(s.w).showCount, s[PageMode].visible),
              std::tuple(1, 2, true));
    s.Change(PageTabs, 3);
    for (int page = 0; page < kSettingPageCount; ++page)
        EXPECT_EQ(s[PageControl(page)].visible, page == 3);
    for (int tab = 0; tab < kSettingPageCount; ++tab) {
        s.Change(PageTabs, tab);
        s.Click(HelpButton);
    }
    EXPECT_EQ(test::Joined(s.m.host.helpShown),
              "Dorvanix.chm::/html/dorv74yt.htm;Dorvanix.chm::/html/dorv76if.htm;"
              "Dorvanix.chm::/html/dorv21ro.htm;Dorvanix.chm::/html/dorv1lwy.htm;"
              "Dorvanix.chm::/html/dorv3y3n.htm;");

    // Motion defaults, a slider and colour defaults, then Cancel: nothing changes.
    const MeterSettings before = s.m.app.settings;
    s.Click(MotionDefaults);
    s.Change(ResponseSlider, 9);
    s.Click({ColourDefaults, CancelButton});
    EXPECT_TRUE(s.m.app.settings == before && s.m.host.dialogs.destroyed == 1);

    // Apply, then Cancel: the applied values stay and the next opening shows them.
    s.Open();
    s.Change(ResponseSlider, 9);
    s.Click(ApplyButton);
    s.Change(ResponseSlider, 2);
    s.m.host.dialogs.Close(s.m.app, s.w);
    s.Open();
    EXPECT_EQ((std::pair<int, int>(s.m.app.settings.Move_quantity, s[ResponseSlider].value)), std::pair(9, 9));
    s.Click(MotionDefaults);
    EXPECT_EQ(std::pair(s[ResponseSlider].value, s[IntervalSlider].value), std::pair(5, 160));
}

TEST(SettingsDialog, EnableRulesFollowTheUser) {
    Session s(
        {"[View]", "Transparency=200", "Mouse_Cancel=1", "Icon_view=1", "Hide_Meter=1", "[Etc]", "meter_move_flg=1"});
    // Translucency off and on again: the slider starts from 128, the mouse box keeps its mark while greyed.
    s.Click(Translucency);
    EXPECT_EQ(std::tuple(s[Alpha].enabled, s[MouseCancel].enabled, s[MouseCancel].value), std::tuple(false, false, 1));
    s.Click(Translucency);
    EXPECT_EQ(std::pair(s[Alpha].value, s[MouseCancel].enabled), std::pair(128, true));
    // Hiding needs the tray icon.
    s.Click(TrayIcon);
    EXPECT_EQ(std::pair(s[DialOff].value, s[DialOff].enabled), std::pair(0, false));
    s.Click(TrayIcon);
    EXPECT_EQ(std::pair(s[DialOff].value, s[DialOff].enabled), std::pair(0, true));
    s.Change(WarningLevel, 50);
    EXPECT_EQ(s[WarningRpmLabel].text, "5000rpm");
    // Avoidance: a notice only when the user checks it.
    s.Click(AvoidMouse);
    EXPECT_TRUE(s.m.host.messages.empty());
    s.Click(AvoidMouse);
    ASSERT_EQ(s.m.host.messages.size(), 1u);
    EXPECT_EQ(s.m.host.messages[0].rfind("オプション設定|このオプションを選択すると", 0), 0u);
    EXPECT_EQ(s[AvoidMouse].value, 1);
}

// A close of the dialog inside the notice's or the picker's modal loop, or a Quit inside the picker's: the click
// ends there, touching neither the gone dialog nor the swatch.
TEST(SettingsDialog, CloseOrQuitInsideAModalLoopEndsTheClick) {
    for (auto [control, quit] :
         {std::pair(AvoidMouse, false), std::pair(SwatchCentreLine, false), std::pair(SwatchCentreLine, true)}) {
        Session s({});
        s.m.host.dialogs.pickerAnswers = {Rgb(1, 2, 3)};
        s.m.host.dialogs.duringModal = [&s, quit = quit] {
            quit ? OnMeterCloseRequest(s.m.app) : s.m.host.dialogs.Close(s.m.app, s.w);
        };
        const int swatch = s[SwatchCentreLine].value;
        EXPECT_NO_THROW(s.Click(control));
        EXPECT_EQ(s.m.host.dialogs.IsOpen(s.w) ? s[SwatchCentreLine].value : swatch, swatch) << control;
    }
}

// Each set keeps its edits across switches; a cancelled picker and black change nothing; the meter waits for OK.
TEST(SettingsDialog, ColourSetsKeepTheirEditsAcrossSwitches) {
    Session s({"[Color]", "Illumination=True"});
    const Colour first = Rgb(1, 2, 3), second = Rgb(4, 5, 6);
    s.m.host.dialogs.pickerAnswers = {first, std::nullopt, 0, second};
    s.Click({SwatchCentreLine, SwatchCentreLine, SwatchCentreLine});
    EXPECT_EQ(s[SwatchCentreLine].value, first);
    s.Click(LightsOff);
    EXPECT_EQ(s[SwatchCentreLine].value, Rgb(230, 0, 0));
    s.Click({SwatchCentreLine, LightsOn});
    EXPECT_EQ(s[SwatchCentreLine].value, first);
    s.Click(LightsOff);
    EXPECT_EQ(std::tuple(s[SwatchCentreLine].value, s.m.app.settings.Needle_color), std::tuple(second, Rgb(230, 0, 0)));
    // Defaults of the shown set survive a switch there and back.
    s.Click({ColourDefaults, LightsOn, LightsOff});
    EXPECT_EQ(s[SwatchCentreLine].value, Rgb(230, 0, 0));
    s.Click(OkButton);
    const MeterSettings& st = s.m.app.settings;
    EXPECT_EQ(std::tuple(st.Illumination, st.Illumi_needle_color, s.m.app.activeColours.centreLine,
                         s.m.host.labels[DialLabelId::Mode].colour, s.m.app.settingFrm.window),
              std::tuple(false, first, Rgb(230, 0, 0), st.Font_color, nullptr));
}

TEST(SettingsApply, PushesEachChangeIntoTheMeter) {
    Session s({"[View]", "Needle=2", "[Movement]", "Warning=0"});
    s.m.host.memory = {100, 40, 100, 100};
    s.m.host.version = {true, 2, 5, 1};  // translucency is for 2000 and XP
    s.m.app.settings.Needle = MeterMode::Mem;
    OnTimer(s.m.app, TimerId::Sample);  // the needle shows 12
    s.m.app.settings.Needle = MeterMode::Cpu;
    s.Click({ModeMemory, WarningEnabled, ShowReadout, ScheduleEnabled, TrayIcon, DialOff, Translucency});
    s.Change(IntervalSlider, 300);
    s.Change(ScheduleOff, 17 * 60);  // equal times are kept
    s.Click(ApplyButton);
    const MeterSettings& st = s.m.app.settings;
    test::FakeHost& host = s.m.host;
    EXPECT_EQ(std::tuple(st.Warning, st.illumi_on_time, st.illumi_off_time, host.labels[DialLabelId::Mode].text,
                         host.labels[DialLabelId::Mode].visible),
              std::tuple(101, "17:00", "17:00", "Mem.", false));
    EXPECT_EQ(host.timers, (std::map<TimerId, int>{{TimerId::Sample, 300}, {TimerId::Schedule, 5000}}));
    EXPECT_EQ(
        std::tuple(host.labels[DialLabelId::Readout].visible, host.trayPresent, host.Dial().visible, host.Dial().alpha),
        std::tuple(true, true, false, 128));
    // One step from the tick's 12 toward 50; meter.ini waits for the exit.
    EXPECT_EQ(std::tuple(s.m.app.menu.Item(MenuItemId::Mem).checked, s.m.app.ShownValue, s.m.host.iniWrites.size()),
              std::tuple(true, 12 + (50 - 12) / 5.0, 0u));

    // Applying again leaves the standing icon alone instead of retrying a refused add.
    s.m.host.trayLog.clear();
    s.Click(ApplyButton);
    EXPECT_TRUE(test::Starting(s.m.host.trayLog, "add").empty());

    // The processor and clock modes: their own pace, their face, the clock's tray picture, and no needle redraw
    // but the lamp out at once.
    const struct {
        int option;
        int interval;
        bool persistent;
        DialFace face;
        int trayIndex;
        const char* drawn;  // lines and lamp
    } modes[] = {{ModeCpu, 300, false, DialFace::Meter, 2, "lamp off;"},
                 {ModeClock, 200, true, DialFace::Clock, 0, "lamp off;lamp off;"}};
    for (const auto& mode : modes) {
        s.m.host.drawing.clear();
        s.Click({mode.option, ApplyButton});
        EXPECT_EQ(std::tuple(host.TimerInterval(TimerId::Sample), s.m.app.meter.persistentDrawing, s.m.app.meter.face,
                             host.trayIcon.index, test::Joined(test::Starting(s.m.host.drawing, "l"))),
                  std::tuple(mode.interval, mode.persistent, mode.face, mode.trayIndex, mode.drawn));
    }
    EXPECT_EQ(st.Watch_time, 300);

    // Icon and translucency off bring the dial back, opaque, on top; the schedule off empties it and stops its timer.
    s.Click({TrayIcon, Translucency, AlwaysOnTop, ScheduleEnabled, ApplyButton});
    EXPECT_EQ(std::tuple(host.trayPresent, st.Transparency, host.Dial().visible, host.Dial().topmost,
                         st.illumi_on_time + st.illumi_off_time, host.TimerInterval(TimerId::Schedule)),
              std::tuple(false, 255, true, true, "", 0));
}

// Paused, no tick would take a step toward 50 back: Apply redraws the needle and its trail where they stand,
// Cpu's kept through repaints as the pause keeps it.
TEST(SettingsApply, PausedDialKeepsItsNeedle) {
    for (const auto& [mode, trail] : {std::pair("Needle=0", "Zanzo_view=1"), std::pair("Needle=2", "Zanzo_view=0")}) {
        Session s({"[View]", mode, trail, "Zanzo_max=3", "Label_view=1", "Icon_view=1"});
        s.m.app.ShownValue = 30;
        RunMenuCommand(s.m.app, MenuItemId::Pause);  // sinks to 0 in steps, trail behind
        auto shown = [&s] {
            const std::vector<std::string>& d = s.m.host.drawing;
            return std::tuple(std::vector<std::string>(std::find(d.rbegin(), d.rend(), "clear").base(), d.end()),
                              s.m.host.labels[DialLabelId::Readout].text, s.m.host.trayIcon.tip, s.m.app.ShownValue,
                              s.m.app.meter.persistentDrawing);
        };
        const auto paused = shown();
        s.Click(ApplyButton);
        EXPECT_EQ(shown(), paused) << mode;
    }
}

}  // namespace
}  // namespace dorv
