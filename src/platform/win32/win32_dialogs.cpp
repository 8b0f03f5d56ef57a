// Building a dialog from its table: an empty dialog-class window from an in-memory template, then one child
// window per control, placed in twips at the screen's resolution.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cwchar>
#include <string>
#include <utility>
#include <vector>

#include "resource_ids.h"
#include "win32_dialog_record.h"
#include "win32_dialogs.h"
#include "win32_dpi.h"
#include "win32_text.h"

namespace dorv {
namespace {

constexpr wchar_t kPageClass[] = L"DorvanixDialogPage";

// The template carries only the frame and the title; the controls follow as windows of their own, since the
// table places them in twips and picks their fonts, which a template's dialog units and one font cannot say.
std::vector<WORD> DialogTemplate(const std::wstring& title) {
    DLGTEMPLATE head{};
    head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    head.dwExtendedStyle = WS_EX_CONTROLPARENT;
    std::vector<WORD> words(sizeof head / sizeof(WORD));
    std::memcpy(words.data(), &head, sizeof head);
    words.push_back(0);  // no menu
    words.push_back(0);  // the system's dialog class
    words.insert(words.end(), title.begin(), title.end());
    words.push_back(0);
    return words;
}

int Scale(int twips, int dpi) {
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

// The system's message font shows Japanese wherever the system can (it links the Japanese faces).
FontOwner MessageFont(int dpiY) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return FontOwner(CreateFontIndirectW(&metrics.lfMessageFont));
    LOGFONTW shellDlg{};
    shellDlg.lfHeight = -MulDiv(8, dpiY, 72);
    shellDlg.lfCharSet = DEFAULT_CHARSET;
    const std::wstring face = L"MS Shell Dlg";
    std::copy(face.begin(), face.end(), shellDlg.lfFaceName);
    return FontOwner(CreateFontIndirectW(&shellDlg));
}

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

// The window class and styles of each kind. WS_GROUP ends a run of option buttons; the builder clears it on
// the option buttons that continue their group.
ControlClass ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Tabs:
            return {WC_TABCONTROLW, WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS, 0};
        case ControlKind::Page:
            return {kPageClass, 0, WS_EX_CONTROLPARENT};
        case ControlKind::Frame:
            return {WC_BUTTONW, BS_GROUPBOX | WS_GROUP, 0};
        case ControlKind::Button:
            return {WC_BUTTONW, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::CheckBox:
            return {WC_BUTTONW, BS_AUTOCHECKBOX | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::OptionButton:
            return {WC_BUTTONW, BS_AUTORADIOBUTTON | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::Slider:
            // Its face is a full rectangle: it must not paint over a neighbour's caption that reaches into it.
            return {TRACKBAR_CLASSW, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS | WS_TABSTOP | WS_GROUP | WS_CLIPSIBLINGS,
                    0};
        case ControlKind::TimePicker:
            return {DATETIMEPICK_CLASSW, DTS_TIMEFORMAT | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::ColourSwatch:
            return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP | WS_GROUP, 0};
        case ControlKind::Label:
            return {WC_STATICW, SS_LEFT | WS_GROUP, 0};
        case ControlKind::TextBox:
            return {WC_EDITW,
                    ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL |
                        WS_TABSTOP | WS_GROUP,
                    WS_EX_CLIENTEDGE};
        case ControlKind::Link:
            return {WC_STATICW, SS_LEFT | SS_NOTIFY | WS_GROUP, 0};
        case ControlKind::Icon:
            return {WC_STATICW, SS_ICON | WS_GROUP, 0};
        case ControlKind::Line:
            return {WC_STATICW, SS_ETCHEDHORZ | WS_GROUP, 0};
    }
    return {WC_STATICW, WS_GROUP, 0};
}

bool Contains(ControlKind kind) {
    return kind == ControlKind::Page || kind == ControlKind::Frame;
}

void RegisterPageClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (GetClassInfoExW(instance, kPageClass, &wc))
        return;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    // The dialog's own background colour, which comes from the system and is never ours to free.
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kPageClass;
    RegisterClassExW(&wc);
}

void SetupSlider(HWND slider, const SliderRange& range) {
    SendMessageW(slider, TBM_SETRANGEMIN, FALSE, range.minimum);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, range.maximum);
    SendMessageW(slider, TBM_SETLINESIZE, 0, range.smallStep);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, range.largeStep);
    SendMessageW(slider, TBM_SETTICFREQ, range.tickSpacing > 0 ? range.tickSpacing : 1, 0);
    SendMessageW(slider, TBM_SETPOS, TRUE, range.minimum);
}

void AddTabs(HWND tabs, const std::string& captions) {
    std::size_t start = 0;
    int index = 0;
    while (start <= captions.size()) {
        const std::size_t end = std::min(captions.find('\n', start), captions.size());
        std::wstring caption = Widen(std::string_view(captions).substr(start, end - start));
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
        start = end + 1;
    }
}

}  // namespace

Win32Dialogs::Win32Dialogs(HINSTANCE instance) : instance_(instance) {
    // Tab strip, track bars, time pickers and the standard controls, from the version-6 library the
    // program's manifest asks for.
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);
    customColours_.fill(RGB(255, 255, 255));
}

Win32Dialogs::~Win32Dialogs() {
    app_ = nullptr;
    while (!open_.empty()) {
        HWND dialog = open_.begin()->first;
        DestroyWindow(dialog);
        // A window the system already took has left its record behind.
        open_.erase(dialog);
    }
}

void Win32Dialogs::Attach(MeterApp* app, std::function<void()> onFault) {
    app_ = app;
    onFault_ = std::move(onFault);
}

WindowHandle Win32Dialogs::CreateDialogWindow(const DialogLayout& layout) {
    // A table the builder cannot place is refused whole rather than shown half built.
    std::map<int, ControlKind> kinds;
    for (const ControlLayout& control : layout.controls) {
        if (control.id == 0 || kinds.count(control.id) != 0)
            return nullptr;
        if (control.parent != 0 && (kinds.count(control.parent) == 0 || !Contains(kinds[control.parent])))
            return nullptr;
        kinds[control.id] = control.kind;
    }
    RegisterPageClass(instance_, &PageProc);

    const std::vector<WORD> words = DialogTemplate(Widen(layout.title));
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    HWND hwnd = CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner,
                                           &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd)
        return nullptr;
    auto owned = std::make_unique<DialogRecord>();
    DialogRecord& dialog = *owned;
    dialog.hwnd = hwnd;
    open_.emplace(hwnd, std::move(owned));
    dialog.dpiX = dialog.dpiY = DpiOf(nullptr);

    // The table's size is the window's outer size; the first placement is the middle of the work area.
    const int width = Scale(layout.width, dialog.dpiX);
    const int height = Scale(layout.height, dialog.dpiY);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    SetWindowPos(hwnd, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    ++quiet_;
    const bool built = BuildControls(dialog, layout);
    --quiet_;
    if (!built) {
        DestroyWindow(hwnd);  // its record goes with it
        return nullptr;
    }
    return dialog.Handle();
}

bool Win32Dialogs::BuildControls(DialogRecord& dialog, const DialogLayout& layout) {
    FontOwner messageFont = MessageFont(dialog.dpiY);
    dialog.font = messageFont.get();
    dialog.fonts.push_back(std::move(messageFont));
    SendMessageW(dialog.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.font), FALSE);

    dialog.controls.reserve(layout.controls.size());
    HWND tabs = nullptr;
    for (const ControlLayout& control : layout.controls) {
        const int index = static_cast<int>(dialog.controls.size());
        ControlRecord record;
        record.layout = control;
        record.text = control.caption;
        record.parentIndex = control.parent != 0 ? dialog.indexById.at(control.parent) : -1;

        // Frames hold nothing of their own: what is inside one sits on the frame's page at the frame's offset.
        int x = control.x;
        int y = control.y;
        int holder = record.parentIndex;
        while (holder >= 0 && dialog.controls[holder].layout.kind == ControlKind::Frame) {
            x += dialog.controls[holder].layout.x;
            y += dialog.controls[holder].layout.y;
            holder = dialog.controls[holder].parentIndex;
        }
        record.container = holder >= 0 ? dialog.controls[holder].hwnd : dialog.hwnd;

        ControlClass cls = ClassOf(control.kind);
        if (IsComposedLabel(control))
            cls.style = SS_OWNERDRAW | WS_GROUP;
        if (control.kind == ControlKind::OptionButton && index > 0) {
            // A run of one group's option buttons in one window is one group for the dialog manager: its
            // arrow keys move within it, and only the first is a Tab stop.
            const ControlRecord& previous = dialog.controls[index - 1];
            if (previous.layout.kind == ControlKind::OptionButton && previous.layout.group == control.group &&
                previous.container == record.container)
                cls.style &= ~static_cast<DWORD>(WS_GROUP | WS_TABSTOP);
        }
        const int left = Scale(x, dialog.dpiX);
        const int top = Scale(y, dialog.dpiY);
        const int width = Scale(x + control.width, dialog.dpiX) - left;
        int height = Scale(y + control.height, dialog.dpiY) - top;
        if (control.kind == ControlKind::Line)
            height = std::max(height, 2);
        record.place = RECT{left, top, left + width, top + height};
        const std::wstring caption = control.kind == ControlKind::Tabs || control.kind == ControlKind::TextBox
                                         ? std::wstring()
                                         : Widen(control.caption);
        record.hwnd =
            CreateWindowExW(cls.exStyle, cls.name, caption.c_str(), cls.style | WS_CHILD | WS_VISIBLE, left, top, width,
                            height, record.container,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)), instance_, nullptr);
        if (!record.hwnd)
            return false;

        record.font = control.font.face.empty() ? dialog.font : LayoutFont(dialog, control.font);
        SendMessageW(record.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(record.font), FALSE);
        switch (control.kind) {
            case ControlKind::Tabs:
                AddTabs(record.hwnd, control.caption);
                tabs = record.hwnd;
                break;
            case ControlKind::Slider:
                SetupSlider(record.hwnd, control.slider);
                record.value = control.slider.minimum;
                break;
            case ControlKind::TimePicker:
                SendMessageW(record.hwnd, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(L"HH:mm"));
                break;
            case ControlKind::TextBox:
                record.text.clear();
                break;
            case ControlKind::Link: {
                LOGFONTW underlined{};
                GetObjectW(record.font, sizeof underlined, &underlined);
                underlined.lfUnderline = TRUE;
                dialog.fonts.emplace_back(CreateFontIndirectW(&underlined));
                record.underlined = dialog.fonts.back().get();
                break;
            }
            case ControlKind::Icon: {
                // A shared icon of the system's size belongs to the system, which frees it with the module.
                auto icon = static_cast<HICON>(
                    LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
                SendMessageW(record.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
                break;
            }
            case ControlKind::Button:
                if (control.role == ButtonRole::Default) {
                    dialog.defaultButton = index;
                    SendMessageW(dialog.hwnd, DM_SETDEFID, static_cast<WPARAM>(kFirstControlId + index), 0);
                } else if (control.role == ButtonRole::Cancel) {
                    dialog.cancelButton = index;
                }
                break;
            default:
                break;
        }
        dialog.indexById[control.id] = index;
        dialog.controls.push_back(std::move(record));
    }
    // The tab strip paints its whole face: below the pages, which lie on it, it can never cover them.
    if (tabs)
        SetWindowPos(tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < dialog.controls.size(); ++i)
        FitCaption(dialog, static_cast<int>(i));
    // Text boxes get their text through the one path that turns line breaks into the control's own.
    for (std::size_t i = 0; i < dialog.controls.size(); ++i)
        if (dialog.controls[i].layout.kind == ControlKind::TextBox)
            SetText(dialog.Handle(), dialog.controls[i].layout.id, dialog.controls[i].layout.caption);
    return true;
}

// The table was laid out for another font: a one-line caption that does not fit grows to the right into free
// room, up to the edge of its frame or page or the next control on its line, rather than being cut off.
void Win32Dialogs::FitCaption(DialogRecord& dialog, int index) {
    ControlRecord& control = dialog.controls[index];
    const ControlKind kind = control.layout.kind;
    const bool box = kind == ControlKind::CheckBox || kind == ControlKind::OptionButton;
    if ((!box && kind != ControlKind::Label && kind != ControlKind::Link) || IsComposedLabel(control.layout))
        return;
    const RECT& place = control.place;
    TEXTMETRICW metrics{};
    RECT text{};
    {
        const WindowDc dc(control.hwnd);
        if (!dc)
            return;
        const SelectedObject font(dc.get(), control.font);
        GetTextMetricsW(dc.get(), &metrics);
        const std::wstring caption = Widen(control.text);
        DrawTextW(dc.get(), caption.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
    }
    const LONG tall = place.bottom - place.top;
    if (2 * tall >= 3 * metrics.tmHeight) {
        // Room for more lines: the caption wraps inside the table's place, each line whole.
        const LONG lines = (tall + metrics.tmHeight / 2) / metrics.tmHeight;
        const LONG height = std::max(tall, lines * metrics.tmHeight + 2);
        if (box)
            SetWindowLongW(control.hwnd, GWL_STYLE, GetWindowLongW(control.hwnd, GWL_STYLE) | BS_MULTILINE);
        SetWindowPos(control.hwnd, nullptr, place.left, place.top - (box ? (height - tall) / 2 : 0),
                     place.right - place.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // One line, cut at the edge if it must be, never wrapped out of sight.
    if (!box) {
        const LONG style = GetWindowLongW(control.hwnd, GWL_STYLE);
        SetWindowLongW(control.hwnd, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_LEFTNOWORDWRAP);
    }
    const int needed = text.right + (box ? GetSystemMetrics(SM_CXMENUCHECK) + 6 : 0);

    LONG limit = 0;
    int holder = control.parentIndex;
    if (holder >= 0 && dialog.controls[holder].layout.kind == ControlKind::Frame) {
        limit = dialog.controls[holder].place.right - 4;
    } else {
        RECT client{};
        GetClientRect(control.container, &client);
        limit = client.right;
    }
    for (const ControlRecord& other : dialog.controls) {
        if (other.container == control.container && other.hwnd != control.hwnd && other.place.left > place.left &&
            other.place.top < place.bottom && other.place.bottom > place.top)
            limit = std::min(limit, other.place.left - 1);
    }
    const LONG width = std::max(place.right - place.left, std::min<LONG>(needed, limit - place.left));
    // A line a little taller than the table's: boxes keep their middle, texts their top.
    LONG top = place.top;
    const LONG height = std::max<LONG>(place.bottom - place.top, metrics.tmHeight + 2);
    if (box)
        top -= (height - (place.bottom - place.top)) / 2;
    SetWindowPos(control.hwnd, nullptr, place.left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The fonts a table asks for, one object per distinct font, owned by the dialog.
HFONT Win32Dialogs::LayoutFont(DialogRecord& dialog, const FontStyle& font) {
    LOGFONTW wanted{};
    wanted.lfHeight = -static_cast<LONG>(std::lround(font.points * dialog.dpiY / 72.0));
    wanted.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = static_cast<BYTE>(font.charset);
    const std::wstring face = Widen(font.face).substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), wanted.lfFaceName);  // the rest stays zero
    for (const FontOwner& owned : dialog.fonts) {
        LOGFONTW existing{};
        GetObjectW(owned.get(), sizeof existing, &existing);
        if (existing.lfHeight == wanted.lfHeight && existing.lfWeight == wanted.lfWeight &&
            existing.lfCharSet == wanted.lfCharSet && !existing.lfUnderline &&
            std::wcscmp(existing.lfFaceName, wanted.lfFaceName) == 0)
            return owned.get();
    }
    dialog.fonts.emplace_back(CreateFontIndirectW(&wanted));
    return dialog.fonts.back().get() ? dialog.fonts.back().get() : dialog.font;
}

void Win32Dialogs::ShowDialog(WindowHandle handle) {
    DialogRecord* dialog = Find(handle);
    if (!dialog)
        return;
    ShowWindow(dialog->hwnd, SW_SHOW);
    SetWindowPos(dialog->hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::SetForegroundWindow(dialog->hwnd);
    const HWND focus = GetFocus();
    if (focus != dialog->hwnd && !IsChild(dialog->hwnd, focus)) {
        if (HWND first = GetNextDlgTabItem(dialog->hwnd, nullptr, FALSE))
            SendMessageW(dialog->hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
    }
}

void Win32Dialogs::DestroyDialog(WindowHandle handle) {
    if (DialogRecord* dialog = Find(handle))
        DestroyWindow(dialog->hwnd);  // the record goes at WM_NCDESTROY, after its controls
}

bool Win32Dialogs::PreTranslateMessage(MSG& msg) {
    if (open_.empty() || !msg.hwnd)
        return false;
    // A handler may close a dialog meanwhile: work on a copy of the list.
    std::vector<HWND> dialogs;
    for (const auto& entry : open_)
        dialogs.push_back(entry.first);
    for (HWND dialog : dialogs) {
        if ((msg.hwnd == dialog || IsChild(dialog, msg.hwnd)) && IsDialogMessageW(dialog, &msg))
            return true;
    }
    return false;
}

std::optional<std::int32_t> Win32Dialogs::PickColour(WindowHandle handle) {
    DialogRecord* dialog = Find(handle);
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = dialog ? dialog->hwnd : nullptr;
    choose.lpCustColors = customColours_.data();
    choose.Flags = CC_ANYCOLOR;
    if (!ChooseColorW(&choose))
        return std::nullopt;
    return static_cast<std::int32_t>(choose.rgbResult & 0x00FFFFFF);
}

}  // namespace dorv
