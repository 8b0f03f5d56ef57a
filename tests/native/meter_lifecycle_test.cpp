#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::CrLfLines;
using test::FakeMeter;

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& entry) {
    auto found = std::find(log.begin(), log.end(), entry);
    EXPECT_NE(found, log.end()) << entry;
    return static_cast<std::size_t>(found - log.begin());
}

TEST(MeterLifecycle, FirstRunStartsWithDefaultsAndCreatesTheWholeFile) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    const test::FakeWindow& dial = m.host.Dial();
    EXPECT_EQ(dial.title, "Dorvanix");
    EXPECT_EQ(dial.position.x, 0);
    EXPECT_EQ(dial.position.y, 0);
    EXPECT_EQ(dial.size.width, 100);
    EXPECT_TRUE(dial.visible);
    EXPECT_FALSE(dial.topmost);
    EXPECT_FALSE(dial.layered);
    EXPECT_TRUE(dial.hasRegion);
    EXPECT_EQ(m.app.settings.Needle, MeterMode::Cpu);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 160);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer2), 0);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer3), 0);
    EXPECT_FALSE(m.app.tray.added);
    EXPECT_TRUE(m.host.queryOpen);
    EXPECT_FALSE(m.host.HasFile("meter.ini"));

    OnMeterCloseRequest(m.app);
    EXPECT_TRUE(m.host.ended);
    EXPECT_FALSE(m.host.queryOpen);
    // What the program writes: non-negative integers with a leading blank, in the fixed order.
    const std::vector<std::string> writes = {
        "Coordinates/Left=0",
        "Coordinates/Top=0",
        "Coordinates/Center= 50",
        "View/Transparency= 255",
        "View/Mouse_Cancel= 0",
        "View/Top_view= 0",
        "View/Needle= 2",
        "View/Needle_type= 1",
        "View/Label_view= 0",
        "View/Mode_view= 0",
        "View/Icon_view= 0",
        "View/Hide_Meter= 0",
        "View/Zanzo_view= 0",
        "View/Zanzo_max= 2",
        "View/English= 0",
        "Movement/Move_quantity= 5",
        "Movement/Watch_time= 160",
        "Movement/Warning= 85",
        "Color/Illumination=False",
        "Color/illumi_on_time=",
        "Color/illumi_off_time=",
        "Color/Needle_color= 230",
        "Color/Needle_shadow_color= 170",
        "Color/Needle_color2= 7237230",
        "Color/Needle_shadow_color2= 4605510",
        "Color/Second_color= 11842740",
        "Color/Font_color= 13158600",
        "Color/Illumi_needle_color= 658175",
        "Color/Illumi_needle_shadow_color= 658100",
        "Color/Illumi_needle_color2= 5921370",
        "Color/Illumi_needle_shadow_color2= 3289650",
        "Color/Illumi_second_color= 15132390",
        "Color/Illumi_font_color= 5944410",
        "Etc/max_beep_flg= 0",
        "Etc/down_beep_flg= 0",
        "Etc/meter_move_flg= 0",
        "Etc/adjusted_flg= 1",
    };
    EXPECT_EQ(m.host.iniWrites, writes);
    // The file as the profile writer keeps it; like Wine's, it drops a value's leading blank.
    EXPECT_EQ(m.host.File("meter.ini"), CrLfLines({
                                            "[Coordinates]",
                                            "Left=0",
                                            "Top=0",
                                            "Center=50",
                                            "[View]",
                                            "Transparency=255",
                                            "Mouse_Cancel=0",
                                            "Top_view=0",
                                            "Needle=2",
                                            "Needle_type=1",
                                            "Label_view=0",
                                            "Mode_view=0",
                                            "Icon_view=0",
                                            "Hide_Meter=0",
                                            "Zanzo_view=0",
                                            "Zanzo_max=2",
                                            "English=0",
                                            "[Movement]",
                                            "Move_quantity=5",
                                            "Watch_time=160",
                                            "Warning=85",
                                            "[Color]",
                                            "Illumination=False",
                                            "illumi_on_time=",
                                            "illumi_off_time=",
                                            "Needle_color=230",
                                            "Needle_shadow_color=170",
                                            "Needle_color2=7237230",
                                            "Needle_shadow_color2=4605510",
                                            "Second_color=11842740",
                                            "Font_color=13158600",
                                            "Illumi_needle_color=658175",
                                            "Illumi_needle_shadow_color=658100",
                                            "Illumi_needle_color2=5921370",
                                            "Illumi_needle_shadow_color2=3289650",
                                            "Illumi_second_color=15132390",
                                            "Illumi_font_color=5944410",
                                            "[Etc]",
                                            "max_beep_flg=0",
                                            "down_beep_flg=0",
                                            "meter_move_flg=0",
                                            "adjusted_flg=1",
                                        }));
}

TEST(MeterLifecycle, KeysAreReadInTheirFixedOrder) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    const std::vector<std::string> expected = {
        "View/English",
        "Etc/adjusted_flg",
        "Coordinates/Left",
        "Coordinates/Top",
        "View/Top_view",
        "View/Needle",
        "View/Needle_type",
        "View/Label_view",
        "View/Mode_view",
        "View/Icon_view",
        "View/Hide_Meter",
        "View/Zanzo_view",
        "View/Zanzo_max",
        "View/Transparency",
        "View/Mouse_Cancel",
        "Movement/Move_quantity",
        "Movement/Watch_time",
        "Movement/Warning",
        "Color/Needle_color",
        "Color/Illumi_needle_color",
        "Color/Needle_shadow_color",
        "Color/Illumi_needle_shadow_color",
        "Color/Needle_color2",
        "Color/Illumi_needle_color2",
        "Color/Needle_shadow_color2",
        "Color/Illumi_needle_shadow_color2",
        "Color/Second_color",
        "Color/Illumi_second_color",
        "Color/Font_color",
        "Color/Illumi_font_color",
        "Color/Illumination",
        "Etc/max_beep_flg",
        "Etc/down_beep_flg",
        "Etc/meter_move_flg",
        "Color/illumi_on_time",
        "Color/illumi_off_time",
        "Coordinates/Center",
    };
    EXPECT_EQ(m.host.iniReads, expected);
}

TEST(MeterLifecycle, HandEditedFileIsLoadedRunAndWrittenBackInPlace) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};  // translucency applies on this version
    m.host.File("meter.ini") = CrLfLines({
        "[View]",          "needle=3",         "Label_view=1",         "Mode_view=1",
        "Top_view=1",      "Transparency=300", "Zanzo_max=9",          "Zanzo_view=1",
        "English=1",       "[Coordinates]",    "Left=99999",           "Top=-5000",
        "[Movement]",      "Watch_time=250",   "Move_quantity=0",      "[Color]",
        "Illumination=-1", "Needle_color=red", "illumi_on_time=18:00", "illumi_off_time=06:30",
    });
    RunEntryProcedure(m.app);
    const test::FakeWindow& dial = m.host.Dial();
    EXPECT_EQ(dial.position.x, 1024 - 100);  // pulled back flush right
    EXPECT_EQ(dial.position.y, 0);
    EXPECT_TRUE(dial.visible);
    EXPECT_TRUE(dial.topmost);
    EXPECT_TRUE(dial.layered);
    EXPECT_EQ(dial.alpha, 255);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 250);  // the load keeps Watch_time even for the clock
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer2), 5000);
    EXPECT_EQ(m.app.meter.face, DialFace::ClockLit);
    EXPECT_EQ(m.app.meter.Label1.left, 30);
    EXPECT_EQ(m.app.meter.Label2.text, "Clock");
    EXPECT_TRUE(m.app.meter.Label1.visible);
    EXPECT_EQ(m.app.meter.Label1.text, "");
    EXPECT_EQ(m.app.menu.language, MenuLanguage::English);
    EXPECT_TRUE(m.app.menu.Item(MenuItemId::MNU_M_L).checked);
    EXPECT_TRUE(m.app.menu.Item(MenuItemId::MNU_M_T).checked);
    EXPECT_TRUE(m.app.menu.Item(MenuItemId::MNU_M_I).checked);
    EXPECT_FALSE(m.app.menu.Item(MenuItemId::MNU_M_H).enabled);
    EXPECT_EQ(m.app.activeColours.centreLine, Rgb(255, 10, 10));
    EXPECT_EQ(m.app.afterimageColours.centreLine, Rgb(155, 0, 0));
    EXPECT_EQ(m.app.meter.Label1.colour, Rgb(90, 180, 90));

    m.host.time = {9, 5, 7};
    OnMeterTimer(m.app, TimerId::Timer1);
    EXPECT_EQ(m.app.meter.Label1.text, "09:05.07");

    OnMeterCloseRequest(m.app);
    for (const char* write :
         {"View/Needle= 3", "View/Zanzo_max= 5", "View/Transparency= 255", "Movement/Move_quantity= 0",
          "Color/Illumination=True", "Coordinates/Left=13860", "Coordinates/Top=0"})
        EXPECT_NE(std::find(m.host.iniWrites.begin(), m.host.iniWrites.end(), write), m.host.iniWrites.end()) << write;
    const std::string& written = m.host.File("meter.ini");
    // Existing keys keep their place and spelling; missing ones are appended to their section.
    EXPECT_NE(written.find("[View]\r\nneedle=3\r\nLabel_view=1\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Transparency=255"), std::string::npos);
    EXPECT_NE(written.find("Zanzo_max=5"), std::string::npos);
    EXPECT_NE(written.find("Move_quantity=0"), std::string::npos);
    EXPECT_NE(written.find("[Coordinates]\r\nLeft=13860\r\nTop=0\r\nCenter=50\r\n"), std::string::npos) << written;
    EXPECT_NE(written.find("Illumination=True"), std::string::npos);
    EXPECT_NE(written.find("Needle_color=230\r\n"), std::string::npos);
    EXPECT_NE(written.find("illumi_on_time=18:00\r\nillumi_off_time=06:30\r\n"), std::string::npos);
    EXPECT_LT(written.find("[View]"), written.find("[Coordinates]"));
    EXPECT_LT(written.find("[Color]"), written.find("[Etc]"));
}

TEST(MeterLifecycle, LoadStepsRunInOrder) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};
    m.host.File("meter.ini") = CrLfLines({"[Coordinates]", "Left=1500", "Top=1500"});
    RunEntryProcedure(m.app);
    const std::vector<std::string>& log = m.host.log;
    EXPECT_LT(IndexOf(log, "create Dorvanix"), IndexOf(log, "move 100,0"));
    EXPECT_LT(IndexOf(log, "move 100,0"), IndexOf(log, "move 100,100"));
    EXPECT_LT(IndexOf(log, "move 100,100"), IndexOf(log, "layered 255"));
    EXPECT_LT(IndexOf(log, "layered 255"), IndexOf(log, "timer1 160"));
    EXPECT_LT(IndexOf(log, "timer1 160"), IndexOf(log, "timer2 0"));
    EXPECT_LT(IndexOf(log, "timer2 0"), IndexOf(log, "region"));
    EXPECT_LT(IndexOf(log, "region"), IndexOf(log, "open query \\Processor(0)\\% Processor Time"));
    EXPECT_EQ(log.back(), "show notopmost");
}

TEST(MeterLifecycle, UnloadHidesBeforeItPumpsAndSavesThroughACopyLast) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    m.host.log.clear();
    OnMeterCloseRequest(m.app);
    const std::vector<std::string>& log = m.host.log;
    ASSERT_EQ(log.size(), 3u + 1u + 37u + 1u + 1u);
    EXPECT_EQ(log[0], "hide");
    EXPECT_EQ(log[1], "pump");
    EXPECT_EQ(log[2], "close query");
    EXPECT_EQ(log[3], "copy");
    EXPECT_EQ(log[4], "write Coordinates/Left");
    EXPECT_EQ(log[log.size() - 2], "replace");
    EXPECT_EQ(log.back(), "end");
    EXPECT_FALSE(m.host.HasFile("meter.ini.tmp"));
    EXPECT_TRUE(m.host.messages.empty());
}

TEST(MeterLifecycle, CloseArrivingDuringTheUnloadSavesOnlyOnce) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    m.host.onPump = [&m] {
        OnMeterCloseRequest(m.app);
        OnMeterTimer(m.app, TimerId::Timer1);
    };
    OnMeterCloseRequest(m.app);
    long writes = std::count(m.host.log.begin(), m.host.log.end(), "write Coordinates/Left");
    EXPECT_EQ(writes, 1);
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "end"), 1);
}

TEST(MeterLifecycle, HiddenStartsLeaveTheWindowHiddenButRunning) {
    for (const char* view : {"Hide_Meter=1", "Top_view=2", "Top_view=-1"}) {
        FakeMeter m;
        m.host.File("meter.ini") = CrLfLines({"[View]", view, "Needle=0"});
        RunEntryProcedure(m.app);
        EXPECT_FALSE(m.host.Dial().visible) << view;
        EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 160) << view;
    }
}

TEST(MeterLifecycle, ScheduleTimerRunsOnlyWithBothTimes) {
    struct Case {
        const char* on;
        const char* off;
        int interval;
    } cases[] = {{"18:30", "06:30", 5000}, {"18:30", "", 0}, {"", "06:30", 0}, {"", "", 0}};
    for (const Case& c : cases) {
        FakeMeter m;
        m.host.File("meter.ini") = CrLfLines({"[Color]", (std::string("illumi_on_time=") + c.on).c_str(),
                                              (std::string("illumi_off_time=") + c.off).c_str()});
        RunEntryProcedure(m.app);
        EXPECT_EQ(m.host.TimerInterval(TimerId::Timer2), c.interval) << c.on << "-" << c.off;
    }
}

TEST(MeterLifecycle, SamplingTimerFollowsWatchTime) {
    struct Case {
        const char* stored;
        int interval;
    } cases[] = {{"Watch_time=10", 10}, {"Watch_time=0", 0}, {"Watch_time=-50", 0}, {"Watch_time=x", 160}};
    for (const Case& c : cases) {
        FakeMeter m;
        m.host.File("meter.ini") = CrLfLines({"[Movement]", c.stored});
        RunEntryProcedure(m.app);
        EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), c.interval) << c.stored;
    }
}

TEST(MeterLifecycle, ModeMarksAndTheVirtualMemoryItem) {
    struct Case {
        const char* needle;
        std::uint32_t major;
        MenuItemId checked;
        bool anyChecked;
        bool vmemEnabled;
    } cases[] = {
        {"Needle=0", 5, MenuItemId::MNU_M_P, true, true},
        {"Needle=1", 6, MenuItemId::MNU_M_V, true, false},  // still checked, though greyed
        {"Needle=2", 10, MenuItemId::MNU_M_C, true, false},
        {"Needle=7", 5, MenuItemId::MNU_M_P, false, true},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.host.version = {true, 2, c.major, 0};
        m.host.File("meter.ini") = CrLfLines({"[View]", c.needle});
        RunEntryProcedure(m.app);
        int marks = 0;
        for (MenuItemId id : {MenuItemId::MNU_M_P, MenuItemId::MNU_M_V, MenuItemId::MNU_M_C, MenuItemId::MNU_M_L})
            marks += m.app.menu.Item(id).checked ? 1 : 0;
        EXPECT_EQ(marks, c.anyChecked ? 1 : 0) << c.needle;
        if (c.anyChecked) {
            EXPECT_TRUE(m.app.menu.Item(c.checked).checked) << c.needle;
        }
        EXPECT_EQ(m.app.menu.Item(MenuItemId::MNU_M_V).enabled, c.vmemEnabled) << c.needle;
    }
}

TEST(MeterLifecycle, Win9xFamilyOpensNoPerformanceQuery) {
    FakeMeter m;
    m.host.version = {true, 1, 4, 10};
    RunEntryProcedure(m.app);
    EXPECT_FALSE(m.host.queryOpen);
    OnMeterCloseRequest(m.app);
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "close query"), 0);
    EXPECT_TRUE(m.host.HasFile("meter.ini"));
}

}  // namespace
}  // namespace dorv
