#include <gtest/gtest.h>

#include "app/menu_commands.h"
#include "fake_host.h"
#include "tray_menu/menu_frm.h"

namespace dorv {
namespace {

// The popup in one line: each row's access letter, then "+" when checked, "~" when greyed, "*" when the
// default; a separator is "-". The virtual-memory row is greyed from version 6 on (the fake's is 10).
std::string Marks(const std::vector<MenuItemView>& rows) {
    std::string text;
    for (const MenuItemView& row : rows) {
        text += row.id == 0 ? '-' : "PVCLTSIOHAX"[row.id - 1];
        text += std::string(row.checked ? "+" : "") + (row.enabled ? "" : "~") + (row.isDefault ? "*" : "");
    }
    return text;
}

TEST(PopupMenu, RefreshedAtEachPopupFromTheTrayOrTheDialRunsTheChosenCommandAndQuitSavesTheMode) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=2", "Icon_view=1"});
    m.app.settings.Needle = 7;  // a mode outside the four leaves the mode marks as they were
    m.app.settings.Illumination = true;
    m.app.settings.Top_view = 2;
    m.host.log.clear();
    OnTrayCallback(m.app, TrayMouseEvent::RightButtonUp);
    EXPECT_EQ(m.host.log, (std::vector<std::string>{"foreground", "pump", "popup"}));
    EXPECT_EQ(m.host.foreground, m.app.menu.window);
    ASSERT_EQ(m.host.popups.size(), 1u);
    EXPECT_EQ(m.host.popups[0][0].caption, "物理メモリ(&P)");
    EXPECT_EQ(Marks(m.host.popups[0]), "PV~C+L-T+S-I+-O*-HA-X");
    for (TrayMouseEvent event : {TrayMouseEvent::Other, TrayMouseEvent::LeftDoubleClick})
        OnTrayCallback(m.app, event);
    m.host.menuChoices = {MenuCommandId(MenuItemId::Clock), MenuCommandId(MenuItemId::Help)};
    OnDialMouseUp(m.app, RightButton, 0, 60, 70);  // released over the readout: the same menu
    EXPECT_EQ(m.app.settings.Needle, MeterMode::Clock);
    for (MouseButton button : {LeftButton, MiddleButton, RightButton})
        OnDialMouseUp(m.app, button, 0, 20, 20);
    EXPECT_EQ(m.host.helpShown, std::vector<std::string>{"Dorvanix.chm"});
    m.host.menuChoices = {MenuCommandId(MenuItemId::Quit)};
    OnDialMouseUp(m.app, RightButton, 0, 20, 20);
    EXPECT_EQ(std::tuple(m.host.popups.size(), m.host.ended,
                         m.host.File("meter.ini").find("Needle=3\r\n") != std::string::npos),
              std::tuple(4u, true, true));

    // Its captions stay for the run; help is greyed, as there is only the Japanese help. A Quit inside the popup's
    // modal loop ends the program without running the item chosen there.
    FakeMeter english;
    StartMeter(english, {"[View]", "English=1"});
    english.app.settings.English = 0;
    english.host.menuChoices = {MenuCommandId(MenuItemId::Options)};
    english.host.dialogs.duringModal = [&english] { OnMeterCloseRequest(english.app); };
    OnDialMouseUp(english.app, RightButton, 0, 20, 20);
    EXPECT_EQ(std::pair(english.host.ended, english.host.dialogs.created), std::pair(true, 0));
    ASSERT_EQ(english.host.popups.size(), 1u);
    EXPECT_EQ(english.host.popups[0][0].caption, "&Physical Memory");
    EXPECT_EQ(Marks(english.host.popups[0]), "PV~C+L-TS-I-O*-H~A-X");
}

// From the clock the needle starts at zero, otherwise one point lower within the scale.
TEST(ModeCommands, NeedleMarkLayoutTimerAndFacePerMode) {
    struct Case {
        const char *from, *caption;
        MenuItemId command;
        double shown, after;
        int interval;
        bool persistent;
        DialFace face;
    } cases[] = {
        {"Needle=3", "Mem.", MenuItemId::Mem, 57.3, 0.0, 250, true, DialFace::Meter},
        {"Needle=3", "CPU", MenuItemId::Cpu, 57.3, 0.0, 250, false, DialFace::Meter},
        {"Needle=0", "VMem.", MenuItemId::VMem, 57.3, 56.3, 250, true, DialFace::Meter},
        {"Needle=0", "VMem.", MenuItemId::VMem, 0.4, 0.0, 250, true, DialFace::Meter},
        {"Needle=1", "Mem.", MenuItemId::Mem, 101.5, 100.0, 250, true, DialFace::Meter},
        {"Needle=0", "CPU", MenuItemId::Cpu, 57.3, 57.3, 250, false, DialFace::Meter},
        {"Needle=0", "Clock", MenuItemId::Clock, 57.3, 57.3, 200, true, DialFace::Clock},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.caption << " from " << c.from << " shown " << c.shown);
        FakeMeter m;
        StartMeter(m, {"[View]", c.from, "[Movement]", "Watch_time=250"});
        m.app.ShownValue = c.shown;
        RunMenuCommand(m.app, c.command);
        EXPECT_NEAR(m.app.ShownValue, c.after, 1e-9);
        EXPECT_EQ(std::tuple(m.app.settings.Needle, m.host.labels[DialLabelId::Mode].text,
                             m.host.TimerInterval(TimerId::Sample), m.app.meter.persistentDrawing, m.app.meter.face),
                  std::tuple(static_cast<int>(c.command), c.caption, c.interval, c.persistent, c.face));
        for (MenuItemId id : {MenuItemId::Mem, MenuItemId::VMem, MenuItemId::Cpu, MenuItemId::Clock})
            EXPECT_EQ(m.app.menu.Item(id).checked, id == c.command);
    }
}

// Always on top toggles and shows a dial kept hidden; the pause sinks the CPU needle in visible steps, a quit
// inside ends the sinking, and sampling resumes after it.
TEST(MenuToggles, AlwaysOnTopAndPause) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Needle=2", "Hide_Meter=1"});
    ASSERT_FALSE(m.host.Dial().visible);
    for (int expected : {1, 0}) {
        RunMenuCommand(m.app, MenuItemId::AlwaysOnTop);
        EXPECT_EQ(std::tuple(m.host.Dial().visible, m.host.Dial().topmost, m.app.settings.Top_view),
                  std::tuple(true, expected == 1, expected));
    }

    m.app.ShownValue = 80;
    RunMenuCommand(m.app, MenuItemId::Pause);  // a pass before each smoothing step: 64, 51.2, ... 2.25, then 0
    EXPECT_EQ(std::tuple(m.app.ShownValue, m.host.pumps, m.app.menu.Item(MenuItemId::Pause).checked,
                         m.app.meter.persistentDrawing),
              std::tuple(0.0, 17, true, true));

    // A mode command while paused changes the layout but leaves sampling stopped.
    RunMenuCommand(m.app, MenuItemId::Mem);
    RunMenuCommand(m.app, MenuItemId::Cpu);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Sample), 0);

    m.host.drawing.clear();
    RunMenuCommand(m.app, MenuItemId::Pause);
    EXPECT_EQ(std::tuple(m.app.menu.Item(MenuItemId::Pause).checked, m.host.TimerInterval(TimerId::Sample),
                         test::Joined(m.host.drawing)),
              std::tuple(false, 160, "clear;persistent off;"));

    // Quit inside the sinking loop ends it there.
    m.app.ShownValue = 90;
    m.host.onPump = [&m] {
        if (m.host.pumps == 20)
            OnMeterCloseRequest(m.app);
    };
    RunMenuCommand(m.app, MenuItemId::Pause);
    EXPECT_TRUE(m.host.ended && m.app.ShownValue > 0);
}

}  // namespace
}  // namespace dorv
