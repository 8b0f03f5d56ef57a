#pragma once
// The folder that holds the running exe: meter.ini and the help file live there.
#include <string>

namespace dorv {

// Wide, so any folder name works; empty when the system cannot tell.
std::wstring ProgramFolderPath();

}  // namespace dorv
