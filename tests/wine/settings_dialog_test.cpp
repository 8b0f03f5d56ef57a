// The settings dialog used from outside, its keys through the dialog manager; what it applied found in the running
// dial and in the saved meter.ini.
#include "wine_dial_fixture.h"

// After windows.h, which it needs.
#include <commctrl.h>

namespace dorv {
namespace {

using SettingsDialogTest = WineDialTest;

// Apply keeps the dialog open and changes the running dial at once; a second request (from the icon) brings the same
// dialog forward; Esc cancels what was not applied; a tab shows its page and Enter is OK. Under a caption taller than
// the table allowed for, the window grows so nothing is cut. The tab strip is the first Tab stop; Ctrl+Tab and
// Ctrl+Page Up/Down step through the pages as clicks on the tabs would. At another scale the pages are laid out again.
TEST_F(SettingsDialogTest, AppliesCancelsTakesTheKeysAndHoldsItsControlsAtAnyScale) {
    const ScopedUserText caption{L"Control Panel\\Desktop\\WindowMetrics", L"CaptionHeight", L"-900"};
    HWND dial =
        StartPlaced(PlacedAtTheTestSpot() + "[View]\r\nTop_view=0\r\nMode_view=0\r\n[Movement]\r\nWatch_time=160\r\n");
    ASSERT_TRUE(dial);
    ChooseFromDialMenu(dial, L'o');
    HWND dialog = WaitFor(kDialogClass, L"オプション設定");
    ASSERT_TRUE(dialog) << "the settings dialog did not open";
    EXPECT_EQ(ControlsOutside(dialog), L"");
    HWND onTop = Child(dialog, WC_BUTTONW, L"常に手前に表示(&T)");
    HWND interval = nullptr;  // told apart from the other track bars by its range
    for (HWND control : Descendants(dialog))
        if (ClassOf(control) == TRACKBAR_CLASSW && SendMessageW(control, TBM_GETRANGEMAX, 0, 0) == 410)
            interval = control;
    ASSERT_TRUE(onTop && interval);
    EXPECT_EQ(SendMessageW(onTop, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(interval, TBM_GETPOS, 0, 0), 160);
    // As a drag ends: the new position, then the track bar's messages to its parent.
    const auto slide = [&](int position) {
        SendMessageW(interval, TBM_SETPOS, TRUE, position);
        SendMessageW(GetParent(interval), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                     reinterpret_cast<LPARAM>(interval));
        SendMessageW(GetParent(interval), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(interval));
    };

    SendMessageW(onTop, BM_CLICK, 0, 0);
    slide(260);
    SendMessageW(Child(dialog, WC_BUTTONW, L"更新"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(dial); }, 5000)) << "Apply did not reach the dial";
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Apply closed the dialog";
    SetForegroundWindow(dial);
    PostToTray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }, 5000)) << "not brought forward";
    EXPECT_EQ(TopWindows(pid_, kDialogClass, true).size(), 1u);
    slide(360);
    PressKeys({VK_ESCAPE});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000)) << "Esc did not close the dialog";

    PostToTray(WM_LBUTTONDBLCLK);
    dialog = WaitFor(kDialogClass, L"オプション設定");
    ASSERT_TRUE(dialog) << "the settings dialog did not open from the icon";
    HWND showMode = Child(dialog, WC_BUTTONW, L"モード表示(&M)");
    HWND tabs = FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_TRUE(showMode && tabs);
    EXPECT_FALSE(IsWindowVisible(showMode)) << "a page other than the first is showing";
    GUITHREADINFO focus{};
    focus.cbSize = sizeof focus;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &focus);
    EXPECT_EQ(focus.hwndFocus, tabs) << "the tab strip is not the first Tab stop";
    // Keys, or none for a click on the tab: the page reached (the wrap from 0 to 4 counts the tabs), whose controls
    // the core shows and no others.
    const struct {
        std::vector<WORD> keys;
        int page;
    } steps[] = {{{}, 1},
                 {{VK_CONTROL, VK_TAB}, 2},
                 {{VK_CONTROL, VK_SHIFT, VK_TAB}, 1},
                 {{VK_CONTROL, VK_PRIOR}, 0},
                 {{VK_CONTROL, VK_PRIOR}, 4},
                 {{VK_CONTROL, VK_TAB}, 0},
                 {{VK_CONTROL, VK_NEXT}, 1}};
    for (const auto& step : steps) {
        if (step.keys.empty())
            SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(step.page), 0);
        else
            PressKeys(step.keys);
        const auto reached = [&] {
            const bool shown = IsWindowVisible(showMode) != FALSE;
            return SendMessageW(tabs, TCM_GETCURSEL, 0, 0) == step.page && shown == (step.page == 1);
        };
        EXPECT_TRUE(WaitUntil(reached, 3000)) << "not on page " << step.page;
    }
    // The system's message, with the suggested rectangle where the program can read it.
    const auto width = [](HWND control) {
        RECT at{};
        GetWindowRect(control, &at);
        return at.right - at.left;
    };
    const LONG before = width(showMode);
    RECT window{};
    GetWindowRect(dialog, &window);
    window.right += (window.right - window.left) / 2;
    window.bottom += (window.bottom - window.top) / 2;
    void* remote = VirtualAllocEx(process_, nullptr, sizeof window, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(remote && WriteProcessMemory(process_, remote, &window, sizeof window, nullptr));
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    EXPECT_GE(width(showMode) * 10, before * 14) << "not laid out at 144 dpi";
    EXPECT_EQ(ControlsOutside(dialog), L"");
    SendMessageW(showMode, BM_CLICK, 0, 0);
    PressKeys({VK_RETURN});
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000)) << "Enter did not press OK";

    ChooseFromDialMenu(dial, L'x');
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1);
    EXPECT_EQ(Saved(L"Movement", L"Watch_time"), 260);
    EXPECT_EQ(Saved(L"View", L"Mode_view"), 1);
}

}  // namespace
}  // namespace dorv
