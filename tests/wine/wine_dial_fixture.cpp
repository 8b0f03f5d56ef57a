#include "wine_dial_fixture.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace dorv {
namespace {

namespace fs = std::filesystem;

constexpr wchar_t kDialClass[] = L"DorvanixMeterFrm";
constexpr wchar_t kMenuWindowClass[] = L"DorvanixMenuFrm";
// The icon's callback message, as the host's tray sets it; lParam carries the mouse message.
constexpr UINT kTrayCallback = WM_APP + 1;

BOOL CALLBACK Collect(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (done())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(20);
    }
}

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

int PixelsToTwips(int pixels) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return MulDiv(pixels, 1440, dpi > 0 ? dpi : 96);
}

std::string PlacedAtTheTestSpot() {
    return "[Coordinates]\r\nLeft=" + std::to_string(PixelsToTwips(kDialLeft)) +
           "\r\nTop=" + std::to_string(PixelsToTwips(kDialTop)) + "\r\n";
}

void Pause(DWORD ms) {
    WaitUntil([] { return false; }, ms);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[4096] = {};
    SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsTopmost(HWND window) {
    return (static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)) & WS_EX_TOPMOST) != 0;
}

std::vector<HWND> TopWindows(DWORD pid, const wchar_t* className, bool visibleOnly, const wchar_t* title) {
    std::vector<HWND> found;
    EnumWindows(&Collect, reinterpret_cast<LPARAM>(&found));
    std::erase_if(found, [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner != pid || (className && ClassOf(window) != className) ||
               (visibleOnly && !IsWindowVisible(window)) || (title && TextOf(window) != title);
    });
    return found;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> found;
    EnumChildWindows(window, &Collect, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND Child(HWND window, const wchar_t* className, const std::wstring& text) {
    for (HWND child : Descendants(window))
        if (lstrcmpiW(ClassOf(child).c_str(), className) == 0 && TextOf(child) == text)
            return child;
    return nullptr;
}

std::wstring ControlsOutside(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    std::wstring outside;
    for (HWND control : Descendants(window)) {
        RECT at{};
        GetWindowRect(control, &at);
        if (at.left < client.left || at.top < client.top || at.right > client.right || at.bottom > client.bottom)
            outside += L" " + ClassOf(control) + L" \"" + TextOf(control) + L"\"";
    }
    return outside;
}

void PressKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = keys.rbegin(); key != keys.rend(); ++key)
        inputs.push_back(INPUT{INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

ScopedUserText::ScopedUserText(const wchar_t* key, const wchar_t* name, const std::wstring& text)
    : key_(key), name_(name) {
    wchar_t old[256] = {};
    DWORD size = sizeof old;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, old, &size) == ERROR_SUCCESS)
        before_ = old;
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

ScopedUserText::~ScopedUserText() {
    if (before_)
        RegSetKeyValueW(HKEY_CURRENT_USER, key_, name_, REG_SZ, before_->c_str(),
                        static_cast<DWORD>((before_->size() + 1) * sizeof(wchar_t)));
    else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key_, name_);
}

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

void WineDialTest::SetUp() {
    wchar_t module[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    ASSERT_TRUE(length > 0 && length < MAX_PATH);
    const fs::path program = fs::path(module).parent_path() / L"Dorvanix.exe";
    ASSERT_TRUE(fs::exists(program)) << program.string();

    static int serial = 0;
    folder_ = fs::temp_directory_path() / (L"dorv_dial_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                           std::to_wstring(GetTickCount64()) + L"_" + std::to_wstring(++serial));
    std::error_code error;
    ASSERT_TRUE(fs::create_directories(folder_ / L"elsewhere", error)) << error.message();
    ASSERT_TRUE(fs::copy_file(program, folder_ / L"Dorvanix.exe", error)) << error.message();
    WriteBytes(folder_ / L"elsewhere" / L"meter.ini", kDecoyFile);
}

void WineDialTest::TearDown() {
    // Never leave a stray program behind: the next test (and taskkill) would meet it.
    if (process_) {
        TerminateProcess(process_, 99);  // fails harmlessly once it has ended
        WaitForSingleObject(process_, 5000);
        CloseHandle(process_);
    }
    // The image of a program that has just ended may stay locked for a moment.
    std::error_code error;
    WaitUntil(
        [&] {
            fs::remove_all(folder_, error);
            return !fs::exists(folder_, error);
        },
        3000);
    EXPECT_FALSE(fs::exists(folder_, error)) << "left behind: " << folder_.string();
}

HWND WineDialTest::LaunchDial(bool shown) {
    if (process_) {
        // A test may launch again once the previous run has ended.
        EXPECT_FALSE(Running()) << "the previous run is still going";
        CloseHandle(std::exchange(process_, nullptr));
    }
    const std::wstring exe = (folder_ / L"Dorvanix.exe").wstring();
    const std::wstring cwd = (folder_ / L"elsewhere").wstring();
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, cwd.c_str(), &startup,
                        &info)) {
        ADD_FAILURE() << "Dorvanix.exe did not start: " << GetLastError();
        return nullptr;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    std::vector<HWND> dials;
    WaitUntil([&] { return !(dials = TopWindows(pid_, kDialClass, false)).empty() || !Running(); }, 10000);
    EXPECT_EQ(dials.size(), 1u) << "not one dial window";
    if (dials.empty())
        return nullptr;
    EXPECT_EQ(WaitUntil([&] { return IsWindowVisible(dials.front()) != FALSE; }, shown ? 10000 : 1000), shown)
        << (shown ? "the dial never showed" : "the hidden dial showed");
    return dials.front();
}

HWND WineDialTest::StartPlaced(const std::string& iniText) {
    WriteBytes(Ini(), iniText);
    HWND dial = LaunchDial();
    if (!dial)
        return nullptr;
    RECT rect{};
    GetWindowRect(dial, &rect);
    EXPECT_EQ(std::make_pair(rect.left, rect.top), std::make_pair(LONG{kDialLeft}, LONG{kDialTop}));
    return dial;
}

void WineDialTest::ExpectCleanExit() {
    ASSERT_TRUE(process_);
    if (WaitForSingleObject(process_, 20000) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
        FAIL() << "Dorvanix.exe did not end within 20 s of the close request";
    }
    DWORD code = 1;
    GetExitCodeProcess(process_, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(ReadBytes(folder_ / L"elsewhere" / L"meter.ini"), kDecoyFile)
        << "the working directory's meter.ini was touched";
}

void WineDialTest::CloseAndWait(HWND dial) {
    ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
    ExpectCleanExit();
}

HWND WineDialTest::WaitFor(const wchar_t* className, const wchar_t* title, DWORD timeoutMs, bool visibleOnly) {
    std::vector<HWND> found;
    WaitUntil([&] { return !(found = TopWindows(pid_, className, visibleOnly, title)).empty(); }, timeoutMs);
    return found.empty() ? nullptr : found.front();
}

HWND WineDialTest::OpenMenu(HWND dial) {
    MovePointerTo(kMenuPoint);
    if (dial)
        EXPECT_TRUE(PostMessageW(dial, WM_RBUTTONUP, 0, MAKELPARAM(50, 50)));
    else
        PostToTray(WM_RBUTTONUP);
    HWND popup = WaitFor(kPopupClass, nullptr, 3000);
    EXPECT_TRUE(popup) << "no menu after a right-button release";
    return popup;
}

void WineDialTest::ChooseFromDialMenu(HWND dial, wchar_t letter) {
    if (HWND popup = OpenMenu(dial))
        PostMessageW(popup, WM_CHAR, letter, 0);
}

void WineDialTest::PostToTray(UINT mouseMessage) {
    HWND menuWindow = WaitFor(kMenuWindowClass, nullptr, 5000, false);
    ASSERT_TRUE(menuWindow) << "no menu window";
    EXPECT_TRUE(PostMessageW(menuWindow, kTrayCallback, 1, mouseMessage));
}

int WineDialTest::Saved(const wchar_t* section, const wchar_t* key) const {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -999, Ini().wstring().c_str()));
}

std::vector<std::uint32_t> CaptureScreen(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<std::uint32_t> pixels(width > 0 && height > 0 ? static_cast<std::size_t>(width * height) : 0);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP image = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, image);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);  // GetDIBits wants the bitmap free
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height /* top-down rows */, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const bool read = copied && GetDIBits(memory, image, 0, static_cast<UINT>(height), pixels.data(), &info,
                                          DIB_RGB_COLORS) == height;
    DeleteObject(image);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return read ? pixels : std::vector<std::uint32_t>{};
}

}  // namespace dorv
