#pragma once
// The INI file: one value per call, with the semantics of the private-profile calls, and the few file steps
// that let a save replace the file in one piece. Paths are UTF-8.
#include <string>
#include <utility>

namespace dorv {

// How a change to a file went: done, or not done and the system's own words for why (UTF-8).
struct FileResult {
    bool ok = true;
    std::string reason;

    static FileResult Failed(std::string why) { return FileResult{false, std::move(why)}; }
};

// Where a host keeps meter.ini.
struct SettingsLocation {
    char separator = '\\';  // between a folder and a file name
    // false: beside the program, and in the user's folder only while the program's folder takes no new files
    // (Windows). true: in the user's folder, unless a meter.ini lies beside the program in a folder that takes new
    // files (portable use; the Linux rule).
    bool userFolderFirst = false;
};

class IniFile {
public:
    virtual ~IniFile() = default;

    // Value of a key, empty when the file, section or key is absent; at most 1023 characters.
    virtual std::string ReadString(const std::string& path, const std::string& section, const std::string& key) = 0;
    // Writes one value, creating the file and section when missing.
    virtual FileResult WriteString(const std::string& path,
                                   const std::string& section,
                                   const std::string& key,
                                   const std::string& value) = 0;
    // Makes `copy` a byte copy of `path`, over whatever `copy` held; when `path` does not exist, `copy` is
    // removed instead. Fails when `path` exists but this process could not write it (read-only, locked, a folder).
    virtual FileResult CopyForSave(const std::string& path, const std::string& copy) = 0;
    // Puts `copy` in the place of `path` in one step, on disk before it returns; `copy` is gone afterwards.
    virtual FileResult ReplaceWith(const std::string& path, const std::string& copy) = 0;
    // Removes a file if it is there.
    virtual void RemoveFile(const std::string& path) = 0;
    // The folder that holds the program, without a trailing separator.
    virtual std::string ProgramFolder() = 0;

    // What the core asks to keep the settings elsewhere when the program's folder takes no saves. A host
    // without a per-user place keeps these defaults, and the settings stay beside the program.

    virtual SettingsLocation SettingsRule() { return SettingsLocation{}; }
    // The user's own folder for the program's settings (%APPDATA%\Dorvanix), without a trailing separator; empty
    // when the system has none. It need not exist yet.
    virtual std::string UserSettingsFolder() { return std::string(); }
    // Whether this process may create a new file in the folder; asked by making one that is gone again at once.
    virtual bool FolderTakesNewFiles(const std::string& /*folder*/) { return true; }
    // Whether a file (not a folder) is at the path.
    virtual bool FileExists(const std::string& /*path*/) { return false; }
    // Creates the folder unless it is there; its parent must exist.
    virtual FileResult CreateFolder(const std::string& /*folder*/) { return FileResult::Failed("No folder"); }
};

}  // namespace dorv
