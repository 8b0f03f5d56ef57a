#pragma once
// The real host: Win32 windows, timers, private-profile INI calls, PDH, the notification area, the popup menu,
// HTML Help and the system's status.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "app/meter_app.h"
#include "metrics/processor_times.h"
#include "platform/platform.h"
#include "win32_dial_painter.h"
#include "win32_dialogs.h"
#include "win32_shell.h"

namespace dorv {

class Win32Host : public WindowSystem,
                  public DialDrawing,
                  public TimerSystem,
                  public IniFile,
                  public SystemStatus,
                  public OsVersion,
                  public PerfCounter,
                  public Registry,
                  public TrayIcons,
                  public PopupMenu,
                  public HelpViewer {
public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    Platform platform() {
        return Platform{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, dialogs_, shell_};
    }
    // Events of the host's windows go to this app's handlers.
    void Attach(MeterApp& app) {
        app_ = &app;
        dialogs_.Attach(&app, [this] {
            ending_ = true;
            PostQuitMessage(1);
        });
    }
    // The message loop; returns the program's exit code once it ends.
    int RunMessageLoop();

    // WindowSystem
    WindowHandle CreateMeterWindow(const char* title, PixelSize size) override;
    WindowHandle CreateMenuWindow() override;
    PixelPoint WindowPosition(WindowHandle window) override;
    PixelSize WindowSize(WindowHandle window) override;
    void MoveWindow(WindowHandle window, PixelPoint topLeft) override;
    void HideWindow(WindowHandle window) override;
    int SetWindowStacking(WindowHandle window, bool topmost) override;
    void AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) override;
    void MakeLayered(WindowHandle window, std::uint8_t alpha) override;
    void BeginWindowDrag(WindowHandle window) override;
    void SetForegroundWindow(WindowHandle window) override;
    bool AskYesNo(WindowHandle owner, const std::string& title, const std::string& text) override;
    void ShowMessage(WindowHandle owner, const std::string& title, const std::string& text, MessageIcon icon) override;
    void InvalidateWindow(WindowHandle window) override;
    PixelSize PrimaryScreenSize() override;
    double TwipsPerPixelX() override;
    double TwipsPerPixelY() override;
    void Beep() override;

    // DialDrawing
    void ClearDrawing(WindowHandle window) override;
    void DrawLine(WindowHandle window, float x1, float y1, float x2, float y2, std::int32_t colour) override;
    void SetPenWidth(WindowHandle window, int pixels) override;
    void SetPersistentDrawing(WindowHandle window, bool on) override;
    void SetFace(WindowHandle window, DialFace face) override;
    void SetWarningLamp(WindowHandle window, bool visible) override;
    void SetLabel(WindowHandle window, DialLabelId label, const LabelView& view) override;

    // TimerSystem
    void SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) override;
    void PumpMessagesOnce() override;
    void EndProgram() override;

    // IniFile
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override;
    FileResult WriteString(const std::string& path,
                           const std::string& section,
                           const std::string& key,
                           const std::string& value) override;
    FileResult CopyForSave(const std::string& path, const std::string& copy) override;
    FileResult ReplaceWith(const std::string& path, const std::string& copy) override;
    void RemoveFile(const std::string& path) override;
    std::string ProgramFolder() override;

    // SystemStatus
    MemoryStatus QueryMemoryStatus() override;
    LocalTime CurrentLocalTime() override;
    std::string FormatTimeOfDay(const LocalTime& time) override;
    std::string DecimalSymbol() override;
    std::string ThousandsSeparator() override;
    std::uint64_t TickCount() override;

    // OsVersion
    OsVersionInfo QueryVersion() override;

    // PerfCounter
    void OpenProcessorQuery(const char* counterPath) override;
    double CollectProcessorBusy() override;
    void CloseProcessorQuery() override;
    // True while the open query reads processor 0's times because PDH has no counter for it (as under Wine).
    bool ReadsProcessorTimes() const { return readsTimes_; }

    // Registry
    RegistryKey OpenKey(RegistryRoot root, const char* path) override;
    bool QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) override;
    std::optional<RegistryValue> ReadValue(RegistryKey key, const std::string& name) override;
    void CloseKey(RegistryKey key) override;

    // TrayIcons
    bool AddTrayIcon(WindowHandle window, const TrayIconView& icon) override;
    bool ModifyTrayIcon(WindowHandle window, const TrayIconView& icon) override;
    bool DeleteTrayIcon(WindowHandle window) override;

    // PopupMenu
    int TrackPopup(WindowHandle owner, const std::vector<MenuItemView>& items) override;

    // HelpViewer
    void ShowHelp(WindowHandle owner, const std::string& file, const std::string& topic) override;

private:
    using MessageHandler = LRESULT (Win32Host::*)(HWND, UINT, WPARAM, LPARAM);

    // Window procedures: the host rides in GWLP_USERDATA from WM_NCCREATE on, and no exception leaves them.
    static LRESULT Dispatch(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, MessageHandler handler);
    static LRESULT CALLBACK DialWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK MenuWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Registers a window class of the program (with its icon) once per run.
    void RegisterWindowClass(const wchar_t* name, WNDPROC procedure);
    // Forwards a close or the session's end to the core's Quit, once at a time.
    void RequestClose();
    // Close and end of session reach every top-level window (taskkill, logoff); true when handled.
    bool HandleQuitMessage(UINT message, WPARAM wParam, LRESULT& result);

    // The dial and its hidden owner (win32_dial_window.cpp).
    LRESULT HandleDialMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void HandleDialMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintDial(HWND hwnd);

    // The menu window (win32_menu_window.cpp).
    LRESULT HandleMenuMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The notification-area icon (win32_tray.cpp).
    bool NotifyTray(DWORD action, WindowHandle window, const TrayIconView* icon);
    HICON TrayIconHandle(const TrayIconView& icon);
    void ReleaseTrayPictures();

    // HTML Help (win32_help.cpp).
    void CloseHelp();

    HINSTANCE instance_;
    MeterApp* app_ = nullptr;
    bool ending_ = false;  // EndProgram was called: no more events reach the core

    // Windows, each destroyed by the host's destructor unless the system destroyed it first.
    HWND owner_ = nullptr;  // hidden owner of the dial; destroying it takes the dial along
    HWND dial_ = nullptr;
    HWND menu_ = nullptr;  // never shown: tray callbacks, shell broadcasts, popup menu owner
    UINT taskbarCreated_ = 0;
    DialPainter painter_;   // composed off screen and copied once per paint, so nothing flickers
    Win32Dialogs dialogs_;  // the open settings dialog and about box
    Win32Shell shell_;

    // The notification-area icon: its 22 pictures, loaded at first use and destroyed with the host.
    // Its callback reaches the menu window as WM_MOUSEMOVE's number, with the mouse message in lParam's low
    // word: the window is never shown, so no real mouse move can be mistaken for it.
    static constexpr UINT kTrayCallback = 0x200;
    static constexpr int kTrayIconsPerSet = 11;
    std::array<HICON, 2 * kTrayIconsPerSet> trayIcons_{};
    bool trayIconsLoaded_ = false;
    bool trayShown_ = false;  // added and not deleted since: the destructor deletes it if the core did not

    bool menuOpen_ = false;  // a popup menu is tracking; a second one at once would fail anyway

    // HTML Help, loaded from the system folder at the first use and freed with the host.
    HMODULE hhctrl_ = nullptr;
    bool helpShown_ = false;

    // PDH, loaded from the system folder at the first open.
    HMODULE pdh_ = nullptr;
    void* pdhQuery_ = nullptr;
    void* pdhCounter_ = nullptr;
    // Without the counter: processor 0's times from ntdll, which every process has mapped (nothing to free).
    bool readsTimes_ = false;
    ProcessorTimesSeries times_;
};

inline HWND ToHwnd(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

inline WindowHandle ToHandle(HWND hwnd) {
    return reinterpret_cast<WindowHandle>(hwnd);
}

}  // namespace dorv
