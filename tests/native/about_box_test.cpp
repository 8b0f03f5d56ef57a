#include <gtest/gtest.h>

#include "app/about_box.h"
#include "dialogs/about/about_layout.h"
#include "fake_host.h"

namespace dorv {
namespace {

WindowHandle OpenBox(FakeMeter& m, std::initializer_list<const char*> ini) {
    StartMeter(m, ini);
    OpenAboutBox(m.app);
    return m.app.aboutFrm.window;
}

// Opened with the dial's stacking and an empty report until the first tick; a second request shows the same
// box; OK and the close box both end it with its timer.
TEST(AboutBox, OpensOnceRefreshesCopiesLightsTheLinkAndClosesByOkOrCloseBox) {
    for (bool byOk : {true, false}) {
        FakeMeter m;
        WindowHandle box = OpenBox(m, {"[View]", byOk ? "Top_view=1" : "Top_view=0"});
        EXPECT_EQ(std::tuple(m.host.dialogs.Dialog(box).topmost, m.host.TimerInterval(TimerId::AboutRefresh),
                             m.host.dialogs.Text(box, ReportBox)),
                  std::tuple(byOk, 200, ""));
        OnTimer(m.app, TimerId::AboutRefresh);
        EXPECT_EQ(m.host.dialogs.Text(box, ReportBox).rfind("全物理メモリ", 0), 0u);
        // The copy button copies the report; a refused copy is told, and the box stays.
        m.host.shell.refuseCopy = !byOk;
        m.host.dialogs.Click(m.app, box, CopyButton);
        EXPECT_EQ(std::pair(m.host.shell.clipboard, test::Joined(m.host.messages)),
                  byOk ? std::pair(m.host.dialogs.Text(box, ReportBox), std::string())
                       : std::pair(std::string(), std::string("Dorvanix|クリップボードにコピーできませんでした。|2;")));
        OpenAboutBox(m.app);
        EXPECT_EQ(std::pair(m.host.dialogs.created, m.host.dialogs.Dialog(box).showCount), std::pair(1, 2));
        // Over the link it lights; the buttons, title and icon leave it; the report and the background put it out.
        const struct {
            int over;
            bool lit;
        } steps[] = {{ReportBox, false}, {WebLink, true}, {CloseButton, true}, {TitleShadow, true}, {AppIcon, true},
                     {ReportBox, false}, {WebLink, true}, {WebLink, true},     {0, false}};
        for (const auto& step : steps) {
            m.host.dialogs.MouseMove(m.app, box, step.over);
            EXPECT_EQ(m.host.dialogs.Control(box, WebLink).highlighted, step.lit) << step.over;
            EXPECT_EQ(m.app.aboutFrm.HoverIndex, step.lit ? 0 : -1);
        }
        if (byOk)
            m.host.dialogs.Click(m.app, box, CloseButton);
        else
            m.host.dialogs.Close(m.app, box);
        EXPECT_EQ(std::pair(m.host.dialogs.IsOpen(box), m.host.TimerInterval(TimerId::AboutRefresh)),
                  std::pair(false, 0));
        OnTimer(m.app, TimerId::AboutRefresh);  // a tick already queued does nothing
    }
}

// The box hides and lets the screen update before the browser opens, and closes whether or not the page opened.
TEST(AboutBox, LinkHidesPumpsOpensThenCloses) {
    for (std::intptr_t shellResult : {42, 2}) {
        FakeMeter m;
        WindowHandle box = OpenBox(m, {});
        m.host.shell.openResult = shellResult;
        bool openedBeforePump = true;
        m.host.onPump = [&] { openedBeforePump = !m.host.shell.opened.empty() || m.host.dialogs.Dialog(box).shown; };
        m.host.dialogs.Click(m.app, box, WebLink);
        EXPECT_FALSE(openedBeforePump);
        EXPECT_EQ(m.host.shell.opened, std::vector<std::string>{"https://dorvanix.github.io/"});
        EXPECT_FALSE(m.host.dialogs.IsOpen(box));
        // The shell's code tells one failure from another.
        EXPECT_EQ(test::Joined(m.host.messages), shellResult == 2 ? "エラー|エラーが発生しました。\r2|3;" : "");
    }
}

TEST(SysInfo, StartsTheRegisteredToolOrSaysItCannot) {
    const std::string folderTool = "C:\\Shared\\MSINFO32.EXE";
    struct Case {
        bool registered;       // PATH names C:\tool.exe
        bool toolStarts;       // C:\tool.exe starts
        bool folderListed;     // Shared Tools Location names C:\Shared
        bool folderToolThere;  // and MSINFO32.EXE exists there
        const char* started;
    } cases[] = {
        {true, true, true, true, "C:\\tool.exe"},
        {true, false, true, true, nullptr},  // registered but missing: no fallback
        {false, false, true, true, "C:\\Shared\\MSINFO32.EXE"},
        {false, false, true, false, nullptr},
        {false, false, false, false, nullptr},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        WindowHandle box = OpenBox(m, {});
        const auto setText = [&](const std::string& key, const char* text) {
            m.host.registryValues["LocalMachine\\SOFTWARE\\Microsoft\\" + key] = text;
            m.host.registryTypes["LocalMachine\\SOFTWARE\\Microsoft\\" + key] = RegistryValueType::Text;
        };
        if (c.registered)
            setText("Shared Tools\\MSINFO\\PATH", "C:\\tool.exe");
        if (c.folderListed)
            setText("Shared Tools Location\\MSINFO", "C:\\Shared");
        m.host.shell.startablePrograms = {{"C:\\tool.exe", c.toolStarts}, {folderTool, true}};
        if (c.folderToolThere)
            m.host.shell.existingFiles[folderTool] = true;
        m.host.dialogs.Click(m.app, box, SysInfoButton);
        EXPECT_EQ(m.host.shell.started, c.started ? std::vector<std::string>{c.started} : std::vector<std::string>{});
        EXPECT_EQ(test::Joined(m.host.messages), c.started ? "" : "Dorvanix|現時点ではシステム情報を使用できません|0;");
        EXPECT_TRUE(m.host.dialogs.IsOpen(box));
        // Every key looked in is closed again (a closed key's entry is emptied).
        EXPECT_EQ(std::count(m.host.openKeys.begin(), m.host.openKeys.end(), ""), std::ssize(m.host.openKeys));
    }
}

}  // namespace
}  // namespace dorv
