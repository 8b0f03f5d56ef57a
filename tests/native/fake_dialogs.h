#pragma once
// Dialogs and shell of the fake host: real per-control state, scripted answers, and the user's actions
// fed through the same handler as the real host's.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace dorv {
struct MeterApp;
}

namespace dorv::test {

struct FakeControl {
    ControlLayout layout;
    int value = 0;
    std::string text;  // starts as the caption
    bool enabled = true;
    bool visible = true;
    bool highlighted = false;
};

struct FakeDialog {
    DialogLayout layout;
    std::map<int, FakeControl> controls;
    bool shown = false;
    bool topmost = false;
    int showCount = 0;  // ShowDialog calls: a second request brings it forward
};

class FakeDialogs : public Dialogs {
public:
    WindowHandle CreateDialogWindow(const DialogLayout& layout) override;
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

    FakeDialog& Dialog(WindowHandle dialog);
    FakeControl& Control(WindowHandle dialog, int id);
    bool IsOpen(WindowHandle dialog) const { return dialog != nullptr && open.count(dialog) != 0; }

    // The user's actions, as the real host reports them. A click on a check box toggles it, on an option
    // button selects it (clearing its group); a change sets the value first.
    void Click(MeterApp& app, WindowHandle dialog, int id);
    void Change(MeterApp& app, WindowHandle dialog, int id, int value);
    void MouseMove(MeterApp& app, WindowHandle dialog, int id);
    void Close(MeterApp& app, WindowHandle dialog);

    std::map<WindowHandle, FakeDialog> open;
    int created = 0;  // dialogs ever built
    int destroyed = 0;
    // The colour picker's answers, nothing (cancelled) when empty; every call counted.
    std::deque<std::optional<std::int32_t>> pickerAnswers;
    int pickerCalls = 0;

private:
    std::uintptr_t nextHandle_ = 0x1000;
};

class FakeShell : public Shell {
public:
    void CopyTextToClipboard(WindowHandle owner, const std::string& text) override;
    bool FileExists(const std::string& path) override { return existingFiles.count(path) != 0; }
    bool StartProgram(const std::string& path) override;
    std::intptr_t OpenAddress(const std::string& url) override;

    std::string clipboard;
    std::map<std::string, bool> existingFiles;
    std::map<std::string, bool> startablePrograms;  // path -> starts
    std::vector<std::string> started;               // programs asked to start, in order
    std::vector<std::string> opened;                // addresses asked to open, in order
    std::intptr_t openResult = 42;                  // what the shell answers to an open
    std::vector<std::string> log;                   // "clipboard", "start <path>", "open <url>"
};

}  // namespace dorv::test
