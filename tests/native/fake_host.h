#pragma once
// A host that keeps real state in memory and records what the core asked of it, so tests can run
// the whole program logic natively and deterministically. Its dialogs keep real per-control state and feed
// the user's actions through the same handler as the real host's.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/meter_app.h"
#include "app/meter_events.h"
#include "app/meter_lifecycle.h"
#include "platform/platform.h"
#include "settings/ini_text.h"

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
    std::map<int, FakeControl> controls;
    bool shown = false;
    bool topmost = false;
    int showCount = 0;  // ShowDialog calls: a second request brings it forward
};

struct FakeDialogs : Dialogs {
    WindowHandle CreateDialogWindow(const DialogLayout& layout) override {
        auto handle = reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(0x1000 + created++));
        FakeDialog& dialog = open[handle];
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
    void ShowDialog(WindowHandle dialog) override {
        Dialog(dialog).shown = true;
        ++Dialog(dialog).showCount;
    }
    void DestroyDialog(WindowHandle dialog) override { destroyed += static_cast<int>(open.erase(dialog)); }
    void SetValue(WindowHandle dialog, int id, int value) override {
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
    int Value(WindowHandle dialog, int id) override { return Control(dialog, id).value; }
    void SetText(WindowHandle dialog, int id, const std::string& text) override { Control(dialog, id).text = text; }
    std::string Text(WindowHandle dialog, int id) override { return Control(dialog, id).text; }
    void SetEnabled(WindowHandle dialog, int id, bool on) override { Control(dialog, id).enabled = on; }
    void SetVisible(WindowHandle dialog, int id, bool on) override { Control(dialog, id).visible = on; }
    void SetHighlighted(WindowHandle dialog, int id, bool on) override { Control(dialog, id).highlighted = on; }
    std::optional<std::int32_t> PickColour(WindowHandle dialog) override {
        (void)Dialog(dialog);
        duringModal();
        return Next(pickerAnswers, std::optional<std::int32_t>());
    }

    // Throw on a dialog or control that does not exist.
    FakeDialog& Dialog(WindowHandle dialog) { return open.at(dialog); }
    FakeControl& Control(WindowHandle dialog, int id) { return Dialog(dialog).controls.at(id); }
    bool IsOpen(WindowHandle dialog) const { return dialog != nullptr && open.count(dialog) != 0; }

    // The user's actions, as the real host reports them. A click on a check box toggles it, on an option
    // button selects it (clearing its group); a change sets the value first.
    void Click(MeterApp& app, WindowHandle dialog, int id) {
        FakeControl& control = Control(dialog, id);
        if (!control.enabled)
            throw std::logic_error("click on a disabled control: " + std::to_string(id));
        if (control.layout.kind == ControlKind::CheckBox)
            control.value = control.value == 1 ? 0 : 1;
        else if (control.layout.kind == ControlKind::OptionButton)
            SetValue(dialog, id, 1);
        OnDialogEvent(app, dialog, id, DialogEvent::Clicked);
    }
    void Change(MeterApp& app, WindowHandle dialog, int id, int value) {
        if (!Control(dialog, id).enabled)
            throw std::logic_error("change of a disabled control: " + std::to_string(id));
        SetValue(dialog, id, value);
        OnDialogEvent(app, dialog, id, DialogEvent::Changed);
    }
    void MouseMove(MeterApp& app, WindowHandle dialog, int id) {
        OnDialogEvent(app, dialog, id, DialogEvent::MouseMove);
    }
    void Close(MeterApp& app, WindowHandle dialog) { OnDialogEvent(app, dialog, 0, DialogEvent::Close); }

    std::map<WindowHandle, FakeDialog> open;
    int created = 0;  // dialogs ever built
    int destroyed = 0;
    // The colour picker's answers, nothing (cancelled) when empty.
    std::deque<std::optional<std::int32_t>> pickerAnswers;
    // Runs inside each modal call (popup menu, message box, colour picker), where messages keep arriving.
    std::function<void()> duringModal = [] {};
};

struct FakeShell : Shell {
    bool CopyTextToClipboard(WindowHandle, const std::string& text) override {
        if (!refuseCopy)
            clipboard = text;
        return !refuseCopy;
    }
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

    std::map<std::string, bool> existingFiles;
    std::map<std::string, bool> startablePrograms;  // path -> starts
    std::vector<std::string> started;               // programs started, in order
    std::vector<std::string> opened;                // addresses asked to open, in order
    std::intptr_t openResult = 42;                  // what the shell answers to an open
    std::string clipboard;
    bool refuseCopy = false;  // the clipboard held by another program
};

template <class... Values>
std::string Printed(const char* format, Values... values) {
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

struct FakeWindow {
    PixelPoint position;
    PixelSize size;
    bool visible = false;
    bool topmost = false;
    int regionRight = 0, regionBottom = 0;  // the elliptic region's far corner
    int alpha = 255;
};

class FakeHost : public WindowSystem,
                 public DialDrawing,
                 public TimerSystem,
                 public IniFile,
                 public SystemStatus,
                 public OsVersion,
                 public PerfCounter,
                 public Registry,
                 public TrayIcons,
                 public PopupMenu,
                 public HelpViewer {
public:
    Platform platform() {
        return Platform{*this, *this, *this, *this, *this, *this, *this, *this, *this, *this, *this, dialogs, shell};
    }

    // WindowSystem: window handles are 1-based indexes into `windows`; a dialog's handle reaches `dialogs`.
    WindowHandle CreateMeterWindow(const char* title, PixelSize size) override {
        windows.push_back(FakeWindow{{0, 0}, size});
        log.push_back("create " + std::string(title));
        return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(windows.size()));
    }
    WindowHandle CreateMenuWindow() override { return CreateMeterWindow("menu", {0, 0}); }
    PixelPoint WindowPosition(WindowHandle window) override { return Window(window).position; }
    PixelSize WindowSize(WindowHandle window) override { return Window(window).size; }
    void MoveWindow(WindowHandle window, PixelPoint topLeft) override {
        Window(window).position = topLeft;
        log.push_back(Printed("move %d,%d", topLeft.x, topLeft.y));
    }
    void HideWindow(WindowHandle window) override {
        (dialogs.IsOpen(window) ? dialogs.Dialog(window).shown : Window(window).visible) = false;
        log.push_back("hide");
    }
    int SetWindowStacking(WindowHandle window, bool topmost) override {
        const bool dialog = dialogs.IsOpen(window);
        (dialog ? dialogs.Dialog(window).topmost : Window(window).topmost) = topmost;
        (dialog ? dialogs.Dialog(window).shown : Window(window).visible) = true;
        log.push_back(topmost ? "show topmost" : "show notopmost");
        return 1;
    }
    void AttachEllipticRegion(WindowHandle window, int, int, int right, int bottom) override {
        Window(window).regionRight = right;
        Window(window).regionBottom = bottom;
        log.push_back("region");
    }
    void MakeLayered(WindowHandle window, std::uint8_t alpha) override {
        Window(window).alpha = alpha;
        log.push_back("layered " + std::to_string(alpha));
    }
    void InvalidateWindow(WindowHandle) override {}
    // As the system picks: the monitor sharing the largest area with the rectangle, else the closest one.
    PixelRect NearestMonitor(PixelRect rect) override {
        const std::vector<PixelRect> all =
            monitors.empty() ? std::vector<PixelRect>{{0, 0, screen.width, screen.height}} : monitors;
        auto shared = [&](const PixelRect& m) {
            const long long w = std::max(0, std::min(rect.right, m.right) - std::max(rect.left, m.left));
            const long long h = std::max(0, std::min(rect.bottom, m.bottom) - std::max(rect.top, m.top));
            return w * h;
        };
        auto gap = [&](const PixelRect& m) {
            const long long dx = std::max({0, m.left - rect.right, rect.left - m.right});
            const long long dy = std::max({0, m.top - rect.bottom, rect.top - m.bottom});
            return dx * dx + dy * dy;
        };
        return *std::min_element(all.begin(), all.end(), [&](const PixelRect& a, const PixelRect& b) {
            return shared(a) != shared(b) ? shared(a) > shared(b) : gap(a) < gap(b);
        });
    }
    int WindowDpi(WindowHandle) override { return dpi; }
    void Beep() override { ++beeps; }
    void BeginWindowDrag(WindowHandle) override { ++drags; }
    void SetForegroundWindow(WindowHandle window) override {
        foreground = window;
        log.push_back("foreground");
    }
    bool AskYesNo(WindowHandle, const std::string& title, const std::string& text) override {
        questions.push_back(title + "|" + text);
        dialogs.duringModal();
        return Next(answers, false);
    }
    // Recorded in `messages` as "title|text|icon" (icon 0 none, 1 information, 2 warning, 3 critical).
    void ShowMessage(WindowHandle, const std::string& title, const std::string& text, MessageIcon icon) override {
        messages.push_back(title + "|" + text + "|" + std::to_string(static_cast<int>(icon)));
        dialogs.duringModal();
    }

    // DialDrawing: every call is recorded in `drawing`, lines with two decimals.
    void SetScale(WindowHandle, int scaleDpi) override { drawing.push_back("scale " + std::to_string(scaleDpi)); }
    void ClearDrawing(WindowHandle) override { drawing.push_back("clear"); }
    void DrawLine(WindowHandle, float x1, float y1, float x2, float y2, std::int32_t colour) override {
        drawing.push_back(Printed("line %.2f,%.2f-%.2f,%.2f %d", x1, y1, x2, y2, colour));
    }
    void SetPenWidth(WindowHandle, int pixels) override { drawing.push_back("pen " + std::to_string(pixels)); }
    void SetPersistentDrawing(WindowHandle, bool on) override {
        drawing.push_back(on ? "persistent on" : "persistent off");
    }
    void SetFace(WindowHandle, DialFace face) override {
        drawing.push_back("face " + std::to_string(static_cast<int>(face)));
    }
    void SetWarningLamp(WindowHandle, bool on) override { drawing.push_back(on ? "lamp on" : "lamp off"); }
    void SetLabel(WindowHandle, DialLabelId label, const LabelView& view) override { labels[label] = view; }

    void SetTimerInterval(WindowHandle, TimerId timer, int intervalMs) override {
        if (intervalMs > 0)
            timers[timer] = intervalMs;
        else
            timers.erase(timer);
        log.push_back("timer" + std::to_string(static_cast<int>(timer)) + " " + std::to_string(intervalMs));
    }
    void PumpMessagesOnce() override {
        ++pumps;
        log.push_back("pump");
        if (onPump)
            onPump();
    }
    void EndProgram() override {
        ended = true;
        log.push_back("end");
    }

    // IniFile: files as text in `files`.
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override {
        iniReads.push_back(section + "/" + key);
        auto file = files.find(path);
        return file == files.end() ? std::string() : IniTextRead(file->second, section, key);
    }
    FileResult WriteString(const std::string& path,
                           const std::string& section,
                           const std::string& key,
                           const std::string& value) override {
        log.push_back("write " + section + "/" + key);
        iniWrites.push_back(section + "/" + key + "=" + value);
        if (files.count(path) == 0 && !FolderTakesNewFiles(Folder(path)))
            return FileResult::Failed("Access is denied.");
        if (unwritable.count(path) == 0)
            files[path] = IniTextWrite(files[path], section, key, value);
        return Outcome(path);
    }
    FileResult CopyForSave(const std::string& path, const std::string& copy) override {
        log.push_back("copy");
        if (unwritable.count(path) != 0)
            return Outcome(path);
        if (files.count(path) == 0)
            files.erase(copy);
        else if (FolderTakesNewFiles(Folder(copy)))
            files[copy] = files[path];
        else
            return FileResult::Failed("Access is denied.");
        return {};
    }
    FileResult ReplaceWith(const std::string& path, const std::string& copy) override {
        log.push_back("replace");
        if (unwritable.count(path) != 0)
            return Outcome(path);
        files[path] = files[copy];
        files.erase(copy);
        return {};
    }
    void RemoveFile(const std::string& path) override {
        log.push_back("remove");
        files.erase(path);
    }
    SettingsLocation SettingsRule() override { return settingsRule; }
    std::string ProgramFolder() override { return "C:\\Dorvanix"; }
    std::string UserSettingsFolder() override { return userFolder; }
    // A folder takes new files once it exists and is not closed.
    bool FolderTakesNewFiles(const std::string& folder) override {
        return closedFolders.count(folder) == 0 && (folder == ProgramFolder() || madeFolders.count(folder) != 0);
    }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    FileResult CreateFolder(const std::string& folder) override {
        madeFolders.insert(folder);
        return {};
    }
    static std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of("\\/")); }

    MemoryStatus QueryMemoryStatus() override { return memory; }
    LocalTime CurrentLocalTime() override { return time; }
    std::string DecimalSymbol() override { return decimalSymbol; }
    std::string ThousandsSeparator() override { return ","; }
    std::uint64_t TickCount() override { return tickMs; }
    std::string FormatTimeOfDay(const LocalTime& t) override {
        return Printed("%d:%02d:%02d", t.hour, t.minute, t.second);
    }

    Capabilities QueryCapabilities() override { return WindowsCapabilities(version); }

    // PerfCounter: `cpuReadings` one a collection (0 when they run out), each the busy share of one more interval.
    void OpenProcessorQuery(const char* counterPath) override {
        log.push_back(std::string("open query ") + counterPath);
    }
    std::optional<ProcessorTimes> CollectProcessorTimes() override {
        const double busy = std::clamp(Next(cpuReadings, 0.0), 0.0, 100.0);
        cpuTimes.kernel += 1000000;
        cpuTimes.idle += 1000000 - static_cast<std::uint64_t>(std::llround(busy * 10000));
        return cpuTimes;
    }
    void CloseProcessorQuery() override { log.push_back("close query"); }

    // Registry: key handles are 1-based indexes into `openKeys`, a closed key's entry emptied.
    RegistryKey OpenKey(RegistryRoot root, const char* path) override {
        std::string name = std::string(root == RegistryRoot::DynData ? "DynData" : "LocalMachine") + "\\" + path;
        registryLog.push_back("open " + name);
        auto below = registryValues.lower_bound(name + "\\");
        if (below == registryValues.end() || below->first.rfind(name + "\\", 0) != 0)
            return nullptr;
        openKeys.push_back(name);
        return reinterpret_cast<RegistryKey>(static_cast<std::uintptr_t>(openKeys.size()));
    }
    bool QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) override {
        auto found = FindValue(key, name, buffer ? "read " : "size ");
        if (!found || (buffer && size < found->second.size()))
            return false;
        if (buffer)
            std::memcpy(buffer, found->second.data(), found->second.size());
        size = static_cast<std::uint32_t>(found->second.size());
        return true;
    }
    std::optional<RegistryValue> ReadValue(RegistryKey key, const std::string& name) override {
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
    void CloseKey(RegistryKey key) override {
        auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
        if (index == 0 || index > openKeys.size())
            return;
        registryLog.push_back("close " + openKeys[index - 1]);  // a second close shows as "close "
        openKeys[index - 1].clear();
    }

    // TrayIcons: the shell's icon, present or not, and every call in `trayLog`.
    bool AddTrayIcon(WindowHandle, const TrayIconView& icon) override {
        return TrayCall("add", icon, shellReady && !trayPresent);
    }
    bool ModifyTrayIcon(WindowHandle, const TrayIconView& icon) override {
        return TrayCall("modify", icon, trayPresent);
    }
    bool DeleteTrayIcon(WindowHandle) override {
        trayLog.push_back("delete");
        return std::exchange(trayPresent, false);
    }

    // PopupMenu: records the rows shown, answers from `menuChoices` (0 when empty).
    int TrackPopup(WindowHandle, const std::vector<MenuItemView>& items) override {
        popups.push_back(items);
        log.push_back("popup");
        dialogs.duringModal();
        return Next(menuChoices, 0);
    }

    void ShowHelp(WindowHandle, const std::string& file, const std::string& topic) override {
        helpShown.push_back(topic.empty() ? file : file + "::/" + topic);
    }

    FakeWindow& Window(WindowHandle window) {
        return windows.at(static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(window)) - 1);
    }
    FakeWindow& Dial() { return windows.at(0); }
    // Where the dial's top-left corner is, "x,y" in pixels.
    std::string DialAt() { return Printed("%d,%d", Dial().position.x, Dial().position.y); }
    int DrawCalls() const { return static_cast<int>(drawing.size()); }
    // Running timer intervals; a stopped timer is absent.
    int TimerInterval(TimerId timer) const { return timers.count(timer) != 0 ? timers.at(timer) : 0; }
    std::string Path(const std::string& name) const { return "C:\\Dorvanix" + (settingsRule.separator + name); }
    std::string& File(const std::string& name) { return files[Path(name)]; }
    bool HasFile(const std::string& name) const { return files.count(Path(name)) != 0; }

    // Scripted environment.
    PixelSize screen{1024, 768};
    std::vector<PixelRect> monitors;  // empty: the primary alone, `screen` at 0,0
    int dpi = 96;                     // every monitor's
    MemoryStatus memory{1000, 1000, 1000, 1000};
    LocalTime time{12, 0, 0};
    std::string decimalSymbol = ".";
    std::uint64_t tickMs = 0;
    OsVersionInfo version{true, 2, 10, 0};
    std::deque<double> cpuReadings;
    ProcessorTimes cpuTimes;  // processor 0's, from zero
    std::map<std::string, std::string> files;
    // Paths this process may not write (a read-only file, a folder of that name), with the system's reason.
    std::map<std::string, std::string> unwritable;
    std::set<std::string> closedFolders;  // folders that refuse new files
    std::set<std::string> madeFolders;    // besides the program's
    std::string userFolder = "C:\\Users\\me\\AppData\\Roaming\\Dorvanix";
    SettingsLocation settingsRule;
    // Registry values by "root\\key\\value name" ("DynData\\PerfStats\\StatData\\KERNEL\\CPUUsage").
    std::map<std::string, std::string> registryValues;
    // Their types for ReadValue (Other when absent): text up to its first NUL, a number from 4 bytes.
    std::map<std::string, RegistryValueType> registryTypes;
    bool shellReady = true;  // false: every tray add fails, as before the shell starts
    std::deque<int> menuChoices;
    std::deque<bool> answers;  // AskYesNo's answers; No when empty
    // Runs inside a pump pass, to model messages arriving there.
    std::function<void()> onPump;
    FakeDialogs dialogs;
    FakeShell shell;

    // What the core did.
    std::vector<FakeWindow> windows;
    std::map<TimerId, int> timers;
    std::vector<std::string> log;        // ordered record of window, timer, counter and file calls
    std::vector<std::string> iniReads;   // "Section/Key" per read
    std::vector<std::string> iniWrites;  // "Section/Key=value" per write, the value as the core passed it
    std::vector<std::string> drawing;    // "clear", "line 50.00,50.00-50.00,90.00 230", "pen 2", "face 1", ...
    std::map<DialLabelId, LabelView> labels;
    std::vector<std::string> openKeys;     // "DynData\\PerfStats\\StatData" while open
    std::vector<std::string> registryLog;  // "open <key>", "size <value>", "read <value>", "close <key>"
    std::vector<std::string> trayLog;      // "add normal 0 Dorvanix", "modify lit 5 CPU:57%", "delete"
    bool trayPresent = false;
    TrayIconView trayIcon;
    std::vector<std::vector<MenuItemView>> popups;
    std::vector<std::string> questions;  // "title|text"
    std::vector<std::string> messages;
    std::vector<std::string> helpShown;  // "Dorvanix.chm" or "Dorvanix.chm::/html/..."
    int beeps = 0, drags = 0, pumps = 0;
    bool ended = false;
    WindowHandle foreground = nullptr;

private:
    // A failure for an unwritable path.
    FileResult Outcome(const std::string& path) {
        return unwritable.count(path) != 0 ? FileResult::Failed(unwritable[path]) : FileResult{};
    }
    using Entry = std::map<std::string, std::string>::value_type;
    // The value under an open key as its path and bytes, null when the key is not open or has no such value;
    // the look-up is logged.
    const Entry* FindValue(RegistryKey key, const std::string& name, const char* verb) {
        auto index = static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(key));
        if (index == 0 || index > openKeys.size() || openKeys[index - 1].empty())
            return nullptr;
        const std::string path = openKeys[index - 1] + "\\" + name;
        registryLog.push_back(verb + path);
        auto found = registryValues.find(path);
        return found == registryValues.end() ? nullptr : &*found;
    }
    bool TrayCall(const char* verb, const TrayIconView& icon, bool takes) {
        trayLog.push_back(std::string(verb) + (icon.set == TrayIconSet::Lit ? " lit " : " normal ") +
                          std::to_string(icon.index) + " " + icon.tip);
        if (takes) {
            trayPresent = true;
            trayIcon = icon;
        }
        return takes;
    }
};

inline std::string CrLfLines(const std::vector<const char*>& lines) {
    std::string text;
    for (const char* line : lines)
        text += std::string(line) + "\r\n";
    return text;
}
// The entries of a log, each closed by a semicolon, to compare an order in one line.
inline std::string Joined(const std::vector<std::string>& log) {
    std::string text;
    for (const std::string& entry : log)
        text += entry + ";";
    return text;
}
// The entries of a log that start with this prefix ("line ", "lamp", "add").
inline std::vector<std::string> Starting(const std::vector<std::string>& log, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& entry : log)
        if (entry.rfind(prefix, 0) == 0)
            found.push_back(entry);
    return found;
}

// The core wired to a fake host; the host is declared first so it outlives the app.
struct FakeMeter {
    FakeHost host;
    MeterApp app{host.platform()};
};

// Starts the meter from a meter.ini of these lines, as the program's entry does.
inline void StartMeter(FakeMeter& meter, const std::vector<const char*>& lines) {
    meter.host.File("meter.ini") = CrLfLines(lines);
    RunEntryProcedure(meter.app);
}

}  // namespace dorv::test

namespace dorv {
using test::CrLfLines, test::FakeControl, test::FakeMeter, test::Joined, test::StartMeter;
}  // namespace dorv
