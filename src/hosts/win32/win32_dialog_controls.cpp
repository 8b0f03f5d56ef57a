// Reading and setting a built dialog's controls by their table ids. Nothing here raises an event: the
// controls' own notifications are muted while the core sets them.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "win32_dialog_record.h"
#include "win32_dialogs.h"
#include "win32_text.h"

namespace dorv {
namespace {

// A read-only edit control breaks lines only at CR LF.
std::wstring EditText(const std::string& text) {
    std::wstring wide;
    const std::wstring plain = Widen(text);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        if (plain[i] == L'\n' && (i == 0 || plain[i - 1] != L'\r'))
            wide += L'\r';
        wide += plain[i];
    }
    return wide;
}

}  // namespace

void SetTabCaptions(HWND tabs, const std::string& captions) {
    std::vector<std::wstring> parts;
    std::size_t start = 0;
    while (start <= captions.size()) {
        const std::size_t end = std::min(captions.find('\n', start), captions.size());
        parts.push_back(Widen(std::string_view(captions).substr(start, end - start)));
        start = end + 1;
    }
    const auto count = static_cast<std::size_t>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (std::size_t i = 0; i < parts.size(); ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = parts[i].data();
        SendMessageW(tabs, i < count ? TCM_SETITEMW : TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    for (std::size_t i = count; i > parts.size(); --i)
        SendMessageW(tabs, TCM_DELETEITEM, i - 1, 0);
}

DialogRecord* Win32Dialogs::Find(WindowHandle dialog) {
    auto found = open_.find(reinterpret_cast<HWND>(dialog));
    return found == open_.end() ? nullptr : found->second.get();
}

Win32Dialogs::Located Win32Dialogs::Locate(WindowHandle dialog, int id) {
    DialogRecord* record = Find(dialog);
    if (!record)
        return {};
    auto found = record->indexById.find(id);
    if (found == record->indexById.end())
        return {};
    return {record, &record->controls[found->second], found->second};
}

void Win32Dialogs::SetValue(WindowHandle dialog, int id, int value) {
    const auto [record, control, index] = Locate(dialog, id);
    if (!control)
        return;
    ++quiet_;
    HWND hwnd = control->hwnd;
    switch (control->layout.kind) {
        case ControlKind::Tabs:
            SendMessageW(hwnd, TCM_SETCURSEL, static_cast<WPARAM>(value), 0);
            break;
        case ControlKind::CheckBox:
            SendMessageW(hwnd, BM_SETCHECK, value != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ControlKind::OptionButton:
            if (value != 0) {
                SelectOption(*record, index);
            } else {
                SendMessageW(hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
            }
            break;
        case ControlKind::Slider:
            SendMessageW(hwnd, TBM_SETPOS, TRUE, value);
            control->value = static_cast<int>(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
            break;
        case ControlKind::TimePicker: {
            control->value = std::clamp(value, 0, 24 * 60 - 1);
            SYSTEMTIME time{};
            GetLocalTime(&time);
            time.wHour = static_cast<WORD>(control->value / 60);
            time.wMinute = static_cast<WORD>(control->value % 60);
            time.wSecond = 0;
            time.wMilliseconds = 0;
            SendMessageW(hwnd, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
            break;
        }
        case ControlKind::ColourSwatch:
            control->value = value & 0x00FFFFFF;
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
        default:
            control->value = value;
            break;
    }
    --quiet_;
}

int Win32Dialogs::Value(WindowHandle dialog, int id) {
    const ControlRecord* control = Locate(dialog, id).control;
    if (!control)
        return 0;
    HWND hwnd = control->hwnd;
    switch (control->layout.kind) {
        case ControlKind::Tabs:
            return std::max(0, static_cast<int>(SendMessageW(hwnd, TCM_GETCURSEL, 0, 0)));
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            return SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
        case ControlKind::Slider:
            return static_cast<int>(SendMessageW(hwnd, TBM_GETPOS, 0, 0));
        case ControlKind::TimePicker: {
            SYSTEMTIME time{};
            if (SendMessageW(hwnd, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID)
                return control->value;
            return time.wHour * 60 + time.wMinute;
        }
        default:
            return control->value;
    }
}

void Win32Dialogs::SetText(WindowHandle dialog, int id, const std::string& text) {
    const auto [record, control, index] = Locate(dialog, id);
    if (!control || control->text == text)
        return;
    control->text = text;
    ++quiet_;
    HWND hwnd = control->hwnd;
    if (control->layout.kind == ControlKind::Tabs) {
        SetTabCaptions(hwnd, text);
    } else if (control->layout.kind == ControlKind::TextBox) {
        // A text refreshed while the user reads it keeps its scroll position.
        const auto firstLine = SendMessageW(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
        SetWindowTextW(hwnd, EditText(text).c_str());
        SendMessageW(hwnd, EM_LINESCROLL, 0, firstLine);
    } else {
        SetWindowTextW(hwnd, Widen(text).c_str());
        FitCaption(*record, index);
        // The labels it overlaps draw its text too.
        if (IsComposedLabel(control->layout))
            for (const ControlRecord& other : record->controls)
                if (IsComposedLabel(other.layout) && other.container == control->container)
                    InvalidateRect(other.hwnd, nullptr, TRUE);
    }
    --quiet_;
}

std::string Win32Dialogs::Text(WindowHandle dialog, int id) {
    const ControlRecord* control = Locate(dialog, id).control;
    return control ? control->text : std::string();
}

void Win32Dialogs::SetEnabled(WindowHandle dialog, int id, bool enabled) {
    const auto [record, control, index] = Locate(dialog, id);
    if (!control || control->enabled == enabled)
        return;
    control->enabled = enabled;
    ApplyStates(*record, index);
}

void Win32Dialogs::SetVisible(WindowHandle dialog, int id, bool visible) {
    const auto [record, control, index] = Locate(dialog, id);
    if (!control || control->visible == visible)
        return;
    control->visible = visible;
    ApplyStates(*record, index);
}

void Win32Dialogs::SetHighlighted(WindowHandle dialog, int id, bool highlighted) {
    ControlRecord* control = Locate(dialog, id).control;
    if (!control || control->highlighted == highlighted)
        return;
    control->highlighted = highlighted;
    if (control->layout.kind == ControlKind::Link && control->underlined)
        SendMessageW(control->hwnd, WM_SETFONT,
                     reinterpret_cast<WPARAM>(highlighted ? control->underlined : control->font), TRUE);
    InvalidateRect(control->hwnd, nullptr, TRUE);
}

// Checks one option button and clears the rest of its group, wherever in the dialog they stand.
void Win32Dialogs::SelectOption(DialogRecord& dialog, int index) {
    const ControlRecord& chosen = dialog.controls[index];
    for (const ControlRecord& other : dialog.controls)
        if (other.layout.kind == ControlKind::OptionButton && other.layout.group == chosen.layout.group &&
            other.hwnd != chosen.hwnd && SendMessageW(other.hwnd, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
            SendMessageW(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(chosen.hwnd, BM_SETCHECK, BST_CHECKED, 0);
}

void Win32Dialogs::ApplyStates(DialogRecord& dialog, int index) {
    // Containers come before what they hold: the subtree is among the later controls, each led back here.
    for (std::size_t i = static_cast<std::size_t>(index); i < dialog.controls.size(); ++i) {
        bool inside = false;
        bool enabled = true;
        bool visible = true;
        for (int at = static_cast<int>(i); at >= 0; at = dialog.controls[at].parentIndex) {
            inside = inside || at == index;
            enabled = enabled && dialog.controls[at].enabled;
            visible = visible && dialog.controls[at].visible;
        }
        if (!inside)
            continue;
        HWND hwnd = dialog.controls[i].hwnd;
        if ((IsWindowEnabled(hwnd) != FALSE) != enabled)
            EnableWindow(hwnd, enabled);
        if (((GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0) != visible)
            ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
    }
}

}  // namespace dorv
