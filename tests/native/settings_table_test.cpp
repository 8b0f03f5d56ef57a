#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/ini_text.h"
#include "settings/settings_table.h"

namespace dorv {
namespace {

struct ParseCase {
    SettingKey key;
    const char* stored;
    const char* expected;  // the field as it is written back
    const char* symbol = ".";
};

TEST(SettingsTable, StoredTextReplacesTheDefaultOnlyWhenItsGuardPasses) {
    const ParseCase cases[] = {
        {SettingKey::Needle, " 3", " 3"},
        {SettingKey::Needle, "3.5", " 4"},
        {SettingKey::Needle, "2.5", " 2"},
        {SettingKey::Needle, "7", " 7"},
        {SettingKey::Needle, "", " 2"},
        {SettingKey::Needle, "clock", " 2"},
        {SettingKey::Needle, "40000", " 2"},
        {SettingKey::Transparency, "0", " 255"},
        {SettingKey::Transparency, "300", " 255"},
        {SettingKey::Transparency, "1", " 1"},
        {SettingKey::Transparency, "-5", " 255"},
        {SettingKey::Zanzo_max, "9", " 5"},
        {SettingKey::Zanzo_max, "0", " 0"},
        {SettingKey::Zanzo_max, "-3", "-3"},
        {SettingKey::Needle_color, "letters", " 230"},
        {SettingKey::Needle_color, "", " 230"},
        {SettingKey::Needle_color, "16777215", " 16777215"},
        {SettingKey::Needle_color, "3000000000", " 230"},
        {SettingKey::Illumination, "True", "True"},
        {SettingKey::Illumination, "-1", "True"},
        {SettingKey::Illumination, "1", "True"},
        {SettingKey::Illumination, "0", "False"},
        {SettingKey::Illumination, "false", "False"},
        {SettingKey::Illumination, "", "False"},
        {SettingKey::Illumination, "maybe", "False"},
        {SettingKey::English, "1", " 1"},
        {SettingKey::English, "1.5", " 2"},
        {SettingKey::English, "1abc", " 0"},
        {SettingKey::English, "1,5", " 1", ","},  // the leading number ends at the comma
        {SettingKey::Watch_time, "1,5", " 2", ","},
        {SettingKey::adjusted_flg, "0", " 0"},
        {SettingKey::adjusted_flg, "off", " 1"},
        {SettingKey::adjusted_flg, "99999", " 1"},
        {SettingKey::max_beep_flg, "1", " 1"},
        {SettingKey::max_beep_flg, "x", " 0"},
        {SettingKey::Watch_time, "-20", "-20"},
        {SettingKey::illumi_on_time, "18:30", "18:30"},
        {SettingKey::illumi_on_time, "", ""},
        {SettingKey::illumi_off_time, "9:00", "9:00"},
        {SettingKey::Center, "50", " 50"},
    };
    for (const ParseCase& c : cases) {
        MeterSettings settings;
        ApplySettingText(c.key, c.stored, c.symbol, settings);
        EXPECT_EQ(FormatSetting(c.key, settings), c.expected)
            << SettingDefinition(c.key).name << " stored as \"" << c.stored << '"';
    }
}

TEST(SettingsTable, AFailedGuardRestoresTheDefaultOverAnEarlierValue) {
    MeterSettings settings;
    settings.Needle = 3;
    settings.Illumination = true;
    ApplySettingText(SettingKey::Needle, "", ".", settings);
    ApplySettingText(SettingKey::Illumination, "", ".", settings);
    EXPECT_EQ(settings.Needle, MeterMode::Cpu);
    EXPECT_FALSE(settings.Illumination);
}

TEST(SettingsTable, EveryKeyIsWrittenOnceInSectionBlocks) {
    std::set<std::string> written;
    std::vector<std::string> sectionRuns;
    for (SettingKey key : SettingsWriteOrder()) {
        const SettingDef& def = SettingDefinition(key);
        EXPECT_EQ(def.key, key) << def.name;
        EXPECT_TRUE(written.insert(def.name).second) << def.name << " written twice";
        if (sectionRuns.empty() || sectionRuns.back() != def.section)
            sectionRuns.push_back(def.section);
    }
    EXPECT_EQ(written.size(), 37u);
    EXPECT_EQ(sectionRuns, (std::vector<std::string>{"Coordinates", "View", "Movement", "Color", "Etc"}));
}

// Through the profile rules, which trim blanks and strip one pair of outer quotes on reading.
TEST(SettingsTable, WrittenValuesReadBackUnchanged) {
    MeterSettings original;
    original.Needle = 3;
    original.Illumination = true;
    original.Watch_time = -1;
    original.Needle_color = 0x00FFFFFF;
    for (const char* text : {"18:00", "", "\"\"", "\"18:30\"", "'x'", " 7:05", "7:05\t", "\"", "a\"b", "'a\""}) {
        original.illumi_on_time = text;
        original.illumi_off_time = std::string(text) + text;
        for (SettingKey key : SettingsWriteOrder()) {
            if (key == SettingKey::Left || key == SettingKey::Top)
                continue;
            const SettingDef& def = SettingDefinition(key);
            const std::string file = IniTextWrite("", def.section, def.name, FormatSetting(key, original));
            MeterSettings copy;
            ApplySettingText(key, IniTextRead(file, def.section, def.name), ".", copy);
            EXPECT_EQ(FormatSetting(key, copy), FormatSetting(key, original)) << def.name << " " << text;
        }
        EXPECT_EQ(FormatSetting(SettingKey::illumi_on_time, original).empty(), original.illumi_on_time.empty());
    }
}

}  // namespace
}  // namespace dorv
