#include "settings/settings_file.h"

#include <cmath>
#include <limits>

#include "settings/value_text.h"

namespace dorv {

SettingsFile OpenSettingsFile(IniFile& ini, const std::string& decimalSymbol) {
    return SettingsFile{&ini, ini.ProgramFolder() + "\\meter.ini", decimalSymbol};
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

// The copy keeps whatever the file holds besides our keys (notes, other sections, its encoding), since the
// same profile writes edit it; a leftover copy of a save that was killed is overwritten here.
FileResult SaveSettings(const SettingsFile& file, const MeterSettings& settings, float leftTwips, float topTwips) {
    SettingsFile work = file;
    work.path = SaveWorkPath(file);
    FileResult result = file.ini->CopyForSave(file.path, work.path);
    for (SettingKey key : SettingsWriteOrder()) {
        if (!result.ok)
            break;
        const SettingDef& def = SettingDefinition(key);
        std::string text;
        if (key == SettingKey::Left)
            text = FormatSingle(leftTwips, file.decimalSymbol);
        else if (key == SettingKey::Top)
            text = FormatSingle(topTwips, file.decimalSymbol);
        else
            text = FormatSetting(key, settings);
        result = WriteIni(work, def.section, def.name, text);
    }
    if (result.ok)
        result = file.ini->ReplaceWith(file.path, work.path);
    if (!result.ok)
        file.ini->RemoveFile(work.path);
    return result;
}

}  // namespace dorv
