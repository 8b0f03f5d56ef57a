#include "app/about_box.h"

#include <cstdint>

#include "app/meter_app.h"
#include "dialogs/about/about_layout.h"
#include "dialogs/about/memory_report.h"
#include "dialogs/about/system_info.h"
#include "dialogs/about/version_text.h"
#include "dialogs/about/web_link.h"
#include "window/window_shape.h"

namespace dorv {
namespace {

constexpr int kRefreshMs = 200;

// The link labels by index (one today), and back.
int LinkControl(int index) {
    return WebLink + index;
}

int LinkIndex(int controlId) {
    return controlId == WebLink ? 0 : -1;
}

void CloseAboutBox(MeterApp& app) {
    const WindowHandle box = app.aboutFrm.window;
    if (!box)
        return;
    app.platform.timers.SetTimerInterval(box, TimerId::AboutRefresh, 0);
    app.aboutFrm = AboutFrm{};  // events raised while the window goes no longer reach the box
    app.platform.dialogs.DestroyDialog(box);
}

void ClearHighlight(MeterApp& app) {
    if (app.aboutFrm.HoverIndex != -1)
        app.platform.dialogs.SetHighlighted(app.aboutFrm.window, LinkControl(app.aboutFrm.HoverIndex), false);
}

// Over a link it lights up; over the background or the report it goes out; over the buttons, the title or
// the icon it stays as it is.
void OnMouseMove(MeterApp& app, int controlId) {
    const int link = LinkIndex(controlId);
    if (link != -1) {
        ClearHighlight(app);
        app.aboutFrm.HoverIndex = static_cast<std::int16_t>(link);
        app.platform.dialogs.SetHighlighted(app.aboutFrm.window, LinkControl(link), true);
    } else if (controlId == 0 || controlId == ReportBox) {
        ClearHighlight(app);
        app.aboutFrm.HoverIndex = -1;
    }
}

// The box goes away first, so the browser is not opened behind it; it closes whether or not the page opened.
void OnLinkClick(MeterApp& app, int link) {
    const WindowHandle box = app.aboutFrm.window;
    app.platform.window.HideWindow(box);
    app.platform.timers.PumpMessagesOnce();
    if (app.unloading || app.aboutFrm.window != box)
        return;  // the program is ending, or the box closed meanwhile
    if (link == 0)
        OpenWebLink(app.platform.shell, app.platform.window, kHomePageAddress);
    CloseAboutBox(app);
}

// The report stays in the box, so the user can try again once whatever held the clipboard lets go.
void CopyReport(MeterApp& app) {
    const WindowHandle box = app.aboutFrm.window;
    if (app.platform.shell.CopyTextToClipboard(box, app.platform.dialogs.Text(box, ReportBox)))
        return;
    const bool english = app.settings.English == 1;
    app.platform.window.ShowMessage(
        box, kMeterTitle, english ? "Could not copy to the clipboard." : "クリップボードにコピーできませんでした。",
        MessageIcon::Warning);
}

void OnClick(MeterApp& app, int controlId) {
    switch (controlId) {
        case CloseButton:
            CloseAboutBox(app);
            break;
        case CopyButton:
            CopyReport(app);
            break;
        case SysInfoButton:
            StartSysInfo(app.platform.registry, app.platform.shell, app.platform.window, app.aboutFrm.window);
            break;
        default:
            if (LinkIndex(controlId) != -1)
                OnLinkClick(app, LinkIndex(controlId));
            break;
    }
}

}  // namespace

void OpenAboutBox(MeterApp& app) {
    Dialogs& dialogs = app.platform.dialogs;
    if (!app.aboutFrm.window) {
        const WindowHandle box =
            dialogs.CreateDialogWindow(AboutBoxLayout(app.settings.English == 1, VersionText(ThisProgramVersion())));
        if (!box)
            return;
        app.aboutFrm.window = box;
        app.aboutFrm.HoverIndex = -1;
        // The first report comes with the first tick; the text box is empty until then.
        app.platform.timers.SetTimerInterval(box, TimerId::AboutRefresh, kRefreshMs);
    }
    dialogs.ShowDialog(app.aboutFrm.window);
    SetStacking(app.platform.window, app.aboutFrm.window, app.settings.Top_view);
}

void OnAboutBoxEvent(MeterApp& app, int controlId, DialogEvent event) {
    if (!app.aboutFrm.window)
        return;
    switch (event) {
        case DialogEvent::Clicked:
            OnClick(app, controlId);
            break;
        case DialogEvent::MouseMove:
            OnMouseMove(app, controlId);
            break;
        case DialogEvent::Close:
            CloseAboutBox(app);
            break;
        case DialogEvent::Changed:
            break;
    }
}

void RefreshAboutReport(MeterApp& app) {
    if (!app.aboutFrm.window)
        return;
    SystemStatus& system = app.platform.system;
    ReportFigures figures;
    figures.tickMs = system.TickCount();
    figures.memory = system.QueryMemoryStatus();
    figures.english = app.settings.English == 1;
    figures.vistaOrLater = !app.platform.os.QueryCapabilities().pageFileMode;
    if (!figures.english)
        figures.time = system.CurrentLocalTime();
    figures.symbols = NumberSymbols{system.ThousandsSeparator(), system.DecimalSymbol()};
    app.platform.dialogs.SetText(app.aboutFrm.window, ReportBox, BuildMemoryReport(figures));
}

}  // namespace dorv
