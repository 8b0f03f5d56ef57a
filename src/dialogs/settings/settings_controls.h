#pragma once
// The settings dialog's controls as one table: places, captions in both languages, slider ranges, fonts.
#include <string>

#include "platform/dialogs.h"

namespace dorv {

// Control ids, in creation order (parents first); Tab order follows it.
enum SettingControl : int {
    TabStrip1 = 1,
    Picture1_0,
    Picture1_1,
    Picture1_2,
    Picture1_3,
    Picture1_4,
    // Mode page
    Frame2_0,
    Option1_0,
    Option1_1,
    Option1_2,
    Option1_3,
    Frame2_1,
    Option2_0,
    Option2_1,
    Check12,
    Check1,
    // Display page
    Check11,
    Slider4,
    Check13,
    Check2,
    Check3,
    Slider3,
    Label7,
    Label8,
    Check4,
    Check5,
    Check9,
    Check6,
    Slider5,
    Label13,
    // Motion page
    Label1,
    Slider1,
    Label2,
    Label3,
    Label4,
    Slider2,
    Label5,
    Label6,
    Command2,
    // Colour page
    Label10,
    Option3_0,
    Option3_1,
    Check14,
    DTPicker1_0,
    Label12,
    DTPicker1_1,
    Frame1_0,
    Label9_0,
    Command3_0,
    Label9_1,
    Command3_1,
    Label9_2,
    Command3_2,
    Label9_3,
    Command3_3,
    Frame1_1,
    Label9_4,
    Command3_4,
    Frame1_2,
    Label9_5,
    Command3_5,
    Command4,
    // Other page
    Check7,
    Check8,
    Check10,
    Check15,
    // Along the bottom
    Command1_0,
    Command1_1,
    Command1_2,
    Command1_3,
    kSettingControlEnd,
};

inline constexpr int kSettingPageCount = 5;
inline constexpr int kSwatchCount = 6;
inline constexpr const char* kSettingsTitleJapanese = "オプション設定";

// Marks an English caption that is the same as the Japanese one.
inline constexpr const char* kUnchanged = "\x01";

struct SettingControlRow {
    SettingControl id;
    int parent;  // 0: the dialog
    ControlKind kind;
    const char* japanese;  // null: no caption
    const char* english;   // null: no caption; kUnchanged: the Japanese one
    int x, y, width, height;
    SliderRange slider;
    FontStyle font;
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
