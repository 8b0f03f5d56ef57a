#pragma once
// Dialogs built from the core's control tables.
#include <windows.h>

#include "platform/dialogs.h"

namespace dorv {

struct MeterApp;

class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(HINSTANCE instance) : instance_(instance) {}
    Win32Dialogs(const Win32Dialogs&) = delete;
    Win32Dialogs& operator=(const Win32Dialogs&) = delete;

    void Attach(MeterApp* app) { app_ = app; }

    WindowHandle CreateDialogWindow(const DialogSpec& spec) override;
    void ShowDialog(WindowHandle dialog) override;
    void DestroyDialog(WindowHandle dialog) override;
    void SetValue(WindowHandle dialog, int id, int value) override;
    int Value(WindowHandle dialog, int id) override;
    void SetText(WindowHandle dialog, int id, const std::string& text) override;
    std::string Text(WindowHandle dialog, int id) override;
    void SetEnabled(WindowHandle dialog, int id, bool enabled) override;
    void SetVisible(WindowHandle dialog, int id, bool visible) override;
    void SetHighlighted(WindowHandle dialog, int id, bool highlighted) override;
    std::optional<std::int32_t> PickColour(WindowHandle dialog) override;

private:
    HINSTANCE instance_;
    MeterApp* app_ = nullptr;
};

}  // namespace dorv
