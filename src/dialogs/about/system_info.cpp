#include "dialogs/about/system_info.h"

#include <optional>

#include "state/meter_frm.h"

namespace dorv {
namespace {

constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kToolFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kToolProgram[] = "\\MSINFO32.EXE";

// The registered tool's path: its own entry, else the shared tools folder when the program is there.
std::optional<std::string> FindSysInfoTool(Registry& registry, Shell& shell) {
    std::string path;
    if (GetKeyValue(registry, RegistryRoot::LocalMachine, kToolKey, "PATH", path))
        return path;
    std::string folder;
    if (GetKeyValue(registry, RegistryRoot::LocalMachine, kToolFolderKey, "MSINFO", folder) &&
        shell.FileExists(folder + kToolProgram))
        return folder + kToolProgram;
    return std::nullopt;
}

}  // namespace

bool GetKeyValue(Registry& registry,
                 RegistryRoot root,
                 const std::string& keyName,
                 const std::string& valueName,
                 std::string& keyVal) {
    RegistryKey key = registry.OpenKey(root, keyName.c_str());
    std::optional<RegistryValue> value;
    if (key) {
        value = registry.ReadValue(key, valueName);
        registry.CloseKey(key);
    }
    if (!value) {
        keyVal.clear();
        return false;
    }
    switch (value->type) {
        case RegistryValueType::Text:
            keyVal = value->text;
            break;
        case RegistryValueType::Number32:
            keyVal = std::to_string(value->number);
            break;
        case RegistryValueType::Other:
            break;
    }
    return true;
}

void StartSysInfo(Registry& registry, Shell& shell, WindowSystem& windows, WindowHandle owner) {
    std::optional<std::string> tool = FindSysInfoTool(registry, shell);
    if (tool && shell.StartProgram(*tool))
        return;
    windows.ShowMessage(owner, kMeterTitle, "現時点ではシステム情報を使用できません", MessageIcon::None);
}

}  // namespace dorv
