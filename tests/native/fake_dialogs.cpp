#include "fake_dialogs.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "app/meter_events.h"

namespace dorv::test {

WindowHandle FakeDialogs::CreateDialogWindow(const DialogLayout& layout) {
    auto handle = reinterpret_cast<WindowHandle>(nextHandle_++);
    FakeDialog& dialog = open[handle];
    dialog.layout = layout;
    for (const ControlLayout& control : layout.controls) {
        if (control.id == 0 || dialog.controls.count(control.id) != 0)
            throw std::logic_error("control id 0 or repeated: " + std::to_string(control.id));
        if (control.parent != 0 && dialog.controls.count(control.parent) == 0)
            throw std::logic_error("parent not built before its child: " + std::to_string(control.id));
        FakeControl& fake = dialog.controls[control.id];
        fake.layout = control;
        fake.text = control.caption;
        if (control.kind == ControlKind::Slider)
            fake.value = control.slider.minimum;
    }
    ++created;
    return handle;
}

void FakeDialogs::ShowDialog(WindowHandle dialog) {
    FakeDialog& d = Dialog(dialog);
    d.shown = true;
    ++d.showCount;
}

void FakeDialogs::DestroyDialog(WindowHandle dialog) {
    if (open.erase(dialog) != 0)
        ++destroyed;
}

FakeDialog& FakeDialogs::Dialog(WindowHandle dialog) {
    auto found = open.find(dialog);
    if (found == open.end())
        throw std::logic_error("no such dialog");
    return found->second;
}

FakeControl& FakeDialogs::Control(WindowHandle dialog, int id) {
    FakeDialog& d = Dialog(dialog);
    auto found = d.controls.find(id);
    if (found == d.controls.end())
        throw std::logic_error("no such control: " + std::to_string(id));
    return found->second;
}

void FakeDialogs::SetValue(WindowHandle dialog, int id, int value) {
    FakeControl& control = Control(dialog, id);
    switch (control.layout.kind) {
        case ControlKind::Slider:
            // The track bar holds its value within its range, as the real one does.
            value = std::max(control.layout.slider.minimum, std::min(control.layout.slider.maximum, value));
            break;
        case ControlKind::TimePicker:
            if (value < 0 || value >= 24 * 60)
                throw std::logic_error("time out of range");
            break;
        case ControlKind::OptionButton:
            if (value != 0) {
                for (auto& [otherId, other] : Dialog(dialog).controls)
                    if (other.layout.kind == ControlKind::OptionButton && other.layout.group == control.layout.group)
                        other.value = 0;
            }
            value = value != 0 ? 1 : 0;
            break;
        default:
            break;
    }
    control.value = value;
}

int FakeDialogs::Value(WindowHandle dialog, int id) {
    return Control(dialog, id).value;
}

void FakeDialogs::SetText(WindowHandle dialog, int id, const std::string& text) {
    Control(dialog, id).text = text;
}

std::string FakeDialogs::Text(WindowHandle dialog, int id) {
    return Control(dialog, id).text;
}

void FakeDialogs::SetEnabled(WindowHandle dialog, int id, bool enabled) {
    Control(dialog, id).enabled = enabled;
}

void FakeDialogs::SetVisible(WindowHandle dialog, int id, bool visible) {
    Control(dialog, id).visible = visible;
}

void FakeDialogs::SetHighlighted(WindowHandle dialog, int id, bool highlighted) {
    Control(dialog, id).highlighted = highlighted;
}

std::optional<std::int32_t> FakeDialogs::PickColour(WindowHandle dialog) {
    (void)Dialog(dialog);
    ++pickerCalls;
    if (pickerAnswers.empty())
        return std::nullopt;
    std::optional<std::int32_t> answer = pickerAnswers.front();
    pickerAnswers.pop_front();
    return answer;
}

void FakeDialogs::Click(MeterApp& app, WindowHandle dialog, int id) {
    FakeControl& control = Control(dialog, id);
    if (!control.enabled)
        throw std::logic_error("click on a disabled control: " + std::to_string(id));
    if (control.layout.kind == ControlKind::CheckBox)
        control.value = control.value == 1 ? 0 : 1;
    else if (control.layout.kind == ControlKind::OptionButton)
        SetValue(dialog, id, 1);
    OnDialogEvent(app, dialog, id, DialogEvent::Clicked);
}

void FakeDialogs::Change(MeterApp& app, WindowHandle dialog, int id, int value) {
    if (!Control(dialog, id).enabled)
        throw std::logic_error("change of a disabled control: " + std::to_string(id));
    SetValue(dialog, id, value);
    OnDialogEvent(app, dialog, id, DialogEvent::Changed);
}

void FakeDialogs::MouseMove(MeterApp& app, WindowHandle dialog, int id) {
    OnDialogEvent(app, dialog, id, DialogEvent::MouseMove);
}

void FakeDialogs::Close(MeterApp& app, WindowHandle dialog) {
    OnDialogEvent(app, dialog, 0, DialogEvent::Close);
}

void FakeShell::CopyTextToClipboard(WindowHandle, const std::string& text) {
    clipboard = text;
    log.push_back("clipboard");
}

bool FakeShell::StartProgram(const std::string& path) {
    log.push_back("start " + path);
    auto found = startablePrograms.find(path);
    bool starts = found != startablePrograms.end() && found->second;
    if (starts)
        started.push_back(path);
    return starts;
}

std::intptr_t FakeShell::OpenAddress(const std::string& url) {
    log.push_back("open " + url);
    opened.push_back(url);
    return openResult;
}

}  // namespace dorv::test
