// A dialog's messages as the core's dialog events, and what the dialog draws itself (swatches, links).
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include <climits>
#include <memory>
#include <type_traits>

#include "win32_dialog_record.h"
#include "win32_dialogs.h"
#include "win32_events.h"
#include "win32_text.h"

namespace dorv {
namespace {

bool SeeThrough(ControlKind kind) {
    // Static texts and group boxes let the pointer through to the window below them.
    return kind == ControlKind::Label || kind == ControlKind::Icon || kind == ControlKind::Line ||
           kind == ControlKind::Frame;
}

// The control the pointer is over, as the table knows it; -1 for the dialog's own background.
int PointedControl(const DialogRecord& dialog, HWND under) {
    int index = -1;
    // A window inside a control (a time picker's arrows) stands for the control.
    for (HWND at = under; at && at != dialog.hwnd && index < 0; at = GetParent(at))
        index = dialog.IndexOf(at);
    if (index >= 0 && dialog.controls[index].layout.kind != ControlKind::Page)
        return index;
    const HWND container = index >= 0 ? dialog.controls[index].hwnd : dialog.hwnd;
    POINT point{};
    GetCursorPos(&point);
    LONG bestArea = LONG_MAX;
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        const ControlRecord& control = dialog.controls[i];
        RECT r{};
        if (control.container != container || !SeeThrough(control.layout.kind) || !IsWindowVisible(control.hwnd) ||
            !GetWindowRect(control.hwnd, &r) || !PtInRect(&r, point))
            continue;
        // The innermost: a label inside a frame rather than the frame.
        const LONG area = (r.right - r.left) * (r.bottom - r.top);
        if (area < bestArea) {
            bestArea = area;
            index = static_cast<int>(i);
        }
    }
    return index;
}

// Black, and blue while the pointer is on it; in a high-contrast scheme the scheme's text and link colours.
COLORREF LinkColour(bool highlighted) {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0)
        return GetSysColor(highlighted ? COLOR_HOTLIGHT : COLOR_BTNTEXT);
    return highlighted ? RGB(0, 0, 255) : RGB(0, 0, 0);
}

// A swatch is a push button's frame filled with its colour.
void DrawSwatch(const ControlRecord& swatch, const DRAWITEMSTRUCT& item) {
    RECT frame = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    RECT face = item.rcItem;
    InflateRect(&face, -3, -3);
    if (pushed)
        OffsetRect(&face, 1, 1);
    // Only red, green and blue: a high byte would make GDI read a palette index instead.
    const GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(swatch.value) & 0x00FFFFFFu));
    if (brush)
        FillRect(item.hDC, &face, brush.get());
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(item.hDC, &face);
    }
}

// Each coloured label paints every coloured label that overlaps it, in table order, so the picture is the same
// whichever of the overlapping windows paints last.
void DrawComposedLabels(const DialogRecord& dialog, int index, const DRAWITEMSTRUCT& item) {
    const ControlRecord& self = dialog.controls[index];
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(item.hDC, TRANSPARENT);
    for (const ControlRecord& label : dialog.controls) {
        if (!IsComposedLabel(label.layout) || label.container != self.container || !label.visible)
            continue;
        RECT area = label.place;
        OffsetRect(&area, -self.place.left, -self.place.top);
        RECT overlap{};
        if (!IntersectRect(&overlap, &area, &item.rcItem))
            continue;
        const HGDIOBJ previous = SelectObject(item.hDC, label.font ? label.font : dialog.font);
        SetTextColor(item.hDC, static_cast<COLORREF>(label.layout.font.colour & 0xFFFFFF));
        const std::wstring text = Widen(label.text);
        DrawTextW(item.hDC, text.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(item.hDC, previous);
    }
}

}  // namespace

INT_PTR CALLBACK Win32Dialogs::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        return FALSE;  // the focus is given once the controls exist
    }
    auto* self = reinterpret_cast<Win32Dialogs*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    auto found = self->open_.find(hwnd);
    if (found == self->open_.end())
        return FALSE;
    if (message == WM_NCDESTROY) {
        // The controls are gone by now: their fonts may go with the record.
        self->open_.erase(found);
        return FALSE;
    }
    try {
        return self->HandleMessage(*found->second, message, wParam, lParam);
    } catch (...) {
        // The core's state is unknown after a throw: end the run rather than keep ticking on it.
        self->events_.End(1);
        return FALSE;
    }
}

// Pages are dialogs of their own: what their controls tell them goes on to the dialog's procedure, and what it
// leaves alone (the colours of plain controls) the page's dialog manager answers with the page's own face.
INT_PTR CALLBACK Win32Dialogs::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
            return DialogProc(GetParent(hwnd), message, wParam, lParam);
        default:
            return FALSE;
    }
}

// The record may die inside any event (the core closes the dialog): nothing touches it after a report.
INT_PTR Win32Dialogs::HandleMessage(DialogRecord& dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(dialog, wParam, lParam);
            return TRUE;
        case WM_NOTIFY:
            OnNotify(dialog, *reinterpret_cast<const NMHDR*>(lParam));
            return FALSE;  // no notification here asks for an answer
        case WM_HSCROLL:
            OnScroll(dialog, reinterpret_cast<HWND>(lParam));
            return TRUE;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            const int index = dialog.IndexOf(item.hwndItem);
            if (index < 0)
                return FALSE;
            if (IsComposedLabel(dialog.controls[index].layout)) {
                DrawComposedLabels(dialog, index, item);
                return TRUE;
            }
            if (dialog.controls[index].layout.kind != ControlKind::ColourSwatch)
                return FALSE;
            DrawSwatch(dialog.controls[index], item);
            return TRUE;
        }
        case WM_CTLCOLORSTATIC: {
            const int index = dialog.IndexOf(reinterpret_cast<HWND>(lParam));
            if (index < 0 || dialog.controls[index].layout.kind != ControlKind::Link)
                return FALSE;
            auto dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, LinkColour(dialog.controls[index].highlighted));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        case WM_GETDPISCALEDSIZE: {
            // The size the dialog is about to take at the new dpi, so the system's suggestion is what it gets.
            RECT now{};
            GetWindowRect(dialog.hwnd, &now);
            const int dpi = static_cast<int>(wParam);
            const SIZE scaled{MulDiv(now.right - now.left, dpi, dialog.dpi),
                              MulDiv(now.bottom - now.top, dpi, dialog.dpi)};
            *reinterpret_cast<SIZE*>(lParam) = FittedSize(dialog, dpi, scaled);
            SetWindowLongPtrW(dialog.hwnd, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
        case WM_DPICHANGED:
            OnDpiChanged(dialog, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
        case WM_SETCURSOR:
            return OnSetCursor(dialog, reinterpret_cast<HWND>(wParam), lParam) ? TRUE : FALSE;
        case WM_TIMER:
            if (quiet_ == 0)
                events_.Timer(wParam);
            return TRUE;
        case WM_CLOSE:
            Report(dialog, 0, DialogEvent::Close);
            return TRUE;
        default:
            return FALSE;
    }
}

void Win32Dialogs::OnCommand(DialogRecord& dialog, WPARAM wParam, LPARAM lParam) {
    const int index = lParam ? dialog.IndexOf(reinterpret_cast<HWND>(lParam)) : -1;
    if (index < 0) {
        // The dialog manager's Enter and Esc: the buttons with those roles, and Esc closes a dialog without one.
        if (LOWORD(wParam) == IDOK && dialog.defaultButton >= 0)
            ClickByRole(dialog, dialog.defaultButton);
        else if (LOWORD(wParam) == IDCANCEL && dialog.cancelButton >= 0)
            ClickByRole(dialog, dialog.cancelButton);
        else if (LOWORD(wParam) == IDCANCEL)
            Report(dialog, 0, DialogEvent::Close);
        return;
    }
    const ControlRecord& control = dialog.controls[index];
    const WORD code = HIWORD(wParam);
    switch (control.layout.kind) {
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::Link:  // STN_CLICKED is BN_CLICKED's number
            if (code == BN_CLICKED)
                Report(dialog, control.layout.id, DialogEvent::Clicked);
            break;
        case ControlKind::ColourSwatch:
            // Owner-drawn buttons report a quick second click as a double click.
            if (code == BN_CLICKED || code == BN_DOUBLECLICKED)
                Report(dialog, control.layout.id, DialogEvent::Clicked);
            break;
        case ControlKind::OptionButton:
            if (code == BN_CLICKED) {
                // The group may span windows the button's own auto behaviour cannot see.
                ++quiet_;
                SelectOption(dialog, index);
                --quiet_;
                Report(dialog, control.layout.id, DialogEvent::Clicked);
            }
            break;
        default:
            break;
    }
}

void Win32Dialogs::OnDpiChanged(DialogRecord& dialog, int dpi, const RECT& suggested) {
    if (dpi <= 0)
        return;
    dialog.dpi = dpi;
    ++quiet_;
    Layout(dialog, suggested);
    --quiet_;
}

void Win32Dialogs::ClickByRole(DialogRecord& dialog, int index) {
    const ControlRecord& button = dialog.controls[index];
    if (IsWindowEnabled(button.hwnd) && IsWindowVisible(button.hwnd))
        Report(dialog, button.layout.id, DialogEvent::Clicked);
}

void Win32Dialogs::OnNotify(DialogRecord& dialog, const NMHDR& header) {
    const int index = dialog.IndexOf(header.hwndFrom);
    if (index < 0)
        return;
    ControlRecord& control = dialog.controls[index];
    if (header.code == static_cast<UINT>(TCN_SELCHANGE) && control.layout.kind == ControlKind::Tabs) {
        Report(dialog, control.layout.id, DialogEvent::Changed);
    } else if (header.code == static_cast<UINT>(DTN_DATETIMECHANGE) && control.layout.kind == ControlKind::TimePicker) {
        // The picker also tells of times that did not change (a lost focus): only a new time is news.
        const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
        if (change.dwFlags != GDT_VALID)
            return;
        const int minutes = change.st.wHour * 60 + change.st.wMinute;
        if (minutes == control.value)
            return;
        control.value = minutes;
        Report(dialog, control.layout.id, DialogEvent::Changed);
    }
}

void Win32Dialogs::OnScroll(DialogRecord& dialog, HWND from) {
    const int index = from ? dialog.IndexOf(from) : -1;
    if (index < 0 || dialog.controls[index].layout.kind != ControlKind::Slider)
        return;
    // A drag sends a message per step and one at the end: each new position once.
    ControlRecord& slider = dialog.controls[index];
    const int position = static_cast<int>(SendMessageW(slider.hwnd, TBM_GETPOS, 0, 0));
    if (position == slider.value)
        return;
    slider.value = position;
    Report(dialog, slider.layout.id, DialogEvent::Changed);
}

bool Win32Dialogs::OnSetCursor(DialogRecord& dialog, HWND under, LPARAM lParam) {
    const HWND window = dialog.hwnd;
    const int index = PointedControl(dialog, under);
    const bool overLink = index >= 0 && dialog.controls[index].layout.kind == ControlKind::Link &&
                          IsWindowEnabled(dialog.controls[index].hwnd);
    // The caption bar and the border are not the dialog's background.
    if (HIWORD(lParam) == WM_MOUSEMOVE && (under != window || LOWORD(lParam) == HTCLIENT))
        Report(dialog, index >= 0 ? dialog.controls[index].layout.id : 0, DialogEvent::MouseMove);
    if (!overLink || LOWORD(lParam) != HTCLIENT)
        return false;
    if (HCURSOR hand = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)))
        SetCursor(hand);
    SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
    return true;
}

void Win32Dialogs::Report(const DialogRecord& dialog, int id, DialogEvent event) {
    if (quiet_ == 0)
        events_.Dialog(dialog.Handle(), id, event);
}

}  // namespace dorv
