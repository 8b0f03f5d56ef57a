#include "dialogs/about/web_link.h"

#include <cstdint>

namespace dorv {

bool OpenWebLink(Shell& shell, WindowSystem& windows, const std::string& url) {
    const std::intptr_t result = shell.OpenAddress(url);
    if (result >= 32)
        return true;
    // The shell's own code is what tells one failure from another.
    windows.ShowMessage(nullptr, "エラー", "エラーが発生しました。\r" + std::to_string(result), MessageIcon::Critical);
    return false;
}

}  // namespace dorv
