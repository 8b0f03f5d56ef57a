#include "settings/settings_file.h"

#include <cmath>

#include "settings/value_text.h"

namespace dorv {

SettingsFile OpenSettingsFile(IniFile& ini, const std::string& decimalSymbol) {
    return SettingsFile{&ini, ini.ProgramFolder() + "\\meter.ini", decimalSymbol};
}

std::string ReadIni(const SettingsFile& file, const char* section, const char* key) {
    return file.ini->ReadString(file.path, section, key);
}

void WriteIni(const SettingsFile& file, const char* section, const char* key, const std::string& value) {
    file.ini->WriteString(file.path, section, key, value);
}

void LoadSetting(const SettingsFile& file, SettingKey key, MeterSettings& settings) {
    const SettingDef& def = SettingDefinition(key);
    ApplySettingText(key, ReadIni(file, def.section, def.name), file.decimalSymbol, settings);
}

std::optional<float> LoadPosition(const SettingsFile& file, SettingKey leftOrTop) {
    const SettingDef& def = SettingDefinition(leftOrTop);
    std::optional<double> number = ParseDecimal(ReadIni(file, def.section, def.name), file.decimalSymbol);
    if (!number)
        return std::nullopt;
    auto single = static_cast<float>(*number);
    if (!std::isfinite(single))
        return std::nullopt;
    return single;
}

void SaveSettings(const SettingsFile& file, const MeterSettings& settings, float leftTwips, float topTwips) {
    for (SettingKey key : SettingsWriteOrder()) {
        const SettingDef& def = SettingDefinition(key);
        std::string text;
        if (key == SettingKey::Left)
            text = FormatSingle(leftTwips, file.decimalSymbol);
        else if (key == SettingKey::Top)
            text = FormatSingle(topTwips, file.decimalSymbol);
        else
            text = FormatSetting(key, settings);
        WriteIni(file, def.section, def.name, text);
    }
}

}  // namespace dorv
