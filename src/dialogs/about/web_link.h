#pragma once
// The project's web page and the shell call that opens it.
#include <string>

#include "platform/shell.h"
#include "platform/window.h"

namespace dorv {

inline constexpr char kHomePageAddress[] = "https://dorvanix.github.io/";

// Opens the address in the browser; on failure tells the user, with the shell's result code, and gives false.
bool OpenWebLink(Shell& shell, WindowSystem& windows, const std::string& url);

}  // namespace dorv
