#pragma once
// A private copy of Dorvanix.exe per test: its own folder with meter.ini beside it, a working directory elsewhere,
// an orderly close and nothing left behind; and the ways the programs reach its windows, its menu, its icon.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dorv {

inline constexpr wchar_t kPopupClass[] = L"#32768";
inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr int kDialSize = 100;
// Where the dial of a test that places it appears, and where menus open: nothing else is on the screen there.
inline constexpr int kDialLeft = 200;
inline constexpr int kDialTop = 200;
inline constexpr POINT kMenuPoint{600, 100};

// Polls until done or the timeout; messages for this thread's own windows are served meanwhile.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Waits without stopping this thread's own windows.
void Pause(DWORD ms);

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// Screen pixels as the program's Left/Top twips, at the screen's resolution.
int PixelsToTwips(int pixels);
// The [Coordinates] section that puts the dial at (kDialLeft, kDialTop).
std::string PlacedAtTheTestSpot();

std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
bool IsTopmost(HWND window);
// The process's top-level windows of a class (any when null), visible ones only if asked, with the title if given.
std::vector<HWND> TopWindows(DWORD pid, const wchar_t* className, bool visibleOnly, const wchar_t* title = nullptr);
// Every control inside the window, nested ones too.
std::vector<HWND> Descendants(HWND window);
// The first control inside the window of the class, showing the text; null when there is none.
HWND Child(HWND window, const wchar_t* className, const std::wstring& text);
// The controls inside the window that reach out of its client area, by class and text; empty when none does.
std::wstring ControlsOutside(HWND window);
// Down in order, then up in reverse, as the keyboard sends them to the focused window of the foreground one.
void PressKeys(const std::vector<WORD>& keys);
// Moves the pointer and waits until the system reports it there for a while: the X server may still deliver a
// motion from the previous place, which would open the program's menu there.
void MovePointerTo(POINT at);

// A text value under HKEY_CURRENT_USER while it lives (Wine reads such settings as a process starts); the value
// there before, or none, comes back at the end.
class ScopedUserText {
public:
    ScopedUserText(const wchar_t* key, const wchar_t* name, const std::wstring& text);
    ~ScopedUserText();
    ScopedUserText(const ScopedUserText&) = delete;
    ScopedUserText& operator=(const ScopedUserText&) = delete;

private:
    const wchar_t* key_;
    const wchar_t* name_;
    std::optional<std::wstring> before_;
};

class WineDialTest : public testing::Test {
protected:
    // In the working directory the program is started from: it must neither read nor touch this one.
    static constexpr char kDecoyFile[] = "[Coordinates]\r\nLeft=3000\r\nTop=3000\r\n[View]\r\nHide_Meter=1\r\n";

    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Ini() const { return folder_ / L"meter.ini"; }

    // Starts the copy from another working directory, so only its own folder can supply meter.ini, and finds its one
    // dial window, shown (or still hidden a second later if so asked); null when the test has failed.
    HWND LaunchDial(bool shown = true);
    // Writes meter.ini, launches and checks the dial stands at the test spot (the text must place it there).
    HWND StartPlaced(const std::string& iniText);
    // The program must end by itself with 0 once asked to close.
    void ExpectCleanExit();
    void CloseAndWait(HWND dial);
    bool Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

    // The program's first top-level window of the class (with the title if given), waited for; null when none.
    HWND WaitFor(const wchar_t* className,
                 const wchar_t* title = nullptr,
                 DWORD timeoutMs = 5000,
                 bool visibleOnly = true);
    // A right-button release on the dial's face (on the icon without a dial) with the pointer at the menu spot; the
    // popup or null.
    HWND OpenMenu(HWND dial = nullptr);
    // The menu's item by its access letter.
    void ChooseFromDialMenu(HWND dial, wchar_t letter);
    // A mouse message on the icon, as the shell reports it.
    void PostToTray(UINT mouseMessage);
    int Saved(const wchar_t* section, const wchar_t* key) const;

    std::filesystem::path folder_;
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

// A thread of this process spinning on the processors of the mask for as long as it lives.
class Spinner {
public:
    explicit Spinner(DWORD_PTR mask)
        : thread_(CreateThread(nullptr, 0, &Spin, &stop_, 0, nullptr)),
          pinned_(thread_ && SetThreadAffinityMask(thread_, mask) != 0) {}
    ~Spinner() {
        stop_ = true;
        if (thread_) {
            WaitForSingleObject(thread_, INFINITE);
            CloseHandle(thread_);
        }
    }
    Spinner(const Spinner&) = delete;
    Spinner& operator=(const Spinner&) = delete;

    bool Running() const { return pinned_; }

private:
    static DWORD WINAPI Spin(void* stop) {
        while (!static_cast<const std::atomic<bool>*>(stop)->load(std::memory_order_relaxed)) {
        }
        return 0;
    }

    std::atomic<bool> stop_{false};
    HANDLE thread_;
    bool pinned_;
};

// The screen's pixels in the area, top-down rows of 0x00RRGGBB; empty when nothing could be read.
std::vector<std::uint32_t> CaptureScreen(const RECT& area);

}  // namespace dorv
