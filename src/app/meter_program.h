#pragma once
// What a host calls to make the program and start it. The program's record stays the core's own: the host only
// hands it, opaque, to the event handlers of app/meter_events.h.
#include <memory>

#include "platform/platform.h"

namespace dorv {

struct MeterApp;

class MeterProgram {
public:
    explicit MeterProgram(Platform platform);
    ~MeterProgram();
    MeterProgram(const MeterProgram&) = delete;
    MeterProgram& operator=(const MeterProgram&) = delete;

    // Where the host's events go.
    MeterApp& App() { return *app_; }
    // Opens the settings file, loads the dial and shows it; the host's message loop follows.
    void Start();

private:
    std::unique_ptr<MeterApp> app_;
};

}  // namespace dorv
