#pragma once
// Clipboard, files, programs and addresses through the Win32 shell.
#include <windows.h>

#include "platform/shell.h"

namespace dorv {

class Win32Shell : public Shell {
public:
    bool CopyTextToClipboard(WindowHandle owner, const std::string& text) override;
    bool FileExists(const std::string& path) override;
    bool StartProgram(const std::string& path) override;
    std::intptr_t OpenAddress(const std::string& url) override;
};

}  // namespace dorv
