// The popup menu, the notification-area icon and dragging, as a user meets them: a private copy of Dorvanix.exe runs
// at a fixed spot, the test opens its menu with the messages the dial and the icon get, chooses items with keys, and
// checks the window, the saved meter.ini, the menu's picture on the screen and the icon's tip inside the shell.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

namespace fs = std::filesystem;

constexpr int kDialLeft = 200;
constexpr int kDialTop = 200;
// Menus open at the pointer, put here first: nothing else is on the screen there.
constexpr POINT kMenuPoint{600, 100};

// Moves the pointer and waits until the system reports it there for a while: the X server may still deliver a
// motion from the previous place, which would open the program's menu there.
void MovePointerTo(POINT at) {
    SetCursorPos(at.x, at.y);
    int settled = 0;
    WaitUntil(
        [&] {
            POINT now{};
            GetCursorPos(&now);
            if (now.x != at.x || now.y != at.y) {
                settled = 0;
                SetCursorPos(at.x, at.y);
                return false;
            }
            return ++settled >= 5;
        },
        2000);
}
constexpr wchar_t kPopupClass[] = L"#32768";
constexpr wchar_t kMenuWindowClass[] = L"DorvanixMenuFrm";
// The icon's callback message; lParam carries the mouse message.
constexpr UINT kTrayCallback = 0x200;
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
        text << "[Coordinates]\r\nLeft=" << PixelsToTwips(kDialLeft) << "\r\nTop=" << PixelsToTwips(kDialTop)
             << "\r\n[View]\r\nNeedle=" << needle << "\r\nTop_view=" << topView << "\r\nEnglish=" << english
             << "\r\nIcon_view=" << iconView << "\r\nHide_Meter=" << hideMeter << "\r\nLabel_view=" << labelView
             << "\r\nMode_view=0\r\n";
        return text.str();
    }
};

// Waits without stopping this thread's own windows.
void Pause(DWORD ms) {
    WaitUntil([] { return false; }, ms);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// The process's top-level windows of a class, visible ones only if asked.
std::vector<HWND> TopWindows(DWORD pid, const wchar_t* className, bool visibleOnly) {
    struct Search {
        DWORD pid;
        const wchar_t* className;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{pid, className, visibleOnly, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && ClassOf(window) == s->className && (!s->visibleOnly || IsWindowVisible(window)))
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND OpenPopup(DWORD pid) {
    const std::vector<HWND> popups = TopWindows(pid, kPopupClass, true);
    return popups.empty() ? nullptr : popups.front();
}

bool IsTopmost(HWND window) {
    return (static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)) & WS_EX_TOPMOST) != 0;
}

int ProfileInt(const fs::path& ini, const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -999, ini.wstring().c_str()));
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

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Valid() const { return !pixels_.empty(); }
    bool operator==(const ScreenPicture& other) const = default;

    bool SameRows(const ScreenPicture& other, int top, int bottom) const {
        if (width_ != other.width_ || height_ != other.height_ || top < 0 || bottom > height_)
            return false;
        const auto begin = static_cast<std::size_t>(top) * width_;
        const auto end = static_cast<std::size_t>(bottom) * width_;
        return std::equal(pixels_.begin() + begin, pixels_.begin() + end, other.pixels_.begin() + begin);
    }

    // Text or marks: some pixel well darker than the menu's face.
    bool HasDarkPixels() const {
        return std::any_of(pixels_.begin(), pixels_.end(),
                           [](std::uint32_t p) { return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 200; });
    }

    // A 32-bit top-down bitmap file.
    bool Save(const fs::path& path) const {
        BITMAPINFOHEADER header{};
        header.biSize = sizeof header;
        header.biWidth = width_;
        header.biHeight = -height_;
        header.biPlanes = 1;
        header.biBitCount = 32;
        header.biCompression = BI_RGB;
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof file + sizeof header;
        file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels_.size() * 4);
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof file);
        out.write(reinterpret_cast<const char*>(&header), sizeof header);
        out.write(reinterpret_cast<const char*>(pixels_.data()), static_cast<std::streamsize>(pixels_.size() * 4));
        return out.good();
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

// Pictures are kept beside this program, out of the test's folder that goes at the end, for a person to look at.
fs::path PictureFolder() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const fs::path folder = fs::path(module).parent_path() / L"menu_tray_pictures";
    std::error_code error;
    fs::create_directories(folder, error);
    return folder;
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

std::string Narrow(const std::wstring& wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? static_cast<std::size_t>(size - 1) : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, text.data(), size, nullptr, nullptr);
    return text;
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
            if (HWND popup = OpenPopup(GetCurrentProcessId()))
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
        WaitUntil([&] { return menu_.load() && (popup = OpenPopup(GetCurrentProcessId())) != nullptr; }, kMenuOpenMs);
        return popup;
    }

    // Each row's top and bottom in the popup; separators have none of their own.
    std::vector<std::pair<int, int>> RowSpans(HWND popup) const {
        std::vector<std::pair<int, int>> spans;
        const RECT whole = WindowArea(popup);
        for (UINT i = 0; i < rows_.size(); ++i) {
            RECT item{};
            if (!GetMenuItemRect(popup, menu_.load(), i, &item))
                return {};
            spans.emplace_back(item.top - whole.top, item.bottom - whole.top);
        }
        return spans;
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

struct ReferencePicture {
    ScreenPicture picture;
    std::vector<std::pair<int, int>> spans;
};

ReferencePicture DrawReference(const std::vector<MenuRow>& rows) {
    ReferencePicture reference;
    ReferenceMenu menu(rows, kMenuPoint);
    HWND popup = menu.WaitForPopup();
    if (!popup)
        return reference;
    reference.picture = SettledPicture(popup);
    reference.spans = menu.RowSpans(popup);
    return reference;
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

// The number between the prefix and a closing "%", or -1.
int Percent(const std::wstring& tip, const std::wstring& prefix) {
    if (tip.size() < prefix.size() + 2 || tip.compare(0, prefix.size(), prefix) != 0 || tip.back() != L'%')
        return -1;
    const std::wstring digits = tip.substr(prefix.size(), tip.size() - prefix.size() - 1);
    if (digits.empty() || digits.size() > 3 ||
        !std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return -1;
    return std::stoi(digits);
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

// ---- The fixture ----

class MenuTrayTest : public WineDialTest {
protected:
    // Writes the settings, starts the program and checks the dial stands where asked.
    HWND Start(const MeterFile& file) {
        english_ = file.english == 1;
        WriteBytes(Ini(), file.Text());
        HWND dial = LaunchVisibleDial();
        if (!dial)
            return nullptr;
        const RECT rect = WindowArea(dial);
        EXPECT_EQ(rect.left, kDialLeft);
        EXPECT_EQ(rect.top, kDialTop);
        return dial;
    }

    HWND WaitForPopup() {
        HWND popup = nullptr;
        WaitUntil([&] { return (popup = OpenPopup(pid_)) != nullptr; }, kMenuOpenMs);
        return popup;
    }

    bool PopupGone() {
        return WaitUntil([&] { return OpenPopup(pid_) == nullptr; }, 3000);
    }

    bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

    // A right-button release on the dial's face, with the pointer at `at`; the popup, or null after a failure.
    HWND OpenFromDial(HWND dial, POINT at = kMenuPoint) {
        MovePointerTo(at);
        EXPECT_TRUE(PostMessageW(dial, WM_RBUTTONUP, 0, MAKELPARAM(50, 50)));
        HWND popup = WaitForPopup();
        EXPECT_TRUE(popup) << "no menu after a right-button release on the dial";
        return popup;
    }

    HWND MenuWindow() {
        HWND window = nullptr;
        WaitUntil(
            [&] {
                const std::vector<HWND> found = TopWindows(pid_, kMenuWindowClass, false);
                window = found.empty() ? nullptr : found.front();
                return window != nullptr;
            },
            5000);
        EXPECT_TRUE(window) << "no menu window";
        return window;
    }

    void PostToTray(UINT mouseMessage) { ASSERT_TRUE(PostMessageW(MenuWindow(), kTrayCallback, 1, mouseMessage)); }

    HWND OpenFromTray(POINT at = kMenuPoint) {
        MovePointerTo(at);
        PostToTray(WM_RBUTTONUP);
        HWND popup = WaitForPopup();
        EXPECT_TRUE(popup) << "no menu after a right-button release on the icon";
        return popup;
    }

    static void Press(HWND popup, const std::vector<Key>& keys) {
        for (const Key& key : keys)
            PostMessageW(popup, key.message, key.code, 0);
    }

    // Chooses with the keys; the menu must close.
    void Choose(HWND popup, const std::vector<Key>& keys) {
        Press(popup, keys);
        EXPECT_TRUE(PopupGone()) << "the menu stayed open";
    }

    // Quit from the menu (its letter differs by language): the program ends by itself with 0.
    void QuitFromMenu(HWND dial) {
        HWND popup = OpenFromDial(dial);
        ASSERT_TRUE(popup);
        Press(popup, {Letter(english_ ? L'q' : L'x')});
        ExpectCleanExit();
    }

    int Saved(const wchar_t* section, const wchar_t* key) const { return ProfileInt(Ini(), section, key); }

    // The program's open menu against the expected one drawn here; both pictures are kept for a person to see.
    void ExpectMenuLooksLike(HWND popup, const std::vector<MenuRow>& rows, const std::string& name) {
        EXPECT_EQ(WindowArea(popup).left, kMenuPoint.x) << "the menu does not open at the pointer";
        EXPECT_EQ(WindowArea(popup).top, kMenuPoint.y) << "the menu does not open at the pointer";
        const ScreenPicture shown = SettledPicture(popup);
        ASSERT_TRUE(shown.Valid()) << "the menu could not be read from the screen";
        const fs::path shownPath = PictureFolder() / (name + ".bmp");
        shown.Save(shownPath);
        std::cout << "menu picture: " << shownPath.string() << "\n";

        // The program's menu gives way first: the two are never open together.
        Press(popup, {kEscape});
        ASSERT_TRUE(PopupGone()) << "Escape did not close the menu";
        const ReferencePicture expected = DrawReference(rows);
        ASSERT_TRUE(expected.picture.Valid()) << "the expected menu could not be drawn";
        const fs::path expectedPath = PictureFolder() / (name + "_expected.bmp");
        expected.picture.Save(expectedPath);

        ASSERT_EQ(shown.Width(), expected.picture.Width()) << "see " << expectedPath.string();
        ASSERT_EQ(shown.Height(), expected.picture.Height())
            << "a different number of items or separators; see " << expectedPath.string();
        std::string wrongRows;
        for (std::size_t i = 0; i < expected.spans.size() && i < rows.size(); ++i)
            if (rows[i].caption && !shown.SameRows(expected.picture, expected.spans[i].first, expected.spans[i].second))
                wrongRows += " \"" + Narrow(rows[i].caption) + "\"";
        EXPECT_EQ(expected.spans.size(), rows.size()) << "the expected menu's rows could not be measured";
        EXPECT_TRUE(wrongRows.empty()) << "rows drawn differently:" << wrongRows << "; see " << expectedPath.string();
        if (wrongRows.empty()) {
            EXPECT_TRUE(shown == expected.picture) << "separators or borders differ; see " << expectedPath.string();
        }
    }

    bool english_ = false;
};

// ---- What the menu shows ----

struct LookCase {
    const char* name;
    MeterFile file;
};

void PrintTo(const LookCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuLookTest : public MenuTrayTest, public testing::WithParamInterface<LookCase> {};

TEST_P(MenuLookTest, OpensAtThePointerWithTheItemsForTheSettings) {
    const MeterFile& file = GetParam().file;
    HWND dial = Start(file);
    ASSERT_TRUE(dial);
    HWND popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    ExpectMenuLooksLike(popup, ExpectedMenu(file.english == 1, file.needle, file.topView == 1),
                        std::string("menu_") + GetParam().name);
    EXPECT_TRUE(Running());
    CloseAndWait(dial);
}

INSTANTIATE_TEST_SUITE_P(Settings,
                         MenuLookTest,
                         testing::Values(LookCase{"JapaneseMemory", MeterFile{.needle = kMem}},
                                         LookCase{"EnglishVirtualMemoryOnTop",
                                                  MeterFile{.needle = kVMem, .topView = 1, .english = 1}},
                                         LookCase{"EnglishCpu", MeterFile{.needle = kCpu, .english = 1}},
                                         LookCase{"JapaneseClockOnTop", MeterFile{.needle = kClock, .topView = 1}}),
                         [](const testing::TestParamInfo<LookCase>& test) { return test.param.name; });

// ---- Choosing a mode ----

struct ChoiceCase {
    const char* name;
    int startNeedle;
    std::vector<Key> keys;
    int needle;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) {
    *out << c.name;
}

class MenuChoiceTest : public MenuTrayTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(MenuChoiceTest, ChosenModeIsCheckedNextTimeAndSaved) {
    const ChoiceCase& c = GetParam();
    HWND dial = Start(MeterFile{.needle = c.startNeedle, .english = 1});
    ASSERT_TRUE(dial);
    HWND popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    Choose(popup, c.keys);
    ASSERT_TRUE(Running());
    // Opened again, the menu checks the new mode.
    popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    ExpectMenuLooksLike(popup, ExpectedMenu(true, c.needle, false), std::string("menu_after_") + c.name);
    QuitFromMenu(dial);
    EXPECT_EQ(Saved(L"View", L"Needle"), c.needle) << ReadBytes(Ini());
}

INSTANTIATE_TEST_SUITE_P(
    Keys,
    MenuChoiceTest,
    testing::Values(ChoiceCase{"ClockByLetter", kMem, {Letter(L'l')}, kClock},
                    ChoiceCase{"PhysicalMemoryByLetter", kClock, {Letter(L'p')}, kMem},
                    ChoiceCase{"CpuByArrowsAndReturn", kMem, {kDown, kDown, kDown, kReturn}, kCpu},
                    // Greyed: the menu takes the key but runs nothing.
                    ChoiceCase{"GreyedVirtualMemoryRefused", kMem, {Letter(L'v'), kEscape, kEscape}, kMem}),
    [](const testing::TestParamInfo<ChoiceCase>& test) { return test.param.name; });

// ---- Closing without a choice; always on top ----

TEST_F(MenuTrayTest, EscapeClosesTheMenuAndChangesNothing) {
    // What a run without the menu saves, to compare with. Not the first item's mode: a slip onto it would show.
    const MeterFile file{.needle = kClock};
    HWND first = Start(file);
    ASSERT_TRUE(first);
    CloseAndWait(first);
    const std::string untouched = ReadBytes(Ini());

    HWND dial = Start(file);
    ASSERT_TRUE(dial);
    HWND popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    Choose(popup, {kEscape, kEscape});
    EXPECT_TRUE(Running());
    EXPECT_TRUE(IsWindowVisible(dial));
    EXPECT_FALSE(IsTopmost(dial));
    CloseAndWait(dial);
    EXPECT_EQ(ReadBytes(Ini()), untouched);
}

// Closing (taskkill, an uninstaller) while the menu is open: the program saves and ends, at the latest once the
// menu is dismissed.
TEST_F(MenuTrayTest, CloseWhileTheMenuIsOpenStillEnds) {
    HWND dial = Start(MeterFile{.needle = kClock});
    ASSERT_TRUE(dial);
    HWND popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
    const bool endedWithMenu = WaitForSingleObject(process_, 1000) == WAIT_OBJECT_0;
    const bool menuLeftOpen = OpenPopup(pid_) != nullptr;
    if (!endedWithMenu)
        Press(popup, {kEscape, kEscape});
    // Not the fixture's long wait: a lost close never ends.
    if (WaitForSingleObject(process_, 3000) != WAIT_OBJECT_0)
        FAIL() << "still running 3 s after the close and the menu's dismissal; the menu "
               << (menuLeftOpen ? "stayed open" : "closed") << " at the close; meter.ini now:\n"
               << ReadBytes(Ini());
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"View", L"Needle"), kClock) << ReadBytes(Ini());
}

class AlwaysOnTopTest : public MenuTrayTest, public testing::WithParamInterface<int> {};

TEST_P(AlwaysOnTopTest, ItemTurnsTheSettingOverAndSavesIt) {
    const int before = GetParam();
    HWND dial = Start(MeterFile{.topView = before});
    ASSERT_TRUE(dial);
    ASSERT_EQ(IsTopmost(dial), before == 1);
    HWND popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    Choose(popup, {Letter(L't')});
    EXPECT_TRUE(WaitUntil([&] { return IsTopmost(dial) == (before == 0); }, 2000))
        << "still " << (before ? "" : "not ") << "on top";
    EXPECT_TRUE(IsWindowVisible(dial));
    QuitFromMenu(dial);
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1 - before) << ReadBytes(Ini());
}

INSTANTIATE_TEST_SUITE_P(From, AlwaysOnTopTest, testing::Values(0, 1), [](const testing::TestParamInfo<int>& test) {
    return test.param ? "On" : "Off";
});

TEST_F(MenuTrayTest, AlwaysOnTopFromTheIconShowsAHiddenDial) {
    WriteBytes(Ini(), MeterFile{.iconView = 1, .hideMeter = 1}.Text());
    Launch();
    ASSERT_FALSE(HasFatalFailure());
    HWND dial = FindDial();
    ASSERT_TRUE(dial);
    ASSERT_TRUE(MenuWindow());
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(dial) != FALSE; }, 1000)) << "hidden dial was shown";
    // The icon's menu is the dial's.
    HWND popup = OpenFromTray();
    ASSERT_TRUE(popup);
    ExpectMenuLooksLike(popup, ExpectedMenu(false, kMem, false), "menu_from_icon");
    popup = OpenFromTray();
    ASSERT_TRUE(popup);
    Choose(popup, {Letter(L't')});
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(dial) != FALSE; }, 2000)) << "the dial stayed hidden";
    EXPECT_TRUE(IsTopmost(dial));
    CloseAndWait(dial);
    EXPECT_EQ(Saved(L"View", L"Top_view"), 1) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"View", L"Hide_Meter"), 1) << ReadBytes(Ini());
}

TEST_F(MenuTrayTest, DialOpensTheMenuOnARightButtonReleaseAlsoOverTheReadout) {
    HWND dial = Start(MeterFile{.labelView = 1});
    ASSERT_TRUE(dial);
    MovePointerTo(kMenuPoint);
    // The readout sits at (56,69), 45 x 8, in the meter modes.
    const LPARAM onReadout = MAKELPARAM(60, 72);
    ASSERT_TRUE(PostMessageW(dial, WM_RBUTTONDOWN, MK_RBUTTON, onReadout));
    EXPECT_FALSE(WaitUntil([&] { return OpenPopup(pid_) != nullptr; }, 300)) << "a menu opened on the press";
    ASSERT_TRUE(PostMessageW(dial, WM_RBUTTONUP, 0, onReadout));
    HWND popup = WaitForPopup();
    ASSERT_TRUE(popup) << "no menu after a right-button release on the readout";
    Choose(popup, {kEscape, kEscape});
    CloseAndWait(dial);
}

// ---- The icon's callback ----

TEST_F(MenuTrayTest, IconOpensTheMenuOnARightButtonReleaseOnly) {
    HWND dial = Start(MeterFile{.iconView = 1});
    ASSERT_TRUE(dial);
    MovePointerTo(kMenuPoint);
    // A double click asks for the settings dialog, which shows nothing yet; the other messages do nothing.
    constexpr UINT kIgnored[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN};
    for (UINT message : kIgnored) {
        PostToTray(message);
        EXPECT_FALSE(WaitUntil([&] { return OpenPopup(pid_) != nullptr; }, 300))
            << "a menu opened on message 0x" << std::hex << message;
        ASSERT_TRUE(Running()) << "ended on message 0x" << std::hex << message;
        if (HWND popup = OpenPopup(pid_)) {
            Press(popup, {kEscape, kEscape});
            PopupGone();
        }
    }
    HWND popup = OpenFromTray();
    ASSERT_TRUE(popup);
    Choose(popup, {kEscape, kEscape});
    CloseAndWait(dial);
}

// ---- The icon's tip ----

struct TipCase {
    const char* name;
    int needle;
};

void PrintTo(const TipCase& c, std::ostream* out) {
    *out << c.name;
}

class TrayTipTest : public MenuTrayTest, public testing::WithParamInterface<TipCase> {};

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

TEST_P(TrayTipTest, TipFollowsTheModeAndGoesWithTheProgram) {
    const int needle = GetParam().needle;
    HWND dial = Start(MeterFile{.needle = needle, .iconView = 1});
    ASSERT_TRUE(dial);
    std::string problem;
    EXPECT_TRUE(WaitUntil([&] { return (problem = TipProblem(needle, ShellTips())).empty(); }, 5000)) << problem;
    // The clock's tip takes over once the mode changes; a memory tip follows the next sample.
    HWND popup = OpenFromDial(dial);
    ASSERT_TRUE(popup);
    const int next = needle == kClock ? kMem : kClock;
    Choose(popup, {Letter(next == kClock ? L'l' : L'p')});
    EXPECT_TRUE(WaitUntil([&] { return (problem = TipProblem(next, ShellTips())).empty(); }, 5000))
        << "after choosing another mode: " << problem;
    CloseAndWait(dial);
    std::vector<std::wstring> tips;
    EXPECT_TRUE(WaitUntil([&] { return (tips = ShellTips()).empty(); }, 3000))
        << "left in the shell:" << Describe(tips);
}

INSTANTIATE_TEST_SUITE_P(Modes,
                         TrayTipTest,
                         testing::Values(TipCase{"Memory", kMem}, TipCase{"Cpu", kCpu}, TipCase{"Clock", kClock}),
                         [](const testing::TestParamInfo<TipCase>& test) { return test.param.name; });

TEST_F(MenuTrayTest, NoIconWithoutIconView) {
    HWND dial = Start(MeterFile{.iconView = 0});
    ASSERT_TRUE(dial);
    std::vector<std::wstring> tips;
    EXPECT_FALSE(WaitUntil([&] { return !(tips = ShellTips()).empty(); }, 1500)) << "tips:" << Describe(tips);
    CloseAndWait(dial);
}

// ---- Dragging ----

struct DragCase {
    const char* name;
    int labelView;
    POINT press;  // on the dial
    bool moves;
};

void PrintTo(const DragCase& c, std::ostream* out) {
    *out << c.name;
}

class DragTest : public MenuTrayTest, public testing::WithParamInterface<DragCase> {};

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

TEST_P(DragTest, LeftButtonDragsTheDialButNotFromTheReadout) {
    const DragCase& c = GetParam();
    HWND dial = Start(MeterFile{.labelView = c.labelView});
    ASSERT_TRUE(dial);
    // Real pointer events, as the system delivers them: the move follows the pointer while the button is down.
    PressAndMove(c.press);
    SendButton(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(WaitUntil([&] { return !InMoveLoop(dial); }, 2000)) << "the move did not end with the button";
    const POINT expected{kDialLeft + (c.moves ? kDragBy.x : 0), kDialTop + (c.moves ? kDragBy.y : 0)};
    const RECT rect = WindowArea(dial);
    EXPECT_EQ(rect.left, expected.x);
    EXPECT_EQ(rect.top, expected.y);
    CloseAndWait(dial);
    EXPECT_EQ(Saved(L"Coordinates", L"Left"), PixelsToTwips(expected.x)) << ReadBytes(Ini());
    EXPECT_EQ(Saved(L"Coordinates", L"Top"), PixelsToTwips(expected.y)) << ReadBytes(Ini());
}

// The readout sits at (56,69), 45 x 8, in the meter modes.
INSTANTIATE_TEST_SUITE_P(Presses,
                         DragTest,
                         testing::Values(DragCase{"FromTheFace", 0, {30, 30}, true},
                                         DragCase{"WhereAHiddenReadoutWouldBe", 0, {60, 72}, true},
                                         DragCase{"NotFromTheReadout", 1, {60, 72}, false}),
                         [](const testing::TestParamInfo<DragCase>& test) { return test.param.name; });

// Closing (taskkill, an uninstaller) while the user drags: the program saves where the dial is and ends.
TEST_F(MenuTrayTest, CloseWhileDraggingStillEnds) {
    HWND dial = Start(MeterFile{});
    ASSERT_TRUE(dial);
    PressAndMove({30, 30});
    EXPECT_TRUE(WaitUntil([&] { return WindowArea(dial).left == kDialLeft + kDragBy.x; }, 1000)) << "no drag";
    ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
    Pause(500);
    SendButton(MOUSEEVENTF_LEFTUP);
    // Not the fixture's long wait: a lost close never ends.
    if (WaitForSingleObject(process_, 3000) != WAIT_OBJECT_0)
        FAIL() << "still running 3 s after the close and the button's release; dial window "
               << (IsWindow(dial) ? "still there" : "gone") << "; meter.ini now:\n"
               << ReadBytes(Ini());
    ExpectCleanExit();
    EXPECT_EQ(Saved(L"Coordinates", L"Left"), PixelsToTwips(kDialLeft + kDragBy.x)) << ReadBytes(Ini());
}

}  // namespace
}  // namespace dorv
