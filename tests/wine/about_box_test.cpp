// The about box as a user meets it: opened from the popup menu of a private Dorvanix.exe in either language, read
// from outside, its report refreshing, the copy button, the message when the registered system information tool is
// missing, and the version that the exe's properties show.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "dorvanix_version.h"
#include "wine_dial_fixture.h"

namespace dorv {
namespace {

constexpr wchar_t kToolKey[] = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// The process's visible dialog (message boxes too) with this title.
HWND FindTitled(DWORD pid, const std::wstring& title) {
    const std::vector<HWND> found = TopWindows(pid, kDialogClass, true, title.c_str());
    return found.empty() ? nullptr : found.front();
}

// The first control showing this text, or of this class when the text is empty.
HWND Control(HWND window, const std::wstring& text, const std::wstring& className = L"") {
    for (HWND child : Descendants(window))
        if ((className.empty() || lstrcmpiW(ClassOf(child).c_str(), className.c_str()) == 0) &&
            (text.empty() || TextOf(child) == text))
            return child;
    return nullptr;
}

void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// Points the system information entry at a program that is not there, and puts the entry back as it was.
class MissingToolEntry {
public:
    MissingToolEntry() {
        wchar_t saved[1024] = {};
        DWORD size = sizeof saved;
        hadValue_ =
            RegGetValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", RRF_RT_REG_SZ, nullptr, saved, &size) == ERROR_SUCCESS;
        saved_ = saved;
        set_ = Write(L"C:\\no such folder\\msinfo32.exe");
    }
    ~MissingToolEntry() {
        if (!set_)
            return;
        if (hadValue_)
            Write(saved_);
        else
            RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH");
    }
    MissingToolEntry(const MissingToolEntry&) = delete;
    MissingToolEntry& operator=(const MissingToolEntry&) = delete;
    bool Set() const { return set_; }

private:
    static bool Write(const std::wstring& path) {
        return RegSetKeyValueW(HKEY_LOCAL_MACHINE, kToolKey, L"PATH", REG_SZ, path.c_str(),
                               static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

    bool hadValue_ = false;
    std::wstring saved_;
    bool set_ = false;
};

class AboutBoxTest : public WineDialTest {
protected:
    // Starts the program and chooses the about item of the dial's popup menu by its letter.
    HWND OpenAbout(bool english) {
        WriteBytes(Ini(), english ? "[View]\r\nEnglish=1\r\nNeedle=0\r\n" : "[View]\r\nNeedle=0\r\nTop_view=1\r\n");
        HWND dial = LaunchVisibleDial();
        if (!dial)
            return nullptr;
        dial_ = dial;
        ChooseFromDialMenu(dial, english ? L'e' : L'a');
        const std::wstring title = english ? L"About Dorvanix" : L"Dorvanixのバージョン情報";
        HWND box = nullptr;
        WaitUntil([&] { return (box = FindTitled(pid_, title)) != nullptr; }, 5000);
        EXPECT_TRUE(box) << "no about box";
        return box;
    }

    HWND dial_ = nullptr;
};

TEST_F(AboutBoxTest, JapaneseBoxRefreshesCopiesAndReportsAMissingTool) {
    HWND box = OpenAbout(false);
    ASSERT_TRUE(box);
    EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the dial's stacking";
    wchar_t version[64] = {};
    swprintf(version, 64, L"Version %d.%02d", DORVANIX_VERSION_MAJOR, DORVANIX_VERSION_MINOR);
    EXPECT_TRUE(
        Control(box, version + (DORVANIX_VERSION_REVISION ? L"." + std::to_wstring(DORVANIX_VERSION_REVISION) : L"")))
        << "no version label";
    EXPECT_TRUE(Control(box, L"Dorvanix"));
    HWND sysInfo = Control(box, L"システム情報...", L"Button");
    HWND copy = Control(box, L"クリップボードにコピー", L"Button");
    HWND ok = Control(box, L"OK", L"Button");
    HWND report = Control(box, L"", L"Edit");
    ASSERT_TRUE(sysInfo && copy && ok && report);
    std::wstring first;
    ASSERT_TRUE(WaitUntil([&] { return !(first = TextOf(report)).empty(); }, 2000)) << "no report";
    EXPECT_EQ(first.rfind(L"全物理メモリ    ：", 0), 0u) << first.c_str();
    EXPECT_NE(first.find(L"\r\n現在の時刻         ："), std::wstring::npos);
    // The time line moves on within a second or so.
    EXPECT_TRUE(WaitUntil([&] { return TextOf(report) != first; }, 2000)) << "the report did not refresh";

    EmptyTheClipboard();
    const std::wstring before = TextOf(report);
    SendMessageW(copy, BM_CLICK, 0, 0);
    const std::wstring after = TextOf(report);
    const std::wstring copied = ClipboardText();
    EXPECT_TRUE(copied == before || copied == after) << "copied: " << std::string(copied.begin(), copied.end());

    MissingToolEntry entry;
    if (entry.Set()) {
        PostMessageW(sysInfo, BM_CLICK, 0, 0);
        HWND message = nullptr;
        EXPECT_TRUE(WaitUntil([&] { return (message = FindTitled(pid_, L"Dorvanix")) != nullptr; }, 5000))
            << "no message about the missing tool";
        if (message) {
            EXPECT_TRUE(Control(message, L"現時点ではシステム情報を使用できません"));
            PostMessageW(message, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(WaitUntil([&] { return !IsWindow(message); }, 3000));
        }
        EXPECT_TRUE(IsWindowVisible(box)) << "the box must stay open";
    } else {
        ADD_FAILURE() << "could not point the registry at a missing tool";
    }

    SendMessageW(ok, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000)) << "OK did not close the box";
    CloseAndWait(dial_);
}

TEST_F(AboutBoxTest, EnglishBoxAndTheExeVersion) {
    HWND box = OpenAbout(true);
    ASSERT_TRUE(box);
    EXPECT_TRUE(Control(box, L"System Info.", L"Button"));
    EXPECT_TRUE(Control(box, L"クリップボードにコピー", L"Button"));
    HWND report = Control(box, L"", L"Edit");
    ASSERT_TRUE(report);
    std::wstring text;
    ASSERT_TRUE(WaitUntil([&] { return !(text = TextOf(report)).empty(); }, 2000)) << "no report";
    EXPECT_EQ(text.rfind(L"bytes of physical memory    : ", 0), 0u);
    PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000)) << "the close box did not close it";
    CloseAndWait(dial_);

    // What Explorer's properties show.
    const std::wstring exe = (folder_ / L"Dorvanix.exe").wstring();
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
