#include "app/settings_dialog.h"

#include "app/menu_commands.h"
#include "app/meter_app.h"
#include "app/settings_apply.h"

namespace dorv {
namespace {

constexpr const char* kNoticeText =
    "このオプションを選択すると、メーターにマウスカーソルが重ねられず、メニューなどを表示できなくなります。\r\n"
    "一時的にこの設定を無効にしたい場合は、[Shift]キーを押しながらマウスカーソルを重ねてください。";

struct HelpTopic {
    const char* tab;
    const char* topic;
};

// Picked by the selected tab's caption: the pages exist in Japanese only.
constexpr HelpTopic kHelpTopics[] = {
    {"モード", "html/dorv74yt.htm"}, {"表示", "html/dorv76if.htm"},   {"動作", "html/dorv21ro.htm"},
    {"カラー", "html/dorv1lwy.htm"}, {"その他", "html/dorv3y3n.htm"},
};

bool HoldsValue(ControlKind kind) {
    switch (kind) {
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::Slider:
        case ControlKind::TimePicker:
        case ControlKind::ColourSwatch:
            return true;
        default:
            return false;
    }
}

// The user's edits live in the controls: take them into the form before a rule or Apply reads it.
void ReadForm(Dialogs& dialogs, WindowHandle window, SettingForm& form) {
    int count = 0;
    const SettingControlRow* rows = SettingControlRows(count);
    for (int i = 0; i < count; ++i)
        if (HoldsValue(rows[i].kind))
            form[rows[i].id] = dialogs.Value(window, rows[i].id);
}

// Hands the dialog what changed since `shown` (everything when there is none).
void WriteForm(Dialogs& dialogs, WindowHandle window, const SettingForm& form, const SettingForm* shown) {
    int count = 0;
    const SettingControlRow* rows = SettingControlRows(count);
    for (int i = 0; i < count; ++i) {
        const SettingControl id = rows[i].id;
        if (HoldsValue(rows[i].kind) && (!shown || (*shown)[id] != form[id]))
            dialogs.SetValue(window, id, form[id]);
        if (!shown || shown->Enabled(id) != form.Enabled(id))
            dialogs.SetEnabled(window, id, form.Enabled(id));
    }
    if (!shown || shown->readout != form.readout)
        dialogs.SetText(window, WarningRpmLabel, form.readout);
}

void ShowPage(MeterApp& app, int page) {
    for (int i = 0; i < kSettingPageCount; ++i)
        app.platform.dialogs.SetVisible(app.settingFrm.window, PageControl(i), i == page);
}

void CloseSettingsDialog(MeterApp& app) {
    WindowHandle window = app.settingFrm.window;
    app.settingFrm = SettingFrm{};
    app.platform.dialogs.DestroyDialog(window);
}

void ShowHelpTopic(MeterApp& app) {
    const int tab = app.platform.dialogs.Value(app.settingFrm.window, PageTabs);
    if (tab < 0 || tab >= kSettingPageCount)
        return;
    const std::string caption = TabCaption(tab, app.settingFrm.english);
    for (const HelpTopic& topic : kHelpTopics)
        if (caption == topic.tab)
            app.platform.help.ShowHelp(app.settingFrm.window, kHelpFile, topic.topic);
}

int SwatchIndex(int controlId) {
    for (int i = 0; i < kSwatchCount; ++i)
        if (SwatchControl(i) == controlId)
            return i;
    return -1;
}

// A click: buttons act, check boxes and options follow their rules. False when the dialog is gone.
bool OnClicked(MeterApp& app, SettingForm& form, int id) {
    const WindowHandle window = app.settingFrm.window;
    switch (id) {
        case OkButton:
            ApplySettingForm(app, form);
            CloseSettingsDialog(app);
            return false;
        case ApplyButton:
            ApplySettingForm(app, form);
            return true;
        case CancelButton:
            CloseSettingsDialog(app);
            return false;
        case HelpButton:
            ShowHelpTopic(app);
            return true;
        case MotionDefaults:
            RestoreMotionDefaults(form);
            return true;
        case ColourDefaults:
            RestoreColourDefaults(form);
            return true;
        case LightsOn:
        case LightsOff:
            ShowColourSet(form, id == LightsOn ? kLitSet : kNormalSet, true);
            return true;
        case AvoidMouse:
            // Told once, when the user switches avoidance on; the box stays checked.
            if (form[AvoidMouse] == 1)
                app.platform.window.ShowMessage(window, kSettingsTitleJapanese, kNoticeText, MessageIcon::Information);
            return !app.unloading && app.settingFrm.window == window;
        default:
            break;
    }
    if (const int swatch = SwatchIndex(id); swatch >= 0) {
        std::optional<Colour> picked = app.platform.dialogs.PickColour(window);
        // Timers run inside the picker's modal loop; a Quit there takes the dialog along.
        if (app.unloading || app.settingFrm.window != window)
            return false;
        PickSwatchColour(form, swatch, picked);
        return true;
    }
    if (id > 0 && id < kSettingControlEnd &&
        SettingControlRowOf(static_cast<SettingControl>(id)).kind == ControlKind::CheckBox)
        FollowCheck(form, static_cast<SettingControl>(id));
    return true;
}

}  // namespace

void OpenSettingsDialog(MeterApp& app) {
    Dialogs& dialogs = app.platform.dialogs;
    if (app.settingFrm.window) {
        dialogs.ShowDialog(app.settingFrm.window);
        return;
    }
    WindowHandle window = dialogs.CreateDialogWindow(SettingsDialogLayout(app.settings.English));
    if (!window)
        return;
    app.settingFrm.window = window;
    app.settingFrm.english = app.settings.English == 1;
    app.settingFrm.form = BuildSettingForm(app.settings, !app.platform.os.QueryCapabilities().pageFileMode);
    WriteForm(dialogs, window, app.settingFrm.form, nullptr);
    dialogs.SetValue(window, PageTabs, 0);
    ShowPage(app, 0);
    dialogs.ShowDialog(window);
}

void OnSettingsDialogEvent(MeterApp& app, int controlId, DialogEvent event) {
    const WindowHandle window = app.settingFrm.window;
    if (!window)
        return;
    if (event == DialogEvent::Close) {
        CloseSettingsDialog(app);
        return;
    }
    if (event == DialogEvent::MouseMove)
        return;
    if (event == DialogEvent::Changed && controlId == PageTabs) {
        const int tab = app.platform.dialogs.Value(window, PageTabs);
        if (tab >= 0 && tab < kSettingPageCount)
            ShowPage(app, tab);
        return;
    }
    Dialogs& dialogs = app.platform.dialogs;
    SettingForm& form = app.settingFrm.form;
    ReadForm(dialogs, window, form);
    const SettingForm shown = form;
    if (event == DialogEvent::Changed) {
        if (controlId == WarningLevel)
            SetWarningSlider(form, form[WarningLevel]);
    } else if (!OnClicked(app, form, controlId)) {
        return;
    }
    WriteForm(dialogs, window, app.settingFrm.form, &shown);
}

}  // namespace dorv
