#pragma once
// What the hosts call when the window system reports something to the program's windows.
#include "platform/dialogs.h"
#include "platform/timers.h"

namespace dorv {

struct MeterApp;

enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
enum ModifierKey { ShiftKey = 1, CtrlKey = 2, AltKey = 4 };

// The dial window was asked to close (taskkill, Alt+F4): the same Quit as the menu.
void OnMeterCloseRequest(MeterApp& app);
// The Windows session ends: the same Quit, with no window shown on the way out.
void OnSessionEnd(MeterApp& app);

// Mouse events on the dial window, in its device pixels; the core tells the labels from the dial itself.
void OnDialMouseDown(MeterApp& app, MouseButton button, int modifiers, int x, int y);
void OnDialMouseUp(MeterApp& app, MouseButton button, int modifiers, int x, int y);
void OnDialMouseMove(MeterApp& app, int buttons, int modifiers, int x, int y);
// The dial reached a monitor of another dpi (WM_DPICHANGED); the host has already given it the size the
// system suggested, which keeps it under the pointer.
void OnDialDpiChanged(MeterApp& app, int dpi);
// Monitors were added, removed, moved or resized (or the work area changed): a dial left on no monitor is
// brought back onto the nearest one.
void OnDisplayChanged(MeterApp& app);

// The tray icon's mouse events that mean something to the program; the host reports the rest as Other.
enum class TrayMouseEvent { Other, LeftDoubleClick, RightButtonUp };

// The menu window: the tray icon's callback and the shell's "TaskbarCreated" broadcast.
void OnTrayCallback(MeterApp& app, TrayMouseEvent event);
void OnTaskbarCreated(MeterApp& app);

// Any window's timer, routed by its id.
void OnTimer(MeterApp& app, TimerId timer);
// A user action in an open dialog (settings or about box), or its close box.
void OnDialogEvent(MeterApp& app, WindowHandle dialog, int controlId, DialogEvent event);

}  // namespace dorv
