// The about box opened from the menu of a private Dorvanix.exe: its size, its report refreshing, the copy button, its
// close box.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

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

// Under a caption taller than the table allowed for, the box grows so nothing is cut.
TEST_F(AboutBoxTest, RefreshesCopiesAndClosesByItsCloseBox) {
    const ScopedUserText caption{L"Control Panel\\Desktop\\WindowMetrics", L"CaptionHeight", L"-900"};
    WriteBytes(Ini(), "[View]\r\nNeedle=0\r\nTop_view=1\r\n");
    HWND dial = LaunchDial();
    ASSERT_TRUE(dial);
    ChooseFromDialMenu(dial, L'a');
    HWND box = WaitFor(kDialogClass, L"Dorvanixのバージョン情報");
    ASSERT_TRUE(box) << "no about box";
    EXPECT_TRUE(IsTopmost(box)) << "the dial's stacking";
    EXPECT_EQ(ControlsOutside(box), L"");
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

    PostMessageW(box, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000)) << "the close box did not close it";
    CloseAndWait(dial);
}

}  // namespace
}  // namespace dorv
