#include "dialogs/about/version_text.h"

#include "dialogs/about/number_format.h"
#include "dorvanix_version.h"

namespace dorv {

ProgramVersion ThisProgramVersion() {
    return ProgramVersion{DORVANIX_VERSION_MAJOR, DORVANIX_VERSION_MINOR, DORVANIX_VERSION_REVISION};
}

std::string VersionText(const ProgramVersion& version) {
    std::string text = "Version " + std::to_string(version.major) + "." + FormatNumber(version.minor, "00");
    if (version.revision != 0)
        text += "." + FormatNumber(version.revision, "###0");
    return text;
}

}  // namespace dorv
