// The popup menu, the notification-area icon and dragging, as a user meets them: a private copy of Dorvanix.exe runs
// at a fixed spot, the test opens its menu with the messages the dial and the icon get, chooses items with keys, and
// checks the window, the saved meter.ini, the menu's picture on the screen (once per language) and the icon's tip
// inside the shell.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/win32/win32_text.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

constexpr UINT kMenuOpenMs = 3000;

enum Mode { kMem = 0, kVMem = 1, kCpu = 2, kClock = 3 };

struct MeterFile {
    int needle = kMem;
    int topView = 0;
    int english = 0;
    int iconView = 0;
    int hideMeter = 0;
    int labelView = 0;

    std::string Text() const {
        std::ostringstream text;
        text << PlacedAtTheTestSpot() << "[View]\r\nNeedle=" << needle << "\r\nTop_view=" << topView
             << "\r\nEnglish=" << english << "\r\nIcon_view=" << iconView << "\r\nHide_Meter=" << hideMeter
             << "\r\nLabel_view=" << labelView << "\r\nMode_view=0\r\n";
        return text.str();
    }
};

// This process's own open popup (the expected menu).
HWND OwnPopup() {
    const std::vector<HWND> popups = TopWindows(GetCurrentProcessId(), kPopupClass, true);
    return popups.empty() ? nullptr : popups.front();
}

// ---- Pictures of the screen ----

class ScreenPicture {
public:
    static ScreenPicture Capture(const RECT& area) {
        ScreenPicture picture;
        const int width = area.right - area.left;
        const int height = area.bottom - area.top;
        if (width <= 0 || height <= 0)
            return picture;
        picture.pixels_ = CaptureScreen(area);
        if (picture.Valid()) {
            picture.width_ = width;
            picture.height_ = height;
        }
        return picture;
    }

    bool Valid() const { return !pixels_.empty(); }
    bool operator==(const ScreenPicture& other) const = default;

    // Text or marks: some pixel well darker than the menu's face.
    bool HasDarkPixels() const {
        return std::any_of(pixels_.begin(), pixels_.end(),
                           [](std::uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200; });
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

RECT WindowArea(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The window's picture once it has stopped changing and shows some text.
ScreenPicture SettledPicture(HWND window) {
    ScreenPicture last;
    ScreenPicture now;
    WaitUntil(
        [&] {
            last = now;
            now = ScreenPicture::Capture(WindowArea(window));
            return now.Valid() && now == last && now.HasDarkPixels();
        },
        2000);
    return now;
}

// ---- The menu the program should show ----

struct MenuRow {
    const wchar_t* caption = nullptr;  // none: a separator
    bool checked = false;
    bool greyed = false;
    bool isDefault = false;
};

// Wine reports Windows 10 here, so the virtual-memory mode is offered greyed, checked or not.
std::vector<MenuRow> ExpectedMenu(bool english, int needle, bool onTop) {
    const bool en = english;
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

// The expected menu built by this process with the ordinary calls and opened at the same spot: Wine draws both,
// so the program's menu must match it pixel for pixel, captions, marks, greyed and bold items alike.
class ReferenceMenu {
public:
    ReferenceMenu(const std::vector<MenuRow>& rows, POINT at) : rows_(rows), at_(at) {
        thread_ = CreateThread(nullptr, 0, &Track, this, 0, nullptr);
    }
    ~ReferenceMenu() {
        if (!thread_)
            return;
        if (WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT) {
            if (HWND popup = OwnPopup())
                PostMessageW(popup, WM_KEYDOWN, VK_ESCAPE, 0);
            EndMenu();
            WaitForSingleObject(thread_, 5000);
        }
        CloseHandle(thread_);
    }
    ReferenceMenu(const ReferenceMenu&) = delete;
    ReferenceMenu& operator=(const ReferenceMenu&) = delete;

    HWND WaitForPopup() const {
        HWND popup = nullptr;
        WaitUntil([&] { return menu_.load() && (popup = OwnPopup()) != nullptr; }, kMenuOpenMs);
        return popup;
    }

private:
    static DWORD WINAPI Track(void* param) {
        auto* self = static_cast<ReferenceMenu*>(param);
        HWND owner = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
        HMENU menu = CreatePopupMenu();
        UINT id = 1;
        for (const MenuRow& row : self->rows_) {
            if (!row.caption) {
                AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
                continue;
            }
            UINT flags = MF_STRING;
            if (row.checked)
                flags |= MF_CHECKED;
            if (row.greyed)
                flags |= MF_GRAYED;
            AppendMenuW(menu, flags, id, row.caption);
            if (row.isDefault)
                SetMenuDefaultItem(menu, id, FALSE);
            ++id;
        }
        self->menu_.store(menu);
        SetForegroundWindow(owner);
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, self->at_.x, self->at_.y,
                       0, owner, nullptr);
        DestroyMenu(menu);
        DestroyWindow(owner);
        return 0;
    }

    std::vector<MenuRow> rows_;
    POINT at_;
    std::atomic<HMENU> menu_{nullptr};
    HANDLE thread_ = nullptr;
};

ScreenPicture DrawReference(const std::vector<MenuRow>& rows) {
    ReferenceMenu menu(rows, kMenuPoint);
    HWND popup = menu.WaitForPopup();
    return popup ? SettledPicture(popup) : ScreenPicture{};
}

// ---- The icon's tip, read out of the shell ----

// The tips of the shell's tooltip windows (the notification-area icons' tips live there), read through memory
// lent inside the shell's process; empty when there is no shell or nothing can be read.
std::vector<std::wstring> ShellTips() {
    std::vector<std::wstring> tips;
    DWORD shellPid = 0;
    GetWindowThreadProcessId(FindWindowW(L"Shell_TrayWnd", nullptr), &shellPid);
    if (shellPid == 0)
        return tips;
    HANDLE shell = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, shellPid);
    if (!shell)
        return tips;
    constexpr std::size_t kTextChars = 256;
    const std::size_t size = sizeof(TTTOOLINFOW) + kTextChars * sizeof(wchar_t);
    auto* remote = static_cast<BYTE*>(VirtualAllocEx(shell, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        for (HWND tooltip : TopWindows(shellPid, TOOLTIPS_CLASSW, false)) {
            DWORD_PTR count = 0;
            if (!SendMessageTimeoutW(tooltip, TTM_GETTOOLCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count))
                continue;
            for (DWORD_PTR i = 0; i < count; ++i) {
                TTTOOLINFOW info{};
                info.cbSize = sizeof info;
                info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof info);
                const wchar_t none = L'\0';
                DWORD_PTR found = 0;
                wchar_t text[kTextChars] = {};
                if (WriteProcessMemory(shell, remote, &info, sizeof info, nullptr) &&
                    WriteProcessMemory(shell, remote + sizeof info, &none, sizeof none, nullptr) &&
                    SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                                        2000, &found) &&
                    found &&
                    ReadProcessMemory(shell, remote + sizeof info, text, sizeof text - sizeof(wchar_t), nullptr))
                    tips.emplace_back(text);
            }
        }
        VirtualFreeEx(shell, remote, 0, MEM_RELEASE);
    }
    CloseHandle(shell);
    return tips;
}

std::string Describe(const std::vector<std::wstring>& tips) {
    std::string text;
    for (const std::wstring& tip : tips)
        text += " \"" + Narrow(tip) + "\"";
    return tips.empty() ? " none" : text;
}

// The whole number between the prefix and a closing "%", or -1.
int Percent(const std::wstring& tip, const std::wstring& prefix) {
    if (tip.size() < prefix.size() + 2 || tip.rfind(prefix, 0) != 0 || tip.back() != L'%')
        return -1;
    const std::wstring digits = tip.substr(prefix.size(), tip.size() - prefix.size() - 1);
    const bool whole = digits.size() <= 3 &&
                       std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
    return whole ? std::stoi(digits) : -1;
}

// The time of day in the user's format, as the system writes it.
std::wstring TimeText(const SYSTEMTIME& time) {
    wchar_t text[64] = {};
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, 64);
    return text;
}

SYSTEMTIME SecondsBefore(int seconds) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    // 100 ns units.
    const ULONGLONG ticks = ((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime) -
                            static_cast<ULONGLONG>(seconds) * 10000000ULL;
    const FILETIME then{static_cast<DWORD>(ticks & 0xFFFFFFFFULL), static_cast<DWORD>(ticks >> 32)};
    FILETIME local{};
    FileTimeToLocalFileTime(&then, &local);
    SYSTEMTIME time{};
    FileTimeToSystemTime(&local, &time);
    return time;
}

// A clock tip of the last few seconds.
bool IsRecentClockTip(const std::wstring& tip) {
    for (int back = -1; back <= 3; ++back)
        if (tip == L"Clock:" + TimeText(SecondsBefore(back)))
            return true;
    return false;
}

// ---- Keys for the open menu ----

struct Key {
    UINT message;
    WPARAM code;
};

constexpr Key Letter(wchar_t letter) {
    return Key{WM_CHAR, static_cast<WPARAM>(letter)};
}
constexpr Key kDown{WM_KEYDOWN, VK_DOWN};
constexpr Key kReturn{WM_KEYDOWN, VK_RETURN};
constexpr Key kEscape{WM_KEYDOWN, VK_ESCAPE};

// An empty answer when the tips show the mode's value.
std::string TipProblem(int needle, const std::vector<std::wstring>& tips) {
    if (tips.size() != 1)
        return "tips:" + Describe(tips);
    const std::wstring& tip = tips.front();
    switch (needle) {
        case kMem: {
            const int load = MemoryLoad();
            const int shown = Percent(tip, L"Mem:");
            return shown >= 0 && std::abs(shown - load) <= 2
                       ? ""
                       : "tip" + Describe(tips) + ", memory load " + std::to_string(load) + "%";
        }
        case kCpu:
            return Percent(tip, L"CPU:") >= 0 && Percent(tip, L"CPU:") <= 100 ? "" : "tip" + Describe(tips);
        default:
            return IsRecentClockTip(tip)
                       ? ""
                       : "tip" + Describe(tips) + ", now \"Clock:" + Narrow(TimeText(SecondsBefore(0))) + "\"";
    }
}

// ---- The fixture ----

class MenuTrayTest : public WineDialTest {
protected:
    HWND OpenFromTray() {
        MovePointerTo(kMenuPoint);
        PostToTray(WM_RBUTTONUP);
        HWND popup = WaitForPopup();
        EXPECT_TRUE(popup) << "no menu after a right-button release on the icon";
        return popup;
    }

    static void Press(HWND popup, const std::vector<Key>& keys) {
        for (const Key& key : keys)
            PostMessageW(popup, key.message, key.code, 0);
    }

    // Chooses with the keys; the menu must close and the program go on.
    void Choose(HWND popup, const std::vector<Key>& keys) {
        ASSERT_TRUE(popup);
        Press(popup, keys);
        EXPECT_TRUE(PopupGone()) << "the menu stayed open";
        EXPECT_TRUE(Running());
    }

    // Waits for the icon's one tip to be what the mode shows.
    void ExpectTip(int needle) {
        std::string problem;
        EXPECT_TRUE(WaitUntil([&] { return (problem = TipProblem(needle, ShellTips())).empty(); }, 5000)) << problem;
    }

    // The program's open menu against the expected one drawn here.
    void ExpectMenuLooksLike(HWND popup, const std::vector<MenuRow>& rows) {
        ASSERT_TRUE(popup);
        EXPECT_EQ(WindowArea(popup).left, kMenuPoint.x) << "the menu does not open at the pointer";
        EXPECT_EQ(WindowArea(popup).top, kMenuPoint.y) << "the menu does not open at the pointer";
        const ScreenPicture shown = SettledPicture(popup);
        ASSERT_TRUE(shown.Valid()) << "the menu could not be read from the screen";
        // The program's menu gives way first: the two are never open together.
        Press(popup, {kEscape});
        ASSERT_TRUE(PopupGone()) << "Escape did not close the menu";
        const ScreenPicture expected = DrawReference(rows);
        ASSERT_TRUE(expected.Valid()) << "the expected menu could not be drawn";
        EXPECT_TRUE(shown == expected) << "captions, marks, greyed or bold items, separators or size differ";
    }
};

// From the dial in Japanese: the look, a mode by its letter, Escape that runs nothing (a slip onto the first item
// would change the mode), always on top turned off, and a close while the menu is open that still saves and ends.
TEST_F(MenuTrayTest, JapaneseMenuFromTheDial) {
    HWND dial = StartPlaced(MeterFile{.needle = kMem, .topView = 1}.Text());
    ASSERT_TRUE(dial);
    EXPECT_TRUE(IsTopmost(dial));
    ExpectMenuLooksLike(OpenMenuFromDial(dial), ExpectedMenu(false, kMem, true));
    Choose(OpenMenuFromDial(dial), {Letter(L'l')});
    Choose(OpenMenuFromDial(dial), {kEscape, kEscape});
    EXPECT_TRUE(IsWindowVisible(dial));
    EXPECT_TRUE(IsTopmost(dial));
    Choose(OpenMenuFromDial(dial), {Letter(L't')});
    EXPECT_TRUE(WaitUntil([&] { return !IsTopmost(dial); }, 2000)) << "still on top";
    // No icon asked for, none shown.
    EXPECT_TRUE(ShellTips().empty()) << "tips:" << Describe(ShellTips());

    // Closing (taskkill, an uninstaller) with the menu open: saved and ended, at the latest once it is dismissed.
    HWND popup = OpenMenuFromDial(dial);
    ASSERT_TRUE(popup);
    ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
    if (WaitForSingleObject(process_, 1000) != WAIT_OBJECT_0)
        Press(popup, {kEscape, kEscape});
    // Not the fixture's long wait: a lost close never ends.
    ASSERT_EQ(WaitForSingleObject(process_, 3000), WAIT_OBJECT_0) << "still running after the close and the menu";
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Needle"), kClock) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"View", L"Top_view"), 0) << ReadBytes(Ini());
}

// From the icon in English with the dial hidden: only a right-button release opens the menu; the look with the
// greyed mode; always on top shows the dial; the tip follows the mode; a right release over the readout opens the
// menu too; the greyed mode is refused; Quit saves, and the icon goes with the program.
TEST_F(MenuTrayTest, EnglishMenuFromTheIcon) {
    WriteBytes(Ini(), MeterFile{.needle = kVMem, .english = 1, .iconView = 1, .hideMeter = 1, .labelView = 1}.Text());
    Launch();
    ASSERT_FALSE(HasFatalFailure());
    HWND dial = FindDial();
    ASSERT_TRUE(dial);
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(dial) != FALSE; }, 1000)) << "hidden dial was shown";
    MovePointerTo(kMenuPoint);
    // A double click asks for the settings dialog; the other messages do nothing.
    constexpr UINT kIgnored[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN};
    for (UINT message : kIgnored) {
        PostToTray(message);
        EXPECT_FALSE(WaitForPopup(300)) << "a menu opened on message 0x" << std::hex << message;
        ASSERT_TRUE(Running()) << "ended on message 0x" << std::hex << message;
    }
    ExpectMenuLooksLike(OpenFromTray(), ExpectedMenu(true, kVMem, false));
    Choose(OpenFromTray(), {Letter(L't')});
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(dial) != FALSE; }, 2000)) << "the dial stayed hidden";
    EXPECT_TRUE(IsTopmost(dial));

    Choose(OpenFromTray(), {Letter(L'l')});
    ExpectTip(kClock);
    Choose(OpenFromTray(), {Letter(L'p')});
    ExpectTip(kMem);
    // The readout sits at (56,69), 45 x 8, in the meter modes: the press opens nothing, the release the menu.
    const LPARAM onReadout = MAKELPARAM(60, 72);
    ASSERT_TRUE(PostMessageW(dial, WM_RBUTTONDOWN, MK_RBUTTON, onReadout));
    EXPECT_FALSE(WaitForPopup(300)) << "a menu opened on the press";
    ASSERT_TRUE(PostMessageW(dial, WM_RBUTTONUP, 0, onReadout));
    Choose(WaitForPopup(), {kDown, kDown, kDown, kReturn});
    ExpectTip(kCpu);
    // Greyed: the menu takes the key but runs nothing.
    Choose(OpenFromTray(), {Letter(L'v'), kEscape, kEscape});

    Press(OpenFromTray(), {Letter(L'q')});
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Needle"), kCpu) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"View", L"Hide_Meter"), 1) << ReadBytes(Ini());
    std::vector<std::wstring> tips;
    EXPECT_TRUE(WaitUntil([&] { return (tips = ShellTips()).empty(); }, 3000))
        << "left in the shell:" << Describe(tips);
}

// ---- Dragging ----

void SendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// Whether the window's thread is in the system's move loop.
bool InMoveLoop(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) && (info.flags & GUI_INMOVESIZE) != 0;
}

constexpr int kDragSteps = 4;
constexpr POINT kDragBy{60, 40};

// Presses the left button at the dial's point and moves the pointer by kDragBy in a few steps, button still down.
void PressAndMove(POINT onDial) {
    const POINT start{kDialLeft + onDial.x, kDialTop + onDial.y};
    SetCursorPos(start.x, start.y);
    Pause(100);
    SendButton(MOUSEEVENTF_LEFTDOWN);
    Pause(150);
    for (int step = 1; step <= kDragSteps; ++step) {
        SetCursorPos(start.x + kDragBy.x * step / kDragSteps, start.y + kDragBy.y * step / kDragSteps);
        Pause(60);
    }
}

// Real pointer events, as the system delivers them: the move follows the pointer while the button is down, but not
// from the readout.
TEST_F(MenuTrayTest, LeftButtonDragsTheDialButNotFromTheReadout) {
    struct Case {
        const char* name;
        int labelView;
        POINT press;  // on the dial; the readout sits at (56,69), 45 x 8
        bool moves;
    };
    for (const Case& c : {Case{"face", 0, {30, 30}, true}, Case{"readout", 1, {60, 72}, false}}) {
        SCOPED_TRACE(c.name);
        HWND dial = StartPlaced(MeterFile{.labelView = c.labelView}.Text());
        ASSERT_TRUE(dial);
        PressAndMove(c.press);
        SendButton(MOUSEEVENTF_LEFTUP);
        EXPECT_TRUE(WaitUntil([&] { return !InMoveLoop(dial); }, 2000)) << "the move did not end with the button";
        const POINT expected{kDialLeft + (c.moves ? kDragBy.x : 0), kDialTop + (c.moves ? kDragBy.y : 0)};
        EXPECT_EQ(WindowArea(dial).left, expected.x);
        EXPECT_EQ(WindowArea(dial).top, expected.y);
        CloseAndWait(dial);
        EXPECT_EQ(Saved(L"Coordinates", L"Left"), PixelsToTwips(expected.x)) << ReadBytes(Ini());
        EXPECT_EQ(Saved(L"Coordinates", L"Top"), PixelsToTwips(expected.y)) << ReadBytes(Ini());
    }
}

// Closing (taskkill, an uninstaller) while the user drags: the program saves where the dial is and ends.
TEST_F(MenuTrayTest, CloseWhileDraggingStillEnds) {
    HWND dial = StartPlaced(MeterFile{}.Text());
    ASSERT_TRUE(dial);
    PressAndMove({30, 30});
    EXPECT_TRUE(WaitUntil([&] { return WindowArea(dial).left == kDialLeft + kDragBy.x; }, 1000)) << "no drag";
    ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
    Pause(500);
    SendButton(MOUSEEVENTF_LEFTUP);
    // Not the fixture's long wait: a lost close never ends.
    ASSERT_EQ(WaitForSingleObject(process_, 3000), WAIT_OBJECT_0) << "still running after the close and the release";
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"Coordinates", L"Left"), PixelsToTwips(kDialLeft + kDragBy.x)) << ReadBytes(Ini());
}

}  // namespace
}  // namespace dorv
