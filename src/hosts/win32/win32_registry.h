#pragma once
// Registry keys opened read-only for the core; any key the core leaves open is closed with this object.
#include <windows.h>

#include <map>

#include "platform/registry.h"
#include "win32_handles.h"

namespace dorv {

class Win32Registry final : public Registry {
public:
    RegistryKey OpenKey(RegistryRoot root, const char* path) override;
    bool QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) override;
    std::optional<RegistryValue> ReadValue(RegistryKey key, const std::string& name) override;
    void CloseKey(RegistryKey key) override;

private:
    std::map<HKEY, KeyOwner> open_;
};

}  // namespace dorv
