// The settings dialog of the real program, used from outside as a person would: opened from the popup menu and
// from the tray icon, its controls read and clicked across processes, its keys going through the dialog manager,
// and what it applied found in the running dial and in the meter.ini the program saves at the end.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

constexpr int kDialLeft = 200;
constexpr int kDialTop = 200;
constexpr POINT kMenuPoint{600, 100};
constexpr wchar_t kPopupClass[] = L"#32768";
constexpr wchar_t kMenuWindowClass[] = L"DorvanixMenuFrm";
constexpr UINT kTrayCallback = 0x200;  // the icon's callback message; lParam carries the mouse message
constexpr DWORD kWaitMs = 5000;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

// The process's top-level windows of a class or (visible ones) with a title.
std::vector<HWND> TopWindows(DWORD pid, const wchar_t* className, const wchar_t* title) {
    struct Search {
        DWORD pid;
        const wchar_t* className;
        const wchar_t* title;
        std::vector<HWND> found;
    } search{pid, className, title, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->pid)
                return TRUE;
            if ((s->className && ClassOf(window) == s->className) ||
                (s->title && IsWindowVisible(window) && TextOf(window) == s->title))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Every control of the dialog, those on its pages included.
std::vector<HWND> Controls(HWND dialog) {
    std::vector<HWND> found;
    EnumChildWindows(
        dialog,
        [](HWND window, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND Captioned(HWND dialog, const std::wstring& caption) {
    for (HWND control : Controls(dialog))
        if (ClassOf(control) == WC_BUTTONW && TextOf(control) == caption)
            return control;
    ADD_FAILURE() << "no button or box captioned as expected";
    return nullptr;
}

// Track bars are told apart by their ranges.
HWND SliderOf(HWND dialog, int minimum, int maximum) {
    for (HWND control : Controls(dialog))
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

bool IsTopmost(HWND window) {
    return (static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)) & WS_EX_TOPMOST) != 0;
}

class SettingsDialogTest : public WineDialTest {
protected:
    HWND Start(const std::string& view, const std::string& movement) {
        std::ostringstream text;
        text << "[Coordinates]\r\nLeft=" << PixelsToTwips(kDialLeft) << "\r\nTop=" << PixelsToTwips(kDialTop)
             << "\r\n[View]\r\nNeedle=0\r\nIcon_view=0\r\nHide_Meter=0\r\n"
             << view << "[Movement]\r\n"
             << movement;
        WriteBytes(Ini(), text.str());
        return LaunchVisibleDial();
    }

    HWND MenuWindow() {
        std::vector<HWND> found;
        WaitUntil([&] { return !(found = TopWindows(pid_, kMenuWindowClass, nullptr)).empty(); }, kWaitMs);
        return found.empty() ? nullptr : found.front();
    }

    // The popup's item by its access letter.
    void ChooseFromMenu(HWND dial, wchar_t letter) {
        SetCursorPos(kMenuPoint.x, kMenuPoint.y);
        ASSERT_TRUE(PostMessageW(dial, WM_RBUTTONUP, 0, MAKELPARAM(50, 50)));
        std::vector<HWND> popups;
        ASSERT_TRUE(WaitUntil([&] { return !(popups = TopWindows(pid_, kPopupClass, nullptr)).empty(); }, kWaitMs))
            << "no popup menu";
        PostMessageW(popups.front(), WM_CHAR, letter, 0);
    }

    // A double click on the icon, as the shell reports it.
    void DoubleClickTray() {
        HWND menu = MenuWindow();
        ASSERT_TRUE(menu) << "no menu window";
        ASSERT_TRUE(PostMessageW(menu, kTrayCallback, 1, WM_LBUTTONDBLCLK));
    }

    // The open dialogs titled so; waits for the first.
    std::vector<HWND> Dialogs(const wchar_t* title) {
        std::vector<HWND> found;
        WaitUntil([&] { return !(found = TopWindows(pid_, nullptr, title)).empty(); }, kWaitMs);
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
        ChooseFromMenu(dial, letter);
        ExpectCleanExit();
    }

    int Saved(const wchar_t* section, const wchar_t* key) const {
        return static_cast<int>(GetPrivateProfileIntW(section, key, -999, Ini().wstring().c_str()));
    }
};

// Japanese captions; Apply keeps the dialog open and changes the running dial at once; a second request brings
// the same dialog forward; Esc cancels what was not applied.
TEST_F(SettingsDialogTest, FromTheMenuApplyThenEscape) {
    HWND dial = Start("Top_view=0\r\nEnglish=0\r\n", "Watch_time=160\r\nMove_quantity=5\r\n");
    ASSERT_TRUE(dial);
    ChooseFromMenu(dial, L'o');
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
    DoubleClickTray();
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
    DoubleClickTray();
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
