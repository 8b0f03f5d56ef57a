#pragma once
// The version shown in the about box.
#include <string>

namespace dorv {

struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// This build's version, from the project's one version number.
ProgramVersion ThisProgramVersion();

// "Version 1.19", or "Version 1.19.5" when the revision is not 0.
std::string VersionText(const ProgramVersion& version);

}  // namespace dorv
