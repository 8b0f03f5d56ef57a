#pragma once
// The about box's controls as a table for the host's dialog builder.
#include <string>

#include "platform/dialogs.h"

namespace dorv {

enum AboutControlId : int {
    picIcon = 1,
    lblTitle_1,  // the title in front, 30 twips left of and 20 above lblTitle_0, which shows as its shadow
    lblTitle_0,
    lblVersion,
    Line1_0,
    Text1,
    Label1_0,  // the link to the web page
    Line1_1,
    cmdClipboard,
    cmdSysInfo,
    cmdOK,
};

// The box as built at load, in the language of `English` = 1 or Japanese.
DialogLayout AboutBoxLayout(bool english, const std::string& versionText);

}  // namespace dorv
