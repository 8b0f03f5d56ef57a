#pragma once
// The settings dialog's state while it is open.
#include "dialogs/settings/setting_form.h"
#include "platform/window.h"

namespace dorv {

struct SettingFrm {
    WindowHandle window = nullptr;  // null while closed
    bool english = false;           // the captions it was built with
    SettingForm form;               // the values as last exchanged with the dialog
};

}  // namespace dorv
