#pragma once
// The shell: clipboard, files, starting programs and opening addresses.
#include <cstdint>
#include <string>

#include "platform/window.h"

namespace dorv {

class Shell {
public:
    virtual ~Shell() = default;

    // Replaces the clipboard's contents by this text (UTF-8 here, Unicode text on the clipboard); false when the
    // clipboard could not be had or kept nothing.
    virtual bool CopyTextToClipboard(WindowHandle owner, const std::string& text) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Starts the program in a normal window with the focus; false when it could not be started.
    virtual bool StartProgram(const std::string& path) = 0;
    // Opens the address with the shell's "open" verb; the shell's result, 32 or less on failure.
    virtual std::intptr_t OpenAddress(const std::string& url) = 0;
};

}  // namespace dorv
