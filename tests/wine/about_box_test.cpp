// The about box opened from the menu of a private Dorvanix.exe: its report refreshing, the copy button, the message
// for a missing system information tool; and the version in the exe's properties.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dorvanix_version.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

constexpr wchar_t kToolKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::wstring TakeClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data)))
            text = chars;
        GlobalUnlock(data);
    }
    EmptyClipboard();
    CloseClipboard();
    return text;
}

bool SetToolPath(const wchar_t* path) {
    const auto bytes = static_cast<DWORD>((lstrlenW(path) + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", REG_SZ, path, bytes) == ERROR_SUCCESS;
}

// Points the system information entry at a program that is not there, and puts the entry back as it was.
class MissingToolEntry {
public:
    MissingToolEntry() : set_(SetToolPath(L"C:\\no such folder\\msinfo32.exe")) {}
    ~MissingToolEntry() {
        if (set_ && !(hadValue_ && SetToolPath(saved_)))
            RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH");
    }
    MissingToolEntry(const MissingToolEntry&) = delete;
    MissingToolEntry& operator=(const MissingToolEntry&) = delete;
    bool Set() const { return set_; }

private:
    wchar_t saved_[1024] = {};
    DWORD size_ = sizeof saved_;
    bool hadValue_ =
        RegGetValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", RRF_RT_REG_SZ, nullptr, saved_, &size_) == ERROR_SUCCESS;
    bool set_;
};

using AboutBoxTest = WineDialTest;

TEST_F(AboutBoxTest, RefreshesCopiesReportsAMissingToolAndClosesByItsCloseBox) {
    WriteBytes(Ini(), "[View]\r\nNeedle=0\r\nTop_view=1\r\n");
    HWND dial = LaunchDial();
    ASSERT_TRUE(dial);
    ChooseFromDialMenu(dial, L'a');
    HWND box = WaitFor(kDialogClass, L"Dorvanixのバージョン情報");
    ASSERT_TRUE(box) << "no about box";
    EXPECT_TRUE(IsTopmost(box)) << "the dial's stacking";
    HWND report = FindWindowExW(box, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(report);
    std::wstring first;
    ASSERT_TRUE(WaitUntil([&] { return !(first = TextOf(report)).empty(); }, 2000)) << "no report";
    // The time line moves on within a second or so.
    EXPECT_TRUE(WaitUntil([&] { return TextOf(report) != first; }, 2000)) << "the report did not refresh";

    TakeClipboardText();
    const std::wstring before = TextOf(report);
    SendMessageW(Child(box, L"Button", L"クリップボードにコピー"), BM_CLICK, 0, 0);
    const std::wstring copied = TakeClipboardText();
    EXPECT_TRUE(copied == before || copied == TextOf(report)) << "not the report: " << copied.size() << " chars";

    MissingToolEntry entry;
    ASSERT_TRUE(entry.Set()) << "could not point the registry at a missing tool";
    PostMessageW(Child(box, L"Button", L"システム情報..."), BM_CLICK, 0, 0);
    HWND message = WaitFor(kDialogClass, L"Dorvanix");
    ASSERT_TRUE(message) << "no message about the missing tool";
    EXPECT_TRUE(Child(message, L"Static", L"現時点ではシステム情報を使用できません"));
    PostMessageW(message, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(message); }, 3000));
    EXPECT_TRUE(IsWindowVisible(box)) << "the box must stay open";

    PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000)) << "the close box did not close it";
    CloseAndWait(dial);
}

// What Explorer's properties show.
TEST(ExeVersion, MatchesTheProgramsVersion) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::wstring exe = std::wstring(module).substr(0, std::wstring(module).rfind(L'\\') + 1) + L"Dorvanix.exe";
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(exe.c_str(), &ignored));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    void* value = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\040904B0\\ProductVersion", &value, &size));
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(value)), L"" DORVANIX_VERSION_TEXT);
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", &value, &size));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(DORVANIX_VERSION_MINOR, DORVANIX_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, DORVANIX_VERSION_REVISION)));
}

}  // namespace
}  // namespace dorv
