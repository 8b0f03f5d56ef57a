#pragma once
// Windowing: the host's top-level windows, in pixels. The core converts twips itself, at the window's dpi.
#include <cstdint>
#include <string>

namespace dorv {

// Opaque handle of a host window; the host decides what it points at.
using WindowHandle = struct PlatformWindow*;

struct PixelPoint {
    int x = 0;
    int y = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Desktop pixels; right and bottom lie just outside, as the system's rectangles do.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

enum class MessageIcon { None, Information, Warning, Critical };

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // A borderless window of the given client size, created hidden at the screen's top-left corner.
    virtual WindowHandle CreateMeterWindow(const char* title, PixelSize size) = 0;
    // The never-shown top-level window that owns the popup menu and receives the tray icon's callbacks
    // and the shell's broadcasts.
    virtual WindowHandle CreateMenuWindow() = 0;
    virtual PixelPoint WindowPosition(WindowHandle window) = 0;
    virtual PixelSize WindowSize(WindowHandle window) = 0;
    virtual void MoveWindow(WindowHandle window, PixelPoint topLeft) = 0;
    virtual void HideWindow(WindowHandle window) = 0;
    // Restacks (topmost or not) without moving or sizing, and shows the window. Returns the host's result.
    virtual int SetWindowStacking(WindowHandle window, bool topmost) = 0;
    // Clips the window (drawing and mouse hits) to the ellipse inside the rectangle; the window owns it.
    virtual void AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) = 0;
    // Replaces the extended style by the layered one and draws the whole window with this opacity.
    virtual void MakeLayered(WindowHandle window, std::uint8_t alpha) = 0;
    // Hands the pointer to the system's move loop, which drags the window until the button is released.
    virtual void BeginWindowDrag(WindowHandle window) = 0;
    virtual void SetForegroundWindow(WindowHandle window) = 0;
    // A modal question with Yes and No buttons and a question-mark icon; true for Yes. Texts are UTF-8.
    virtual bool AskYesNo(WindowHandle owner, const std::string& title, const std::string& text) = 0;
    // A modal message with one OK button. Texts are UTF-8.
    virtual void ShowMessage(WindowHandle owner,
                             const std::string& title,
                             const std::string& text,
                             MessageIcon icon) = 0;
    // Asks for the window to be painted again from the core's state.
    virtual void InvalidateWindow(WindowHandle window) = 0;

    // The whole rectangle (not the work area) of the monitor sharing the most of `rect`, or, when no monitor
    // shares any of it, of the monitor nearest to it. So `rect` overlaps some monitor exactly when it
    // overlaps the one returned.
    virtual PixelRect NearestMonitor(PixelRect rect) = 0;
    // Dots per inch of the monitor the window is on (96 at 100 %); of the primary monitor, where a new
    // window appears, for no window.
    virtual int WindowDpi(WindowHandle window) = 0;

    // The system's default beep.
    virtual void Beep() = 0;
};

}  // namespace dorv
