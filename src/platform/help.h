#pragma once
// The help file beside the program.
#include <string>

#include "platform/window.h"

namespace dorv {

class HelpViewer {
public:
    virtual ~HelpViewer() = default;

    // Opens the help file in the program's folder; the topic ("html/page.htm") may be empty for the
    // whole file. A missing file or viewer gives no message.
    virtual void ShowHelp(WindowHandle owner, const std::string& file, const std::string& topic) = 0;
};

}  // namespace dorv
