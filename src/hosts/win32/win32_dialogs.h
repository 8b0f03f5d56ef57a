#pragma once
// Dialogs built from the core's control tables: modeless windows of the system's dialog class whose controls
// are made one by one from the table and placed at the dpi of the dialog's monitor (win32_dialogs.cpp), read and set
// through the table's ids (win32_dialog_controls.cpp), and whose messages become the core's dialog events
// (win32_dialog_events.cpp).
#include <windows.h>

#include <array>
#include <map>
#include <memory>

#include "platform/dialogs.h"
#include "win32_events.h"
#include "win32_handles.h"

namespace dorv {

struct DialogRecord;
struct ControlRecord;

class Win32Dialogs : public Dialogs {
public:
    // Their events go where the windows' go; a handler that throws ends the run.
    Win32Dialogs(HINSTANCE instance, Win32Events& events);
    ~Win32Dialogs() override;
    Win32Dialogs(const Win32Dialogs&) = delete;
    Win32Dialogs& operator=(const Win32Dialogs&) = delete;

    // The hidden window that owns the dialogs, so they never get taskbar buttons of their own.
    void SetOwner(HWND owner) { owner_ = owner; }
    // Gives a message to the open dialog it belongs to (Tab, Enter, Esc, access keys, Ctrl+Tab between pages);
    // true when consumed.
    bool PreTranslateMessage(MSG& msg);

    WindowHandle CreateDialogWindow(const DialogLayout& layout) override;
    void ShowDialog(WindowHandle dialog) override;
    void DestroyDialog(WindowHandle dialog) override;
    void SetValue(WindowHandle dialog, int id, int value) override;
    int Value(WindowHandle dialog, int id) override;
    void SetText(WindowHandle dialog, int id, const std::string& text) override;
    std::string Text(WindowHandle dialog, int id) override;
    void SetEnabled(WindowHandle dialog, int id, bool enabled) override;
    void SetVisible(WindowHandle dialog, int id, bool visible) override;
    void SetHighlighted(WindowHandle dialog, int id, bool highlighted) override;
    std::optional<std::int32_t> PickColour(WindowHandle dialog) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Building and laying out (win32_dialogs.cpp).
    void LoadCommonControls();
    bool BuildControls(DialogRecord& dialog, const DialogLayout& layout, POINT middle);
    HWND MakePage(HWND parent, HMENU id, const RECT& place);
    void Layout(DialogRecord& dialog, const RECT& proposed);
    HFONT LayoutFont(DialogRecord& dialog, const FontStyle& font);
    void FitCaption(DialogRecord& dialog, int index);
    static int PageStep(WPARAM key);
    bool SwitchPage(HWND dialog, int step);

    // Events (win32_dialog_events.cpp).
    INT_PTR HandleMessage(DialogRecord& dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(DialogRecord& dialog, WPARAM wParam, LPARAM lParam);
    void OnNotify(DialogRecord& dialog, const NMHDR& header);
    void OnScroll(DialogRecord& dialog, HWND control);
    void OnDpiChanged(DialogRecord& dialog, int dpi, const RECT& suggested);
    bool OnSetCursor(DialogRecord& dialog, HWND under, LPARAM lParam);
    void ClickByRole(DialogRecord& dialog, int index);
    void Report(const DialogRecord& dialog, int id, DialogEvent event);

    // Controls (win32_dialog_controls.cpp).
    struct Located {
        DialogRecord* dialog = nullptr;
        ControlRecord* control = nullptr;  // null when the dialog or the id is unknown
        int index = -1;
    };
    DialogRecord* Find(WindowHandle dialog);
    Located Locate(WindowHandle dialog, int id);
    void SelectOption(DialogRecord& dialog, int index);
    // Shows every control in the subtree as its own state and its containers' allow.
    void ApplyStates(DialogRecord& dialog, int index);

    HINSTANCE instance_;
    Win32Events& events_;
    HWND owner_ = nullptr;
    std::map<HWND, std::unique_ptr<DialogRecord>> open_;
    int quiet_ = 0;                             // the core is setting controls: their notifications are not the user's
    std::array<COLORREF, 16> customColours_{};  // the colour picker's custom row, kept for the run
    // Loaded at first use and kept; the destructor closes the dialogs before they are freed.
    ModuleOwner comctl32_;  // the controls' classes
    ModuleOwner comdlg32_;  // the colour picker
    ModuleOwner uxtheme_;   // the pages' themed face
};

}  // namespace dorv
