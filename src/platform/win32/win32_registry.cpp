#include "win32_host.h"

namespace dorv {
namespace {

// The dynamic statistics root of the older family; named here since newer headers may lack it.
HKEY const kDynData = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000006));

}  // namespace

RegistryKey Win32Host::OpenKey(RegistryRoot root, const char* path) {
    HKEY key = nullptr;
    HKEY parent = root == RegistryRoot::DynData ? kDynData : HKEY_LOCAL_MACHINE;
    if (RegOpenKeyExA(parent, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    return reinterpret_cast<RegistryKey>(key);
}

bool Win32Host::QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) {
    if (!key)
        return false;
    DWORD type = 0;
    DWORD bytes = size;
    LONG result =
        RegQueryValueExA(reinterpret_cast<HKEY>(key), name, nullptr, &type, static_cast<BYTE*>(buffer), &bytes);
    size = bytes;
    return result == ERROR_SUCCESS;
}

void Win32Host::CloseKey(RegistryKey key) {
    if (key)
        RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace dorv
