#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::CrLfLines;
using test::FakeMeter;

// A file the user keeps notes in, with a section of its own and one setting the run changes.
const std::string kKeptFile = CrLfLines({"; my notes: the dial sits left of the clock", "[Coordinates]", "Left=1500",
                                         "Top=1500", "[View]", "Needle=0", "[Mine]", "colour=blue"});

// Starts from these files, switches the mode and quits with the kill scripted.
std::map<std::string, std::string> RunAndQuit(const std::map<std::string, std::string>& files, int killAtStep) {
    FakeMeter m;
    m.host.files = files;
    RunEntryProcedure(m.app);
    m.app.settings.Needle = 3;
    m.host.killAtStep = killAtStep;
    OnMeterCloseRequest(m.app);
    return m.host.files;
}

TEST(SettingsSave, AKillAtAnyStepLeavesTheOldFileOrTheWholeNewOne) {
    test::FakeHost paths;
    const std::string ini = paths.Path("meter.ini");
    const std::string work = paths.Path("meter.ini.tmp");
    const std::map<std::string, std::string> before = {{ini, kKeptFile}};
    const std::string saved = RunAndQuit(before, -1).at(ini);
    ASSERT_NE(saved.find("Needle=3"), std::string::npos);
    ASSERT_NE(saved.find("colour=blue"), std::string::npos);

    // The copy, 37 writes and the replace: a kill within any of them, or just after the last.
    for (int step = 0; step <= 39; ++step) {
        std::map<std::string, std::string> after = RunAndQuit(before, step);
        const std::string& file = after.at(ini);
        EXPECT_TRUE(file == kKeptFile || file == saved) << "killed at step " << step << ":\n" << file;
        EXPECT_EQ(file == saved, step == 39) << step;
        // The next orderly save starts over, whatever the killed one left behind.
        after[ini] = kKeptFile;
        const std::map<std::string, std::string> next = RunAndQuit(after, -1);
        EXPECT_EQ(next.at(ini), saved) << step;
        EXPECT_EQ(next.count(work), 0u) << step;
    }
}

TEST(SettingsSave, AFailedSaveIsToldAtQuitButNotAtTheEndOfTheSession) {
    const std::string denied = "Access is denied.";
    const std::string full = "There is not enough space on the disk.";
    const std::string japanese = "設定を次のファイルに保存できませんでした。\nC:\\Dorvanix\\meter.ini\n\n";
    const std::string english = "The settings could not be saved to\nC:\\Dorvanix\\meter.ini\n\n";
    struct Case {
        const char* what;
        const char* unwritable;  // the file the system refuses
        const std::string& reason;
        const char* view;
        QuitCause cause;
        std::string message;  // "" when none is shown
    };
    const Case cases[] = {
        {"read-only file", "meter.ini", denied, "English=0", QuitCause::Request,
         "Dorvanix|" + japanese + denied + "|3"},
        {"refused file, English", "meter.ini", denied, "English=1", QuitCause::Request,
         "Dorvanix|" + english + denied + "|3"},
        {"disk full while writing the copy", "meter.ini.tmp", full, "English=0", QuitCause::Request,
         "Dorvanix|" + japanese + full + "|3"},
        {"session end shows nothing", "meter.ini", denied, "English=0", QuitCause::SessionEnd, ""},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        const std::string before = CrLfLines({"[View]", c.view, "Needle=0"});
        m.host.File("meter.ini") = before;
        m.host.unwritable[m.host.Path(c.unwritable)] = c.reason;
        RunEntryProcedure(m.app);
        m.app.settings.Needle = 3;
        if (c.cause == QuitCause::SessionEnd)
            OnSessionEnd(m.app);
        else
            OnMeterCloseRequest(m.app);
        EXPECT_EQ(m.host.messages, c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.what;
        EXPECT_EQ(m.host.File("meter.ini"), before) << c.what;
        EXPECT_FALSE(m.host.HasFile("meter.ini.tmp")) << c.what;
        EXPECT_TRUE(m.host.ended) << c.what;
    }
}

}  // namespace
}  // namespace dorv
