#include "dialogs/settings/settings_controls.h"

#include <array>

namespace dorv {
namespace {

using K = ControlKind;

constexpr int kDialogWidth = 4550;
constexpr int kDialogHeight = 3700;

constexpr SettingControlRow Row(SettingControl id,
                                const char* formName,
                                int parent,
                                K kind,
                                const char* japanese,
                                const char* english,
                                int x,
                                int y,
                                int width,
                                int height) {
    return {id, formName, parent, kind, japanese, english, x, y, width, height, {}, nullptr, ButtonRole::None, 0};
}

constexpr SettingControlRow
Slider(SettingControl id, const char* formName, int x, int y, int width, int height, SliderRange range) {
    SettingControlRow row = Row(id, formName, 0, K::Slider, nullptr, nullptr, x, y, width, height);
    row.slider = range;
    return row;
}

constexpr SettingControlRow Option(SettingControl id,
                                   const char* formName,
                                   int parent,
                                   int group,
                                   const char* japanese,
                                   const char* english,
                                   int x,
                                   int y,
                                   int width,
                                   int height) {
    SettingControlRow row = Row(id, formName, parent, K::OptionButton, japanese, english, x, y, width, height);
    row.group = group;
    return row;
}

constexpr SettingControlRow WithFont(SettingControlRow row, const FontStyle& font) {
    row.font = &font;
    return row;
}

constexpr SettingControlRow WithRole(SettingControlRow row, ButtonRole role) {
    row.role = role;
    return row;
}

constexpr SettingControlRow OnPage(SettingControlRow row, SettingControl page) {
    row.parent = page;
    return row;
}

const FontStyle kScaleFont{"ＭＳ ゴシック", 9, 128, false};
const FontStyle kReadoutFont{"Comic Sans MS", 8.25, 1, false};
constexpr const char* kU = kUnchanged;

// Places in twips: page controls from their page's corner, frame children from their frame's.
constexpr std::array<SettingControlRow, kSettingControlEnd - 1> kRows = {{
    Row(PageTabs,
        "TabStrip1",
        0,
        K::Tabs,
        "モード\n表示\n動作\nカラー\nその他",
        "Main\nDisplay\nMotion\nColor\nOther",
        120,
        120,
        4260,
        2635),
    Row(PageMode, "Picture1(0)", 0, K::Page, nullptr, nullptr, 200, 500, 3975, 2155),
    Row(PageDisplay, "Picture1(1)", 0, K::Page, nullptr, nullptr, 200, 500, 3975, 2155),
    Row(PageMotion, "Picture1(2)", 0, K::Page, nullptr, nullptr, 200, 500, 3975, 2155),
    Row(PageColour, "Picture1(3)", 0, K::Page, nullptr, nullptr, 200, 500, 3975, 2155),
    Row(PageOther, "Picture1(4)", 0, K::Page, nullptr, nullptr, 200, 500, 3975, 2155),
    // Mode
    Row(ModeFrame, "Frame2(0)", PageMode, K::Frame, "数値モード", "Mode", 120, 120, 2200, 1200),
    Option(ModeMemory, "Option1(0)", ModeFrame, 1, "物理メモリ使用率(&P)", "&Physical Memory", 100, 200, 2000, 180),
    Option(ModeVirtualMemory,
           "Option1(1)",
           ModeFrame,
           1,
           "仮想メモリ使用率(&V)",
           "&Virtual Memory",
           100,
           440,
           2000,
           180),
    Option(ModeCpu, "Option1(2)", ModeFrame, 1, "CPU使用率(&C)", "C&PU Usage", 100, 680, 2000, 180),
    Option(ModeClock, "Option1(3)", ModeFrame, 1, "時計(&L)", "C&lock", 100, 920, 2000, 180),
    Row(NeedleFrame, "Frame2(1)", PageMode, K::Frame, "針", "Pointer", 2400, 510, 1455, 800),
    Option(NeedleLine, "Option2(0)", NeedleFrame, 2, "一本線", "&2D", 120, 240, 1095, 180),
    Option(NeedleSolid, "Option2(1)", NeedleFrame, 2, "立体風", "&3D", 120, 500, 1095, 180),
    Row(EnglishCaptions, "Check12", PageMode, K::CheckBox, "&English", kU, 2400, 120, 1455, 255),
    Row(ShowReadout, "Check1", PageMode, K::CheckBox, "数値表示(&N)", "&Numerical value display", 120, 1400, 2200, 180),
    // Display
    Row(Translucency,
        "Check11",
        PageDisplay,
        K::CheckBox,
        "半透明機能(Win2K,XP用)",
        "Transparent (for Win2K)",
        120,
        120,
        2200,
        180),
    OnPage(Slider(Alpha, "Slider4", 2400, 120, 1455, 200, {15, 239, 16, 64, 32}), PageDisplay),
    Row(MouseCancel,
        "Check13",
        PageDisplay,
        K::CheckBox,
        "マウスが重なった時に半透明を一時解除",
        "Cancellation when mouse moves",
        360,
        360,
        3500,
        180),
    Row(AlwaysOnTop, "Check2", PageDisplay, K::CheckBox, "常に手前に表示(&T)", "Always on top", 120, 600, 2000, 180),
    Row(WarningEnabled, "Check3", PageDisplay, K::CheckBox, "WARNINGモード(&W)", "Warning", 120, 840, 2000, 180),
    OnPage(Slider(WarningLevel, "Slider3", 2200, 800, 1650, 220, {50, 90, 5, 10, 10}), PageDisplay),
    WithFont(Row(WarningScale, "Label7", PageDisplay, K::Label, "5   6   7   8   9", kU, 2295, 1035, 1530, 180),
             kScaleFont),
    WithFont(Row(WarningRpmLabel, "Label8", PageDisplay, K::Label, "8500rpm", kU, 3100, 1200, 705, 225), kReadoutFont),
    Row(ShowModeLabel, "Check4", PageDisplay, K::CheckBox, "モード表示(&M)", "Show Mode", 120, 1080, 1695, 180),
    Row(TrayIcon,
        "Check5",
        PageDisplay,
        K::CheckBox,
        "システムトレイにアイコン表示(&I)",
        "Icon on system tray",
        120,
        1320,
        2700,
        180),
    Row(DialOff,
        "Check9",
        PageDisplay,
        K::CheckBox,
        "メインメータを非表示(&H)",
        "Disable main meter",
        360,
        1560,
        2175,
        180),
    Row(TrailEnabled, "Check6", PageDisplay, K::CheckBox, "針の残像を表示(&Z)", "Pointer shadow", 120, 1800, 2000, 180),
    OnPage(Slider(TrailSlider, "Slider5", 2200, 1700, 1650, 255, {1, 5, 1, 1, 1}), PageDisplay),
    WithFont(Row(TrailScale, "Label13", PageDisplay, K::Label, "1   2   3   4   5", kU, 2290, 1970, 1530, 180),
             kScaleFont),
    // Motion
    Row(ResponseTitle, "Label1", PageMotion, K::Label, "針の移動量(&M)", "Response", 120, 0, 1155, 180),
    OnPage(Slider(ResponseSlider, "Slider1", 240, 200, 2500, 220, {1, 10, 1, 2, 1}), PageMotion),
    Row(ResponseMaxLabel, "Label2", PageMotion, K::Label, "大（レスポンス）", "Max", 120, 495, 1155, 180),
    Row(ResponseMinLabel, "Label3", PageMotion, K::Label, "小（スムーズ）", "Min", 2400, 495, 1065, 180),
    Row(IntervalTitle, "Label4", PageMotion, K::Label, "監視間隔(&T)", "Interval", 120, 750, 945, 180),
    OnPage(Slider(IntervalSlider, "Slider2", 240, 930, 2500, 220, {10, 410, 50, 100, 50}), PageMotion),
    Row(IntervalShortLabel, "Label5", PageMotion, K::Label, "短い", "Short", 120, 1200, 345, 180),
    Row(IntervalLongLabel, "Label6", PageMotion, K::Label, "長い", "Long", 2580, 1200, 345, 180),
    Row(MotionDefaults, "Command2", PageMotion, K::Button, "標準に戻す", "Default", 2280, 1400, 1500, 300),
    // Colour
    Row(IlluminationTitle, "Label10", PageColour, K::Label, "イルミネーション：", "Illumination", 120, 0, 1320, 180),
    Option(LightsOn, "Option3(0)", PageColour, 3, "ON", kU, 1700, 0, 700, 200),
    Option(LightsOff, "Option3(1)", PageColour, 3, "OFF", kU, 2600, 0, 700, 200),
    Row(ScheduleEnabled,
        "Check14",
        PageColour,
        K::CheckBox,
        "設定時刻に点灯",
        "Illumination lighting",
        120,
        300,
        1700,
        255),
    Row(ScheduleOn, "DTPicker1(0)", PageColour, K::TimePicker, nullptr, nullptr, 1900, 300, 800, 280),
    Row(ScheduleDash, "Label12", PageColour, K::Label, "-", kU, 2700, 340, 90, 180),
    Row(ScheduleOff, "DTPicker1(1)", PageColour, K::TimePicker, nullptr, nullptr, 2800, 300, 800, 280),
    Row(NeedleColourFrame, "Frame1(0)", PageColour, K::Frame, "タコメータの針", "Main pointor", 100, 700, 1900, 1450),
    Row(SwatchCentreLineLabel,
        "Label9(0)",
        NeedleColourFrame,
        K::Label,
        "針の中心",
        "Center of beam",
        120,
        240,
        720,
        180),
    Row(SwatchCentreLine, "Command3(0)", NeedleColourFrame, K::ColourSwatch, nullptr, nullptr, 1080, 200, 615, 255),
    Row(SwatchOutlineLabel, "Label9(1)", NeedleColourFrame, K::Label, "針の外枠", "Beam outline", 120, 540, 720, 180),
    Row(SwatchOutline, "Command3(1)", NeedleColourFrame, K::ColourSwatch, nullptr, nullptr, 1080, 500, 615, 255),
    Row(SwatchHubCentreLabel,
        "Label9(2)",
        NeedleColourFrame,
        K::Label,
        "根元中心",
        "Center of pointer",
        120,
        840,
        720,
        180),
    Row(SwatchHubCentre, "Command3(2)", NeedleColourFrame, K::ColourSwatch, nullptr, nullptr, 1080, 800, 615, 255),
    Row(SwatchHubOutlineLabel,
        "Label9(3)",
        NeedleColourFrame,
        K::Label,
        "根元外枠",
        "Outline of center",
        120,
        1140,
        720,
        180),
    Row(SwatchHubOutline, "Command3(3)", NeedleColourFrame, K::ColourSwatch, nullptr, nullptr, 1080, 1100, 615, 255),
    Row(ClockColourFrame, "Frame1(1)", PageColour, K::Frame, "時計の針", "Clock", 2300, 700, 1500, 500),
    Row(SwatchSecondHandLabel, "Label9(4)", ClockColourFrame, K::Label, "秒針", "Second hand", 120, 200, 360, 180),
    Row(SwatchSecondHand, "Command3(4)", ClockColourFrame, K::ColourSwatch, nullptr, nullptr, 700, 180, 615, 255),
    Row(TextColourFrame, "Frame1(2)", PageColour, K::Frame, "モード表示", "Mode display", 2300, 1250, 1500, 500),
    Row(SwatchTextLabel, "Label9(5)", TextColourFrame, K::Label, "文字", "Font", 120, 195, 360, 180),
    Row(SwatchText, "Command3(5)", TextColourFrame, K::ColourSwatch, nullptr, nullptr, 700, 180, 615, 255),
    Row(ColourDefaults, "Command4", PageColour, K::Button, "標準に戻す", "Default", 2280, 1800, 1500, 300),
    // Other. BeepAtFull is as wide as its neighbours, so it stays inside the page.
    Row(BeepAtFull,
        "Check7",
        PageOther,
        K::CheckBox,
        "使用率が100%になった時にBEEP音で通知",
        "Beep when reaches 100% usage.",
        120,
        120,
        3855,
        180),
    Row(BeepOffFull,
        "Check8",
        PageOther,
        K::CheckBox,
        "使用率が100%から下がった時BEEP音で通知",
        "Beep when drops from 100% usage.",
        120,
        480,
        3855,
        180),
    Row(AvoidMouse,
        "Check10",
        PageOther,
        K::CheckBox,
        "マウスが重なったときメーターを移動",
        "Dorvanix moves around so it won't overlap with mouse pointer.",
        120,
        840,
        3855,
        360),
    Row(KeepOnScreen,
        "Check15",
        PageOther,
        K::CheckBox,
        "画面からはみ出さないよう自動調整",
        "Coordinates are adjusted.",
        120,
        1320,
        3855,
        255),
    // Bottom
    WithRole(Row(OkButton, "Command1(0)", 0, K::Button, "&OK", kU, 120, 2900, 1000, 300), ButtonRole::Default),
    Row(ApplyButton, "Command1(1)", 0, K::Button, "更新", "&Apply", 1200, 2900, 1000, 300),
    WithRole(Row(CancelButton, "Command1(2)", 0, K::Button, "キャンセル", "&Cancel", 2280, 2900, 1000, 300),
             ButtonRole::Cancel),
    Row(HelpButton, "Command1(3)", 0, K::Button, "ヘルプ", "&Help", 3360, 2900, 1000, 300),
}};
// A control's id indexes its row.
static_assert([] {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (kRows[i].id != static_cast<int>(i) + 1)
            return false;
    return true;
}());

const char* const kTabCaptions[2][kSettingPageCount] = {
    {"モード", "表示", "動作", "カラー", "その他"},
    {"Main", "Display", "Motion", "Color", "Other"},
};

}  // namespace

const SettingControlRow* SettingControlRows(int& count) {
    count = static_cast<int>(kRows.size());
    return kRows.data();
}

const SettingControlRow& SettingControlRowOf(SettingControl id) {
    return kRows[static_cast<std::size_t>(id - 1)];
}

DialogLayout SettingsDialogLayout(int english) {
    const bool en = english == 1;
    DialogLayout layout{en ? "Option" : kSettingsTitleJapanese, kDialogWidth, kDialogHeight, {}};
    for (const SettingControlRow& row : kRows) {
        const char* caption = row.japanese;
        if (en && row.english != kUnchanged)
            caption = row.english;
        layout.controls.push_back(ControlLayout{row.id, row.parent, row.kind, caption ? caption : "", row.x, row.y,
                                                row.width, row.height, row.font ? *row.font : FontStyle{}, row.slider,
                                                row.role, row.group});
    }
    return layout;
}

SettingControl PageControl(int index) {
    return static_cast<SettingControl>(PageMode + index);
}

SettingControl SwatchControl(int index) {
    static constexpr SettingControl kSwatches[kSwatchCount] = {SwatchCentreLine, SwatchOutline,    SwatchHubCentre,
                                                               SwatchHubOutline, SwatchSecondHand, SwatchText};
    return kSwatches[index];
}

const char* TabCaption(int tab, bool english) {
    return kTabCaptions[english ? 1 : 0][tab];
}

}  // namespace dorv
