// The settings dialog of the real program, used from outside as a person would: opened from the popup menu and
// from the tray icon, its controls read and clicked across processes, its keys going through the dialog manager,
// and what it applied found in the running dial and in the meter.ini the program saves at the end.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

constexpr DWORD kWaitMs = 5000;

HWND Captioned(HWND dialog, const std::wstring& caption) {
    for (HWND control : Descendants(dialog))
        if (ClassOf(control) == WC_BUTTONW && TextOf(control) == caption)
            return control;
    ADD_FAILURE() << "no button or box captioned as expected";
    return nullptr;
}

// Track bars are told apart by their ranges.
HWND SliderOf(HWND dialog, int minimum, int maximum) {
    for (HWND control : Descendants(dialog))
        if (ClassOf(control) == TRACKBAR_CLASSW && SendMessageW(control, TBM_GETRANGEMIN, 0, 0) == minimum &&
            SendMessageW(control, TBM_GETRANGEMAX, 0, 0) == maximum)
            return control;
    ADD_FAILURE() << "no track bar from " << minimum << " to " << maximum;
    return nullptr;
}

bool Checked(HWND box) {
    return SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// As a drag ends: the new position, then the track bar's messages to its parent.
void MoveSlider(HWND slider, int position) {
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(GetParent(slider), WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(slider));
    SendMessageW(GetParent(slider), WM_HSCROLL, TB_ENDTRACK, reinterpret_cast<LPARAM>(slider));
}

HWND Focused(HWND dialog) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

class SettingsDialogTest : public WineDialTest {
protected:
    HWND Start(const std::string& view, const std::string& movement) {
        return StartPlaced(PlacedAtTheTestSpot() + "[View]\r\nNeedle=0\r\nIcon_view=0\r\nHide_Meter=0\r\n" + view +
                           "[Movement]\r\n" + movement);
    }

    // The open dialogs titled so; waits for the first.
    std::vector<HWND> Dialogs(const wchar_t* title) {
        std::vector<HWND> found;
        WaitUntil([&] { return !(found = TopWindows(pid_, nullptr, true, title)).empty(); }, kWaitMs);
        return found;
    }

    bool Gone(HWND dialog) {
        return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, kWaitMs);
    }

    // A key as the keyboard delivers it, to the control that has the focus.
    void PressKey(HWND dialog, WPARAM key) {
        HWND focus = Focused(dialog);
        ASSERT_TRUE(focus && IsChild(dialog, focus)) << "nothing in the dialog has the focus";
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        PostMessageW(focus, WM_KEYUP, key, 1 | (1u << 30) | (1u << 31));
    }

    void QuitFromMenu(HWND dial, wchar_t letter) {
        ChooseFromDialMenu(dial, letter);
        ExpectCleanExit();
    }
};

// Japanese captions; Apply keeps the dialog open and changes the running dial at once; a second request brings
// the same dialog forward; Esc cancels what was not applied.
TEST_F(SettingsDialogTest, FromTheMenuApplyThenEscape) {
    HWND dial = Start("Top_view=0\r\nEnglish=0\r\n", "Watch_time=160\r\nMove_quantity=5\r\n");
    ASSERT_TRUE(dial);
    ChooseFromDialMenu(dial, L'o');
    std::vector<HWND> open = Dialogs(L"オプション設定");
    ASSERT_EQ(open.size(), 1u) << "the settings dialog did not open once";
    HWND dialog = open.front();

    HWND tabs = FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_TRUE(tabs);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
    HWND onTop = Captioned(dialog, L"常に手前に表示(&T)");
    HWND interval = SliderOf(dialog, 10, 410);
    HWND smoothing = SliderOf(dialog, 1, 10);
    ASSERT_TRUE(onTop && interval && smoothing);
    EXPECT_FALSE(Checked(onTop));
    EXPECT_EQ(SendMessageW(interval, TBM_GETPOS, 0, 0), 160);
    EXPECT_EQ(SendMessageW(smoothing, TBM_GETPOS, 0, 0), 5);

    SendMessageW(onTop, BM_CLICK, 0, 0);
    EXPECT_TRUE(Checked(onTop));
    MoveSlider(interval, 260);
    SendMessageW(Captioned(dialog, L"更新"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(dial); }, kWaitMs)) << "Apply did not reach the dial";
    EXPECT_TRUE(IsWindowVisible(dialog)) << "Apply closed the dialog";

    // Asked again (here from the icon) while open: the very same window comes forward, no second one.
    SetForegroundWindow(dial);
    PostToTray(WM_LBUTTONDBLCLK);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == dialog; }, kWaitMs))
        << "the open dialog was not brought forward";
    EXPECT_EQ(Dialogs(L"オプション設定"), std::vector<HWND>{dialog});

    // Changed but not applied: Esc (the cancel button's key) drops it.
    MoveSlider(smoothing, 9);
    PressKey(dialog, VK_ESCAPE);
    EXPECT_TRUE(Gone(dialog)) << "Esc did not close the dialog";

    QuitFromMenu(dial, L'x');
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1);
    EXPECT_EQ(Saved(L"Movement", L"Watch_time"), 260);
    EXPECT_EQ(Saved(L"Movement", L"Move_quantity"), 5);
}

// English captions; Tab moves the focus, a tab shows its page, and Enter is OK: applies and closes.
TEST_F(SettingsDialogTest, FromTheTrayTabThenEnter) {
    HWND dial = Start("Mode_view=0\r\nEnglish=1\r\n", "");
    ASSERT_TRUE(dial);
    PostToTray(WM_LBUTTONDBLCLK);
    std::vector<HWND> open = Dialogs(L"Option");
    ASSERT_EQ(open.size(), 1u) << "the settings dialog did not open once";
    HWND dialog = open.front();

    HWND showMode = Captioned(dialog, L"Show Mode");
    ASSERT_TRUE(showMode);
    EXPECT_FALSE(IsWindowVisible(showMode)) << "a page other than the first is showing";
    HWND tabs = FindWindowExW(dialog, nullptr, WC_TABCONTROLW, nullptr);
    ASSERT_TRUE(tabs);
    SendMessageW(tabs, TCM_SETCURFOCUS, 1, 0);  // as a click on "Display"
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(showMode) != FALSE; }, kWaitMs)) << "its page did not show";

    SendMessageW(showMode, BM_CLICK, 0, 0);
    EXPECT_TRUE(Checked(showMode));
    HWND before = Focused(dialog);
    PressKey(dialog, VK_TAB);
    EXPECT_TRUE(WaitUntil(
        [&] {
            HWND now = Focused(dialog);
            return now && now != before && IsChild(dialog, now);
        },
        kWaitMs))
        << "Tab did not move the focus";

    PressKey(dialog, VK_RETURN);
    EXPECT_TRUE(Gone(dialog)) << "Enter did not press OK";
    QuitFromMenu(dial, L'q');
    EXPECT_EQ(Saved(L"View", L"Mode_view"), 1);
}

}  // namespace
}  // namespace dorv
