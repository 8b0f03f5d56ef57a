#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/meter_events.h"
#include "dialogs/about/about_box.h"
#include "dialogs/about/about_layout.h"
#include "dialogs/about/system_info.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::FakeMeter;
using test::StartMeter;

constexpr char kToolKey[] = "LocalMachine\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH";
constexpr char kFolderKey[] = "LocalMachine\\SOFTWARE\\Microsoft\\Shared Tools Location\\MSINFO";

void SetRegistryText(test::FakeHost& host, const std::string& path, const std::string& text) {
    host.registryValues[path] = text;
    host.registryTypes[path] = RegistryValueType::Text;
}

WindowHandle OpenBox(FakeMeter& m, std::initializer_list<const char*> ini) {
    StartMeter(m, ini);
    OpenAboutBox(m.app);
    return m.app.aboutFrm.window;
}

// Captions in both languages are read from the real box under Wine.
TEST(AboutBox, LoadsWithTheShadowedTitleAndAnEmptyReportUntilTheFirstTick) {
    FakeMeter m;
    WindowHandle box = OpenBox(m, {"[View]", "Top_view=1"});
    ASSERT_NE(box, nullptr);
    test::FakeDialog& d = m.host.dialogs.Dialog(box);
    const ControlLayout& front = d.controls.at(lblTitle_1).layout;
    const ControlLayout& shadow = d.controls.at(lblTitle_0).layout;
    EXPECT_EQ(front.x - shadow.x, -30);
    EXPECT_EQ(front.y - shadow.y, -20);
    EXPECT_TRUE(d.shown);
    EXPECT_TRUE(d.topmost);
    EXPECT_EQ(m.app.aboutFrm.HoverIndex, -1);
    EXPECT_EQ(m.host.TimerInterval(TimerId::AboutRefresh), 200);
    EXPECT_EQ(m.host.dialogs.Text(box, Text1), "");
    OnTimer(m.app, TimerId::AboutRefresh);
    EXPECT_EQ(m.host.dialogs.Text(box, Text1).rfind("全物理メモリ", 0), 0u);
}

TEST(AboutBox, OpensOnceAndClosesByOkOrCloseBoxStoppingItsTimer) {
    for (bool byOk : {true, false}) {
        FakeMeter m;
        WindowHandle box = OpenBox(m, {"[View]", "Top_view=0"});
        m.host.dialogs.Dialog(box).shown = false;
        OpenAboutBox(m.app);
        EXPECT_EQ(m.host.dialogs.created, 1);
        EXPECT_EQ(m.app.aboutFrm.window, box);
        EXPECT_TRUE(m.host.dialogs.Dialog(box).shown);
        EXPECT_EQ(m.host.dialogs.Dialog(box).showCount, 2);
        if (byOk)
            m.host.dialogs.Click(m.app, box, cmdOK);
        else
            m.host.dialogs.Close(m.app, box);
        EXPECT_FALSE(m.host.dialogs.IsOpen(box));
        EXPECT_EQ(m.app.aboutFrm.window, nullptr);
        EXPECT_EQ(m.host.TimerInterval(TimerId::AboutRefresh), 0);
        OnTimer(m.app, TimerId::AboutRefresh);  // a tick already queued does nothing
    }
}

TEST(AboutBox, LinkHighlightFollowsThePointer) {
    struct Case {
        std::vector<int> moves;
        bool highlighted;
    } cases[] = {
        {{Label1_0}, true},        {{Label1_0, Label1_0}, true},   {{Label1_0, Text1}, false},  {{Label1_0, 0}, false},
        {{Label1_0, cmdOK}, true}, {{Label1_0, lblTitle_0}, true}, {{Label1_0, picIcon}, true}, {{Text1}, false},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        WindowHandle box = OpenBox(m, {});
        for (int id : c.moves)
            m.host.dialogs.MouseMove(m.app, box, id);
        EXPECT_EQ(m.host.dialogs.Control(box, Label1_0).highlighted, c.highlighted) << c.moves.back();
        EXPECT_EQ(m.app.aboutFrm.HoverIndex, c.highlighted ? 0 : -1);
    }
}

TEST(AboutBox, LinkHidesPumpsOpensThenClosesEvenOnFailure) {
    for (std::intptr_t shellResult : {42, 2}) {
        FakeMeter m;
        WindowHandle box = OpenBox(m, {});
        m.host.shell.openResult = shellResult;
        bool openedBeforePump = true;
        m.host.onPump = [&] { openedBeforePump = !m.host.shell.opened.empty() || m.host.dialogs.Dialog(box).shown; };
        m.host.dialogs.Click(m.app, box, Label1_0);
        EXPECT_FALSE(openedBeforePump);
        EXPECT_EQ(m.host.shell.opened, std::vector<std::string>{"https://dorvanix.github.io/"});
        EXPECT_FALSE(m.host.dialogs.IsOpen(box));
        if (shellResult == 2)
            EXPECT_EQ(m.host.messages, std::vector<std::string>{"エラー|エラーが発生しました。\r2|3"});
        else
            EXPECT_TRUE(m.host.messages.empty());
    }
    // Closed during the pass: nothing is opened.
    FakeMeter m;
    WindowHandle box = OpenBox(m, {});
    m.host.onPump = [&] { m.host.dialogs.Close(m.app, box); };
    m.host.dialogs.Click(m.app, box, Label1_0);
    EXPECT_TRUE(m.host.shell.opened.empty());
}

TEST(SysInfo, GetKeyValueByType) {
    struct Case {
        const char* bytes;  // nullptr: no value
        std::size_t size;
        RegistryValueType type;
        bool result;
        const char* keyVal;
    } cases[] = {
        {nullptr, 0, RegistryValueType::Text, false, ""},
        {"C:\\tools\\x.exe\0junk", 19, RegistryValueType::Text, true, "C:\\tools\\x.exe"},
        {"\x39\x30\x00\x00", 4, RegistryValueType::Number32, true, "12345"},
        {"\x01\x02", 2, RegistryValueType::Other, true, "as passed"},
    };
    for (const Case& c : cases) {
        FakeMeter m;
        m.host.registryValues["LocalMachine\\K\\other"] = "";  // the key exists
        if (c.bytes) {
            m.host.registryValues["LocalMachine\\K\\V"] = std::string(c.bytes, c.size);
            m.host.registryTypes["LocalMachine\\K\\V"] = c.type;
        }
        std::string keyVal = "as passed";
        EXPECT_EQ(GetKeyValue(m.host, RegistryRoot::LocalMachine, "K", "V", keyVal), c.result);
        EXPECT_EQ(keyVal, c.keyVal);
        EXPECT_EQ(m.host.registryLog.back(), "close LocalMachine\\K");
    }
    FakeMeter m;
    std::string keyVal = "as passed";
    EXPECT_FALSE(GetKeyValue(m.host, RegistryRoot::LocalMachine, "Missing", "V", keyVal));
    EXPECT_EQ(keyVal, "");
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
        if (c.registered)
            SetRegistryText(m.host, kToolKey, "C:\\tool.exe");
        if (c.folderListed)
            SetRegistryText(m.host, kFolderKey, "C:\\Shared");
        m.host.shell.startablePrograms = {{"C:\\tool.exe", c.toolStarts}, {folderTool, true}};
        if (c.folderToolThere)
            m.host.shell.existingFiles[folderTool] = true;
        m.host.dialogs.Click(m.app, box, cmdSysInfo);
        if (c.started) {
            EXPECT_EQ(m.host.shell.started, std::vector<std::string>{c.started});
            EXPECT_TRUE(m.host.messages.empty());
        } else {
            EXPECT_TRUE(m.host.shell.started.empty());
            EXPECT_EQ(m.host.messages, std::vector<std::string>{"Dorvanix|現時点ではシステム情報を使用できません|0"});
        }
        EXPECT_TRUE(m.host.dialogs.IsOpen(box));
    }
}

}  // namespace
}  // namespace dorv
