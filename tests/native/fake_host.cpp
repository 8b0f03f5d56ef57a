#include "fake_host.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

#include "app/meter_lifecycle.h"
#include "settings/ini_text.h"

namespace dorv::test {

FakeWindow& FakeHost::Window(WindowHandle window) {
    // Handles are 1-based indexes into the window list.
    return windows.at(static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(window)) - 1);
}

WindowHandle FakeHost::CreateMeterWindow(const char* title, PixelSize size) {
    windows.push_back(FakeWindow{title, {0, 0}, size});
    log.push_back("create " + std::string(title));
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(windows.size()));
}

WindowHandle FakeHost::CreateMenuWindow() {
    windows.push_back(FakeWindow{"menu", {0, 0}, {0, 0}});
    log.push_back("create menu");
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(windows.size()));
}

PixelPoint FakeHost::WindowPosition(WindowHandle window) {
    return Window(window).position;
}

PixelSize FakeHost::WindowSize(WindowHandle window) {
    return Window(window).size;
}

void FakeHost::MoveWindow(WindowHandle window, PixelPoint topLeft) {
    Window(window).position = topLeft;
    log.push_back("move " + std::to_string(topLeft.x) + "," + std::to_string(topLeft.y));
}

void FakeHost::HideWindow(WindowHandle window) {
    if (dialogs.IsOpen(window))
        dialogs.Dialog(window).shown = false;
    else
        Window(window).visible = false;
    log.push_back("hide");
}

int FakeHost::SetWindowStacking(WindowHandle window, bool topmost) {
    if (dialogs.IsOpen(window)) {
        dialogs.Dialog(window).topmost = topmost;
        dialogs.Dialog(window).shown = true;
    } else {
        Window(window).topmost = topmost;
        Window(window).visible = true;
    }
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

void FakeHost::SetScale(WindowHandle, int scaleDpi) {
    drawing.push_back("scale " + std::to_string(scaleDpi));
}

void FakeHost::ClearDrawing(WindowHandle) {
    drawing.push_back("clear");
}

void FakeHost::DrawLine(WindowHandle, float x1, float y1, float x2, float y2, std::int32_t colour) {
    char text[96];
    std::snprintf(text, sizeof text, "line %.2f,%.2f-%.2f,%.2f %d", x1, y1, x2, y2, colour);
    drawing.push_back(text);
}

void FakeHost::SetPenWidth(WindowHandle, int pixels) {
    drawing.push_back("pen " + std::to_string(pixels));
}

void FakeHost::SetPersistentDrawing(WindowHandle, bool on) {
    drawing.push_back(on ? "persistent on" : "persistent off");
}

void FakeHost::SetFace(WindowHandle, DialFace face) {
    drawing.push_back("face " + std::to_string(static_cast<int>(face)));
}

void FakeHost::SetWarningLamp(WindowHandle, bool visible) {
    drawing.push_back(visible ? "lamp on" : "lamp off");
}

void FakeHost::SetLabel(WindowHandle, DialLabelId label, const LabelView& view) {
    labels[label] = view;
}

void FakeHost::Beep() {
    ++beeps;
}

void FakeHost::BeginWindowDrag(WindowHandle) {
    ++drags;
    log.push_back("drag");
}

void FakeHost::SetForegroundWindow(WindowHandle window) {
    foreground = window;
    log.push_back("foreground");
}

bool FakeHost::AskYesNo(WindowHandle, const std::string& title, const std::string& text) {
    questions.push_back(title + "|" + text);
    if (answers.empty())
        return false;
    bool yes = answers.front();
    answers.pop_front();
    return yes;
}

std::string FakeHost::FormatTimeOfDay(const LocalTime& t) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}

namespace {

std::string TrayText(const char* verb, const TrayIconView& icon) {
    return std::string(verb) + " " + (icon.set == TrayIconSet::Lit ? "lit " : "normal ") + std::to_string(icon.index) +
           " " + icon.tip;
}

}  // namespace

bool FakeHost::AddTrayIcon(WindowHandle, const TrayIconView& icon) {
    trayLog.push_back(TrayText("add", icon));
    if (!shellReady || trayPresent)
        return false;
    trayPresent = true;
    trayIcon = icon;
    return true;
}

bool FakeHost::ModifyTrayIcon(WindowHandle, const TrayIconView& icon) {
    trayLog.push_back(TrayText("modify", icon));
    if (!trayPresent)
        return false;
    trayIcon = icon;
    return true;
}

bool FakeHost::DeleteTrayIcon(WindowHandle) {
    trayLog.push_back("delete");
    bool was = trayPresent;
    trayPresent = false;
    return was;
}

int FakeHost::TrackPopup(WindowHandle, const std::vector<MenuItemView>& items) {
    popups.push_back(items);
    log.push_back("popup");
    if (menuChoices.empty())
        return 0;
    int choice = menuChoices.front();
    menuChoices.pop_front();
    return choice;
}

void FakeHost::ShowMessage(WindowHandle, const std::string& title, const std::string& text, MessageIcon icon) {
    messages.push_back(title + "|" + text + "|" + std::to_string(static_cast<int>(icon)));
}

void FakeHost::ShowHelp(WindowHandle, const std::string& file, const std::string& topic) {
    helpShown.push_back(topic.empty() ? file : file + "::/" + topic);
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

void FakeHost::EndProgram() {
    ended = true;
    log.push_back("end");
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

FileResult FakeHost::WriteString(const std::string& path,
                                 const std::string& section,
                                 const std::string& key,
                                 const std::string& value) {
    log.push_back("write " + section + "/" + key);
    iniWrites.push_back(section + "/" + key + "=" + value);
    if (auto denied = unwritable.find(path); denied != unwritable.end())
        return FileResult::Failed(denied->second);
    auto file = files.find(path);
    StoreFile(path, IniTextWrite(file == files.end() ? std::string() : file->second, section, key, value));
    return {};
}

FileResult FakeHost::CopyForSave(const std::string& path, const std::string& copy) {
    log.push_back("copy");
    if (auto denied = unwritable.find(path); denied != unwritable.end())
        return FileResult::Failed(denied->second);
    auto original = files.find(path);
    if (original == files.end()) {
        files.erase(copy);
        return {};
    }
    StoreFile(copy, original->second);
    return {};
}

FileResult FakeHost::ReplaceWith(const std::string& path, const std::string& copy) {
    log.push_back("replace");
    if (auto denied = unwritable.find(path); denied != unwritable.end())
        return FileResult::Failed(denied->second);
    // One step that either happens or not: a kill here leaves the old file.
    const int step = fileSteps++;
    if (killAtStep >= 0 && step >= killAtStep)
        return {};
    files[path] = files[copy];
    files.erase(copy);
    return {};
}

void FakeHost::RemoveFile(const std::string& path) {
    log.push_back("remove");
    files.erase(path);
}

void FakeHost::OpenProcessorQuery(const char* counterPath) {
    queryOpen = true;
    log.push_back(std::string("open query ") + counterPath);
}

double FakeHost::CollectProcessorBusy() {
    if (cpuReadings.empty())
        return 0.0;
    double reading = cpuReadings.front();
    cpuReadings.pop_front();
    return reading;
}

void FakeHost::CloseProcessorQuery() {
    queryOpen = false;
    log.push_back("close query");
}

// Key handles are 1-based indexes into the list of keys ever opened.
RegistryKey FakeHost::OpenKey(RegistryRoot root, const char* path) {
    std::string name = std::string(root == RegistryRoot::DynData ? "DynData" : "LocalMachine") + "\\" + path;
    registryLog.push_back("open " + name);
    bool exists = false;
    for (const auto& value : registryValues)
        exists = exists || value.first.rfind(name + "\\", 0) == 0;
    if (!exists)
        return nullptr;
    openKeys.push_back(name);
    return reinterpret_cast<RegistryKey>(static_cast<std::uintptr_t>(openKeys.size()));
}

// The open key's path, or null for a handle not open.
const std::string* FakeHost::OpenKeyPath(RegistryKey key) const {
    auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
    if (index == 0 || index > openKeys.size() || openKeys[index - 1].empty())
        return nullptr;
    return &openKeys[index - 1];
}

bool FakeHost::QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) {
    const std::string* keyPath = OpenKeyPath(key);
    if (!keyPath)
        return false;
    registryLog.push_back(std::string(buffer ? "read " : "size ") + *keyPath + "\\" + name);
    auto found = registryValues.find(*keyPath + "\\" + name);
    if (found == registryValues.end())
        return false;
    const std::string& bytes = found->second;
    if (buffer && size < bytes.size())
        return false;
    if (buffer)
        std::memcpy(buffer, bytes.data(), bytes.size());
    size = static_cast<std::uint32_t>(bytes.size());
    return true;
}

std::optional<RegistryValue> FakeHost::ReadValue(RegistryKey key, const std::string& name) {
    const std::string* keyPath = OpenKeyPath(key);
    if (!keyPath)
        return std::nullopt;
    const std::string path = *keyPath + "\\" + name;
    registryLog.push_back("read " + path);
    auto found = registryValues.find(path);
    if (found == registryValues.end())
        return std::nullopt;
    auto type = registryTypes.find(path);
    RegistryValue value;
    value.type = type == registryTypes.end() ? RegistryValueType::Other : type->second;
    const std::string& bytes = found->second;
    if (value.type == RegistryValueType::Text) {
        value.text = bytes.substr(0, bytes.find('\0'));
    } else if (value.type == RegistryValueType::Number32) {
        if (bytes.size() != 4)
            return std::nullopt;
        for (int i = 3; i >= 0; --i)
            value.number = value.number << 8 | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    }
    return value;
}

void FakeHost::CloseKey(RegistryKey key) {
    auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
    if (index == 0 || index > openKeys.size())
        return;
    registryLog.push_back("close " + openKeys[index - 1]);  // a second close shows as "close "
    openKeys[index - 1].clear();
}

int FakeHost::TimerInterval(TimerId timer) const {
    auto found = timers.find(timer);
    return found == timers.end() ? 0 : found->second;
}

std::string CrLfLines(std::initializer_list<const char*> lines) {
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
    std::string& file = meter.host.File("meter.ini");
    file.clear();
    for (const char* line : lines)
        file += std::string(line) + "\r\n";
    RunEntryProcedure(meter.app);
}

}  // namespace dorv::test
