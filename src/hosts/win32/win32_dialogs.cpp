// Building a dialog from its table: an empty dialog-class window from an in-memory template, then one child
// window per control, placed in twips at the dpi of the dialog's monitor and placed again when that changes.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <climits>
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
#include "win32_system_library.h"
#include "win32_text.h"

namespace dorv {
namespace {

// SetDialogDpiChangeBehavior's DDC_DISABLE_ALL and EnableThemeDialogTexture's ETDT_ENABLETAB, for SDKs without them.
constexpr int kDialogDpiDisableAll = 0x0001;
constexpr DWORD kThemeTabTexture = 0x0002 | 0x0004;

// The template carries only the frame and the title; the controls follow as windows of their own, since the
// table places them in twips and picks their fonts, which a template's dialog units and one font cannot say.
std::vector<WORD> DialogTemplate(DWORD style, const std::wstring& title) {
    DLGTEMPLATE head{};
    head.style = style;
    head.dwExtendedStyle = WS_EX_CONTROLPARENT;
    std::vector<WORD> words(sizeof head / sizeof(WORD));
    std::memcpy(words.data(), &head, sizeof head);
    words.push_back(0);  // no menu
    words.push_back(0);  // the system's dialog class
    words.insert(words.end(), title.begin(), title.end());
    words.push_back(0);
    return words;
}

// The system's message font shows Japanese wherever the system can (it links the Japanese faces).
FontOwner MessageFont(int dpi) {
    NONCLIENTMETRICSW metrics{};
    if (NonClientMetricsForDpi(metrics, dpi))
        return FontOwner(CreateFontIndirectW(&metrics.lfMessageFont));
    LOGFONTW shellDlg{};
    shellDlg.lfHeight = -MulDiv(8, dpi, 72);
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
            return {nullptr, 0, 0};  // a dialog of its own (MakePage)
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

// The dialog manager would only scale the dialog's own children and send them a font at another dpi; the host
// lays every control out itself (WM_DPICHANGED). Systems before Windows 10 1703 scale nothing.
void TakeOverDpiChanges(HWND dialog) {
    using SetBehavior = BOOL(WINAPI*)(HWND, int, int);
    static const auto set = Proc<SetBehavior>(GetModuleHandleW(L"user32.dll"), "SetDialogDpiChangeBehavior");
    if (set)
        set(dialog, kDialogDpiDisableAll, kDialogDpiDisableAll);
}

// The twips of the table as pixels at a dpi, each edge rounded on its own so neighbours stay flush.
RECT ToPixels(int left, int top, int width, int height, int dpi) {
    const auto scale = [dpi](int twips) { return static_cast<LONG>(std::lround(twips * dpi / 1440.0)); };
    return RECT{scale(left), scale(top), scale(left + width), scale(top + height)};
}

// The control's place in its container's pixels: what a frame holds sits on the frame's page at its offset.
RECT TablePlace(const DialogRecord& dialog, const ControlLayout& control, int parentIndex) {
    int x = control.x;
    int y = control.y;
    for (int holder = parentIndex; holder >= 0 && dialog.controls[holder].layout.kind == ControlKind::Frame;
         holder = dialog.controls[holder].parentIndex) {
        x += dialog.controls[holder].layout.x;
        y += dialog.controls[holder].layout.y;
    }
    RECT place = ToPixels(x, y, control.width, control.height, dialog.dpi);
    if (control.kind == ControlKind::Line)
        place.bottom = std::max(place.bottom, place.top + 2);
    return place;
}

// The tab strip comes first in the Tab order and so lies above the pages: cut around them, its face cannot
// cover them. The window owns the region once it takes it.
void CutAroundPages(const DialogRecord& dialog, const ControlRecord& tabs) {
    const RECT& at = tabs.place;
    GdiObject<HRGN> shape(CreateRectRgn(0, 0, at.right - at.left, at.bottom - at.top));
    if (!shape)
        return;
    for (const ControlRecord& page : dialog.controls) {
        if (page.layout.kind != ControlKind::Page || page.container != tabs.container)
            continue;
        const GdiObject<HRGN> hole(CreateRectRgn(page.place.left - at.left, page.place.top - at.top,
                                                 page.place.right - at.left, page.place.bottom - at.top));
        if (hole)
            CombineRgn(shape.get(), shape.get(), hole.get(), RGN_DIFF);
    }
    if (SetWindowRgn(tabs.hwnd, shape.get(), TRUE))
        static_cast<void>(shape.release());
}

void SetupSlider(HWND slider, const SliderRange& range) {
    SendMessageW(slider, TBM_SETRANGEMIN, FALSE, range.minimum);
    SendMessageW(slider, TBM_SETRANGEMAX, FALSE, range.maximum);
    SendMessageW(slider, TBM_SETLINESIZE, 0, range.smallStep);
    SendMessageW(slider, TBM_SETPAGESIZE, 0, range.largeStep);
    SendMessageW(slider, TBM_SETTICFREQ, range.tickSpacing > 0 ? range.tickSpacing : 1, 0);
    SendMessageW(slider, TBM_SETPOS, TRUE, range.minimum);
}

}  // namespace

SIZE FittedSize(const DialogRecord& dialog, int dpi, SIZE proposed) {
    const RECT frame = OuterRect(RECT{}, static_cast<DWORD>(GetWindowLongW(dialog.hwnd, GWL_STYLE)),
                                 static_cast<DWORD>(GetWindowLongW(dialog.hwnd, GWL_EXSTYLE)), dpi);
    int left = INT_MAX, top = INT_MAX, right = 0, bottom = 0;
    for (const ControlRecord& control : dialog.controls) {
        if (control.parentIndex >= 0)
            continue;
        left = std::min(left, control.layout.x);
        top = std::min(top, control.layout.y);
        right = std::max(right, control.layout.x + control.layout.width);
        bottom = std::max(bottom, control.layout.y + control.layout.height);
    }
    if (right == 0)
        return proposed;
    const RECT extent = ToPixels(0, 0, right, bottom, dpi);
    const RECT roomy = ToPixels(0, 0, right + left, bottom + top, dpi);
    const LONG frameWidth = frame.right - frame.left;
    const LONG frameHeight = frame.bottom - frame.top;
    SIZE size = proposed;
    if (proposed.cx - frameWidth < extent.right)
        size.cx = roomy.right + frameWidth;
    if (proposed.cy - frameHeight < extent.bottom)
        size.cy = roomy.bottom + frameHeight;
    return size;
}

Win32Dialogs::Win32Dialogs(HINSTANCE instance, Win32Events& events) : instance_(instance), events_(events) {
    customColours_.fill(RGB(255, 255, 255));
}

Win32Dialogs::~Win32Dialogs() {
    while (!open_.empty()) {
        HWND dialog = open_.begin()->first;
        DestroyWindow(dialog);
        // A window the system already took has left its record behind.
        open_.erase(dialog);
    }
}

// Tab strip, track bars, time pickers and the standard controls, from the version-6 library the program's
// manifest asks for: loaded at the first dialog, since the dial itself has no use for it, and kept from then on.
void Win32Dialogs::LoadCommonControls() {
    if (comctl32_)
        return;
    comctl32_.reset(LoadSystemLibrary(L"comctl32.dll"));
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (const auto init = Proc<InitFn>(comctl32_.get(), "InitCommonControlsEx")) {
        INITCOMMONCONTROLSEX classes{};
        classes.dwSize = sizeof classes;
        classes.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_DATE_CLASSES | ICC_STANDARD_CLASSES;
        init(&classes);
    }
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

    LoadCommonControls();
    const std::vector<WORD> words =
        DialogTemplate(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, Widen(layout.title));
    HWND owner = owner_ && IsWindow(owner_) ? owner_ : nullptr;
    HWND hwnd = CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), owner,
                                           &DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd)
        return nullptr;
    TakeOverDpiChanges(hwnd);
    auto owned = std::make_unique<DialogRecord>();
    DialogRecord& dialog = *owned;
    dialog.hwnd = hwnd;
    dialog.width = layout.width;
    dialog.height = layout.height;
    open_.emplace(hwnd, std::move(owned));

    // The first placement is the middle of the work area; the dialog goes there before it is laid out, at the dpi
    // of the monitor it will show on.
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const POINT middle{(work.left + work.right) / 2, (work.top + work.bottom) / 2};
    SetWindowPos(hwnd, nullptr, middle.x, middle.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog.dpi = DpiOf(hwnd);

    ++quiet_;
    const bool built = BuildControls(dialog, layout, middle);
    --quiet_;
    if (!built) {
        DestroyWindow(hwnd);  // its record goes with it
        return nullptr;
    }
    return dialog.Handle();
}

bool Win32Dialogs::BuildControls(DialogRecord& dialog, const DialogLayout& layout, POINT middle) {
    dialog.controls.reserve(layout.controls.size());
    for (const ControlLayout& control : layout.controls) {
        const int index = static_cast<int>(dialog.controls.size());
        ControlRecord record;
        record.layout = control;
        record.text = control.caption;
        record.parentIndex = control.parent != 0 ? dialog.indexById.at(control.parent) : -1;
        int holder = record.parentIndex;
        while (holder >= 0 && dialog.controls[holder].layout.kind == ControlKind::Frame)
            holder = dialog.controls[holder].parentIndex;
        record.container = holder >= 0 ? dialog.controls[holder].hwnd : dialog.hwnd;
        // Made at their place, so each control starts at its size (a track bar sizes its thumb from it).
        record.place = TablePlace(dialog, control, record.parentIndex);
        const RECT& place = record.place;

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
        const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index));
        const std::wstring caption = control.kind == ControlKind::Tabs || control.kind == ControlKind::TextBox
                                         ? std::wstring()
                                         : Widen(control.caption);
        if (control.kind == ControlKind::Page)
            record.hwnd = MakePage(record.container, id, place);
        else
            record.hwnd = CreateWindowExW(cls.exStyle, cls.name, caption.c_str(), cls.style | WS_CHILD | WS_VISIBLE,
                                          place.left, place.top, place.right - place.left, place.bottom - place.top,
                                          record.container, id, instance_, nullptr);
        if (!record.hwnd)
            return false;

        switch (control.kind) {
            case ControlKind::Tabs:
                SetTabCaptions(record.hwnd, control.caption);
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
    const RECT table = ToPixels(0, 0, dialog.width, dialog.height, dialog.dpi);
    Layout(dialog, RECT{middle.x - table.right / 2, middle.y - table.bottom / 2, middle.x + (table.right + 1) / 2,
                        middle.y + (table.bottom + 1) / 2});
    // Text boxes get their text through the one path that turns line breaks into the control's own.
    for (std::size_t i = 0; i < dialog.controls.size(); ++i)
        if (dialog.controls[i].layout.kind == ControlKind::TextBox)
            SetText(dialog.Handle(), dialog.controls[i].layout.id, dialog.controls[i].layout.caption);
    return true;
}

// A page is a dialog of its own inside the dialog, as property sheets have them: the dialog manager walks into it
// with Tab, and it can take the tab strip's themed face behind its controls.
HWND Win32Dialogs::MakePage(HWND parent, HMENU id, const RECT& place) {
    const std::vector<WORD> words = DialogTemplate(WS_CHILD | WS_VISIBLE | DS_CONTROL, std::wstring());
    HWND page =
        CreateDialogIndirectParamW(instance_, reinterpret_cast<LPCDLGTEMPLATEW>(words.data()), parent, &PageProc, 0);
    if (!page)
        return nullptr;
    SetWindowLongPtrW(page, GWLP_ID, reinterpret_cast<LONG_PTR>(id));
    SetWindowPos(page, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    TakeOverDpiChanges(page);
    // The tab strip's face behind the page where visual styles are on; the system's dialog colour elsewhere.
    using EnableTexture = HRESULT(WINAPI*)(HWND, DWORD);
    if (!uxtheme_)
        uxtheme_.reset(LoadSystemLibrary(L"uxtheme.dll"));
    if (const auto enable = Proc<EnableTexture>(uxtheme_.get(), "EnableThemeDialogTexture"))
        enable(page, kThemeTabTexture);
    return page;
}

// Fonts, the icon and every control's place at the record's dpi; the window takes the proposed rectangle, grown
// around its middle where it would cut a control off.
void Win32Dialogs::Layout(DialogRecord& dialog, const RECT& proposed) {
    // The controls let go of the old fonts and icon before these go.
    const std::vector<FontOwner> oldFonts = std::exchange(dialog.fonts, std::vector<FontOwner>());
    const IconOwner oldIcon = std::move(dialog.icon);
    FontOwner messageFont = MessageFont(dialog.dpi);
    dialog.font = messageFont.get();
    dialog.fonts.push_back(std::move(messageFont));
    SendMessageW(dialog.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(dialog.font), FALSE);

    for (ControlRecord& control : dialog.controls) {
        control.font = control.layout.font.face.empty() ? dialog.font : LayoutFont(dialog, control.layout.font);
        control.underlined = nullptr;
        if (control.layout.kind == ControlKind::Link) {
            LOGFONTW underlined{};
            GetObjectW(control.font, sizeof underlined, &underlined);
            underlined.lfUnderline = TRUE;
            dialog.fonts.emplace_back(CreateFontIndirectW(&underlined));
            control.underlined = dialog.fonts.back().get();
        }
        const bool underline = control.highlighted && control.underlined;
        SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(underline ? control.underlined : control.font),
                     FALSE);
        if (control.layout.kind == ControlKind::Icon) {
            if (!dialog.icon) {
                const int side = SystemMetricForDpi(SM_CXICON, dialog.dpi);
                dialog.icon.reset(static_cast<HICON>(
                    LoadImageW(instance_, MAKEINTRESOURCEW(IDI_PROGRAM), IMAGE_ICON, side, side, 0)));
            }
            SendMessageW(control.hwnd, STM_SETICON, reinterpret_cast<WPARAM>(dialog.icon.get()), 0);
        }
        control.place = TablePlace(dialog, control.layout, control.parentIndex);
        const RECT& place = control.place;
        SetWindowPos(control.hwnd, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }

    const SIZE size =
        FittedSize(dialog, dialog.dpi, SIZE{proposed.right - proposed.left, proposed.bottom - proposed.top});
    SetWindowPos(dialog.hwnd, nullptr, (proposed.left + proposed.right - size.cx) / 2,
                 (proposed.top + proposed.bottom - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < dialog.controls.size(); ++i) {
        FitCaption(dialog, static_cast<int>(i));
        if (dialog.controls[i].layout.kind == ControlKind::Tabs)
            CutAroundPages(dialog, dialog.controls[i]);
    }
    RedrawWindow(dialog.hwnd, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
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
    const int needed =
        text.right + (box ? SystemMetricForDpi(SM_CXMENUCHECK, dialog.dpi) + MulDiv(6, dialog.dpi, 96) : 0);

    LONG limit = 0;
    int holder = control.parentIndex;
    if (holder >= 0 && dialog.controls[holder].layout.kind == ControlKind::Frame) {
        limit = dialog.controls[holder].place.right - MulDiv(4, dialog.dpi, 96);
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
    wanted.lfHeight = -static_cast<LONG>(std::lround(font.points * dialog.dpi / 72.0));
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
        if (msg.hwnd != dialog && !IsChild(dialog, msg.hwnd))
            continue;
        if (msg.message == WM_KEYDOWN && SwitchPage(dialog, PageStep(msg.wParam)))
            return true;
        if (IsDialogMessageW(dialog, &msg))
            return true;
    }
    return false;
}

// Ctrl+Tab and Ctrl+Page Down to the next page, with Shift or Page Up to the one before; 0 for other keys.
int Win32Dialogs::PageStep(WPARAM key) {
    if (GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0)
        return 0;
    if (key == VK_TAB)
        return GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    if (key == VK_NEXT)
        return 1;
    return key == VK_PRIOR ? -1 : 0;
}

// The dialog's tab strip moves on by the step, around the ends, as a click on that tab would.
bool Win32Dialogs::SwitchPage(HWND hwnd, int step) {
    auto found = open_.find(hwnd);
    if (step == 0 || found == open_.end())
        return false;
    for (const ControlRecord& control : found->second->controls) {
        if (control.layout.kind != ControlKind::Tabs || !IsWindowEnabled(control.hwnd) ||
            !IsWindowVisible(control.hwnd))
            continue;
        const auto count = static_cast<int>(SendMessageW(control.hwnd, TCM_GETITEMCOUNT, 0, 0));
        if (count < 2)
            return false;
        const auto current = static_cast<int>(SendMessageW(control.hwnd, TCM_GETCURSEL, 0, 0));
        const HWND tabs = control.hwnd;  // the record may go with the core's answer
        // The strip tells the dialog (TCN_SELCHANGE), which tells the core, which shows the page.
        SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(((current + step) % count + count) % count), 0);
        // The focus must not stay behind on a page now hidden.
        const HWND focus = GetFocus();
        if (IsWindow(tabs) && IsWindow(hwnd) && (!focus || !IsWindowVisible(focus)))
            SendMessageW(hwnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs), TRUE);
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
    // The picker's library and what it brings with it (the printing stack, on some systems) load at the first
    // pick, not at start.
    if (!comdlg32_)
        comdlg32_.reset(LoadSystemLibrary(L"comdlg32.dll"));
    using ChooseColorFn = BOOL(WINAPI*)(CHOOSECOLORW*);
    const auto chooseColor = Proc<ChooseColorFn>(comdlg32_.get(), "ChooseColorW");
    if (!chooseColor || !chooseColor(&choose))
        return std::nullopt;
    return static_cast<std::int32_t>(choose.rgbResult & 0x00FFFFFF);
}

}  // namespace dorv
