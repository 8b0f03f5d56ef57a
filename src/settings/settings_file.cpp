#include "settings/settings_file.h"

#include <cmath>
#include <limits>

#include "settings/value_text.h"

namespace dorv {
namespace {

std::string InFolder(const std::string& folder, const SettingsLocation& rule) {
    return folder + rule.separator + "meter.ini";
}

// The user's copy, empty when the host has no place for one.
std::string UserFile(IniFile& ini, const SettingsLocation& rule) {
    const std::string folder = ini.UserSettingsFolder();
    return folder.empty() ? folder : InFolder(folder, rule);
}

// Every key straight into the file, in the fixed order.
FileResult WriteKeys(const SettingsFile& file, const MeterSettings& settings, float leftTwips, float topTwips) {
    FileResult result;
    for (SettingKey key : SettingsWriteOrder()) {
        const SettingDef& def = SettingDefinition(key);
        std::string text;
        if (key == SettingKey::Left)
            text = FormatSingle(leftTwips, file.decimalSymbol);
        else if (key == SettingKey::Top)
            text = FormatSingle(topTwips, file.decimalSymbol);
        else
            text = FormatSetting(key, settings);
        result = WriteIni(file, def.section, def.name, text);
        if (!result.ok)
            break;
    }
    return result;
}

// The copy keeps whatever the file holds besides our keys (notes, other sections, its encoding), since the
// same profile writes edit it; a leftover copy of a save that was killed is overwritten here.
FileResult SaveThroughCopy(const SettingsFile& file, const MeterSettings& settings, float leftTwips, float topTwips) {
    SettingsFile work = file;
    work.path = SaveWorkPath(file);
    FileResult result = file.ini->CopyForSave(file.path, work.path);
    if (result.ok)
        result = WriteKeys(work, settings, leftTwips, topTwips);
    if (result.ok)
        result = file.ini->ReplaceWith(file.path, work.path);
    if (!result.ok)
        file.ini->RemoveFile(work.path);
    return result;
}

}  // namespace

// A writable program folder is read as always; only one that takes no new files sends the host looking for the
// user's folder (which may mean loading a library).
SettingsFile OpenSettingsFile(IniFile& ini, const std::string& decimalSymbol) {
    const SettingsLocation rule = ini.SettingsRule();
    const std::string folder = ini.ProgramFolder();
    SettingsFile file{&ini, InFolder(folder, rule), decimalSymbol};
    if (rule.userFolderFirst) {
        const std::string user = UserFile(ini, rule);
        if (!user.empty() && !(ini.FileExists(file.path) && ini.FolderTakesNewFiles(folder)))
            file.path = user;
        return file;
    }
    if (ini.FolderTakesNewFiles(folder))
        return file;
    const std::string user = UserFile(ini, rule);
    if (!user.empty() && ini.FileExists(user))
        file.path = user;
    return file;
}

std::string ReadIni(const SettingsFile& file, const char* section, const char* key) {
    return file.ini->ReadString(file.path, section, key);
}

FileResult WriteIni(const SettingsFile& file, const char* section, const char* key, const std::string& value) {
    return file.ini->WriteString(file.path, section, key, value);
}

void LoadSetting(const SettingsFile& file, SettingKey key, MeterSettings& settings) {
    const SettingDef& def = SettingDefinition(key);
    ApplySettingText(key, ReadIni(file, def.section, def.name), file.decimalSymbol, settings);
}

std::optional<float> LoadPosition(const SettingsFile& file, SettingKey leftOrTop) {
    const SettingDef& def = SettingDefinition(leftOrTop);
    std::optional<double> number = ParseDecimal(ReadIni(file, def.section, def.name), file.decimalSymbol);
    // Beyond float's range the conversion itself would be undefined; such a number is no position anyway.
    if (!number || !(std::fabs(*number) <= std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*number);
}

std::string SaveWorkPath(const SettingsFile& file) {
    return file.path + ".tmp";
}

// A read-only file or a full disk in a folder that takes new files is the user's to see, so only a folder that
// refuses them sends the save elsewhere: first into the file itself (it may be writable where the folder is
// not), then to the user's folder, which the next start reads while the program's folder stays closed.
FileResult SaveSettings(SettingsFile& file, const MeterSettings& settings, float leftTwips, float topTwips) {
    IniFile& ini = *file.ini;
    const SettingsLocation rule = ini.SettingsRule();
    // Where the user's folder comes first, its first save finds no folder yet.
    if (rule.userFolderFirst && file.path == UserFile(ini, rule)) {
        const FileResult made = ini.CreateFolder(ini.UserSettingsFolder());
        if (!made.ok)
            return made;
    }
    FileResult result = SaveThroughCopy(file, settings, leftTwips, topTwips);
    const std::string folder = ini.ProgramFolder();
    if (result.ok || file.path != InFolder(folder, rule) || ini.FolderTakesNewFiles(folder))
        return result;
    result = WriteKeys(file, settings, leftTwips, topTwips);
    const std::string user = UserFile(ini, rule);
    if (result.ok || user.empty())
        return result;
    file.path = user;
    result = ini.CreateFolder(ini.UserSettingsFolder());
    return result.ok ? SaveThroughCopy(file, settings, leftTwips, topTwips) : result;
}

}  // namespace dorv
