#include <cstring>
#include <cwchar>
#include <vector>

#include "win32_registry.h"
#include "win32_text.h"

namespace dorv {
namespace {

// The dynamic statistics root of the older family; named here since newer headers may lack it.
HKEY const kDynData = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x80000006));

}  // namespace

RegistryKey Win32Registry::OpenKey(RegistryRoot root, const char* path) {
    // Read access only: a standard user, or an administrator under UAC, may not write these keys.
    HKEY key = nullptr;
    HKEY parent = root == RegistryRoot::DynData ? kDynData : HKEY_LOCAL_MACHINE;
    if (RegOpenKeyExW(parent, Widen(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    // A root opened with an empty path may come back as the same handle: it still has one owner.
    if (open_.count(key) == 0)
        open_.emplace(key, KeyOwner(key));
    return reinterpret_cast<RegistryKey>(key);
}

bool Win32Registry::QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) {
    if (!key)
        return false;
    DWORD type = 0;
    DWORD bytes = size;
    LONG result = RegQueryValueExW(reinterpret_cast<HKEY>(key), Widen(name).c_str(), nullptr, &type,
                                   static_cast<BYTE*>(buffer), &bytes);
    size = bytes;
    return result == ERROR_SUCCESS;
}

std::optional<RegistryValue> Win32Registry::ReadValue(RegistryKey key, const std::string& name) {
    if (!key)
        return std::nullopt;
    const HKEY hkey = reinterpret_cast<HKEY>(key);
    const std::wstring wideName = Widen(name);
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(hkey, wideName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    // Room for a terminating NUL the stored text may lack.
    std::vector<BYTE> data(bytes + sizeof(wchar_t), 0);
    DWORD read = bytes;
    if (RegQueryValueExW(hkey, wideName.c_str(), nullptr, &type, data.data(), &read) != ERROR_SUCCESS)
        return std::nullopt;

    RegistryValue value;
    if (type == REG_SZ) {
        value.type = RegistryValueType::Text;
        std::wstring text(read / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
        text.resize(std::wcslen(text.c_str()));
        value.text = Narrow(text);
    } else if (type == REG_DWORD && read == sizeof(DWORD)) {
        value.type = RegistryValueType::Number32;
        DWORD number = 0;
        std::memcpy(&number, data.data(), sizeof number);
        value.number = number;
    }
    return value;
}

// Only keys opened here are closed: a stray or repeated close is ignored.
void Win32Registry::CloseKey(RegistryKey key) {
    open_.erase(reinterpret_cast<HKEY>(key));
}

}  // namespace dorv
