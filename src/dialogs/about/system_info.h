#pragma once
// Starting the system information tool found through the registry.
#include <string>

#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace dorv {

// Reads a value under an open-for-reading key: text as it is, a 32-bit number in decimal; a value of any
// other type leaves keyVal as passed and still gives true. When the key or value cannot be read, keyVal
// becomes empty and the result is false.
bool GetKeyValue(Registry& registry,
                 RegistryRoot root,
                 const std::string& keyName,
                 const std::string& valueName,
                 std::string& keyVal);

// Starts the registered tool; tells the user, over `owner`, when there is none or it does not start.
void StartSysInfo(Registry& registry, Shell& shell, WindowSystem& windows, WindowHandle owner);

}  // namespace dorv
