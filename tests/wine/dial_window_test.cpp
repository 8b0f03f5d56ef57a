// A private Dorvanix.exe ended in each way a session can, and the meter.ini it saved beside itself.

#include <system_error>
#include <utility>

#include "hosts/win32/win32_text.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

using DialWindowTest = WineDialTest;

// Every orderly end writes the same whole first file: a close, the end of the Windows session (no close comes at
// logoff) and a close to each of the program's top-level windows, as taskkill without /F sends.
TEST_F(DialWindowTest, EveryOrderlyEndSavesTheSameFirstRunFile) {
    std::string first;
    for (const char* way : {"close", "end of session", "close to every window"}) {
        SCOPED_TRACE(way);
        std::filesystem::remove(Ini());
        HWND dial = LaunchDial();
        ASSERT_TRUE(dial);
        if (way == std::string("close")) {
            ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
        } else if (way == std::string("end of session")) {
            ASSERT_TRUE(PostMessageW(dial, WM_ENDSESSION, TRUE, 0));
        } else {
            for (HWND window : TopWindows(pid_, nullptr, false))
                ASSERT_TRUE(PostMessageW(window, WM_CLOSE, 0, 0));
        }
        ExpectCleanExit();
        const std::string saved = ReadBytes(Ini());
        if (first.empty())
            first = saved;
        EXPECT_EQ(saved, first);
    }
    // The keys, their values and order are the core's; here the save must have run from its first key to its last.
    EXPECT_EQ(first.rfind("[Coordinates]\r\nLeft=0\r\nTop=0\r\n", 0), 0u) << first;
    EXPECT_NE(first.find("\r\nadjusted_flg=1\r\n"), std::string::npos) << first;
}

TEST_F(DialWindowTest, HandEditedFileIsReadWhateverTheCaseAndTheDialPulledOnScreenAlsoAfterAMonitorChange) {
    // Far off the right and above the top: Left + 1000 past the right edge puts the dial flush right, a top more
    // than 1000 above the screen becomes 0.
    WriteBytes(Ini(),
               "[Coordinates]\r\nLeft=99999\r\nTop=-5000\r\n[View]\r\nTop_view=1\r\nneedle_TYPE = 0\r\n"
               "[movement]\r\nWATCH_TIME = 500\r\n");
    const int x = GetSystemMetrics(SM_CXSCREEN) - kDialSize;
    ASSERT_GT(99999 + 1000, PixelsToTwips(x + kDialSize)) << "a screen this wide needs a larger stored Left";
    HWND dial = LaunchDial();
    ASSERT_TRUE(dial);
    RECT rect{};
    GetWindowRect(dial, &rect);
    EXPECT_EQ(std::make_pair(rect.left, rect.top), std::make_pair(static_cast<LONG>(x), 0L));
    EXPECT_TRUE(IsTopmost(dial));
    // A monitor or work-area change reaches the hidden menu window, which brings a dial no monitor shows back.
    const std::vector<HWND> menus = TopWindows(pid_, L"DorvanixMenuFrm", false);
    ASSERT_EQ(menus.size(), 1u);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int strandedLeft;
        LONG left;
    } cases[] = {
        {WM_DISPLAYCHANGE, 32, MAKELPARAM(x + kDialSize, GetSystemMetrics(SM_CYSCREEN)), -5000, 0},
        {WM_SETTINGCHANGE, SPI_SETWORKAREA, 0, x + 5000, x},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SetWindowPos(dial, nullptr, c.strandedLeft, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
        SendMessageW(menus[0], c.message, c.wParam, c.lParam);
        GetWindowRect(dial, &rect);
        EXPECT_EQ(std::make_pair(rect.left, rect.top), std::make_pair(c.left, 0L)) << c.message;
    }
    CloseAndWait(dial);
    const std::string saved = ReadBytes(Ini());
    for (const std::string& line : {"Left=" + std::to_string(PixelsToTwips(x)) + "\r\nTop=0\r\n",
                                    std::string("needle_TYPE=0\r\n"), std::string("WATCH_TIME=500\r\n")})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " not in\n" << saved;
}

TEST_F(DialWindowTest, AKillDuringTheSaveLeavesTheOldFileOrTheWholeNewOne) {
    // Years of notes make each of the save's writes rewrite a large file: the save takes a while.
    std::string kept = "[Coordinates]\r\nLeft=1500\r\nTop=1500\r\n[View]\r\nNeedle=0\r\n[Notes]\r\n";
    for (int line = 0; line < 10000; ++line)
        kept += "; " + std::to_string(line) + ": the dial sat beside the clock, memory at forty per cent\r\n";
    const std::filesystem::path work = folder_ / L"meter.ini.tmp";

    WriteBytes(Ini(), kept);
    HWND dial = LaunchDial();
    ASSERT_TRUE(dial);
    const ULONGLONG asked = GetTickCount64();
    CloseAndWait(dial);
    const ULONGLONG saveMs = GetTickCount64() - asked;
    const std::string saved = ReadBytes(Ini());
    ASSERT_NE(saved, kept);
    ASSERT_NE(saved.find("; 9999: the dial"), std::string::npos);

    // Killed as taskkill /F does, at once and at quarters of the time the whole save took; then an orderly close
    // saves over whatever the last kill left behind.
    int midSave = 0;
    for (ULONGLONG quarter = 0; quarter <= 4; ++quarter) {
        SCOPED_TRACE("killed after " + std::to_string(quarter) + "/4 of " + std::to_string(saveMs) + " ms");
        WriteBytes(Ini(), kept);
        dial = LaunchDial();
        ASSERT_TRUE(dial);
        if (quarter == 4) {
            CloseAndWait(dial);
            EXPECT_EQ(ReadBytes(Ini()), saved);
            EXPECT_FALSE(std::filesystem::exists(work));
            break;
        }
        ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
        Sleep(static_cast<DWORD>(saveMs * quarter / 4));
        TerminateProcess(process_, 1);
        ASSERT_EQ(WaitForSingleObject(process_, 10000), WAIT_OBJECT_0);
        const std::string file = ReadBytes(Ini());
        EXPECT_TRUE(file == kept || file == saved) << "meter.ini is " << file.size() << " bytes";
        midSave += std::filesystem::exists(work) ? 1 : 0;
    }
    // On a busy machine the kills may all miss the save: then nothing above tested it.
    if (midSave == 0)
        GTEST_SKIP() << "no kill landed inside the save";
}

TEST_F(DialWindowTest, AFailedSaveIsToldAndTheOldFileKept) {
    wchar_t reason[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ACCESS_DENIED, 0, reason,
                   512, nullptr);
    const std::wstring accessDenied =
        std::wstring(reason).substr(0, std::wstring(reason).find_last_not_of(L"\r\n ") + 1);
    const std::string readOnlyText = "[View]\r\nEnglish=1\r\n";
    struct Case {
        const char* what;
        bool folder;  // a folder named meter.ini; otherwise a read-only file
        const wchar_t* told;
    };
    for (const Case& c : {Case{"folder", true, L"設定を次のファイルに保存できませんでした。"},
                          Case{"read-only file, English", false, L"The settings could not be saved to"}}) {
        SCOPED_TRACE(c.what);
        std::error_code error;
        std::filesystem::remove_all(Ini(), error);
        if (c.folder) {
            ASSERT_TRUE(std::filesystem::create_directory(Ini()));
        } else {
            WriteBytes(Ini(), readOnlyText);
            ASSERT_TRUE(SetFileAttributesW(Ini().c_str(), FILE_ATTRIBUTE_READONLY));
        }
        HWND dial = LaunchDial();
        ASSERT_TRUE(dial);
        ASSERT_TRUE(PostMessageW(dial, WM_CLOSE, 0, 0));
        HWND box = WaitFor(kDialogClass, nullptr, 20000);
        ASSERT_TRUE(box) << "nothing told";
        EXPECT_EQ(TextOf(box), L"Dorvanix");
        const std::wstring message = TextOf(GetDlgItem(box, 0xFFFF));  // a message box's text
        for (const std::wstring& part : {std::wstring(c.told), Ini().wstring(), accessDenied})
            EXPECT_NE(message.find(part), std::wstring::npos) << Narrow(message);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
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
