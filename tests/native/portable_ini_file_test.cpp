#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>

#include "settings/portable_ini_file.h"

namespace dorv {
namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Reading and writing through a file are compared with the system's own calls under Wine; here an unchanged write
// and the save's copy.
TEST(PortableIniFile, ACopyReplacesTheFileWholeOrNotAtAllAndAFailureIsReported) {
    const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() /
            ("dorv_ini_" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        Folder() { std::filesystem::create_directories(path); }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::string operator/(const char* name) const { return (path / name).string(); }
    } folder;
    PortableIniFile ini("unused");
    const std::string path = folder / "meter.ini";
    const std::string copy = folder / "meter.ini.tmp";
    std::ofstream(path, std::ios::binary) << "; mine\n[View]\nSize=3\n";
    std::ofstream(copy, std::ios::binary) << "left by a killed save";
    ASSERT_TRUE(ini.WriteString(path, "view", "size", "3").ok);  // unchanged: the file keeps its bytes
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
