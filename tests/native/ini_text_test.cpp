#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "settings/ini_text.h"
#include "settings/portable_ini_file.h"

namespace dorv {
namespace {

struct ReadCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::string expected;
};

const std::string kHandEdited =
    "; top comment\n\nTop = before any section  \n[ Coordinates ]\n  Left = 10  \n; note = with eq\n"
    "loose line\n\n\n[View]   \nSize=3\r\nQuoted=\"a b\"\nSingle='x'\nOpen=\"abc'\nLone=\"\nBlank=\"\"\n"
    "Inner=\"a\"b\"\nEq = a = b\n[Dup]\nk=1\nk=2\n[dup]\nk=3\nonly2=9\n[Misc]\n=x\n=y\nr=1\rs=2\r\r\nz\t=\t\x1a 3 "
    "\x1a\n"
    "[Hdr] junk\nh=1\n[bad\n[ ]\ne=1\n[a]b]\nk=2\n[Sec\xC4]\nk=1";

// The system reads and writes names and values as C strings.
constexpr char kZeros[] = "[S]\nk=ab\0cd\nq=\"x\0y\"\nn\0m=2\n";
const std::string kWithZeros(kZeros, sizeof kZeros - 1);

TEST(IniTextRead, FollowsTheSystemParser) {
    const std::vector<ReadCase> cases = {
        {"no text", "", "View", "Size", ""},
        {"absent section", kHandEdited, "Nope", "Size", ""},
        {"absent key", kHandEdited, "View", "Nope", ""},
        {"trimmed section header", kHandEdited, "coordinates", "left", "10"},
        {"blanks around lookup names", kHandEdited, " COORDINATES ", "\tLEFT ", "10"},
        {"keys before the first section", kHandEdited, "", "top", "before any section"},
        {"line without equals", kHandEdited, "Coordinates", "loose line", ""},
        {"comment found like a key", kHandEdited, "Coordinates", "; note", "with eq"},
        {"CR LF line end", kHandEdited, "View", "Size", "3"},
        {"double quotes stripped", kHandEdited, "View", "Quoted", "a b"},
        {"single quotes stripped", kHandEdited, "View", "Single", "x"},
        {"unmatched quotes kept", kHandEdited, "View", "Open", "\"abc'"},
        {"lone quote kept", kHandEdited, "View", "Lone", "\""},
        {"empty quotes", kHandEdited, "View", "Blank", ""},
        {"only outer quotes stripped", kHandEdited, "View", "Inner", "a\"b"},
        {"later equals signs belong to the value", kHandEdited, "View", "eq", "a = b"},
        {"first duplicate key wins", kHandEdited, "DUP", "k", "1"},
        {"later duplicate section unseen", kHandEdited, "Dup", "only2", ""},
        {"second nameless entry dropped", kHandEdited, "Misc", "", "x"},
        {"lone CR breaks lines", kHandEdited, "Misc", "s", "2"},
        {"tabs and Ctrl-Z are blanks", kHandEdited, "Misc", "z", "3"},
        {"text after header dropped", kHandEdited, "Hdr", "h", "1"},
        {"name ends at the last bracket", kHandEdited, "a]b", "k", "2"},
        {"nameless header hidden by the leading keys", kHandEdited, "", "e", ""},
        {"case folding is ASCII only", kHandEdited, "Sec\xE4", "k", ""},
        {"bytes match exactly", kHandEdited, "Sec\xC4", "K", "1"},
        {"UTF-8 mark skipped", "\xEF\xBB\xBF[A]\nx=1\n", "a", "x", "1"},
        {"value ends at a zero", kWithZeros, "S", "k", "ab"},
        {"quotes judged before the zero", kWithZeros, "S", "q", "\"x"},
        {"name ends at a zero", kWithZeros, "S", "n", "2"},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(IniTextRead(c.text, c.section, c.key), c.expected) << c.what;
    }
}

TEST(IniTextRead, CutsAt1023Characters) {
    struct Case {
        std::string value;
        std::string expected;
    };
    const std::string q = "\"";
    const std::vector<Case> cases = {
        {std::string(2000, 'a'), std::string(1023, 'a')},
        {std::string(1023, 'b'), std::string(1023, 'b')},
        {q + std::string(1021, 'c') + q, std::string(1021, 'c')},
        {q + std::string(1022, 'd') + q, std::string(1022, 'd')},
        // The system's own quirk: one character too many for the buffer costs the last kept one.
        {q + std::string(1023, 'e') + q, std::string(1022, 'e')},
        {q + std::string(1024, 'f') + q, std::string(1023, 'f')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniTextRead("[S]\nk=" + c.value + "\n", "S", "k"), c.expected) << c.value.size();
    }
}

struct Write {
    std::string section;
    std::string key;
    std::string value;
};

std::string Apply(std::string text, const std::vector<Write>& writes) {
    for (const Write& w : writes) {
        text = IniTextWrite(text, w.section, w.key, w.value);
    }
    return text;
}

TEST(IniTextWrite, ProducesTheSystemLayout) {
    struct Case {
        const char* what;
        std::string before;
        std::vector<Write> writes;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"new file, no blank lines, CR LF",
         "",
         {{"Coordinates", "Left", "0"},
          {"Coordinates", "Center", " 50"},
          {"Color", "illumi_on_time", ""},
          {"coordinates", "LEFT", "5"}},
         "[Coordinates]\r\nLeft=5\r\nCenter=50\r\n[Color]\r\nillumi_on_time=\r\n"},
        {"new key at the end of its section, not of the file",
         "[A]\r\nx=1\r\n[B]\r\ny=2\r\n",
         {{"a", "z", "3"}},
         "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\n"},
        {"hand edits normalised on any change",
         "; c\n\nTop = t  \n\n[ View ]  \n  Size = 3  \n; k = v\nloose  \n\n[Etc]\nA=1",
         {{"ETC", "a", "2"}},
         "; c\r\nTop=t\r\n[View]\r\nSize=3\r\n; k=v\r\nloose\r\n[Etc]\r\nA=2\r\n"},
        {"same value leaves the text untouched", "[A]\n x = 1 \n\n", {{"a", "X", "  1"}}, "[A]\n x = 1 \n\n"},
        {"line without equals gets a value", "[A]\nflag\n", {{"A", "FLAG", "on"}}, "[A]\r\nflag=on\r\n"},
        {"new names lose leading blanks only", "", {{" Sp ", " Key ", " v "}}, "[Sp ]\r\nKey =v \r\n"},
        {"first duplicate section takes new keys",
         "[D]\nk=1\n[d]\nk=2\n",
         {{"D", "k", "5"}, {"d", "n", "6"}},
         "[D]\r\nk=5\r\nn=6\r\n[d]\r\nk=2\r\n"},
        {"empty section name means the leading keys", "a=1\n[S]\n", {{"", "b", "2"}}, "a=1\r\nb=2\r\n[S]\r\n"},
        {"nameless header and second nameless entry vanish",
         "[S]\n=x\n=y\n[ ]\nk=1\n",
         {{"S", "n", "1"}},
         "[S]\r\n=x\r\nn=1\r\nk=1\r\n"},
        {"UTF-8 mark kept", "\xEF\xBB\xBF[A]\nx=1", {{"A", "x", "2"}}, "\xEF\xBB\xBF[A]\r\nx=2\r\n"},
        {"what follows a zero is not written back",
         kWithZeros,
         {{"S", "new", std::string("v\0w", 3)}},
         "[S]\r\nk=ab\r\nq=\"x\r\nn=2\r\nnew=v\r\n"},
        {"bytes kept as they are",
         "",
         {{"S\xC4", "k", "\x81\xA0\xFF"}, {"S\xE4", "k", "1"}},
         "[S\xC4]\r\nk=\x81\xA0\xFF\r\n[S\xE4]\r\nk=1\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Apply(c.before, c.writes), c.expected) << c.what;
    }
}

class PortableIniFileTest : public testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = std::filesystem::temp_directory_path() / ("dorv_ini_" + std::to_string(stamp));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    // PortableIniFile takes UTF-8 paths.
    std::string PathOf(const std::string& name) const {
        const std::u8string path = (folder_ / name).u8string();
        return std::string(path.begin(), path.end());
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::filesystem::path folder_;
    PortableIniFile ini_{"unused"};
};

TEST_F(PortableIniFileTest, WritesThroughAFileAndReportsAWriteThatFails) {
    const std::string path = PathOf("settings.ini");
    EXPECT_EQ(ini_.ReadString(path, "Coordinates", "Left"), "");
    ini_.WriteString(path, "Coordinates", "Left", "12");
    ini_.WriteString(path, "View", "Size", "3");
    EXPECT_EQ(Contents(path), "[Coordinates]\r\nLeft=12\r\n[View]\r\nSize=3\r\n");
    EXPECT_EQ(ini_.ReadString(path, "coordinates", "left"), "12");

    const std::string missing = PathOf("missing/settings.ini");
    const FileResult result = ini_.WriteString(missing, "View", "Size", "3");
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(PortableIniFileTest, ACopyReplacesTheFileWholeOrNotAtAll) {
    const std::string path = PathOf("meter.ini");
    const std::string copy = PathOf("meter.ini.tmp");
    std::ofstream(path, std::ios::binary) << "; mine\n[View]\nSize=3\n";
    std::ofstream(copy, std::ios::binary) << "left by a killed save";
    ASSERT_TRUE(ini_.CopyForSave(path, copy).ok);
    ASSERT_TRUE(ini_.WriteString(copy, "View", "Size", "4").ok);
    EXPECT_EQ(Contents(path), "; mine\n[View]\nSize=3\n");
    ASSERT_TRUE(ini_.ReplaceWith(path, copy).ok);
    EXPECT_EQ(Contents(path), "; mine\r\n[View]\r\nSize=4\r\n");
    EXPECT_FALSE(std::filesystem::exists(copy));

    // No file yet: the copy starts empty. A folder of the file's name cannot be saved over.
    const std::string fresh = PathOf("fresh.ini");
    std::ofstream(fresh + ".tmp", std::ios::binary) << "left by a killed save";
    EXPECT_TRUE(ini_.CopyForSave(fresh, fresh + ".tmp").ok);
    EXPECT_FALSE(std::filesystem::exists(fresh + ".tmp"));
    std::filesystem::create_directory(PathOf("folder.ini"));
    const FileResult folder = ini_.CopyForSave(PathOf("folder.ini"), PathOf("folder.ini.tmp"));
    EXPECT_FALSE(folder.ok);
    EXPECT_FALSE(folder.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(PathOf("folder.ini.tmp")));
}

}  // namespace
}  // namespace dorv
