#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "app/illumination.h"
#include "app/menu_commands.h"
#include "app/meter_events.h"
#include "fake_host.h"
#include "settings/schedule_time.h"
#include "tray_menu/tray_icon.h"

namespace dorv {
namespace {

using test::FakeMeter;
using test::StartMeter;

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
    EXPECT_EQ(ReformatScheduleTime("7:5"), "07:05");
    EXPECT_EQ(ReformatScheduleTime("21:15:40"), "21:15");
    EXPECT_EQ(ReformatScheduleTime("noon"), "noon");
}

// The schedule's check switches only when the state differs; the command asks in Japanese, in either language,
// before it clears a schedule, and the check, left running, then returns at once.
TEST(IlluminationCommand, FollowsTheScheduleOrClearsItAndTogglesTheFaceTheMarkAndTheTrayPicture) {
    FakeMeter m;
    StartMeter(m, {"[View]", "English=1", "Needle=2", "Icon_view=1", "[Color]", "illumi_on_time=08:00",
                   "illumi_off_time=17:00", "Illumination=True", "[Movement]", "Warning=0"});
    m.host.time = {9, 0, 0};
    m.host.drawing.clear();
    OnMeterTimer(m.app, TimerId::Timer2);
    EXPECT_TRUE(m.host.drawing.empty());
    m.host.time = {17, 0, 0};
    OnMeterTimer(m.app, TimerId::Timer2);
    EXPECT_FALSE(m.app.settings.Illumination);
    EXPECT_EQ(m.app.meter.face, DialFace::Meter);

    m.host.answers = {false, true};
    RunMenuCommand(m.app, MenuItemId::MNU_M_I);
    EXPECT_FALSE(m.app.settings.Illumination);
    EXPECT_EQ(m.app.settings.illumi_on_time, "08:00");
    m.app.ShownValue = 57;
    m.host.trayLog.clear();
    RunMenuCommand(m.app, MenuItemId::MNU_M_I);
    EXPECT_EQ(m.app.settings.illumi_on_time + m.app.settings.illumi_off_time, "");
    EXPECT_EQ(m.app.meter.face, DialFace::MeterLit);
    EXPECT_EQ(test::Joined(m.host.trayLog), "modify lit 0 CPU:0%;modify lit 5 CPU:57%;");
    m.host.time = {9, 0, 0};
    OnMeterTimer(m.app, TimerId::Timer2);
    EXPECT_TRUE(m.app.settings.Illumination);
    EXPECT_EQ(m.host.TimerInterval(TimerId::Timer2), 5000);

    // The clock hides the lamp and starts the tray's pictures again, in the lit set.
    EXPECT_TRUE(m.app.meter.warningLampVisible);
    RunMenuCommand(m.app, MenuItemId::MNU_M_L);
    EXPECT_FALSE(m.app.meter.warningLampVisible);
    EXPECT_EQ(m.app.meter.face, DialFace::ClockLit);
    EXPECT_EQ(m.host.trayIcon.set, TrayIconSet::Lit);
    EXPECT_EQ(m.host.trayIcon.index, 0);
    RunMenuCommand(m.app, MenuItemId::MNU_M_I);
    EXPECT_EQ(m.app.meter.face, DialFace::Clock);  // the clock's mark picks the face
    EXPECT_EQ(m.host.trayIcon.set, TrayIconSet::Normal);
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
        EXPECT_EQ(TrayIconIndex(c.mode, c.value), c.index) << c.mode << " " << c.value;
        EXPECT_EQ(TrayTip(c.mode, c.value), c.tip) << c.mode << " " << c.value;
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
            OnMenuTimer(m.app, TimerId::TrayRetry);
        }
        EXPECT_EQ(test::Starting(m.host.trayLog, "add").size(), readyAfter == 3 ? 4u : 6u);
        EXPECT_EQ(m.host.trayPresent, readyAfter == 3);
        EXPECT_EQ(m.host.TimerInterval(TimerId::TrayRetry), 0);
        m.host.trayLog.clear();
        OnTaskbarCreated(m.app);
    }
    EXPECT_TRUE(m.host.trayPresent);
    EXPECT_TRUE(m.app.tray.added);
    EXPECT_EQ(m.host.TimerInterval(TimerId::TrayRetry), 0);
    EXPECT_EQ(m.host.trayIcon.tip, "CPU:0%");
    m.app.settings.Needle = MeterMode::Clock;
    m.host.time = {21, 5, 7};
    OnMeterTimer(m.app, TimerId::Timer1);
    EXPECT_EQ(m.host.trayIcon.tip, "Clock:21:05:07");
    EXPECT_EQ(m.host.trayIcon.index, 0);
    OnMeterCloseRequest(m.app);
    EXPECT_FALSE(m.host.trayPresent);
}

TEST(TrayIcon, OffStillPreparesAndDeletesButNeverAddsOrUpdates) {
    FakeMeter m;
    StartMeter(m, {"[View]", "Icon_view=0", "Needle=2"});
    m.app.ShownValue = 40;
    UpdateTrayIcon(m.app, 40);
    UpdateClockTip(m.app);
    OnTaskbarCreated(m.app);
    EXPECT_TRUE(m.host.trayLog.empty());
    EXPECT_EQ(m.app.tray.view.tip, "Dorvanix");
    OnMeterCloseRequest(m.app);
    EXPECT_EQ(m.host.trayLog, std::vector<std::string>{"delete"});
}

// The first image of a 16 x 16, 4-bit icon file as it shows: 0x00RRGGBB per pixel, ~0u where the mask lets the
// background through. Empty when the file is not such an icon.
std::vector<std::uint32_t> Pixels(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string icon(std::istreambuf_iterator<char>(in), {});
    auto byte = [&](std::size_t at) -> std::uint32_t { return static_cast<unsigned char>(icon.at(at)); };
    auto u32 = [&](std::size_t at) { return byte(at) | byte(at + 1) << 8 | byte(at + 2) << 16 | byte(at + 3) << 24; };
    if (icon.size() < 22)
        return {};
    const std::size_t header = u32(18), palette = header + 40, colours = palette + 16 * 4, mask = colours + 16 * 8;
    if (icon.size() < mask + 16 * 4 || u32(header + 4) != 16 || byte(header + 14) != 4)
        return {};
    std::vector<std::uint32_t> pixels;
    for (std::size_t at = 0; at < 16 * 16; ++at) {  // rows bottom-up, as bitmaps are stored; two pixels a byte
        const std::uint32_t packed = byte(colours + at / 2);
        const std::uint32_t index = at % 2 == 0 ? packed >> 4 : packed & 0xF;
        const bool through = (byte(mask + at / 16 * 4 + at % 16 / 8) >> (7 - at % 8)) & 1;
        pixels.push_back(through ? ~0u : u32(palette + index * 4) & 0xFFFFFF);
    }
    return pixels;
}

// The 22 tray pictures embedded in the program: every band of both sets looks different, so the tray
// always shows both the value and whether illumination is on.
TEST(TrayIcons, AllTwentyTwoPicturesDiffer) {
    std::map<std::vector<std::uint32_t>, std::string> seen;
    for (const char* set : {"normal", "lit"}) {
        for (int band = 0; band <= 10; ++band) {
            const std::string name = test::Printed("tray_%s_%02d.ico", set, band);
            const std::vector<std::uint32_t> picture = Pixels(DORVANIX_ASSETS_DIR "/" + name);
            ASSERT_FALSE(picture.empty()) << name << " is not a 16 x 16 four-bit icon";
            const auto [first, fresh] = seen.emplace(picture, name);
            EXPECT_TRUE(fresh) << name << " looks like " << first->second;
        }
    }
}

}  // namespace
}  // namespace dorv
