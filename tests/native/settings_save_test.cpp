#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::CrLfLines;
using test::FakeMeter;

// Starts from the host's meter.ini, switches the mode and quits.
void RunAndQuit(FakeMeter& m, QuitCause cause = QuitCause::Request) {
    RunEntryProcedure(m.app);
    m.app.settings.Needle = 3;
    if (cause == QuitCause::SessionEnd)
        OnSessionEnd(m.app);
    else
        OnMeterCloseRequest(m.app);
}

TEST(SettingsSave, AKillAtAnyStepLeavesTheOldFileOrTheWholeNewOne) {
    // A file the user keeps notes in, with a section of its own and one setting the run changes.
    const std::string kept = CrLfLines({"; my notes: the dial sits left of the clock", "[Coordinates]", "Left=1500",
                                        "Top=1500", "[View]", "Needle=0", "[Mine]", "colour=blue"});
    FakeMeter first;
    first.host.File("meter.ini") = kept;
    RunAndQuit(first);
    const std::string saved = first.host.File("meter.ini");
    ASSERT_NE(saved.find("Needle=3"), std::string::npos);
    ASSERT_NE(saved.find("colour=blue"), std::string::npos);

    // The copy, 37 writes and the replace: a kill within any of them, or just after the last.
    for (int step = 0; step <= 39; ++step) {
        SCOPED_TRACE(step);
        FakeMeter killed;
        killed.host.File("meter.ini") = kept;
        killed.host.killAtStep = step;
        RunAndQuit(killed);
        EXPECT_EQ(killed.host.File("meter.ini"), step == 39 ? saved : kept);
    }
}

TEST(SettingsSave, AFailedSaveIsToldAtQuitButNotAtTheEndOfTheSession) {
    const std::string denied = "Access is denied.";
    const std::string full = "There is not enough space on the disk.";
    const std::string japanese = "Dorvanix|設定を次のファイルに保存できませんでした。\nC:\\Dorvanix\\meter.ini\n\n";
    const std::string english = "Dorvanix|The settings could not be saved to\nC:\\Dorvanix\\meter.ini\n\n";
    const struct {
        const char* unwritable;  // the file the system refuses
        const std::string& reason;
        const char* view;
        QuitCause cause;
        std::string message;  // "" when none is shown
    } cases[] = {
        {"meter.ini", denied, "English=0", QuitCause::Request, japanese + denied + "|3"},
        {"meter.ini", denied, "English=1", QuitCause::Request, english + denied + "|3"},
        {"meter.ini.tmp", full, "English=0", QuitCause::Request, japanese + full + "|3"},
        {"meter.ini", denied, "English=0", QuitCause::SessionEnd, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        FakeMeter m;
        const std::string before = CrLfLines({"[View]", c.view, "Needle=0"});
        m.host.File("meter.ini") = before;
        m.host.unwritable[m.host.Path(c.unwritable)] = c.reason;
        RunAndQuit(m, c.cause);
        EXPECT_EQ(m.host.messages,
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
        EXPECT_EQ(m.host.File("meter.ini"), before);
        EXPECT_FALSE(m.host.HasFile("meter.ini.tmp"));
        EXPECT_TRUE(m.host.ended);
    }
}

}  // namespace
}  // namespace dorv
