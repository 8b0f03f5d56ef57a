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
