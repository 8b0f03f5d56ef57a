// PortableIniFile and the host's Win32IniFile against the system's ANSI private-profile calls: the same steps on
// three files, compared byte for byte; the host's file lies in a folder the ANSI code page may not spell. And the
// program in a folder that takes no new files.

#include <cstddef>
#include <system_error>
#include <utility>

#include "hosts/win32/win32_ini_file.h"
#include "hosts/win32/win32_system_library.h"
#include "hosts/win32/win32_text.h"
#include "settings/portable_ini_file.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

struct Step {
    bool write;
    std::string section;
    std::string key;
    std::string value;  // writes only
};

Step W(std::string section, std::string key, std::string value) {
    return {true, std::move(section), std::move(key), std::move(value)};
}
Step R(std::string section, std::string key) {
    return {false, std::move(section), std::move(key), {}};
}

struct Scenario {
    const char* name;
    std::optional<std::string> initial;  // none: the file does not exist
    std::vector<Step> steps;
};

class IniCompatTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ =
            (std::filesystem::temp_directory_path() / ("dorv_ini_" + std::to_string(GetCurrentProcessId()))).string() +
            "\\";
        TearDown();  // what a crashed run left
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        for (const wchar_t* name : kHostFolders)
            ASSERT_TRUE(CreateDirectoryW((Widen(folder_) + name).c_str(), nullptr));
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
    }

    // Runs the steps through the implementations, each on its own file, and compares after every step.
    // A file younger than about two seconds is always reread by the system, as PortableIniFile rereads it.
    // The host's file takes the scenarios in turns in each folder; its name has no short form to fall back on.
    void Run(const Scenario& scenario, bool withHost = true) {
        SCOPED_TRACE(scenario.name);
        const std::string id = std::to_string(++count_);
        const std::string systemPath = folder_ + "system_" + id + ".ini";
        const std::string portablePath = folder_ + "portable_" + id + ".ini";
        const std::string hostPath = Narrow(Widen(folder_) + kHostFolders[count_ % 2] + L"\\設定_") + id + ".ini";
        if (scenario.initial) {
            WriteBytes(systemPath, *scenario.initial);
            WriteBytes(portablePath, *scenario.initial);
            WriteBytes(Widen(hostPath), *scenario.initial);
        }
        for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
            const Step& step = scenario.steps[i];
            SCOPED_TRACE("step " + std::to_string(i) + " [" + step.section + "] " + step.key);
            if (step.write) {
                WritePrivateProfileStringA(step.section.c_str(), step.key.c_str(), step.value.c_str(),
                                           systemPath.c_str());
                portable_.WriteString(portablePath, step.section, step.key, step.value);
                ASSERT_EQ(ReadBytes(portablePath), ReadBytes(systemPath));
                if (withHost) {
                    ASSERT_TRUE(host_.WriteString(hostPath, step.section, step.key, step.value).ok);
                    ASSERT_EQ(ReadBytes(Widen(hostPath)), ReadBytes(systemPath));
                }
            } else {
                char read[1024];
                const DWORD length = GetPrivateProfileStringA(step.section.c_str(), step.key.c_str(), "", read,
                                                              sizeof read, systemPath.c_str());
                EXPECT_EQ(portable_.ReadString(portablePath, step.section, step.key), std::string(read, length));
                if (withHost) {
                    EXPECT_EQ(host_.ReadString(hostPath, step.section, step.key), std::string(read, length));
                }
            }
        }
    }

    static constexpr const wchar_t* kHostFolders[] = {L"メーター", L"André"};
    std::string folder_;
    int count_ = 0;
    PortableIniFile portable_{"unused"};
    Win32IniFile host_;
};

TEST_F(IniCompatTest, FullSettingsFromNoFileThenHandEditedFiles) {
    Scenario scenario{
        "full settings",
        std::nullopt,
        {W("Coordinates", "Left", "0"), W("Coordinates", "Top", "0"), W("Coordinates", "Center", " 50"),
         W("View", "Size", " 100"), W("View", "Transparency", " 255"), W("View", "TopMost", "True"),
         W("View", "Skin", ""), W("Movement", "Speed", "-1"), W("Movement", "Snap", "False"),
         W("Color", "Background", " 255"), W("Color", "illumi_on_time", ""), W("Color", "illumi_off_time", ""),
         W("Color", "Text", "-1"), W("Etc", "Language", "English"), W("Etc", "FirstRun", "True")}};
    const std::vector<Step> settings = scenario.steps;
    // A read of the missing file first; a second pass that changes nothing and must leave the bytes alone.
    scenario.steps.insert(scenario.steps.begin(), R("Coordinates", "Left"));
    scenario.steps.insert(scenario.steps.end(), settings.begin(), settings.end());
    for (const Step& step : settings)
        scenario.steps.push_back(R(step.section, step.key));
    for (const Step& step :
         {W("coordinates", "LEFT", "640"), W("COLOR", "illumi_on_time", "1200"), W("etc", "NewKey", " x "),
          W("View", "Transparency", "255"), W("Extra", "A", "1"), R("color", "ILLUMI_ON_TIME"), R("Etc", "newkey")})
        scenario.steps.push_back(step);
    Run(scenario);
    const char zeros[] = "[S]\r\nk=ab\0cd\r\nq=\"x\0y\"\r\nn\0m=2\r\n[Z\0z]\r\nw=1\r\n";
    const std::string tricky =
        "; top comment\n\nTop = before any section  \n[ Coordinates ]\n  Left = 10  \n; note = with eq\n"
        "loose line\n\n\n[View]   \nSize=3\r\nQuoted=\"a b\"\nSingle='x'\nOpen=\"abc'\nLone=\"\nBlank=\"\"\n"
        "Inner=\"a\"b\"\n[Dup]\nk=1\nk=2\n[dup]\nk=3\nonly2=9\n[Misc]\n=x\n=y\nr=1\rs=2\r\r\nz\t=\t\x1a 3 \x1a\n"
        "[Hdr] junk\nh=1\n[bad\n[ ]\ne=1\n[a]b]\nk=1";
    std::vector<Step> reads;
    for (const char* key : {"Quoted", "single", "OPEN", "Lone", "Blank", "Inner", "Size", "none"})
        reads.push_back(R("view", key));
    for (const Step& step :
         {R("coordinates", "left"), R(" Coordinates ", " Left "), R("", "top"), R("Coordinates", "loose line"),
          R("Coordinates", "; note"), R("dup", "k"), R("DUP", "only2"), R("Misc", ""), R("Misc", "s"), R("Misc", "z"),
          R("Hdr", "h"), R("", "e"), R("a]b", "k"), R("Nope", "k")})
        reads.push_back(step);
    const std::vector<Scenario> scenarios = {
        {"tricky reads", tricky, reads},
        {"unchanged write keeps the text", tricky, {W("View", "size", "3"), W("coordinates", "LEFT", " 10")}},
        {"tricky writes",
         tricky,
         {W("Dup", "only2", "5"), W("misc", "", "y"), W("View", "Quoted", "plain"), W("Coordinates", "loose line", "1"),
          W("", "Top", "t"), W("New", "k", "v")}},
        {"CR LF, no final newline, keys first",
         "Lead=1\r\nlead2 = 2\r\n[MiXed]\r\nKeY = Val\r\n\r\n[Other]\r\nx=1",
         {W("mixed", "key", "new"), W("MIXED", "added", "a"), W("other", "X", "1"), W("other", "y", " 2"),
          R("Mixed", "KEY")}},
        {"LF only, odd spacing",
         "[Coordinates]\nLeft   =   5\nTop=\t7 \n\n\n[View]\n  Size= 3\n",
         {W("Coordinates", "Top", "8"), W("Coordinates", "Center", " 50"), W("View", "Size", "3")}},
        {"names with blanks", std::nullopt, {W(" Sp ", " Key ", " v "), W("sp", "key", "v"), R(" SP", "KEY ")}},
        {"UTF-8 mark", "\xEF\xBB\xBF[A]\nx=1\n", {R("a", "x"), W("A", "x", "2"), W("B", "y", "3")}},
        // Blanks before the mark keep it from being one, until a rewrite trims them.
        {"UTF-8 mark after blanks",
         "     \xEF\xBB\xBF[Coordinates]\r\nLeft=\"x\"\\b\n\n]a[123]\r",
         {R("Coordinates", "Left"), W("View", "Hide_Meter", "   18:30"), R("Coordinates", "Left"), R("", "Left"),
          W("View", "Hide_Meter", "1")}},
        {"empty file", "", {W("A", "x", "1")}},
        {"blank lines only", "\n\r\n  \n", {W("A", "x", "1"), W("", "lead", "2")}},
        {"long values",
         "[L]\nq1=\"" + std::string(1022, 'b') + "\"\nq2=\"" + std::string(1023, 'c') + "\"\nq3=\"" +
             std::string(1024, 'd') + "\"\n",
         {W("L", "long", std::string(2000, 'a')), R("L", "long"), R("L", "q1"), R("L", "q2"), R("L", "q3")}},
        // The program wraps a text with outer quotes or blanks in one more pair, which the reader removes.
        {"quoted texts",
         std::nullopt,
         {W("Color", "a", "\"\"\"\""), W("Color", "b", "\"'x'\""), W("Color", "c", "\" 7:05 \""), R("Color", "a"),
          R("Color", "b"), R("Color", "c")}},
        {"embedded zeros",
         std::string(zeros, sizeof zeros - 1),
         {R("S", "k"), R("S", "q"), R("S", "n"), R("Z", "w"), W("S", "k", "ab"), W("S", "new", std::string("v\0w", 3)),
          R("S", "new")}},
    };
    for (const Scenario& edited : scenarios)
        Run(edited);
}

// Code page 1252 bytes and ASCII-only case folding; the host's UTF-8 text stays in the code page, as the ANSI calls
// made it.
TEST_F(IniCompatTest, AnsiBytes) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "these bytes are chosen for code page 1252";
    Run({"bytes and ASCII-only case folding",
         "[Sec\xC4]\nk=1\n",
         {R("Sec\xE4", "k"), W("Sec\xE4", "K\xC4y", "\x81\x8D\x8F\x90\x9D\xA0\xFF"), R("sec\xE4", "k\xC4y"),
          W("SEC\xC4", "k", "\xA0v")}},
        false);
    const std::string path = Narrow(Widen(folder_) + kHostFolders[0] + L"\\meter.ini");
    ASSERT_TRUE(host_.WriteString(path, "Color", "illumi_on_time", "é 18:30").ok);
    EXPECT_EQ(ReadBytes(Widen(path)), "[Color]\r\nillumi_on_time=\xE9 18:30\r\n");
    EXPECT_EQ(host_.ReadString(path, "color", "ILLUMI_ON_TIME"), "é 18:30");
}

namespace fs = std::filesystem;

// Whether a new file can be made in the folder; the file is gone again at once.
bool TakesNewFiles(const fs::path& folder) {
    HANDLE probe = CreateFileW((folder / L"probe").c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                               FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    return probe != INVALID_HANDLE_VALUE && CloseHandle(probe);
}

// The program's folder closed to new files for real: Wine runs chattr from its unix path, and the kernel then
// refuses new entries even to root, which ignores permissions and Wine's read-only attribute. False where that
// cannot be done (not Wine, no chattr, a file system without the mark).
bool CloseFolder(const fs::path& folder, bool closed) {
    using UnixName = char*(CDECL*)(const wchar_t*);
    const auto unixName = Proc<UnixName>(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name");
    char* name = unixName ? unixName(folder.c_str()) : nullptr;
    if (!name)
        return false;
    std::wstring command =
        std::wstring(L"Z:\\usr\\bin\\chattr ") + (closed ? L"+i" : L"-i") + L" \"" + Widen(name) + L"\"";
    HeapFree(GetProcessHeap(), 0, name);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return WaitUntil([&] { return TakesNewFiles(folder) != closed; },
                     20000);  // a loaded machine starts the unix command slowly
}

class ClosedFolderTest : public WineDialTest {
protected:
    void SetUp() override {
        WineDialTest::SetUp();
        wchar_t appData[MAX_PATH] = {};
        ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
        userFolder_ = fs::path(appData) / L"Dorvanix";
        std::error_code ignored;
        fs::remove_all(userFolder_, ignored);
    }
    void TearDown() override {
        EXPECT_TRUE(!closed_ || TakesNewFiles(folder_) || CloseFolder(folder_, false)) << "still closed";
        SetFileAttributesW(Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::error_code ignored;
        fs::remove_all(userFolder_, ignored);
        WineDialTest::TearDown();
    }

    fs::path userFolder_;
    bool closed_ = false;
};

// A writable meter.ini is saved in place; a read-only one goes to the user's folder, which the next start reads.
TEST_F(ClosedFolderTest, SavesInPlaceOrInTheUsersFolder) {
    const std::string placed = PlacedAtTheTestSpot();
    WriteBytes(Ini(), placed);
    closed_ = true;
    if (!CloseFolder(folder_, true))
        GTEST_SKIP() << "no way here to close a folder to new files";

    CloseAndWait(StartPlaced(placed));
    EXPECT_NE(ReadBytes(Ini()).find("[Etc]"), std::string::npos) << "not saved in place";
    EXPECT_FALSE(fs::exists(userFolder_));

    // Keys to add, so the save must write: a profile write of an unchanged value touches nothing.
    WriteBytes(Ini(), placed);
    ASSERT_TRUE(SetFileAttributesW(Ini().c_str(), FILE_ATTRIBUTE_READONLY));
    CloseAndWait(LaunchDial());
    const fs::path userFile = userFolder_ / L"meter.ini";
    const std::string saved = ReadBytes(userFile);
    EXPECT_EQ(saved.rfind(placed, 0), 0u) << saved;
    EXPECT_EQ(ReadBytes(Ini()), placed);

    std::string hidden = saved;
    const std::size_t hide = hidden.find("Hide_Meter=0");
    ASSERT_NE(hide, std::string::npos);
    WriteBytes(userFile, hidden.replace(hide, 12, "Hide_Meter=1"));
    CloseAndWait(LaunchDial(false));
}

}  // namespace
}  // namespace dorv
