#include "fake_host.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "app/meter_lifecycle.h"
#include "settings/ini_text.h"

namespace dorv::test {

FakeWindow& FakeHost::Window(WindowHandle window) {
    return windows.at(static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(window)) - 1);
}

WindowHandle FakeHost::CreateMeterWindow(const char* title, PixelSize size) {
    windows.push_back(FakeWindow{title, {0, 0}, size});
    log.push_back("create " + std::string(title));
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(windows.size()));
}

int FakeHost::SetWindowStacking(WindowHandle window, bool topmost) {
    const bool dialog = dialogs.IsOpen(window);
    (dialog ? dialogs.Dialog(window).topmost : Window(window).topmost) = topmost;
    (dialog ? dialogs.Dialog(window).shown : Window(window).visible) = true;
    log.push_back(topmost ? "show topmost" : "show notopmost");
    return 1;
}

bool FakeHost::TrayCall(const char* verb, const TrayIconView& icon, bool takes) {
    trayLog.push_back(std::string(verb) + (icon.set == TrayIconSet::Lit ? " lit " : " normal ") +
                      std::to_string(icon.index) + " " + icon.tip);
    if (takes) {
        trayPresent = true;
        trayIcon = icon;
    }
    return takes;
}

void FakeHost::SetTimerInterval(WindowHandle, TimerId timer, int intervalMs) {
    if (intervalMs > 0)
        timers[timer] = intervalMs;
    else
        timers.erase(timer);
    log.push_back("timer" + std::to_string(static_cast<int>(timer)) + " " + std::to_string(intervalMs));
}

std::string FakeHost::ReadString(const std::string& path, const std::string& section, const std::string& key) {
    iniReads.push_back(section + "/" + key);
    auto file = files.find(path);
    return file == files.end() ? std::string() : IniTextRead(file->second, section, key);
}

// Stores a file's new text unless the program has been killed by now; the step killed leaves half of it.
void FakeHost::StoreFile(const std::string& path, const std::string& text) {
    const int step = fileSteps++;
    if (killAtStep >= 0 && step > killAtStep)
        return;
    files[path] = step == killAtStep ? text.substr(0, text.size() / 2) : text;
}

FileResult FakeHost::Outcome(const std::string& path) {
    return unwritable.count(path) != 0 ? FileResult::Failed(unwritable[path]) : FileResult{};
}

FileResult FakeHost::WriteString(const std::string& path,
                                 const std::string& section,
                                 const std::string& key,
                                 const std::string& value) {
    log.push_back("write " + section + "/" + key);
    iniWrites.push_back(section + "/" + key + "=" + value);
    if (unwritable.count(path) == 0)
        StoreFile(path, IniTextWrite(files.count(path) != 0 ? files[path] : std::string(), section, key, value));
    return Outcome(path);
}

FileResult FakeHost::CopyForSave(const std::string& path, const std::string& copy) {
    log.push_back("copy");
    if (unwritable.count(path) != 0)
        return Outcome(path);
    if (files.count(path) == 0)
        files.erase(copy);
    else
        StoreFile(copy, files[path]);
    return {};
}

FileResult FakeHost::ReplaceWith(const std::string& path, const std::string& copy) {
    log.push_back("replace");
    if (unwritable.count(path) != 0)
        return Outcome(path);
    // One step that either happens or not: a kill here leaves the old file.
    const int step = fileSteps++;
    if (killAtStep < 0 || step < killAtStep) {
        files[path] = files[copy];
        files.erase(copy);
    }
    return {};
}

RegistryKey FakeHost::OpenKey(RegistryRoot root, const char* path) {
    std::string name = std::string(root == RegistryRoot::DynData ? "DynData" : "LocalMachine") + "\\" + path;
    registryLog.push_back("open " + name);
    auto below = registryValues.lower_bound(name + "\\");
    if (below == registryValues.end() || below->first.rfind(name + "\\", 0) != 0)
        return nullptr;
    openKeys.push_back(name);
    return reinterpret_cast<RegistryKey>(static_cast<std::uintptr_t>(openKeys.size()));
}

// The value under an open key as its path and bytes, null when the key is not open or has no such value;
// the look-up is logged.
const FakeHost::Entry* FakeHost::FindValue(RegistryKey key, const std::string& name, const char* verb) {
    auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
    if (index == 0 || index > openKeys.size() || openKeys[index - 1].empty())
        return nullptr;
    const std::string path = openKeys[index - 1] + "\\" + name;
    registryLog.push_back(verb + path);
    auto found = registryValues.find(path);
    return found == registryValues.end() ? nullptr : &*found;
}

bool FakeHost::QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) {
    auto found = FindValue(key, name, buffer ? "read " : "size ");
    if (!found || (buffer && size < found->second.size()))
        return false;
    if (buffer)
        std::memcpy(buffer, found->second.data(), found->second.size());
    size = static_cast<std::uint32_t>(found->second.size());
    return true;
}

std::optional<RegistryValue> FakeHost::ReadValue(RegistryKey key, const std::string& name) {
    auto found = FindValue(key, name, "read ");
    if (!found)
        return std::nullopt;
    const auto& [path, bytes] = *found;
    RegistryValue value;
    value.type = registryTypes.count(path) != 0 ? registryTypes[path] : RegistryValueType::Other;
    if (value.type == RegistryValueType::Text)
        value.text = bytes.substr(0, bytes.find('\0'));
    if (value.type == RegistryValueType::Number32 && bytes.size() != sizeof value.number)
        return std::nullopt;
    if (value.type == RegistryValueType::Number32)
        std::memcpy(&value.number, bytes.data(), sizeof value.number);
    return value;
}

void FakeHost::CloseKey(RegistryKey key) {
    auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
    if (index == 0 || index > openKeys.size())
        return;
    registryLog.push_back("close " + openKeys[index - 1]);  // a second close shows as "close "
    openKeys[index - 1].clear();
}

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

std::string CrLfLines(const std::vector<const char*>& lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}

std::string Joined(const std::vector<std::string>& log) {
    std::string text;
    for (const std::string& entry : log)
        text += entry + ";";
    return text;
}

std::vector<std::string> Starting(const std::vector<std::string>& log, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& entry : log)
        if (entry.rfind(prefix, 0) == 0)
            found.push_back(entry);
    return found;
}

void StartMeter(FakeMeter& meter, const std::vector<const char*>& lines) {
    meter.host.File("meter.ini") = CrLfLines(lines);
    RunEntryProcedure(meter.app);
}

}  // namespace dorv::test
