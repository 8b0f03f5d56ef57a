#include "win32_dialogs.h"

namespace dorv {

// The builder arrives with the dialogs' own work; until then no dialog opens.
WindowHandle Win32Dialogs::CreateDialogWindow(const DialogSpec&) {
    return nullptr;
}
void Win32Dialogs::ShowDialog(WindowHandle) {}
void Win32Dialogs::DestroyDialog(WindowHandle) {}
void Win32Dialogs::SetValue(WindowHandle, int, int) {}
int Win32Dialogs::Value(WindowHandle, int) {
    return 0;
}
void Win32Dialogs::SetText(WindowHandle, int, const std::string&) {}
std::string Win32Dialogs::Text(WindowHandle, int) {
    return {};
}
void Win32Dialogs::SetEnabled(WindowHandle, int, bool) {}
void Win32Dialogs::SetVisible(WindowHandle, int, bool) {}
void Win32Dialogs::SetHighlighted(WindowHandle, int, bool) {}
std::optional<std::int32_t> Win32Dialogs::PickColour(WindowHandle) {
    return std::nullopt;
}

}  // namespace dorv
