// Dorvanix.exe as a user meets it: each test runs a private copy of the program, checks its dial window from
// outside, closes it and compares the meter.ini it saved beside itself byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
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
                                      "English=0\r\n"
                                      "[Movement]\r\n"
                                      "Move_quantity=5\r\n"
                                      "Watch_time=160\r\n"
                                      "Warning=85\r\n") +
                                  kDefaultColorAndEtc;

class DialWindowTest : public WineDialTest {
protected:
    // Borderless, titled, side x side at the place given and clipped to a circle.
    static void ExpectDialShape(HWND dial, int x, int y, int side = kDialSize) {
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
        EXPECT_EQ(rect.right - rect.left, side);
        EXPECT_EQ(rect.bottom - rect.top, side);

        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(dial, region), COMPLEXREGION);
        // The very circle the dial is drawn in, compared as point sets: Wine returns its own split into rectangles.
        HRGN circle = CreateEllipticRgn(0, 0, side, side);
        EXPECT_EQ(CombineRgn(circle, circle, region, RGN_XOR), NULLREGION);
        DeleteObject(circle);
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

// The prefix's display scale for the programs started while it lives (Wine reads it at each process's start),
// then the one before.
class ScopedLogPixels {
public:
    explicit ScopedLogPixels(DWORD dpi) {
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                            &key_, nullptr) != ERROR_SUCCESS)
            return;
        DWORD size = sizeof old_;
        hadOld_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
                  ERROR_SUCCESS;
        RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~ScopedLogPixels() {
        if (!key_)
            return;
        if (hadOld_)
            RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
        else
            RegDeleteValueW(key_, L"LogPixels");
        RegCloseKey(key_);
    }
    ScopedLogPixels(const ScopedLogPixels&) = delete;
    ScopedLogPixels& operator=(const ScopedLogPixels&) = delete;

private:
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool hadOld_ = false;
};

// The same meter.ini at 100 % and 150 %: the dial is drawn for the scale (size, round region, the needle at the
// memory load at scaled pixels, the readout inside the dial) and stands on the same spot in twips.
TEST_F(DialWindowTest, EachDisplayScaleGetsItsOwnSizeAndTheSamePlaceInTwips) {
    SetProcessDPIAware();  // this program reads the screen in real pixels too
    for (const int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        ScopedLogPixels logPixels(static_cast<DWORD>(dpi));
        const std::string file =
            "[Coordinates]\r\nLeft=1500\r\nTop=1500\r\n[View]\r\nNeedle=0\r\nNeedle_type=0\r\nLabel_view=1\r\n"
            "[Movement]\r\nMove_quantity=1\r\n";
        WriteBytes(Ini(), file);
        HWND dial = LaunchVisibleDial();
        ASSERT_TRUE(dial);
        const int side = MulDiv(100, dpi, 96);
        const int at = MulDiv(1500, dpi, 1440);
        ExpectDialShape(dial, at, at, side);
        RECT rect{};
        GetWindowRect(dial, &rect);

        // The needle (Needle_color 230: red) along the load's direction at a few scaled radii, and the readout's
        // light grey text in its scaled box, which lies inside the dial.
        const double f = dpi / 96.0;
        auto red = [](std::uint32_t p) {
            return ((p >> 16) & 0xFF) > 150 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90;
        };
        auto light = [](std::uint32_t p) {
            return ((p >> 16) & 0xFF) > 150 && ((p >> 8) & 0xFF) > 150 && (p & 0xFF) > 150;
        };
        std::string problem;
        const bool drawn = WaitUntil(
            [&] {
                const std::vector<std::uint32_t> pixels = CaptureScreen(rect);
                if (pixels.size() != static_cast<std::size_t>(side * side))
                    return false;
                auto hit = [&](double x, double y, auto test) {
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) {
                            const int px = static_cast<int>(std::lround(x)) + dx;
                            const int py = static_cast<int>(std::lround(y)) + dy;
                            if (px >= 0 && py >= 0 && px < side && py < side &&
                                test(pixels[static_cast<std::size_t>(py * side + px)]))
                                return true;
                        }
                    return false;
                };
                const int load = MemoryLoad();
                const double theta = (270 - 2.7 * load) * 3.14159265358979 / 180;
                problem.clear();
                for (double r : {15.0, 25.0, 35.0})
                    if (!hit((50 + r * std::cos(theta)) * f, (50 - r * std::sin(theta)) * f, red))
                        problem += " no needle at radius " + std::to_string(r) + " for load " + std::to_string(load);
                int text = 0;
                for (int y = static_cast<int>(69 * f); y < static_cast<int>(77 * f); ++y)
                    for (int x = static_cast<int>(56 * f); x < static_cast<int>(90 * f); ++x)
                        text += light(pixels[static_cast<std::size_t>(y * side + x)]) ? 1 : 0;
                if (text < 6)
                    problem += " readout has " + std::to_string(text) + " text pixels";
                return problem.empty();
            },
            5000);
        EXPECT_TRUE(drawn) << problem;
        CloseAndWait(dial);
        const std::string saved = ReadBytes(Ini());
        EXPECT_NE(saved.find("Left=1500\r\nTop=1500\r\n"), std::string::npos) << saved;
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
