// The settings dialog used from outside, its keys through the dialog manager; what it applied found in the running
// dial and in the saved meter.ini.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

// A key as the keyboard delivers it, to the control that has the focus.
void PressKey(HWND dialog, WPARAM key) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info);
    HWND focus = info.hwndFocus;
    ASSERT_TRUE(focus && IsChild(dialog, focus)) << "nothing in the dialog has the focus";
    PostMessageW(focus, WM_KEYDOWN, key, 1);
    PostMessageW(focus, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
}

using SettingsDialogTest = WineDialTest;

// Apply keeps the dialog open and changes the running dial at once; a second request (from the icon) brings the same
// dialog forward; Esc cancels what was not applied; a tab shows its page and Enter is OK.
TEST_F(SettingsDialogTest, AppliesCancelsAndTakesTheKeys) {
    HWND dial =
        StartPlaced(PlacedAtTheTestSpot() + "[View]\r\nTop_view=0\r\nMode_view=0\r\n[Movement]\r\nWatch_time=160\r\n");
    ASSERT_TRUE(dial);
    ChooseFromDialMenu(dial, L'o');
    HWND dialog = WaitFor(kDialogClass, L"オプション設定");
    ASSERT_TRUE(dialog) << "the settings dialog did not open";
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
    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000)) << "Esc did not close the dialog";

    PostToTray(WM_LBUTTONDBLCLK);
    dialog = WaitFor(kDialogClass, L"オプション設定");
    ASSERT_TRUE(dialog) << "the settings dialog did not open from the icon";
    HWND showMode = Child(dialog, WC_BUTTONW, L"モード表示(&M)");
    HWND tabs = FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_TRUE(showMode && tabs);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_FALSE(IsWindowVisible(showMode)) << "a page other than the first is showing";
    SendMessageW(tabs, TCM_SETCURFOCUS, 1, 0);  // as a click on the second tab
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(showMode) != FALSE; }, 5000)) << "its page did not show";
    SendMessageW(showMode, BM_CLICK, 0, 0);
    PressKey(dialog, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(dialog); }, 5000)) << "Enter did not press OK";

    ChooseFromDialMenu(dial, L'x');
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1);
    EXPECT_EQ(Saved(L"Movement", L"Watch_time"), 260);
    EXPECT_EQ(Saved(L"View", L"Mode_view"), 1);
}

}  // namespace
}  // namespace dorv
