#pragma once
// Clipboard, files, programs and addresses through the Win32 shell.
#include <windows.h>

#include "platform/shell.h"
#include "win32_handles.h"

namespace dorv {

class Win32Shell : public Shell {
public:
    Win32Shell() = default;
    // COM is left before its libraries go; on the thread that entered it, the UI thread.
    ~Win32Shell() override;
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    bool CopyTextToClipboard(WindowHandle owner, const std::string& text) override;
    bool FileExists(const std::string& path) override;
    bool StartProgram(const std::string& path) override;
    std::intptr_t OpenAddress(const std::string& url) override;

private:
    // shell32 and a single-threaded COM apartment for this thread, at the first address opened, kept for the run.
    void StartShell();

    ModuleOwner ole32_;
    ModuleOwner shell32_;
    bool started_ = false;
    bool inApartment_ = false;  // this thread entered COM here and owes it one CoUninitialize
};

}  // namespace dorv
