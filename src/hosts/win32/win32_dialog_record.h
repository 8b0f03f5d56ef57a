#pragma once
// One open dialog as the Win32 host keeps it: the table it was built from, a window per control and the GDI
// objects the controls draw with. The record dies with the dialog's window (WM_NCDESTROY).
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/dialogs.h"
#include "win32_handles.h"

namespace dorv {

using FontOwner = GdiObject<HFONT>;

// Controls get window ids from here on, by their place in the table: the dialog manager's IDOK and IDCANCEL
// (Enter and Esc) can then never be mistaken for a control of the table.
inline constexpr int kFirstControlId = 100;

// A label with a colour of its own: owner-drawn, composed with the coloured labels it overlaps.
inline bool IsComposedLabel(const ControlLayout& layout) {
    return layout.kind == ControlKind::Label && layout.font.colour >= 0;
}

// A tab control's tabs become the "\n"-separated captions: kept tabs renamed, missing ones added, extra ones removed.
void SetTabCaptions(HWND tabs, const std::string& captions);

struct ControlRecord {
    ControlLayout layout;
    HWND hwnd = nullptr;
    int parentIndex = -1;      // the enclosing page or frame in the table; -1 for the dialog
    HWND container = nullptr;  // the window holding it: the dialog or a page (frames hold nothing themselves)
    RECT place{};              // the table's place in the container's pixels
    bool enabled = true;       // as the core set it; shown only while every enclosing page and frame is enabled too
    bool visible = true;
    bool highlighted = false;
    int value = 0;               // a swatch's colour; the slider position or time last known to the core
    std::string text;            // as last set, UTF-8
    HFONT font = nullptr;        // owned by the dialog record
    HFONT underlined = nullptr;  // a link's highlighted font
};

struct DialogRecord {
    HWND hwnd = nullptr;
    std::vector<ControlRecord> controls;  // table order
    std::map<int, int> indexById;
    int width = 0;  // the table's outer size, twips
    int height = 0;
    std::vector<FontOwner> fonts;       // made for the dpi below
    HFONT font = nullptr;               // the dialog's own, for controls without a face of their own
    IconOwner icon;                     // the program's icon at the dpi below, for the icon controls
    int dpi = USER_DEFAULT_SCREEN_DPI;  // of the dialog's monitor, as last laid out
    int defaultButton = -1;             // index of the Default-role button, -1 when none
    int cancelButton = -1;

    int IndexOf(HWND window) const {
        const int index = GetDlgCtrlID(window) - kFirstControlId;
        if (index < 0 || index >= static_cast<int>(controls.size()) || controls[index].hwnd != window)
            return -1;
        return index;
    }
    WindowHandle Handle() const { return reinterpret_cast<WindowHandle>(hwnd); }
};

// The window's outer size at a dpi from a proposed one: kept where its client area holds every control, else grown
// to the controls' extent with as much room after them as the table leaves before them.
SIZE FittedSize(const DialogRecord& dialog, int dpi, SIZE proposed);

}  // namespace dorv
