#pragma once
// An IniFile on real files through the C++ library, for any host without the private-profile calls.
#include <utility>

#include "platform/ini_file.h"

namespace dorv {

class PortableIniFile : public IniFile {
public:
    explicit PortableIniFile(std::string programFolder) : programFolder_(std::move(programFolder)) {}

    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override;
    FileResult WriteString(const std::string& path,
                           const std::string& section,
                           const std::string& key,
                           const std::string& value) override;
    FileResult CopyForSave(const std::string& path, const std::string& copy) override;
    FileResult ReplaceWith(const std::string& path, const std::string& copy) override;
    void RemoveFile(const std::string& path) override;
    std::string ProgramFolder() override { return programFolder_; }

private:
    std::string programFolder_;
};

}  // namespace dorv
