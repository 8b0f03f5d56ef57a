#include "dialogs/about/about_layout.h"

#include <utility>

#include "dialogs/about/web_link.h"
#include "state/meter_frm.h"

namespace dorv {
namespace {

// Twips. The client area is about 6,660 x 5,220 (444 x 348 pixels at 96 dpi).
constexpr int kMargin = 240;
constexpr int kInnerWidth = 6180;
constexpr int kTitleLeft = 960;
constexpr int kTitleTop = 180;
constexpr int kShadowDx = -30;
constexpr int kShadowDy = -20;
constexpr int kButtonTop = 4560;
constexpr int kButtonHeight = 420;

const FontStyle kTitleFont{"Comic Sans MS", 20, 0, true, 0x602000};        // dark blue
const FontStyle kTitleShadowFont{"Comic Sans MS", 20, 0, true, 0xA0A0A0};  // grey
const FontStyle kVersionFont{"Comic Sans MS", 10, 0, false};
const FontStyle kReportFont{"ＭＳ ゴシック", 9, 128, false};
const FontStyle kLinkFont{"MS UI Gothic", 9, 128, false};

ControlLayout Control(int id, ControlKind kind, std::string caption, int x, int y, int width, int height) {
    ControlLayout control;
    control.id = id;
    control.kind = kind;
    control.caption = std::move(caption);
    control.x = x;
    control.y = y;
    control.width = width;
    control.height = height;
    return control;
}

ControlLayout WithFont(ControlLayout control, const FontStyle& font) {
    control.font = font;
    return control;
}

ControlLayout WithRole(ControlLayout control, ButtonRole role) {
    control.role = role;
    return control;
}

}  // namespace

DialogLayout AboutBoxLayout(bool english, const std::string& versionText) {
    const std::string title = kMeterTitle;
    DialogLayout layout;
    layout.title = english ? "About " + title : title + "のバージョン情報";
    layout.width = 6750;
    layout.height = 5700;
    layout.controls = {
        Control(AppIcon, ControlKind::Icon, "", kMargin, kMargin, 480, 480),
        // The shadow first: the title drawn later lies over it, up and to the left.
        WithFont(Control(TitleShadow, ControlKind::Label, title, kTitleLeft, kTitleTop, 3600, 600), kTitleShadowFont),
        WithFont(
            Control(TitleLabel, ControlKind::Label, title, kTitleLeft + kShadowDx, kTitleTop + kShadowDy, 3600, 600),
            kTitleFont),
        WithFont(Control(VersionLabel, ControlKind::Label, versionText, kTitleLeft, 780, 3000, 300), kVersionFont),
        Control(UpperRule, ControlKind::Line, "", kMargin, 1200, kInnerWidth, 30),
        WithFont(Control(ReportBox, ControlKind::TextBox, "", kMargin, 1380, kInnerWidth, 2520), kReportFont),
        WithFont(Control(WebLink, ControlKind::Link, kHomePageAddress, kMargin, 4020, 2700, 270), kLinkFont),
        Control(LowerRule, ControlKind::Line, "", kMargin, 4380, kInnerWidth, 30),
        Control(CopyButton, ControlKind::Button, "クリップボードにコピー", kMargin, kButtonTop, 2280, kButtonHeight),
        Control(SysInfoButton, ControlKind::Button, english ? "System Info." : "システム情報...", 2640, kButtonTop,
                1680, kButtonHeight),
        WithRole(Control(CloseButton, ControlKind::Button, "OK", 5100, kButtonTop, 1320, kButtonHeight),
                 ButtonRole::Default),
    };
    return layout;
}

}  // namespace dorv
