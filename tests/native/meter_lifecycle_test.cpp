#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::CrLfLines;
using test::FakeMeter;
using test::Joined;
using test::StartMeter;

std::size_t IndexOf(const std::vector<std::string>& log, const std::string& entry) {
    auto found = std::find(log.begin(), log.end(), entry);
    EXPECT_NE(found, log.end()) << entry;
    return static_cast<std::size_t>(found - log.begin());
}

TEST(MeterLifecycle, FirstRunStartsWithDefaultsAndWritesEveryKeyInItsFixedOrder) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    const test::FakeWindow& dial = m.host.Dial();
    EXPECT_EQ(dial.title, "Dorvanix");
    EXPECT_EQ(dial.position.x + dial.position.y, 0);
    EXPECT_TRUE(dial.visible && dial.hasRegion);
    EXPECT_FALSE(dial.topmost || dial.layered);
    EXPECT_EQ(m.host.timers, (std::map<TimerId, int>{{TimerId::Timer1, 160}}));
    EXPECT_FALSE(m.app.tray.added);
    EXPECT_TRUE(m.host.queryOpen);
    EXPECT_FALSE(m.host.HasFile("meter.ini"));

    OnMeterCloseRequest(m.app);
    EXPECT_TRUE(m.host.ended);
    EXPECT_FALSE(m.host.queryOpen);
    // Non-negative integers with a leading blank, which the profile writer drops.
    const std::string writes =
        "Coordinates/Left=0;Coordinates/Top=0;Coordinates/Center= 50;View/Transparency= 255;"
        "View/Mouse_Cancel= 0;View/Top_view= 0;View/Needle= 2;View/Needle_type= 1;View/Label_view= 0;"
        "View/Mode_view= 0;View/Icon_view= 0;View/Hide_Meter= 0;View/Zanzo_view= 0;View/Zanzo_max= 2;"
        "View/English= 0;Movement/Move_quantity= 5;Movement/Watch_time= 160;Movement/Warning= 85;"
        "Color/Illumination=False;Color/illumi_on_time=;Color/illumi_off_time=;Color/Needle_color= 230;"
        "Color/Needle_shadow_color= 170;Color/Needle_color2= 7237230;Color/Needle_shadow_color2= 4605510;"
        "Color/Second_color= 11842740;Color/Font_color= 13158600;Color/Illumi_needle_color= 658175;"
        "Color/Illumi_needle_shadow_color= 658100;Color/Illumi_needle_color2= 5921370;"
        "Color/Illumi_needle_shadow_color2= 3289650;Color/Illumi_second_color= 15132390;"
        "Color/Illumi_font_color= 5944410;Etc/max_beep_flg= 0;Etc/down_beep_flg= 0;Etc/meter_move_flg= 0;"
        "Etc/adjusted_flg= 1;";
    EXPECT_EQ(Joined(m.host.iniWrites), writes);
    const std::string& file = m.host.File("meter.ini");
    const std::string head = "[Coordinates]\r\nLeft=0\r\nTop=0\r\nCenter=50\r\n[View]\r\n";
    const std::string tail = "[Etc]\r\nmax_beep_flg=0\r\ndown_beep_flg=0\r\nmeter_move_flg=0\r\nadjusted_flg=1\r\n";
    EXPECT_EQ(file.find(head), 0u) << file;
    EXPECT_EQ(file.find(tail), file.size() - tail.size()) << file;
}

TEST(MeterLifecycle, KeysAreReadInTheirFixedOrder) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    const std::string expected =
        "View/English;Etc/adjusted_flg;Coordinates/Left;Coordinates/Top;View/Top_view;View/Needle;"
        "View/Needle_type;View/Label_view;View/Mode_view;View/Icon_view;View/Hide_Meter;View/Zanzo_view;"
        "View/Zanzo_max;View/Transparency;View/Mouse_Cancel;Movement/Move_quantity;Movement/Watch_time;"
        "Movement/Warning;Color/Needle_color;Color/Illumi_needle_color;Color/Needle_shadow_color;"
        "Color/Illumi_needle_shadow_color;Color/Needle_color2;Color/Illumi_needle_color2;"
        "Color/Needle_shadow_color2;Color/Illumi_needle_shadow_color2;Color/Second_color;"
        "Color/Illumi_second_color;Color/Font_color;Color/Illumi_font_color;Color/Illumination;"
        "Etc/max_beep_flg;Etc/down_beep_flg;Etc/meter_move_flg;Color/illumi_on_time;Color/illumi_off_time;"
        "Coordinates/Center;";
    EXPECT_EQ(Joined(m.host.iniReads), expected);
}

TEST(MeterLifecycle, HandEditedFileIsLoadedRunAndWrittenBackInPlace) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};  // translucency applies on this version
    StartMeter(m, {"[View]",          "needle=3",         "Label_view=1",         "Mode_view=1",
                   "Top_view=1",      "Transparency=300", "Zanzo_max=9",          "Zanzo_view=1",
                   "English=1",       "[Coordinates]",    "Left=99999",           "Top=-5000",
                   "[Movement]",      "Watch_time=250",   "Move_quantity=0",      "[Color]",
                   "Illumination=-1", "Needle_color=red", "illumi_on_time=18:00", "illumi_off_time=06:30"});
    const test::FakeWindow& dial = m.host.Dial();
    EXPECT_EQ(dial.position.x, 1024 - 100);  // pulled back flush right
    EXPECT_EQ(dial.position.y, 0);
    EXPECT_TRUE(dial.visible && dial.topmost && dial.layered);
    EXPECT_EQ(dial.alpha, 255);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), 250);  // the load keeps Watch_time even for the clock
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer2), 5000);
    EXPECT_EQ(m.app.meter.face, DialFace::ClockLit);
    EXPECT_EQ(m.app.meter.Label1.left, 30);
    EXPECT_EQ(m.app.meter.Label2.text, "Clock");
    EXPECT_EQ(m.app.menu.language, MenuLanguage::English);
    for (MenuItemId id : {MenuItemId::MNU_M_L, MenuItemId::MNU_M_T, MenuItemId::MNU_M_I})
        EXPECT_TRUE(m.app.menu.Item(id).checked) << static_cast<int>(id);
    EXPECT_FALSE(m.app.menu.Item(MenuItemId::MNU_M_H).enabled);
    EXPECT_EQ(m.app.activeColours.centreLine, Rgb(255, 10, 10));
    EXPECT_EQ(m.app.afterimageColours.centreLine, Rgb(155, 0, 0));
    EXPECT_EQ(m.app.meter.Label1.colour, Rgb(90, 180, 90));

    m.host.time = {9, 5, 7};
    OnMeterTimer(m.app, TimerId::Timer1);
    EXPECT_EQ(m.app.meter.Label1.text, "09:05.07");

    OnMeterCloseRequest(m.app);
    const std::string& written = m.host.File("meter.ini");
    // Existing keys keep their place and spelling; missing ones are appended to their section.
    for (const char* part :
         {"[View]\r\nneedle=3\r\nLabel_view=1\r\n", "Transparency=255", "Zanzo_max=5", "Move_quantity=0",
          "[Coordinates]\r\nLeft=13860\r\nTop=0\r\nCenter=50\r\n", "Illumination=True", "Needle_color=230\r\n",
          "illumi_on_time=18:00\r\nillumi_off_time=06:30\r\n"})
        EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;
    EXPECT_LT(written.find("[View]"), written.find("[Coordinates]"));
    EXPECT_LT(written.find("[Color]"), written.find("[Etc]"));
}

TEST(MeterLifecycle, LoadStepsRunInOrder) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};
    StartMeter(m, {"[Coordinates]", "Left=1500", "Top=1500"});
    const std::vector<std::string>& log = m.host.log;
    const char* steps[] = {
        "create Dorvanix", "move 100,0", "move 100,100", "layered 255",
        "timer1 160",      "timer2 0",   "region",       "open query \\Processor(0)\\% Processor Time"};
    for (std::size_t i = 1; i < std::size(steps); ++i)
        EXPECT_LT(IndexOf(log, steps[i - 1]), IndexOf(log, steps[i])) << steps[i];
    EXPECT_EQ(log.back(), "show notopmost");
}

TEST(MeterLifecycle, UnloadHidesPumpsClosesTheCounterAndSavesThroughACopyLast) {
    FakeMeter m;
    RunEntryProcedure(m.app);
    m.host.log.clear();
    OnMeterCloseRequest(m.app);
    const std::vector<std::string>& log = m.host.log;
    ASSERT_EQ(log.size(), 3u + 1u + 37u + 1u + 1u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
              (std::vector<std::string>{"hide", "pump", "close query", "copy", "write Coordinates/Left"}));
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
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "write Coordinates/Left"), 1);
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "end"), 1);
}

TEST(MeterLifecycle, VisibilityAndTimersFromTheFile) {
    struct Case {
        std::vector<const char*> lines;
        bool visible;
        int timer1, timer2;
    } cases[] = {
        {{"[View]", "Hide_Meter=1"}, false, 160, 0},  // hidden starts keep sampling
        {{"[View]", "Top_view=2"}, false, 160, 0},
        {{"[View]", "Top_view=-1"}, false, 160, 0},
        {{"[Color]", "illumi_on_time=18:30", "illumi_off_time=06:30"}, true, 160, 5000},
        {{"[Color]", "illumi_on_time=18:30"}, true, 160, 0},
        {{"[Color]", "illumi_off_time=06:30"}, true, 160, 0},
        {{"[Movement]", "Watch_time=10"}, true, 10, 0},
        {{"[Movement]", "Watch_time=-50"}, true, 0, 0},
        {{"[Movement]", "Watch_time=x"}, true, 160, 0},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        StartMeter(m, c.lines);
        SCOPED_TRACE(c.lines.back());
        EXPECT_EQ(m.host.Dial().visible, c.visible);
        EXPECT_EQ(m.host.TimerInterval(TimerId::Timer1), c.timer1);
        EXPECT_EQ(m.host.TimerInterval(TimerId::Timer2), c.timer2);
    }
}

TEST(MeterLifecycle, ModeMarksAndTheVirtualMemoryItem) {
    struct Case {
        const char* needle;
        std::uint32_t major;
        std::vector<MenuItemId> checked;
        bool vmemEnabled;
    } cases[] = {
        {"Needle=0", 5, {MenuItemId::MNU_M_P}, true},
        {"Needle=1", 6, {MenuItemId::MNU_M_V}, false},  // still checked, though greyed
        {"Needle=2", 10, {MenuItemId::MNU_M_C}, false},
        {"Needle=7", 5, {}, true},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.host.version = {true, 2, c.major, 0};
        StartMeter(m, {"[View]", c.needle});
        std::vector<MenuItemId> checked;
        for (MenuItemId id : {MenuItemId::MNU_M_P, MenuItemId::MNU_M_V, MenuItemId::MNU_M_C, MenuItemId::MNU_M_L})
            if (m.app.menu.Item(id).checked)
                checked.push_back(id);
        EXPECT_EQ(checked, c.checked) << c.needle;
        EXPECT_EQ(m.app.menu.Item(MenuItemId::MNU_M_V).enabled, c.vmemEnabled) << c.needle;
    }
}

}  // namespace
}  // namespace dorv
