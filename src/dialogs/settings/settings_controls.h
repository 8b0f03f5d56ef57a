#pragma once
// The settings dialog's controls as one table: places, captions in both languages, slider ranges, fonts.
#include <string>

#include "platform/dialogs.h"

namespace dorv {

// Control ids, in creation order (parents first); Tab order follows it. The row table follows it too.
enum SettingControl : int {
    PageTabs = 1,
    PageMode,
    PageDisplay,
    PageMotion,
    PageColour,
    PageOther,
    // Mode page
    ModeFrame,
    ModeMemory,
    ModeVirtualMemory,
    ModeCpu,
    ModeClock,
    NeedleFrame,
    NeedleLine,
    NeedleSolid,
    EnglishCaptions,
    ShowReadout,
    // Display page
    Translucency,
    Alpha,
    MouseCancel,
    AlwaysOnTop,
    WarningEnabled,
    WarningLevel,
    WarningScale,
    WarningRpmLabel,
    ShowModeLabel,
    TrayIcon,
    DialOff,
    TrailEnabled,
    TrailSlider,
    TrailScale,
    // Motion page
    ResponseTitle,
    ResponseSlider,
    ResponseMaxLabel,
    ResponseMinLabel,
    IntervalTitle,
    IntervalSlider,
    IntervalShortLabel,
    IntervalLongLabel,
    MotionDefaults,
    // Colour page
    IlluminationTitle,
    LightsOn,
    LightsOff,
    ScheduleEnabled,
    ScheduleOn,
    ScheduleDash,
    ScheduleOff,
    NeedleColourFrame,
    SwatchCentreLineLabel,
    SwatchCentreLine,
    SwatchOutlineLabel,
    SwatchOutline,
    SwatchHubCentreLabel,
    SwatchHubCentre,
    SwatchHubOutlineLabel,
    SwatchHubOutline,
    ClockColourFrame,
    SwatchSecondHandLabel,
    SwatchSecondHand,
    TextColourFrame,
    SwatchTextLabel,
    SwatchText,
    ColourDefaults,
    // Other page
    BeepAtFull,
    BeepOffFull,
    AvoidMouse,
    KeepOnScreen,
    // Along the bottom
    OkButton,
    ApplyButton,
    CancelButton,
    HelpButton,
    kSettingControlEnd,
};

inline constexpr int kSettingPageCount = 5;
inline constexpr int kSwatchCount = 6;
inline constexpr const char* kSettingsTitleJapanese = "オプション設定";

// Marks an English caption that is the same as the Japanese one.
inline constexpr const char* kUnchanged = "\x01";

struct SettingControlRow {
    SettingControl id;
    const char* formName;  // the control on the documented form
    int parent;            // 0: the dialog
    ControlKind kind;
    const char* japanese;  // null: no caption
    const char* english;   // null: no caption; kUnchanged: the Japanese one
    int x, y, width, height;
    SliderRange slider;
    const FontStyle* font;  // null: the dialog's own
    ButtonRole role;
    int group;
};

// Every control of the dialog, in creation order.
const SettingControlRow* SettingControlRows(int& count);
const SettingControlRow& SettingControlRowOf(SettingControl id);

// The dialog as built for this English setting: English captions only when it is 1.
DialogLayout SettingsDialogLayout(int english);

// The n-th page (0..4) and swatch (0..5).
SettingControl PageControl(int index);
SettingControl SwatchControl(int index);
// The tab captions of one language, in order.
const char* TabCaption(int tab, bool english);

}  // namespace dorv
