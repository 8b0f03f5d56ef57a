#pragma once
// The about box's controls as a table for the host's dialog builder.
#include <string>

#include "platform/dialogs.h"

namespace dorv {

enum AboutControlId : int {
    AppIcon = 1,
    TitleLabel,  // in front, 30 twips left of and 20 above TitleShadow
    TitleShadow,
    VersionLabel,
    UpperRule,
    ReportBox,
    WebLink,
    LowerRule,
    CopyButton,
    SysInfoButton,
    CloseButton,
};

// The controls' names on the documented form, by id.
inline constexpr const char* kAboutFormNames[] = {"",           "picIcon",      "lblTitle(1)", "lblTitle(0)",
                                                  "lblVersion", "Line1(0)",     "Text1",       "Label1(0)",
                                                  "Line1(1)",   "cmdClipboard", "cmdSysInfo",  "cmdOK"};
static_assert(std::size(kAboutFormNames) == CloseButton + 1);

// The box as built at load, in the language of `English` = 1 or Japanese.
DialogLayout AboutBoxLayout(bool english, const std::string& versionText);

}  // namespace dorv
