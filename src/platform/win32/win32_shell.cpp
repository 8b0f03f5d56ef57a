#include "win32_shell.h"

namespace dorv {

// The calls arrive with the about box's own work.
void Win32Shell::CopyTextToClipboard(WindowHandle, const std::string&) {}
bool Win32Shell::FileExists(const std::string&) {
    return false;
}
bool Win32Shell::StartProgram(const std::string&) {
    return false;
}
std::intptr_t Win32Shell::OpenAddress(const std::string&) {
    return 0;
}

}  // namespace dorv
