#include <gtest/gtest.h>

#include "fake_host.h"

namespace dorv {
namespace {

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
        EXPECT_EQ(std::tuple(Joined(m.host.messages), m.host.File("meter.ini"), m.host.HasFile("meter.ini.tmp"),
                             m.host.ended),
                  std::tuple(c.message.empty() ? "" : c.message + ";", before, false, true));
    }
}

// Which file the start reads (its Needle) and the quit saves, by the program's folder and what lies there and in the
// user's folder, under Windows' rule and under the one that puts the user's folder first (with '/').
TEST(SettingsSave, AProgramFolderThatTakesNoNewFilesSendsTheSaveToTheFileInPlaceOrTheUsersFolder) {
    const struct {
        const char* what;
        bool userFirst;
        bool closed;  // the program's folder refuses new files
        bool beside, besideReadOnly, user, userFails;
        const char* seen;  // the Needle read, then each file holding the quit's save
    } cases[] = {
        {"writable folder: beside, as always", false, false, true, false, true, false, "0 C:\\Dorvanix\\meter.ini"},
        {"closed folder, writable file: in place", false, true, true, false, false, false, "0 C:\\Dorvanix\\meter.ini"},
        {"closed folder, read-only file", false, true, true, true, false, false, "0 U\\meter.ini"},
        {"closed folder, first run", false, true, false, false, false, false, "2 U\\meter.ini"},
        {"closed folder, the user's copy of an earlier run", false, true, true, false, true, false, "1 U\\meter.ini"},
        {"nowhere takes it", false, true, true, true, false, true, "0"},
        {"user first: first run makes the user's folder", true, false, false, false, false, false, "2 U/meter.ini"},
        {"user first: beside in a writable folder wins", true, false, true, false, true, false,
         "0 C:\\Dorvanix/meter.ini"},
        {"user first: beside in a closed folder does not", true, true, true, false, true, false, "1 U/meter.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeMeter m;
        m.host.userFolder = "U";
        m.host.settingsRule = c.userFirst ? SettingsLocation{'/', true} : SettingsLocation{};
        const std::string userFile = "U" + (m.host.settingsRule.separator + std::string("meter.ini"));
        const std::string denied = "Access is denied.";
        if (c.closed)
            m.host.closedFolders.insert(m.host.ProgramFolder());
        if (c.beside)
            m.host.File("meter.ini") = CrLfLines({"[View]", "Needle=0"});
        if (c.besideReadOnly)
            m.host.unwritable[m.host.Path("meter.ini")] = denied;
        if (c.user) {
            m.host.madeFolders.insert("U");
            m.host.files[userFile] = CrLfLines({"[View]", "Needle=1"});
        }
        if (c.userFails)
            m.host.unwritable[userFile] = denied;
        RunEntryProcedure(m.app);
        std::string seen = std::to_string(m.app.settings.Needle);
        m.app.settings.Needle = 3;
        OnMeterCloseRequest(m.app);
        for (const auto& [path, text] : m.host.files)  // a left-over copy shows too
            if (text.find("Needle=3\r\n") != std::string::npos || path.find(".tmp") != std::string::npos)
                seen += " " + path;
        EXPECT_EQ(seen, c.seen);
        const std::string told =
            "Dorvanix|設定を次のファイルに保存できませんでした。\nU\\meter.ini\n\n" + denied + "|3;";
        EXPECT_EQ(Joined(m.host.messages), std::string(c.seen) == "0" ? told : "");
    }
}

}  // namespace
}  // namespace dorv
