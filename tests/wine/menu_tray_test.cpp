// The popup menu, the icon and dragging through the messages the system delivers: the window, the saved meter.ini,
// the menu's picture (once per language).

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>
#include <string>
#include <utility>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

enum Mode { kMem = 0, kVMem = 1, kCpu = 2, kClock = 3 };

// meter.ini with the dial at the test spot and these [View] keys.
std::string MeterFile(const std::string& view) {
    return PlacedAtTheTestSpot() + "[View]\r\nMode_view=0\r\n" + view;
}

RECT WindowArea(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// Text or marks: a pixel well darker than the menu's face.
bool HasText(const std::vector<std::uint32_t>& pixels) {
    return std::any_of(pixels.begin(), pixels.end(),
                       [](std::uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200; });
}

// The window's picture once it has stopped changing and shows some text.
std::vector<std::uint32_t> SettledPicture(HWND window) {
    std::vector<std::uint32_t> last;
    std::vector<std::uint32_t> now;
    WaitUntil(
        [&] {
            last = std::exchange(now, CaptureScreen(WindowArea(window)));
            return now == last && HasText(now);
        },
        2000);
    return now;
}

struct MenuRow {
    const wchar_t* caption = nullptr;  // none: a separator
    bool checked = false;
    bool greyed = false;
    bool isDefault = false;
};

// Wine reports Windows 10 here, so the virtual-memory mode is offered greyed, checked or not.
std::vector<MenuRow> ExpectedMenu(bool en, int needle, bool onTop) {
    return {
        {en ? L"&Physical Memory" : L"物理メモリ(&P)", needle == kMem},
        {en ? L"&Virtual Memory" : L"仮想メモリ(&V)", needle == kVMem, true},
        {en ? L"&CPU Usage" : L"CPU使用率(&C)", needle == kCpu},
        {en ? L"C&lock" : L"時計(&L)", needle == kClock},
        {},
        {en ? L"Always on &top" : L"常に手前に表示(&T)", onTop},
        {en ? L"H&alt" : L"一時停止(&S)"},
        {},
        {en ? L"&Illumination" : L"イルミネーション(&I)"},
        {},
        {en ? L"&Options" : L"オプション設定(&O)...", false, false, true},
        {},
        {en ? L"&Help..." : L"ヘルプ(&H)...", false, en},
        {en ? L"V&ersion Info..." : L"バージョン情報(&A)..."},
        {},
        {en ? L"&Quit" : L"終了(&X)"},
    };
}

// The expected menu built by this process with the ordinary calls and opened at the same spot: Wine draws both, so
// the program's menu must match it pixel for pixel, captions, marks, greyed and bold items alike.
std::vector<std::uint32_t> DrawReference(const std::vector<MenuRow>& rows) {
    HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    HMENU menu = CreatePopupMenu();
    UINT id = 0;
    for (const MenuRow& row : rows) {
        const UINT marks = (row.checked ? MF_CHECKED : 0) | (row.greyed ? MF_GRAYED : 0);
        AppendMenuW(menu, row.caption ? MF_STRING | marks : MF_SEPARATOR, ++id, row.caption);
        if (row.isDefault)
            SetMenuDefaultItem(menu, id, FALSE);
    }
    // The menu's own loop runs the timer, which keeps the settled picture and closes the menu.
    std::vector<std::uint32_t> settled;
    SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&settled));
    SetTimer(owner, 1, 50, [](HWND window, UINT, UINT_PTR timer, DWORD) {
        KillTimer(window, timer);
        const std::vector<HWND> popups = TopWindows(GetCurrentProcessId(), kPopupClass, true);
        if (!popups.empty())
            *reinterpret_cast<std::vector<std::uint32_t>*>(GetWindowLongPtrW(window, GWLP_USERDATA)) =
                SettledPicture(popups.front());
        EndMenu();
    });
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, kMenuPoint.x, kMenuPoint.y, 0,
                   owner, nullptr);
    DestroyMenu(menu);
    DestroyWindow(owner);
    return settled;
}

class MenuTrayTest : public WineDialTest {
protected:
    // Letters choose by the access key; Escape closes.
    static void Press(HWND popup, const std::wstring& keys) {
        for (wchar_t key : keys)
            PostMessageW(popup, key == VK_ESCAPE ? WM_KEYDOWN : WM_CHAR, key, 0);
    }

    // Chooses with the keys; the menu must close and the program go on.
    void Choose(HWND popup, const std::wstring& keys) {
        ASSERT_TRUE(popup);
        Press(popup, keys);
        EXPECT_TRUE(WaitUntil([&] { return TopWindows(pid_, kPopupClass, true).empty(); }, 3000))
            << "the menu stayed open";
        EXPECT_TRUE(Running());
    }

    // The program's open menu against the expected one drawn here; the program's gives way first.
    void ExpectMenuLooksLike(HWND popup, const std::vector<MenuRow>& rows) {
        ASSERT_TRUE(popup);
        const RECT area = WindowArea(popup);
        EXPECT_EQ(std::make_pair(area.left, area.top), std::make_pair(kMenuPoint.x, kMenuPoint.y))
            << "the menu does not open at the pointer";
        const std::vector<std::uint32_t> shown = SettledPicture(popup);
        ASSERT_FALSE(shown.empty()) << "the menu could not be read from the screen";
        Choose(popup, L"\x1b");
        const std::vector<std::uint32_t> expected = DrawReference(rows);
        ASSERT_FALSE(expected.empty()) << "the expected menu could not be drawn";
        EXPECT_TRUE(shown == expected) << "captions, marks, greyed or bold items, separators or size differ";
    }
};

// From the dial in Japanese: a press opens nothing, the release the menu; the look, a mode by its letter, Escape that
// runs nothing (a slip onto the first item would change the mode), always on top turned off, and a close while the
// menu is open that still saves and ends.
TEST_F(MenuTrayTest, JapaneseMenuFromTheDial) {
    HWND dial = StartPlaced(MeterFile("Needle=0\r\nTop_view=1\r\n"));
    ASSERT_TRUE(dial);
    ASSERT_TRUE(PostMessageW(dial, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(50, 50)));
    EXPECT_FALSE(WaitFor(kPopupClass, nullptr, 300)) << "a menu opened on the press";
    ExpectMenuLooksLike(OpenMenu(dial), ExpectedMenu(false, kMem, true));
    // The clock's face replaces the meter's (it differs in some 1400 pixels; the hands alone, far fewer).
    const std::vector<std::uint32_t> meter = CaptureScreen(WindowArea(dial));
    Choose(OpenMenu(dial), L"l");
    int differing = 0;
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::vector<std::uint32_t> now = CaptureScreen(WindowArea(dial));
            differing = now.size() != meter.size() ? -1
                                                   : std::inner_product(now.begin(), now.end(), meter.begin(), 0,
                                                                        std::plus<>(), std::not_equal_to<>());
            return differing > 800;
        },
        3000))
        << "still the meter's face: " << differing << " pixels changed of " << meter.size();
    Choose(OpenMenu(dial), L"\x1b\x1b");
    Choose(OpenMenu(dial), L"t");
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(dial); }, 2000)) << "still on top";

    // Closing (taskkill, an uninstaller) with the menu open: saved and ended, at the latest once it is dismissed.
    HWND popup = OpenMenu(dial);
    ASSERT_TRUE(popup);
    ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
    if (WaitForSingleObject(process_, 1000) != WAIT_OBJECT_0)
        Press(popup, L"\x1b\x1b");
    // Not the fixture's long wait: a lost close never ends.
    ASSERT_EQ(WaitForSingleObject(process_, 3000), WAIT_OBJECT_0) << "still running after the close and the menu";
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Needle"), kClock) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"View", L"Top_view"), 0) << ReadBytes(Ini());
}

// From the icon in English with the dial hidden: only a right-button release opens the menu; the look with the greyed
// mode; always on top shows the dial; a mode by its letter; Quit saves.
TEST_F(MenuTrayTest, EnglishMenuFromTheIcon) {
    WriteBytes(Ini(), MeterFile("Needle=1\r\nEnglish=1\r\nIcon_view=1\r\nHide_Meter=1\r\n"));
    HWND dial = LaunchDial(false);
    ASSERT_TRUE(dial);
    MovePointerTo(kMenuPoint);
    // The other messages do nothing (the settings dialog's test opens it by a double click).
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN}) {
        PostToTray(message);
        EXPECT_FALSE(WaitFor(kPopupClass, nullptr, 300)) << "a menu opened on message 0x" << std::hex << message;
    }
    ExpectMenuLooksLike(OpenMenu(), ExpectedMenu(true, kVMem, false));
    Choose(OpenMenu(), L"t");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(dial) != FALSE; }, 2000)) << "the dial stayed hidden";
    EXPECT_TRUE(IsTopmost(dial));

    Choose(OpenMenu(), L"c");

    Press(OpenMenu(), L"q");
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Needle"), kCpu) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1) << ReadBytes(Ini());
}

// Real pointer events, as the system delivers them: the dial follows the pointer while the button is down, but not
// from the readout; a close while the button is still down (taskkill, an uninstaller) saves where the dial is and
// ends once the button is up at the latest.
TEST_F(MenuTrayTest, LeftButtonDragsTheDialButNotFromTheReadout) {
    struct Case {
        const char* name;
        const char* view;
        POINT press;  // on the dial; the readout sits at (56,69), 45 x 8
        bool moves;
    };
    constexpr POINT kDragBy{60, 40};
    for (const Case& c : {Case{"face", "", {30, 30}, true}, Case{"readout", "Label_view=1\r\n", {60, 72}, false}}) {
        SCOPED_TRACE(c.name);
        HWND dial = StartPlaced(MeterFile(c.view));
        ASSERT_TRUE(dial);
        const POINT start{kDialLeft + c.press.x, kDialTop + c.press.y};
        SetCursorPos(start.x, start.y);
        Pause(100);
        mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
        for (int step = 1; step <= 4; ++step) {
            Pause(60);
            SetCursorPos(start.x + kDragBy.x * step / 4, start.y + kDragBy.y * step / 4);
        }
        const POINT expected{kDialLeft + (c.moves ? kDragBy.x : 0), kDialTop + (c.moves ? kDragBy.y : 0)};
        EXPECT_TRUE(
            WaitUntil([&] { return WindowArea(dial).left == expected.x && WindowArea(dial).top == expected.y; }, 1000));
        ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
        Pause(500);
        mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
        // Not the fixture's long wait: a lost close never ends.
        ASSERT_EQ(WaitForSingleObject(process_, 3000), WAIT_OBJECT_0) << "still running after the close and release";
        ExpectCleanExit();
        EXPECT_EQ(Saved(L"Coordinates", L"Left"), PixelsToTwips(expected.x)) << ReadBytes(Ini());
        EXPECT_EQ(Saved(L"Coordinates", L"Top"), PixelsToTwips(expected.y)) << ReadBytes(Ini());
    }
}

}  // namespace
}  // namespace dorv
