// Dorvanix.exe as a user meets it: each test runs a private copy of the program, checks its dial window from
// outside, closes it and compares the meter.ini it saved beside itself byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/win32/win32_text.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

// Wine's WritePrivateProfileStringA drops the leading blank the program writes before a non-negative
// integer (" 50"), so every such value reads "=50" here.
constexpr char kDefaultColorAndEtc[] =
    "[Color]\r\n"
    "Illumination=False\r\n"
    "illumi_on_time=\r\n"
    "illumi_off_time=\r\n"
    "Needle_color=230\r\n"
    "Needle_shadow_color=170\r\n"
    "Needle_color2=7237230\r\n"
    "Needle_shadow_color2=4605510\r\n"
    "Second_color=11842740\r\n"
    "Font_color=13158600\r\n"
    "Illumi_needle_color=658175\r\n"
    "Illumi_needle_shadow_color=658100\r\n"
    "Illumi_needle_color2=5921370\r\n"
    "Illumi_needle_shadow_color2=3289650\r\n"
    "Illumi_second_color=15132390\r\n"
    "Illumi_font_color=5944410\r\n"
    "[Etc]\r\n"
    "max_beep_flg=0\r\n"
    "down_beep_flg=0\r\n"
    "meter_move_flg=0\r\n"
    "adjusted_flg=1\r\n";

constexpr char kDefaultMovement[] =
    "[Movement]\r\n"
    "Move_quantity=5\r\n"
    "Watch_time=160\r\n"
    "Warning=85\r\n";

const std::string kFirstRunFile = std::string(
                                      "[Coordinates]\r\n"
                                      "Left=0\r\n"
                                      "Top=0\r\n"
                                      "Center=50\r\n"
                                      "[View]\r\n"
                                      "Transparency=255\r\n"
                                      "Mouse_Cancel=0\r\n"
                                      "Top_view=0\r\n"
                                      "Needle=2\r\n"
                                      "Needle_type=1\r\n"
                                      "Label_view=0\r\n"
                                      "Mode_view=0\r\n"
                                      "Icon_view=0\r\n"
                                      "Hide_Meter=0\r\n"
                                      "Zanzo_view=0\r\n"
                                      "Zanzo_max=2\r\n"
                                      "English=0\r\n") +
                                  kDefaultMovement + kDefaultColorAndEtc;

class DialWindowTest : public WineDialTest {
protected:
    // Borderless, titled, 100 x 100 at the place given and clipped to a circle.
    static void ExpectDialShape(HWND dial, int x, int y) {
        const auto style = static_cast<DWORD>(GetWindowLongW(dial, GWL_STYLE));
        EXPECT_NE(style & WS_POPUP, 0u);
        EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0u) << std::hex << style;
        EXPECT_NE(GetWindow(dial, GW_OWNER), nullptr) << "an unowned dial would get a taskbar button";
        wchar_t title[64] = {};
        GetWindowTextW(dial, title, 64);
        EXPECT_EQ(std::wstring(title), L"Dorvanix");

        RECT rect{};
        ASSERT_TRUE(GetWindowRect(dial, &rect));
        EXPECT_EQ(rect.left, x);
        EXPECT_EQ(rect.top, y);
        EXPECT_EQ(rect.right - rect.left, kDialSize);
        EXPECT_EQ(rect.bottom - rect.top, kDialSize);

        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(dial, region), COMPLEXREGION);
        // The very circle the dial is drawn in, compared as point sets: Wine returns its own split into rectangles.
        HRGN circle = CreateEllipticRgn(0, 0, kDialSize, kDialSize);
        EXPECT_EQ(CombineRgn(circle, circle, region, RGN_XOR), NULLREGION);
        DeleteObject(circle);
        EXPECT_TRUE(PtInRegion(region, kDialSize / 2, kDialSize / 2));
        EXPECT_FALSE(PtInRegion(region, 2, 2));
        DeleteObject(region);
    }
};

// Without /F taskkill only posts WM_CLOSE to the program's top-level windows; its exit code, or -1.
int RunTaskkill() {
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring taskkill = std::wstring(system) + L"\\taskkill.exe";
    std::wstring command = L"taskkill.exe /IM Dorvanix.exe";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(taskkill.c_str(), command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &info))
        return -1;
    CloseHandle(info.hThread);
    if (WaitForSingleObject(info.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(info.hProcess, 99);
    DWORD code = 99;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

// Every orderly end writes the same first file: a close, the end of the Windows session (no close comes at
// logoff) and taskkill without /F.
TEST_F(DialWindowTest, FirstRunShowsDialAtOriginAndEveryOrderlyEndSavesDefaults) {
    for (const char* way : {"close", "end of session", "taskkill"}) {
        SCOPED_TRACE(way);
        std::filesystem::remove(Ini());
        HWND dial = LaunchVisibleDial();
        ASSERT_TRUE(dial);
        if (way == std::string("close")) {
            ExpectDialShape(dial, 0, 0);
            EXPECT_FALSE(IsTopmost(dial));
            ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
        } else if (way == std::string("end of session")) {
            ASSERT_TRUE(PostMessageW(dial, WM_ENDSESSION, TRUE, 0));
        } else {
            EXPECT_EQ(RunTaskkill(), 0);
        }
        ExpectCleanExit();
        EXPECT_EQ(ReadBytes(Ini()), kFirstRunFile);
    }
}

TEST_F(DialWindowTest, HandEditedFileIsPulledOnScreenAndRewrittenInPlace) {
    // Stored positions far off the right and above the top: the start-up correction brings the dial back.
    WriteBytes(Ini(),
               "[Coordinates]\r\n"
               "Left=99999\r\n"
               "Top=-5000\r\n"
               "[View]\r\n"
               "Needle=0\r\n"
               "Top_view=1\r\n"
               "needle_TYPE = 0\r\n"
               "  zanzo_MAX=9\r\n"
               "[movement]\r\n"
               "WATCH_TIME = 500\r\n");
    const int dpi = ScreenDpiX();
    ASSERT_GT(dpi, 0);
    const double twipsPerPixel = 1440.0 / dpi;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const double screenWidthTwips = screenWidth * twipsPerPixel;
    // Left + 1000 past the right edge puts the dial flush right; a top more than 1000 above the screen becomes 0.
    ASSERT_GT(99999 + 1000, screenWidthTwips) << "a screen this wide needs a larger stored Left";
    const int expectedX = screenWidth - kDialSize;
    const int expectedY = 0;
    const double leftTwips = expectedX * twipsPerPixel;
    if (leftTwips != static_cast<double>(static_cast<std::int64_t>(leftTwips)))
        GTEST_SKIP() << "at " << dpi << " dpi the saved Left has a fraction; this text expects whole twips";

    HWND dial = LaunchVisibleDial();
    ASSERT_TRUE(dial);
    ExpectDialShape(dial, expectedX, expectedY);
    EXPECT_TRUE(IsTopmost(dial));
    CloseAndWait(dial);

    // Existing keys keep their place and spelling; missing keys close their section, missing sections the file.
    const std::string position = "Left=" + std::to_string(static_cast<std::int64_t>(leftTwips)) + "\r\n" +
                                 "Top=" + std::to_string(expectedY) + "\r\n";
    const std::string expected = "[Coordinates]\r\n" + position +
                                 "Center=50\r\n"
                                 "[View]\r\n"
                                 "Needle=0\r\n"
                                 "Top_view=1\r\n"
                                 "needle_TYPE=0\r\n"
                                 "zanzo_MAX=5\r\n"
                                 "Transparency=255\r\n"
                                 "Mouse_Cancel=0\r\n"
                                 "Label_view=0\r\n"
                                 "Mode_view=0\r\n"
                                 "Icon_view=0\r\n"
                                 "Hide_Meter=0\r\n"
                                 "Zanzo_view=0\r\n"
                                 "English=0\r\n"
                                 "[movement]\r\n"
                                 "WATCH_TIME=500\r\n"
                                 "Move_quantity=5\r\n"
                                 "Warning=85\r\n" +
                                 kDefaultColorAndEtc;
    EXPECT_EQ(ReadBytes(Ini()), expected);
}

TEST_F(DialWindowTest, HiddenMeterStaysHiddenAndStillSavesOnClose) {
    WriteBytes(Ini(), "[View]\r\nHide_Meter=1\r\n");
    Launch();
    ASSERT_FALSE(HasFatalFailure());
    HWND dial = FindDial();
    ASSERT_TRUE(dial);
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(dial) != FALSE; }, 2000)) << "hidden dial was shown";
    CloseAndWait(dial);

    const std::string expected = std::string(
                                     "[View]\r\n"
                                     "Hide_Meter=1\r\n"
                                     "Transparency=255\r\n"
                                     "Mouse_Cancel=0\r\n"
                                     "Top_view=0\r\n"
                                     "Needle=2\r\n"
                                     "Needle_type=1\r\n"
                                     "Label_view=0\r\n"
                                     "Mode_view=0\r\n"
                                     "Icon_view=0\r\n"
                                     "Zanzo_view=0\r\n"
                                     "Zanzo_max=2\r\n"
                                     "English=0\r\n"
                                     "[Coordinates]\r\n"
                                     "Left=0\r\n"
                                     "Top=0\r\n"
                                     "Center=50\r\n") +
                                 kDefaultMovement + kDefaultColorAndEtc;
    EXPECT_EQ(ReadBytes(Ini()), expected);
}

std::wstring SystemReason(DWORD error) {
    wchar_t text[512] = {};
    DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                  512, nullptr);
    while (length > 0 && (text[length - 1] == L'\r' || text[length - 1] == L'\n' || text[length - 1] == L' '))
        --length;
    return std::wstring(text, length);
}

TEST_F(DialWindowTest, AKillDuringTheSaveLeavesTheOldFileOrTheWholeNewOne) {
    // Years of notes make each of the save's writes rewrite a large file: the save takes a while.
    std::string kept = "[Coordinates]\r\nLeft=1500\r\nTop=1500\r\n[View]\r\nNeedle=0\r\n[Notes]\r\n";
    for (int line = 0; line < 10000; ++line)
        kept += "; " + std::to_string(line) + ": the dial sat beside the clock, memory at forty per cent\r\n";
    const std::filesystem::path work = folder_ / L"meter.ini.tmp";

    WriteBytes(Ini(), kept);
    HWND dial = LaunchVisibleDial();
    ASSERT_TRUE(dial);
    const ULONGLONG asked = GetTickCount64();
    CloseAndWait(dial);
    const ULONGLONG saveMs = GetTickCount64() - asked;
    const std::string saved = ReadBytes(Ini());
    ASSERT_NE(saved, kept);
    ASSERT_NE(saved.find("Needle=0\r\n"), std::string::npos);
    ASSERT_NE(saved.find("; 9999: the dial"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(work));

    // Killed as taskkill /F does, at once and at quarters of the time the whole save took.
    int midSave = 0;
    for (ULONGLONG quarter = 0; quarter < 4; ++quarter) {
        SCOPED_TRACE("killed after " + std::to_string(quarter) + "/4 of " + std::to_string(saveMs) + " ms");
        WriteBytes(Ini(), kept);
        dial = LaunchVisibleDial();
        ASSERT_TRUE(dial);
        ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
        Sleep(static_cast<DWORD>(saveMs * quarter / 4));
        TerminateProcess(process_, 1);
        ASSERT_EQ(WaitForSingleObject(process_, 10000), WAIT_OBJECT_0);
        const std::string file = ReadBytes(Ini());
        EXPECT_TRUE(file == kept || file == saved) << "meter.ini is " << file.size() << " bytes";
        midSave += std::filesystem::exists(work) ? 1 : 0;
    }

    // The next orderly close saves over whatever the killed one left behind.
    WriteBytes(Ini(), kept);
    dial = LaunchVisibleDial();
    ASSERT_TRUE(dial);
    CloseAndWait(dial);
    EXPECT_EQ(ReadBytes(Ini()), saved);
    EXPECT_FALSE(std::filesystem::exists(work));
    // On a busy machine the kills may all miss the save: then nothing above tested it.
    if (midSave == 0)
        GTEST_SKIP() << "no kill landed inside the save";
}

TEST_F(DialWindowTest, AFailedSaveIsToldAndTheOldFileKept) {
    const std::string readOnlyText = "[View]\r\nEnglish=1\r\n";
    struct Case {
        const char* what;
        bool folder;  // a folder named meter.ini; otherwise a read-only file
        UINT close;
        const wchar_t* told;  // nullptr: no message at the end of the session
    };
    const Case cases[] = {
        {"folder", true, WM_CLOSE, L"設定を次のファイルに保存できませんでした。"},
        {"read-only file, English", false, WM_CLOSE, L"The settings could not be saved to"},
        {"folder at the end of the session", true, WM_ENDSESSION, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code error;
        std::filesystem::remove_all(Ini(), error);
        if (c.folder) {
            ASSERT_TRUE(std::filesystem::create_directory(Ini()));
        } else {
            WriteBytes(Ini(), readOnlyText);
            ASSERT_TRUE(SetFileAttributesW(Ini().c_str(), FILE_ATTRIBUTE_READONLY));
        }
        HWND dial = LaunchVisibleDial();
        ASSERT_TRUE(dial);
        ASSERT_TRUE(PostMessageW(dial, c.close, c.close == WM_ENDSESSION ? TRUE : 0, 0));
        if (c.told) {
            std::vector<HWND> boxes;
            ASSERT_TRUE(WaitUntil([&] { return !(boxes = TopWindows(pid_, kDialogClass, true)).empty(); }, 20000))
                << "nothing told";
            HWND box = boxes.front();
            wchar_t title[64] = {};
            wchar_t text[1024] = {};
            GetWindowTextW(box, title, 64);
            GetDlgItemTextW(box, 0xFFFF, text, 1024);  // a message box's text control
            const std::wstring message = text;
            EXPECT_EQ(std::wstring(title), L"Dorvanix");
            EXPECT_NE(message.find(c.told), std::wstring::npos) << Narrow(message);
            EXPECT_NE(message.find(Ini().wstring()), std::wstring::npos) << Narrow(message);
            EXPECT_NE(message.find(SystemReason(ERROR_ACCESS_DENIED)), std::wstring::npos) << Narrow(message);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        ExpectCleanExit();
        EXPECT_FALSE(std::filesystem::exists(folder_ / L"meter.ini.tmp"));
        if (c.folder) {
            EXPECT_TRUE(std::filesystem::is_directory(Ini()));
        } else {
            EXPECT_EQ(ReadBytes(Ini()), readOnlyText);
            SetFileAttributesW(Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    }
}

}  // namespace
}  // namespace dorv
