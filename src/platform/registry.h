#pragma once
// The registry: keys opened by path under a root, values read as bytes.
#include <cstdint>

namespace dorv {

using RegistryKey = struct PlatformRegistryKey*;

enum class RegistryRoot { DynData, LocalMachine };

class Registry {
public:
    virtual ~Registry() = default;

    // The open key, or null when it cannot be opened.
    virtual RegistryKey OpenKey(RegistryRoot root, const char* path) = 0;
    // With a null buffer only the value's size is reported. On return size holds the bytes the value has
    // (or, with a buffer, the bytes copied). False when the value cannot be read.
    virtual bool QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace dorv
