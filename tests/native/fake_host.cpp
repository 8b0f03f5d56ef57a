#include "fake_host.h"

#include <cstdint>
#include <cstring>

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

void FakeHost::HideWindow(WindowHandle window) {
    (dialogs.IsOpen(window) ? dialogs.Dialog(window).shown : Window(window).visible) = false;
    log.push_back("hide");
}

int FakeHost::SetWindowStacking(WindowHandle window, bool topmost) {
    const bool dialog = dialogs.IsOpen(window);
    (dialog ? dialogs.Dialog(window).topmost : Window(window).topmost) = topmost;
    (dialog ? dialogs.Dialog(window).shown : Window(window).visible) = true;
    log.push_back(topmost ? "show topmost" : "show notopmost");
    return 1;
}

void FakeHost::AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) {
    FakeWindow& w = Window(window);
    w.hasRegion = true;
    w.regionLeft = left;
    w.regionTop = top;
    w.regionRight = right;
    w.regionBottom = bottom;
    log.push_back("region");
}

void FakeHost::MakeLayered(WindowHandle window, std::uint8_t alpha) {
    Window(window).layered = true;
    Window(window).alpha = alpha;
    log.push_back("layered " + std::to_string(alpha));
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

void FakeHost::PumpMessagesOnce() {
    ++pumps;
    log.push_back("pump");
    if (onPump)
        onPump();
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
    if (value.type == RegistryValueType::Number32 && bytes.size() != 4)
        return std::nullopt;
    if (value.type == RegistryValueType::Number32)
        for (int i = 3; i >= 0; --i)
            value.number = value.number << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

void FakeHost::CloseKey(RegistryKey key) {
    auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
    if (index == 0 || index > openKeys.size())
        return;
    registryLog.push_back("close " + openKeys[index - 1]);  // a second close shows as "close "
    openKeys[index - 1].clear();
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
