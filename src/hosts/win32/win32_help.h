#pragma once
// The help file in the HTML Help viewer, loaded from the system folder at the first use.
#include <windows.h>

#include "platform/help.h"
#include "win32_handles.h"

namespace dorv {

class Win32Help final : public HelpViewer {
public:
    Win32Help() = default;
    ~Win32Help() override { CloseAll(); }
    Win32Help(const Win32Help&) = delete;
    Win32Help& operator=(const Win32Help&) = delete;

    void ShowHelp(WindowHandle owner, const std::string& file, const std::string& topic) override;
    // Closes the viewer's windows, which run in this thread on the library's code.
    void CloseAll();

private:
    ModuleOwner hhctrl_;
    bool shown_ = false;
};

}  // namespace dorv
