#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
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
        {q + std::string(1022, 'd') + q, std::string(1022, 'd')},
        // The system's own quirk: one character too many for the buffer costs the last kept one.
        {q + std::string(1023, 'e') + q, std::string(1022, 'e')},
        {q + std::string(1024, 'f') + q, std::string(1023, 'f')},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IniTextRead("[S]\nk=" + c.value + "\n", "S", "k"), c.expected) << c.value.size();
    }
}

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Reading and writing through a file are compared with the system's own calls under Wine; here the save's copy.
TEST(PortableIniFile, ACopyReplacesTheFileWholeOrNotAtAllAndAFailureIsReported) {
    const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() /
            ("dorv_ini_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() { std::filesystem::remove_all(path); }
        std::string operator/(const char* name) const { return (path / name).string(); }
    } folder;
    PortableIniFile ini("unused");
    const std::string path = folder / "meter.ini";
    const std::string copy = folder / "meter.ini.tmp";
    std::ofstream(path, std::ios::binary) << "; mine\n[View]\nSize=3\n";
    std::ofstream(copy, std::ios::binary) << "left by a killed save";
    ASSERT_TRUE(ini.CopyForSave(path, copy).ok);
    ASSERT_TRUE(ini.WriteString(copy, "View", "Size", "4").ok);
    EXPECT_EQ(Contents(path), "; mine\n[View]\nSize=3\n");
    ASSERT_TRUE(ini.ReplaceWith(path, copy).ok);
    EXPECT_EQ(Contents(path), "; mine\r\n[View]\r\nSize=4\r\n");
    EXPECT_FALSE(std::filesystem::exists(copy));

    // No file yet: the copy starts empty. A folder of the file's name cannot be saved over, nor can a file be
    // written in a folder that is not there.
    const std::string fresh = folder / "fresh.ini";
    std::ofstream(fresh + ".tmp", std::ios::binary) << "left by a killed save";
    EXPECT_TRUE(ini.CopyForSave(fresh, fresh + ".tmp").ok);
    EXPECT_FALSE(std::filesystem::exists(fresh + ".tmp"));
    std::filesystem::create_directory(folder / "folder.ini");
    for (const FileResult& failed : {ini.CopyForSave(folder / "folder.ini", folder / "folder.ini.tmp"),
                                     ini.WriteString(folder / "missing/meter.ini", "View", "Size", "3")}) {
        EXPECT_FALSE(failed.ok);
        EXPECT_FALSE(failed.reason.empty());
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "folder.ini.tmp"));
}

}  // namespace
}  // namespace dorv
