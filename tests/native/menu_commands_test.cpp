#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/menu_commands.h"
#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"
#include "tray_menu/menu_frm.h"

namespace dorv {
namespace {

using test::CrLfLines;
using test::FakeMeter;
using test::StartMeter;

const MenuItemView& Row(const std::vector<MenuItemView>& rows, MenuItemId id) {
    return *std::find_if(rows.begin(), rows.end(), [id](const MenuItemView& r) { return r.id == MenuCommandId(id); });
}

TEST(PopupMenu, JapaneseByDefaultWithOptionsAsTheDefaultItem) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=0", "Top_view=1"});
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    ASSERT_EQ(m.host.popups.size(), 1u);
    const std::vector<MenuItemView>& rows = m.host.popups[0];
    // The captions themselves are read from the real menu under Wine.
    EXPECT_EQ(Row(rows, MenuItemId::MNU_M_P).caption, "物理メモリ(&P)");
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const MenuItemView& r) { return r.id == 0; }), 5);
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_P).checked);
    EXPECT_FALSE(Row(rows, MenuItemId::MNU_M_C).checked);
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_T).checked);
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_H).enabled);
    EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const MenuItemView& r) { return r.isDefault; }), 1);
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_O).isDefault);
}

TEST(PopupMenu, EnglishCaptionsStayForTheRunAndHelpIsGreyed) {
    FakeMeter m;
    StartMeter(m, {"[View]", "English=1"});
    m.app.settings.English = 0;  // switched off meanwhile: the English captions stay until the next start
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    const std::vector<MenuItemView>& rows = m.host.popups.back();
    EXPECT_EQ(Row(rows, MenuItemId::MNU_M_P).caption, "&Physical Memory");
    EXPECT_FALSE(Row(rows, MenuItemId::MNU_M_H).enabled);
}

TEST(PopupMenu, MarksAreRefreshedBeforeEachPopup) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=1"});
    m.host.version = {true, 2, 6, 0};
    m.app.settings.Needle = 7;  // outside the modes: the marks stay as they were
    m.app.settings.Illumination = true;
    m.app.settings.Top_view = 2;
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    const std::vector<MenuItemView>& rows = m.host.popups.back();
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_V).checked);
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_I).checked);
    EXPECT_TRUE(Row(rows, MenuItemId::MNU_M_T).checked);
}

TEST(PopupMenu, OpensFromTheTrayAfterComingForwardAndOnePumpPass) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Icon_view=1"});
    m.host.log.clear();
    OnTrayCallback(m.app, TrayMouseEvent::RightButtonUp);
    EXPECT_EQ(m.host.log, (std::vector<std::string>{"foreground", "pump", "popup"}));
    EXPECT_EQ(m.host.foreground, m.app.menu.window);
    for (TrayMouseEvent event : {TrayMouseEvent::Other, TrayMouseEvent::LeftDoubleClick})
        OnTrayCallback(m.app, event);
    EXPECT_EQ(m.host.popups.size(), 1u);
}

TEST(PopupMenu, ChosenCommandRuns) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=2"});
    m.host.menuChoices.push_back(MenuCommandId(MenuItemId::MNU_M_L));
    OnDialMouseUp(m.app, RightButton, 0, 60, 70);  // released over the readout: the same menu
    EXPECT_EQ(m.app.settings.Needle, MeterMode::Clock);
    m.host.menuChoices.push_back(MenuCommandId(MenuItemId::MNU_M_H));
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    EXPECT_EQ(m.host.helpShown, std::vector<std::string>{"Dorvanix.chm"});
    OnDialMouseUp(m.app, LeftButton, 0, 20, 20);
    OnDialMouseUp(m.app, MiddleButton, 0, 20, 20);
    EXPECT_EQ(m.host.popups.size(), 2u);
}

TEST(PopupMenu, QuitSavesTheModeChosenFromTheMenu) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=2", "Icon_view=1"});
    m.host.menuChoices = {MenuCommandId(MenuItemId::MNU_M_P), MenuCommandId(MenuItemId::MNU_M_X)};
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    EXPECT_TRUE(m.host.ended);
    EXPECT_NE(m.host.File("meter.ini").find("Needle=0\r\n"), std::string::npos);
    // The tray icon goes before the settings are written.
    auto removed = std::find(m.host.trayLog.begin(), m.host.trayLog.end(), "delete");
    EXPECT_NE(removed, m.host.trayLog.end());
    EXPECT_FALSE(m.host.trayPresent);
}

TEST(ModeCommands, NeedleStartsOnePointLowerOrAtZeroFromTheClock) {
    struct Case {
        double shown;
        const char* from;
        MenuItemId command;
        double after;
    } cases[] = {
        {57.3, "Needle=0", MenuItemId::MNU_M_V, 56.3},  {0.4, "Needle=0", MenuItemId::MNU_M_V, 0.0},
        {100.5, "Needle=1", MenuItemId::MNU_M_P, 99.5}, {101.5, "Needle=1", MenuItemId::MNU_M_P, 100.0},
        {57.3, "Needle=3", MenuItemId::MNU_M_P, 0.0},   {57.3, "Needle=3", MenuItemId::MNU_M_C, 0.0},
        {57.3, "Needle=0", MenuItemId::MNU_M_C, 57.3},  {57.3, "Needle=0", MenuItemId::MNU_M_L, 57.3},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        StartMeter(m, {"[View]", c.from});
        m.app.ShownValue = c.shown;
        RunMenuCommand(m.app, c.command);
        EXPECT_NEAR(m.app.ShownValue, c.after, 1e-9) << c.from << " shown " << c.shown;
    }
}

TEST(ModeCommands, LayoutFaceTimerAndDrawingPerMode) {
    struct Case {
        MenuItemId command;
        int needle;
        int label1Left;
        const char* caption;
        int interval;
        bool persistent;
        DialFace face;
    } cases[] = {
        {MenuItemId::MNU_M_P, 0, 56, "Mem.", 250, true, DialFace::Meter},
        {MenuItemId::MNU_M_V, 1, 56, "VMem.", 250, true, DialFace::Meter},
        {MenuItemId::MNU_M_C, 2, 56, "CPU", 250, false, DialFace::Meter},
        {MenuItemId::MNU_M_L, 3, 30, "Clock", 200, true, DialFace::Clock},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        StartMeter(m, {"[View]", "Needle=3", "[Movement]", "Watch_time=250"});
        RunMenuCommand(m.app, c.command);
        EXPECT_EQ(m.app.settings.Needle, c.needle);
        EXPECT_EQ(m.host.labels[DialLabelId::Readout].left, c.label1Left);
        EXPECT_EQ(m.host.labels[DialLabelId::Mode].text, c.caption);
        EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), c.interval);
        EXPECT_EQ(m.app.meter.persistentDrawing, c.persistent);
        EXPECT_EQ(m.app.meter.face, c.face);
        for (MenuItemId id : {MenuItemId::MNU_M_P, MenuItemId::MNU_M_V, MenuItemId::MNU_M_C, MenuItemId::MNU_M_L})
            EXPECT_EQ(m.app.menu.Item(id).checked, id == c.command);
    }
}

TEST(ModeCommands, ClockHidesTheLampAndResetsTheTrayPictureInTheLitSet) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=0", "Icon_view=1", "[Color]", "Illumination=True", "[Movement]", "Warning=0"});
    m.host.memory = {100, 40, 100, 100};
    OnMeterTimer(m.app, TimerId::Timer1);
    EXPECT_TRUE(m.app.meter.warningLampVisible);
    RunMenuCommand(m.app, MenuItemId::MNU_M_L);
    EXPECT_FALSE(m.app.meter.warningLampVisible);
    EXPECT_EQ(m.app.meter.face, DialFace::ClockLit);
    EXPECT_EQ(m.host.trayIcon.set, TrayIconSet::Lit);
    EXPECT_EQ(m.host.trayIcon.index, 0);
}

TEST(AlwaysOnTop, TogglesAndShowsAHiddenDial) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Hide_Meter=1"});
    ASSERT_FALSE(m.host.Dial().visible);
    RunMenuCommand(m.app, MenuItemId::MNU_M_T);
    EXPECT_TRUE(m.host.Dial().visible);
    EXPECT_TRUE(m.host.Dial().topmost);
    EXPECT_EQ(m.app.settings.Top_view, 1);
    RunMenuCommand(m.app, MenuItemId::MNU_M_T);
    EXPECT_FALSE(m.host.Dial().topmost);
    EXPECT_EQ(m.app.settings.Top_view, 0);
}

TEST(Pause, CpuNeedleSinksToZeroInVisibleStepsAndSamplingResumes) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=2"});
    m.app.ShownValue = 80;
    RunMenuCommand(m.app, MenuItemId::MNU_M_S);
    EXPECT_DOUBLE_EQ(m.app.ShownValue, 0);
    EXPECT_EQ(m.host.pumps, 17);  // one pass before each smoothing step: 64, 51.2, ... 2.25, then 0
    EXPECT_TRUE(m.app.menu.Item(MenuItemId::MNU_M_S).checked);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 0);
    EXPECT_TRUE(m.app.meter.persistentDrawing);

    // A mode command while paused changes the layout but leaves sampling stopped.
    RunMenuCommand(m.app, MenuItemId::MNU_M_P);
    RunMenuCommand(m.app, MenuItemId::MNU_M_C);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 0);

    m.host.drawing.clear();
    RunMenuCommand(m.app, MenuItemId::MNU_M_S);
    EXPECT_FALSE(m.app.menu.Item(MenuItemId::MNU_M_S).checked);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 160);
    EXPECT_EQ(m.host.drawing, (std::vector<std::string>{"clear", "persistent off"}));
}

TEST(Pause, QuitInsideThePauseLoopEndsIt) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=0"});
    m.app.ShownValue = 90;
    m.host.onPump = [&m] {
        if (m.host.pumps == 3)
            OnMeterCloseRequest(m.app);
    };
    RunMenuCommand(m.app, MenuItemId::MNU_M_S);
    EXPECT_TRUE(m.host.ended);
    EXPECT_GT(m.app.ShownValue, 0);
}

}  // namespace
}  // namespace dorv
