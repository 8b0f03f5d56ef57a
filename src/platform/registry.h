#pragma once
// The registry: keys opened by path under a root, values read as bytes or with their type.
#include <cstdint>
#include <optional>
#include <string>

namespace dorv {

using RegistryKey = struct PlatformRegistryKey*;

enum class RegistryRoot { DynData, LocalMachine };

enum class RegistryValueType { Text, Number32, Other };  // REG_SZ, REG_DWORD, anything else

struct RegistryValue {
    RegistryValueType type = RegistryValueType::Other;
    std::string text;          // Text: UTF-8, up to the first NUL
    std::uint32_t number = 0;  // Number32
};

class Registry {
public:
    virtual ~Registry() = default;

    // The open key (for reading only), or null when it cannot be opened.
    virtual RegistryKey OpenKey(RegistryRoot root, const char* path) = 0;
    // With a null buffer only the value's size is reported. On return size holds the bytes the value has
    // (or, with a buffer, the bytes copied). False when the value cannot be read.
    virtual bool QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) = 0;
    // The value with its type; nothing when it cannot be read.
    virtual std::optional<RegistryValue> ReadValue(RegistryKey key, const std::string& name) = 0;
    virtual void CloseKey(RegistryKey key) = 0;
};

}  // namespace dorv
