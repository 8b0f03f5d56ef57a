// The about box opened from the menu of a private Dorvanix.exe: its report refreshing (with the user's decimal
// symbol), the copy button (and its failure while another program holds the clipboard), its close box. Its size
// under a tall caption is the settings dialog's test: the same layout code.

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

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

using AboutBoxTest = WineDialTest;

TEST_F(AboutBoxTest, RefreshesCopiesAndClosesByItsCloseBox) {
    WriteBytes(Ini(), "[View]\r\nNeedle=0\r\nTop_view=1\r\n");
    // Wine reads the user's decimal symbol at each process's start.
    const ScopedUserText arabic{L"Control Panel\\International", L"sDecimal", L"\u066B"};
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
    // The usage figures carry the user's decimal symbol, outside ASCII as well.
    EXPECT_NE(first.find(L'\u066B'), std::wstring::npos) << "not the user's decimal symbol";
    // The time line moves on within a second or so.
    EXPECT_TRUE(WaitUntil([&] { return TextOf(report) != first; }, 2000)) << "the report did not refresh";

    TakeClipboardText();
    const std::wstring before = TextOf(report);
    SendMessageW(Child(box, L"Button", L"クリップボードにコピー"), BM_CLICK, 0, 0);
    const std::wstring copied = TakeClipboardText();
    EXPECT_TRUE(copied == before || copied == TextOf(report)) << "not the report: " << copied.size() << " chars";
    // Held here for longer than the copy keeps trying: the copy fails, and says so.
    ASSERT_TRUE(OpenClipboard(nullptr));
    PostMessageW(Child(box, L"Button", L"クリップボードにコピー"), BM_CLICK, 0, 0);
    HWND warning = WaitFor(kDialogClass, L"Dorvanix");
    CloseClipboard();
    ASSERT_TRUE(warning) << "a failed copy went untold";
    EXPECT_TRUE(Child(warning, L"Static", L"クリップボードにコピーできませんでした。"));
    PostMessageW(warning, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(warning); }, 3000));

    PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000)) << "the close box did not close it";
    CloseAndWait(dial);
}

}  // namespace
}  // namespace dorv
