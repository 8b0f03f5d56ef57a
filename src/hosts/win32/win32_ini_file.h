#pragma once
// meter.ini through the wide private-profile calls, saved through a copy that replaces the file in one step.
#include "platform/ini_file.h"
#include "win32_handles.h"

namespace dorv {

class Win32IniFile final : public IniFile {
public:
    Win32IniFile() = default;
    Win32IniFile(const Win32IniFile&) = delete;
    Win32IniFile& operator=(const Win32IniFile&) = delete;

    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override;
    FileResult WriteString(const std::string& path,
                           const std::string& section,
                           const std::string& key,
                           const std::string& value) override;
    FileResult CopyForSave(const std::string& path, const std::string& copy) override;
    FileResult ReplaceWith(const std::string& path, const std::string& copy) override;
    void RemoveFile(const std::string& path) override;
    std::string ProgramFolder() override;
    std::string UserSettingsFolder() override;
    bool FolderTakesNewFiles(const std::string& folder) override;
    bool FileExists(const std::string& path) override;
    FileResult CreateFolder(const std::string& folder) override;

private:
    // For the user's folder, asked only when the program's folder takes no new files; kept once loaded.
    ModuleOwner shell32_;
};

}  // namespace dorv
