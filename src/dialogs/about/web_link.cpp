#include "dialogs/about/web_link.h"

#include <cstdint>

#include "state/meter_app.h"

namespace dorv {

bool OpenWebLink(MeterApp& app, const std::string& url) {
    const std::intptr_t result = app.platform.shell.OpenAddress(url);
    if (result >= 32)
        return true;
    // The shell's own code is what tells one failure from another.
    app.platform.window.ShowMessage(nullptr, "エラー", "エラーが発生しました。\r" + std::to_string(result),
                                    MessageIcon::Critical);
    return false;
}

}  // namespace dorv
