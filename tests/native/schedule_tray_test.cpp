#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/illumination.h"
#include "app/menu_commands.h"
#include "fake_host.h"
#include "settings/schedule_time.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

// The last rows: "9:00" sorts after "18:00" as stored text, the midnight case, with 09:00 compared: always lit.
TEST(Schedule, LightsFromTheOnTimeUpToTheOffTime) {
    struct Case {
        const char *on, *off;
        LocalTime now;
        bool lit;
    } cases[] = {
        {"18:00", "06:30", {17, 59, 59}, false}, {"18:00", "06:30", {18, 0, 0}, true},
        {"18:00", "06:30", {0, 0, 0}, true},     {"18:00", "06:30", {6, 30, 0}, false},
        {"08:00", "17:00", {7, 59, 0}, false},   {"08:00", "17:00", {8, 0, 0}, true},
        {"08:00", "17:00", {17, 0, 0}, false},   {"12:00", "12:00", {12, 0, 0}, false},
        {"9:00", "18:00", {8, 0, 0}, true},      {"9:00", "18:00", {20, 0, 0}, true},
    };
    for (const Case& c : cases) {
        for (bool before : {false, true}) {
            FakeMeter m;
            m.app.settings.illumi_on_time = c.on;
            m.app.settings.illumi_off_time = c.off;
            m.app.settings.Illumination = before;
            m.host.time = c.now;
            ScheduleCheck(m.app);
            EXPECT_EQ(m.app.settings.Illumination, c.lit)
                << c.on << "-" << c.off << " at " << c.now.hour << ":" << c.now.minute << " from " << before;
        }
    }
}

TEST(Schedule, HandEditedTimesAreReformatted) {
    EXPECT_EQ(std::tuple(ReformatScheduleTime("7:5"), ReformatScheduleTime("21:15:40"), ReformatScheduleTime("noon")),
              std::tuple("07:05", "21:15", "noon"));
}

// The schedule's check switches only when the state differs; the command asks in Japanese, in either language,
// before it clears a schedule, and the check, left running, then returns at once.
TEST(IlluminationCommand, FollowsTheScheduleOrClearsItAndTogglesTheFaceTheMarkAndTheTrayPicture) {
    FakeMeter m;
    StartMeter(m, {"[View]", "English=1", "Needle=2", "Icon_view=1", "[Color]", "illumi_on_time=08:00",
                   "illumi_off_time=17:00", "Illumination=True", "[Movement]", "Warning=0"});
    m.host.time = {9, 0, 0};
    m.host.drawing.clear();
    OnTimer(m.app, TimerId::Schedule);
    EXPECT_TRUE(m.host.drawing.empty());
    m.host.time = {17, 0, 0};
    OnTimer(m.app, TimerId::Schedule);
    EXPECT_EQ(std::tuple(m.app.settings.Illumination, m.app.meter.face), std::tuple(false, DialFace::Meter));

    m.host.answers = {false, true};
    RunMenuCommand(m.app, MenuItemId::Illumination);
    EXPECT_EQ(std::tuple(m.app.settings.Illumination, m.app.settings.illumi_on_time), std::tuple(false, "08:00"));
    m.app.ShownValue = 57;
    m.host.trayLog.clear();
    RunMenuCommand(m.app, MenuItemId::Illumination);
    EXPECT_EQ(m.app.settings.illumi_on_time + m.app.settings.illumi_off_time, "");
    EXPECT_EQ(m.app.meter.face, DialFace::MeterLit);
    EXPECT_EQ(test::Joined(m.host.trayLog), "modify lit 0 CPU:0%;modify lit 5 CPU:57%;");
    m.host.time = {9, 0, 0};
    OnTimer(m.app, TimerId::Schedule);
    EXPECT_EQ(std::tuple(m.app.settings.Illumination, m.host.TimerInterval(TimerId::Schedule)), std::tuple(true, 5000));

    // The clock hides the lamp and starts the tray's pictures again, in the lit set.
    EXPECT_TRUE(m.app.meter.warningLampVisible);
    RunMenuCommand(m.app, MenuItemId::Clock);
    EXPECT_EQ(std::tuple(m.app.meter.warningLampVisible, m.app.meter.face, m.host.trayIcon.set, m.host.trayIcon.index),
              std::tuple(false, DialFace::ClockLit, TrayIconSet::Lit, 0));
    RunMenuCommand(m.app, MenuItemId::Illumination);
    // The clock's mark picks the face.
    EXPECT_EQ(std::tuple(m.app.meter.face, m.host.trayIcon.set), std::tuple(DialFace::Clock, TrayIconSet::Normal));
    EXPECT_EQ(m.host.questions,
              std::vector<std::string>(
                  2, "イルミネーションの設定|自動点灯時刻がセットされています。\r\n時刻設定を解除しますか？"));
}

TEST(TrayIcon, PictureAndTipFollowTheValue) {
    struct Case {
        int mode;
        double value;
        int index;
        const char* tip;
    } cases[] = {
        {MeterMode::Cpu, 9.99, 0, "CPU:9%"},
        {MeterMode::Cpu, 10.0, 1, "CPU:10%"},
        {MeterMode::Mem, 57.3, 5, "Mem:57%"},
        {MeterMode::VMem, 8.0, 0, "VMem:8%"},
        {MeterMode::Cpu, 110.0, 10, "CPU:110%"},
        {MeterMode::Cpu, -3.0, 0, "CPU:-3%"},
        {7, 57.0, 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::tuple(TrayIconIndex(c.mode, c.value), TrayTip(c.mode, c.value)), std::tuple(c.index, c.tip))
            << c.mode << " " << c.value;
    }
}

// Added at the load, then at each retry tick until it holds or five retries have failed; each restart of the shell,
// even one while the icon stands, starts over.
TEST(TrayIcon, AddedAtLoadRetriedComesBackAfterTheShellRestartsFollowsTheClockAndGoesAtQuit) {
    FakeMeter m;
    m.host.shellReady = false;
    StartMeter(m, {"[View]", "Icon_view=1", "Needle=2"});
    for (int readyAfter : {99, 3}) {
        EXPECT_EQ(m.host.TimerInterval(TimerId::TrayRetry), 2000);
        for (int tick = 1; tick <= 10; ++tick) {
            m.host.shellReady = tick >= readyAfter;
            OnTimer(m.app, TimerId::TrayRetry);
        }
        EXPECT_EQ(std::tuple(test::Starting(m.host.trayLog, "add").size(), m.host.trayPresent,
                             m.host.TimerInterval(TimerId::TrayRetry)),
                  std::tuple(readyAfter == 3 ? 4u : 6u, readyAfter == 3, 0));
        m.host.trayLog.clear();
        OnTaskbarCreated(m.app);
    }
    EXPECT_EQ(
        std::tuple(m.host.trayPresent, m.app.tray.added, m.host.TimerInterval(TimerId::TrayRetry), m.host.trayIcon.tip),
        std::tuple(true, true, 0, "CPU:0%"));
    m.app.settings.Needle = MeterMode::Clock;
    m.host.time = {21, 5, 7};
    OnTimer(m.app, TimerId::Sample);
    EXPECT_EQ(std::tuple(m.host.trayIcon.tip, m.host.trayIcon.index), std::tuple("Clock:21:05:07", 0));
    OnMeterCloseRequest(m.app);
    EXPECT_FALSE(m.host.trayPresent);
}

TEST(TrayIcon, OffStillPreparesAndDeletesButNeverAddsOrUpdates) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Icon_view=0", "Needle=2"});
    m.app.ShownValue = 40;
    UpdateTrayIcon(Tray(m.app), 40);
    UpdateClockTip(Tray(m.app));
    OnTaskbarCreated(m.app);
    EXPECT_EQ(std::tuple(m.host.trayLog.size(), m.app.tray.view.tip), std::tuple(0u, "Dorvanix"));
    OnMeterCloseRequest(m.app);
    EXPECT_EQ(m.host.trayLog, std::vector<std::string>{"delete"});
}

// The 22 tray pictures embedded in the program: no two files alike, so the tray always shows both the value
// and whether illumination is on.
TEST(TrayIcons, AllTwentyTwoPicturesDiffer) {
    std::map<std::string, std::string> seen;
    for (const char* set : {"normal", "lit"}) {
        for (int band = 0; band <= 10; ++band) {
            const std::string name = test::Printed("tray_%s_%02d.ico", set, band);
            std::ifstream in(DORVANIX_ASSETS_DIR "/" + name, std::ios::binary);
            const std::string icon(std::istreambuf_iterator<char>(in), {});
            ASSERT_FALSE(icon.empty()) << name;
            const auto [first, fresh] = seen.emplace(icon, name);
            EXPECT_TRUE(fresh) << name << " is the same as " << first->second;
        }
    }
}

}  // namespace
}  // namespace dorv
