#pragma once
// The project's web page and the shell call that opens it.
#include <string>

namespace dorv {

struct MeterApp;

inline constexpr char kHomePageAddress[] = "https://dorvanix.github.io/";

// Opens the address in the browser; on failure tells the user, with the shell's result code, and gives false.
bool OpenWebLink(MeterApp& app, const std::string& url);

}  // namespace dorv
