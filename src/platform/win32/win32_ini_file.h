#pragma once
// meter.ini through the wide private-profile calls, saved through a copy that replaces the file in one step.
#include "platform/ini_file.h"

namespace dorv {

class Win32IniFile final : public IniFile {
public:
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
};

}  // namespace dorv
