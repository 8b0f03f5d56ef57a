#include "fake_dialogs.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>

namespace dorv::test {

WindowHandle FakeDialogs::CreateDialogWindow(const DialogLayout& layout) {
    auto handle = reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(0x1000 + created++));
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
    return handle;
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
    const ControlLayout& layout = control.layout;
    if (layout.kind == ControlKind::Slider)  // the track bar holds its value within its range, as the real one does
        value = std::max(layout.slider.minimum, std::min(layout.slider.maximum, value));
    if (layout.kind == ControlKind::TimePicker && (value < 0 || value >= 24 * 60))
        throw std::logic_error("time out of range");
    if (layout.kind == ControlKind::OptionButton) {
        for (auto& [otherId, other] : Dialog(dialog).controls)
            if (value != 0 && other.layout.kind == ControlKind::OptionButton && other.layout.group == layout.group)
                other.value = 0;
        value = value != 0 ? 1 : 0;
    }
    control.value = value;
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

}  // namespace dorv::test
