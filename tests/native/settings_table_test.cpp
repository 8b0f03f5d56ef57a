#include <gtest/gtest.h>

#include <string>

#include "settings/ini_text.h"
#include "settings/settings_table.h"

namespace dorv {
namespace {

// Each text lands on a record whose field already holds what "1" gives, so a failed guard must bring the
// default back rather than keep the earlier value.
TEST(SettingsTable, StoredTextReplacesTheDefaultOnlyWhenItsGuardPasses) {
    struct Case {
        SettingKey key;
        const char* stored;
        const char* expected;  // the field as it is written back
        const char* symbol = ".";
    };
    const Case cases[] = {
        {SettingKey::Needle, "3.5", " 4"},
        {SettingKey::Needle, "2.5", " 2"},
        {SettingKey::Needle, "7", " 7"},
        {SettingKey::Needle, "", " 2"},
        {SettingKey::Needle, "clock", " 2"},
        {SettingKey::Needle, "40000", " 2"},
        {SettingKey::Transparency, "0", " 255"},
        {SettingKey::Transparency, "300", " 255"},
        {SettingKey::Transparency, "1", " 1"},
        {SettingKey::Zanzo_max, "9", " 5"},
        {SettingKey::Zanzo_max, "-3", "-3"},
        {SettingKey::Needle_color, "16777215", " 16777215"},
        {SettingKey::Needle_color, "3000000000", " 230"},
        {SettingKey::Illumination, "-1", "True"},
        {SettingKey::Illumination, "", "False"},
        {SettingKey::Illumination, "maybe", "False"},
        {SettingKey::English, "1.5", " 2"},
        {SettingKey::English, "1abc", " 0"},
        {SettingKey::English, "1,5", " 1", ","},  // the leading number ends at the comma
        {SettingKey::Watch_time, "1,5", " 2", ","},
        {SettingKey::adjusted_flg, "0", " 0"},
        {SettingKey::adjusted_flg, "99999", " 1"},
        {SettingKey::max_beep_flg, "x", " 0"},
        {SettingKey::illumi_on_time, "18:30", "18:30"},
        {SettingKey::illumi_off_time, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(SettingDefinition(c.key).name) + " stored as \"" + c.stored + '"');
        MeterSettings settings;
        ApplySettingText(c.key, "1", ".", settings);
        ApplySettingText(c.key, c.stored, c.symbol, settings);
        EXPECT_EQ(FormatSetting(c.key, settings), c.expected);
    }
}

// Through the profile rules, which trim blanks and strip one pair of outer quotes on reading.
TEST(SettingsTable, WrittenTextsReadBackUnchanged) {
    for (const char* text : {"18:00", "", "\"\"", "\"18:30\"", "'x'", " 7:05", "7:05\t", "\"", "a\"b", "'a\""}) {
        MeterSettings original, copy;
        original.illumi_on_time = text;
        const std::string file =
            IniTextWrite("", "Color", "illumi_on_time", FormatSetting(SettingKey::illumi_on_time, original));
        ApplySettingText(SettingKey::illumi_on_time, IniTextRead(file, "Color", "illumi_on_time"), ".", copy);
        EXPECT_EQ(copy.illumi_on_time, text);
    }
}

}  // namespace
}  // namespace dorv
