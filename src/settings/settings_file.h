#pragma once
// meter.ini: where it lives, ReadIni, WriteIni and the save sequence.
#include <optional>
#include <string>

#include "platform/ini_file.h"
#include "settings/meter_settings.h"
#include "settings/settings_table.h"

namespace dorv {

struct SettingsFile {
    IniFile* ini = nullptr;
    std::string path;           // "meter.ini" beside the program or in the user's settings folder
    std::string decimalSymbol;  // the system's, for numbers with a fraction
};

// The file to read, by the host's SettingsRule. Windows: meter.ini beside the program, or the user's own copy
// (%APPDATA%\Dorvanix\meter.ini) when the program's folder takes no new files and an earlier run saved one there.
// Linux: the user's copy ($XDG_CONFIG_HOME/dorvanix/meter.ini), unless one beside the program is in a folder that
// takes new files.
SettingsFile OpenSettingsFile(IniFile& ini, const std::string& decimalSymbol);

std::string ReadIni(const SettingsFile& file, const char* section, const char* key);
FileResult WriteIni(const SettingsFile& file, const char* section, const char* key, const std::string& value);

// Reads one key into the record with its default, guard and clamp.
void LoadSetting(const SettingsFile& file, SettingKey key, MeterSettings& settings);

// Reads Left or Top in twips; nothing when the text is not a number.
std::optional<float> LoadPosition(const SettingsFile& file, SettingKey leftOrTop);

// The working copy a save writes before it takes the file's place.
std::string SaveWorkPath(const SettingsFile& file);

// Writes every key in the fixed order; the position comes from the window, in twips. The keys go to a copy
// of the file, which then replaces it in one step: a save that fails or is cut short leaves the old file.
// Where the program's folder takes no new files, the file beside the program is written in place instead, and
// when that fails too the keys go to the user's settings folder. `file.path` ends as the file saved, or the
// last one tried.
FileResult SaveSettings(SettingsFile& file, const MeterSettings& settings, float leftTwips, float topTwips);

}  // namespace dorv
