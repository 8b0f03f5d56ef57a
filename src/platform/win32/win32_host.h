#pragma once
// The real host: Win32 windows, timers, private-profile INI calls, PDH and the system's status.
#include <windows.h>

#include <string>

#include "app/meter_app.h"
#include "metrics/processor_times.h"
#include "platform/platform.h"
#include "win32_dial_painter.h"

namespace dorv {

class Win32Host : public WindowSystem,
                  public DialDrawing,
                  public TimerSystem,
                  public IniFile,
                  public SystemStatus,
                  public OsVersion,
                  public PerfCounter,
                  public Registry {
public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    Platform platform() { return Platform{*this, *this, *this, *this, *this, *this, *this, *this}; }
    // Events of the host's windows go to this app's handlers.
    void Attach(MeterApp& app) { app_ = &app; }
    // The message loop; returns the program's exit code once it ends.
    int RunMessageLoop();

    // WindowSystem
    WindowHandle CreateMeterWindow(const char* title, PixelSize size) override;
    PixelPoint WindowPosition(WindowHandle window) override;
    PixelSize WindowSize(WindowHandle window) override;
    void MoveWindow(WindowHandle window, PixelPoint topLeft) override;
    void HideWindow(WindowHandle window) override;
    int SetWindowStacking(WindowHandle window, bool topmost) override;
    void AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) override;
    void MakeLayered(WindowHandle window, std::uint8_t alpha) override;
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
    void WriteString(const std::string& path,
                     const std::string& section,
                     const std::string& key,
                     const std::string& value) override;
    std::string ProgramFolder() override;

    // SystemStatus
    MemoryStatus QueryMemoryStatus() override;
    LocalTime CurrentLocalTime() override;
    std::string DecimalSymbol() override;

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
    void CloseKey(RegistryKey key) override;

private:
    static LRESULT CALLBACK DialWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleDialMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void PaintDial(HWND hwnd);

    HINSTANCE instance_;
    MeterApp* app_ = nullptr;
    HWND owner_ = nullptr;  // hidden owner of the dial; destroyed with the host, taking the dial along
    HWND dial_ = nullptr;
    DialPainter painter_;  // composed off screen and copied once per paint, so nothing flickers
    bool ending_ = false;

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
