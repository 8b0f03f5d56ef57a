#pragma once
// Dialogs and shell of the fake host: real per-control state, scripted answers, and the user's actions
// fed through the same handler as the real host's.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/meter_events.h"
#include "platform/dialogs.h"
#include "platform/shell.h"

namespace dorv::test {

// The next scripted answer, or this one when the script has run out.
template <class T>
T Next(std::deque<T>& answers, T otherwise) {
    if (answers.empty())
        return otherwise;
    T answer = answers.front();
    answers.pop_front();
    return answer;
}

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
    void ShowDialog(WindowHandle dialog) override {
        Dialog(dialog).shown = true;
        ++Dialog(dialog).showCount;
    }
    void DestroyDialog(WindowHandle dialog) override { destroyed += static_cast<int>(open.erase(dialog)); }
    void SetValue(WindowHandle dialog, int id, int value) override;
    int Value(WindowHandle dialog, int id) override { return Control(dialog, id).value; }
    void SetText(WindowHandle dialog, int id, const std::string& text) override { Control(dialog, id).text = text; }
    std::string Text(WindowHandle dialog, int id) override { return Control(dialog, id).text; }
    void SetEnabled(WindowHandle dialog, int id, bool on) override { Control(dialog, id).enabled = on; }
    void SetVisible(WindowHandle dialog, int id, bool on) override { Control(dialog, id).visible = on; }
    void SetHighlighted(WindowHandle dialog, int id, bool on) override { Control(dialog, id).highlighted = on; }
    std::optional<std::int32_t> PickColour(WindowHandle dialog) override {
        (void)Dialog(dialog);
        ++pickerCalls;
        return Next(pickerAnswers, std::optional<std::int32_t>());
    }

    // Throw on a dialog or control that does not exist.
    FakeDialog& Dialog(WindowHandle dialog);
    FakeControl& Control(WindowHandle dialog, int id);
    bool IsOpen(WindowHandle dialog) const { return dialog != nullptr && open.count(dialog) != 0; }

    // The user's actions, as the real host reports them. A click on a check box toggles it, on an option
    // button selects it (clearing its group); a change sets the value first.
    void Click(MeterApp& app, WindowHandle dialog, int id);
    void Change(MeterApp& app, WindowHandle dialog, int id, int value);
    void MouseMove(MeterApp& app, WindowHandle dialog, int id) {
        OnDialogEvent(app, dialog, id, DialogEvent::MouseMove);
    }
    void Close(MeterApp& app, WindowHandle dialog) { OnDialogEvent(app, dialog, 0, DialogEvent::Close); }

    std::map<WindowHandle, FakeDialog> open;
    int created = 0;  // dialogs ever built
    int destroyed = 0;
    // The colour picker's answers, nothing (cancelled) when empty; every call counted.
    std::deque<std::optional<std::int32_t>> pickerAnswers;
    int pickerCalls = 0;
};

class FakeShell : public Shell {
public:
    void CopyTextToClipboard(WindowHandle, const std::string& text) override { clipboard = text; }
    bool FileExists(const std::string& path) override { return existingFiles.count(path) != 0; }
    bool StartProgram(const std::string& path) override {
        bool starts = startablePrograms.count(path) != 0 && startablePrograms[path];
        if (starts)
            started.push_back(path);
        return starts;
    }
    std::intptr_t OpenAddress(const std::string& url) override {
        opened.push_back(url);
        return openResult;
    }

    std::string clipboard;
    std::map<std::string, bool> existingFiles;
    std::map<std::string, bool> startablePrograms;  // path -> starts
    std::vector<std::string> started;               // programs started, in order
    std::vector<std::string> opened;                // addresses asked to open, in order
    std::intptr_t openResult = 42;                  // what the shell answers to an open
};

}  // namespace dorv::test
