#include <gtest/gtest.h>

#include "fake_host.h"

namespace dorv {
namespace {

// The position is read and written with the system's decimal symbol, and written back as it was stored while the
// dial has not moved.
TEST(MeterLifecycle, LoadAndUnloadRunTheirStepsAndKeysInFixedOrders) {
    FakeMeter m;
    m.host.version = {true, 2, 5, 1};  // translucency applies on this version
    m.host.decimalSymbol = ",";
    // One schedule time alone starts no schedule timer ("timer2 0").
    StartMeter(m, {"[Coordinates]", "Left=1230,5", "Top=-45", "[Color]", "illumi_on_time=18:30"});
    EXPECT_EQ(Joined(m.host.iniReads),
              "View/English;Etc/adjusted_flg;Coordinates/Left;Coordinates/Top;View/Top_view;View/Needle;"
              "View/Needle_type;View/Label_view;View/Mode_view;View/Icon_view;View/Hide_Meter;View/Zanzo_view;"
              "View/Zanzo_max;View/Transparency;View/Mouse_Cancel;Movement/Move_quantity;Movement/Watch_time;"
              "Movement/Warning;Color/Needle_color;Color/Illumi_needle_color;Color/Needle_shadow_color;"
              "Color/Illumi_needle_shadow_color;Color/Needle_color2;Color/Illumi_needle_color2;"
              "Color/Needle_shadow_color2;Color/Illumi_needle_shadow_color2;Color/Second_color;"
              "Color/Illumi_second_color;Color/Font_color;Color/Illumi_font_color;Color/Illumination;"
              "Etc/max_beep_flg;Etc/down_beep_flg;Etc/meter_move_flg;Color/illumi_on_time;Color/illumi_off_time;"
              "Coordinates/Center;");
    // Created and configured hidden, shown last.
    std::size_t last = 0;
    for (const char* step : {"create Dorvanix", "move 82,0", "move 82,-3", "layered 255", "timer1 160", "timer2 0",
                             "region", "open query \\Processor(0)\\% Processor Time"}) {
        const auto at =
            static_cast<std::size_t>(std::find(m.host.log.begin(), m.host.log.end(), step) - m.host.log.begin());
        EXPECT_TRUE(at < m.host.log.size() && at >= last) << step;
        last = at;
    }
    EXPECT_EQ(m.host.log.back(), "show notopmost");
    EXPECT_TRUE(m.app.menu.Item(MenuItemId::VMem).enabled);

    m.host.log.clear();
    OnMeterCloseRequest(m.app);
    // Non-negative integers with a leading blank, which the profile writer drops.
    EXPECT_EQ(Joined(m.host.iniWrites),
              "Coordinates/Left=1230,5;Coordinates/Top=-45;Coordinates/Center= 50;View/Transparency= 255;"
              "View/Mouse_Cancel= 0;View/Top_view= 0;View/Needle= 2;View/Needle_type= 1;View/Label_view= 0;"
              "View/Mode_view= 0;View/Icon_view= 0;View/Hide_Meter= 0;View/Zanzo_view= 0;View/Zanzo_max= 2;"
              "View/English= 0;Movement/Move_quantity= 5;Movement/Watch_time= 160;Movement/Warning= 85;"
              "Color/Illumination=False;Color/illumi_on_time=18:30;Color/illumi_off_time=;Color/Needle_color= 230;"
              "Color/Needle_shadow_color= 170;Color/Needle_color2= 7237230;Color/Needle_shadow_color2= 4605510;"
              "Color/Second_color= 11842740;Color/Font_color= 13158600;Color/Illumi_needle_color= 658175;"
              "Color/Illumi_needle_shadow_color= 658100;Color/Illumi_needle_color2= 5921370;"
              "Color/Illumi_needle_shadow_color2= 3289650;Color/Illumi_second_color= 15132390;"
              "Color/Illumi_font_color= 5944410;Etc/max_beep_flg= 0;Etc/down_beep_flg= 0;Etc/meter_move_flg= 0;"
              "Etc/adjusted_flg= 1;");
    // Hidden, one pump pass and the counter closed before the save, which goes through a copy.
    const std::vector<std::string>& log = m.host.log;
    ASSERT_EQ(log.size(), 3u + 1u + 37u + 1u + 1u);
    EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
              (std::vector<std::string>{"hide", "pump", "close query", "copy", "write Coordinates/Left"}));
    EXPECT_EQ(std::vector<std::string>(log.end() - 2, log.end()), (std::vector<std::string>{"replace", "end"}));
    EXPECT_TRUE(m.host.messages.empty());
}

TEST(MeterLifecycle, HandEditedFileIsLoadedAndWrittenBackInPlace) {
    FakeMeter m;
    m.host.version = {true, 2, 6, 0};
    StartMeter(m, {"[View]", "needle=3", "Label_view=1", "Mode_view=1", "Top_view=1", "[Coordinates]", "Left=99999",
                   "[Movement]", "Watch_time=250", "[Color]", "Illumination=-1", "Needle_color=red",
                   "illumi_on_time=18:00", "illumi_off_time=06:30"});
    EXPECT_TRUE(m.host.Dial().visible && m.host.Dial().topmost);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Sample), 250);  // the load keeps Watch_time even for the clock
    EXPECT_EQ(m.host.TimerInterval(TimerId::Schedule), 5000);
    EXPECT_EQ(m.app.meter.face, DialFace::ClockLit);
    EXPECT_EQ(m.app.meter.readoutLabel.left, 30);  // laid out for the clock
    EXPECT_TRUE(m.app.menu.Item(MenuItemId::Illumination).checked && m.app.menu.Item(MenuItemId::AlwaysOnTop).checked);
    EXPECT_FALSE(m.app.menu.Item(MenuItemId::VMem).enabled);
    EXPECT_EQ(m.app.afterimageColours.centreLine, Rgb(155, 0, 0));

    OnMeterCloseRequest(m.app);
    const std::string& written = m.host.File("meter.ini");
    // Existing keys keep their place and spelling; missing ones are appended to their section.
    for (const char* part : {"[View]\r\nneedle=3\r\nLabel_view=1\r\n", "[Coordinates]\r\nLeft=13860\r\nTop=0\r\n",
                             "Needle_color=230\r\n", "illumi_on_time=18:00\r\nillumi_off_time=06:30\r\n"})
        EXPECT_NE(written.find(part), std::string::npos) << part << "\n" << written;
    EXPECT_LT(written.find("[View]"), written.find("[Coordinates]"));
    EXPECT_LT(written.find("[Color]"), written.find("[Etc]"));
}

// Neither on top nor not: the dial stays hidden. A second close and a tick arrive in the unload's pump pass.
TEST(MeterLifecycle, OddTopViewHidesAndACloseDuringTheUnloadSavesOnce) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Top_view=2"});
    EXPECT_FALSE(m.host.Dial().visible);
    m.host.onPump = [&m] {
        OnMeterCloseRequest(m.app);
        OnTimer(m.app, TimerId::Sample);
    };
    OnMeterCloseRequest(m.app);
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "write Coordinates/Left"), 1);
    EXPECT_EQ(std::count(m.host.log.begin(), m.host.log.end(), "end"), 1);
}

}  // namespace
}  // namespace dorv
