#pragma once
// A host that keeps real state in memory and records what the core asked of it, so tests can run
// the whole program logic natively and deterministically.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fake_dialogs.h"
#include "platform/platform.h"
#include "state/meter_app.h"

namespace dorv::test {

struct FakeWindow {
    std::string title;
    PixelPoint position;
    PixelSize size;
    bool visible = false;
    bool topmost = false;
    bool hasRegion = false;
    int regionLeft = 0, regionTop = 0, regionRight = 0, regionBottom = 0;
    bool layered = false;
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

    // WindowSystem
    WindowHandle CreateMeterWindow(const char* title, PixelSize size) override;
    WindowHandle CreateMenuWindow() override;
    PixelPoint WindowPosition(WindowHandle window) override;
    PixelSize WindowSize(WindowHandle window) override;
    void MoveWindow(WindowHandle window, PixelPoint topLeft) override;
    void HideWindow(WindowHandle window) override;
    int SetWindowStacking(WindowHandle window, bool topmost) override;
    void AttachEllipticRegion(WindowHandle window, int left, int top, int right, int bottom) override;
    void MakeLayered(WindowHandle window, std::uint8_t alpha) override;
    void InvalidateWindow(WindowHandle) override {}
    PixelSize PrimaryScreenSize() override { return screen; }
    int WindowDpi(WindowHandle) override { return dpi; }
    void Beep() override;
    void BeginWindowDrag(WindowHandle window) override;
    void SetForegroundWindow(WindowHandle window) override;
    bool AskYesNo(WindowHandle owner, const std::string& title, const std::string& text) override;
    // Recorded in `messages` as "title|text|icon" (icon 0 none, 1 information, 2 warning, 3 critical).
    void ShowMessage(WindowHandle owner, const std::string& title, const std::string& text, MessageIcon icon) override;

    // DialDrawing: every call is recorded in `drawing`, lines with two decimals.
    void SetScale(WindowHandle window, int dpi) override;
    void ClearDrawing(WindowHandle window) override;
    void DrawLine(WindowHandle window, float x1, float y1, float x2, float y2, std::int32_t colour) override;
    void SetPenWidth(WindowHandle window, int pixels) override;
    void SetPersistentDrawing(WindowHandle window, bool on) override;
    void SetFace(WindowHandle window, DialFace face) override;
    void SetWarningLamp(WindowHandle window, bool visible) override;
    void SetLabel(WindowHandle window, DialLabelId label, const LabelView& view) override;

    // TimerSystem
    void SetTimerInterval(WindowHandle window, TimerId timer, int intervalMs) override;
    void PumpMessagesOnce() override;
    void EndProgram() override;

    // IniFile: files as text in `files`; each change (copy, write, replace) is one step of `fileSteps`.
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override;
    FileResult WriteString(const std::string& path,
                           const std::string& section,
                           const std::string& key,
                           const std::string& value) override;
    FileResult CopyForSave(const std::string& path, const std::string& copy) override;
    FileResult ReplaceWith(const std::string& path, const std::string& copy) override;
    void RemoveFile(const std::string& path) override;
    void StoreFile(const std::string& path, const std::string& text);
    std::string ProgramFolder() override { return programFolder; }

    // SystemStatus
    MemoryStatus QueryMemoryStatus() override { return memory; }
    LocalTime CurrentLocalTime() override { return time; }
    std::string DecimalSymbol() override { return decimalSymbol; }
    std::string ThousandsSeparator() override { return ","; }
    std::uint64_t TickCount() override { return tickMs; }
    std::string FormatTimeOfDay(const LocalTime& time) override;

    // OsVersion
    OsVersionInfo QueryVersion() override { return version; }

    // PerfCounter
    void OpenProcessorQuery(const char* counterPath) override;
    double CollectProcessorBusy() override;
    void CloseProcessorQuery() override;

    FakeWindow& Window(WindowHandle window);
    int DrawCalls() const { return static_cast<int>(drawing.size()); }
    FakeWindow& Dial() { return windows.at(0); }
    // Running timer intervals; a stopped timer is absent.
    int TimerInterval(TimerId timer) const;
    std::string Path(const std::string& name) const { return programFolder + "\\" + name; }
    std::string& File(const std::string& name) { return files[Path(name)]; }
    bool HasFile(const std::string& name) const { return files.count(Path(name)) != 0; }

    // Registry
    RegistryKey OpenKey(RegistryRoot root, const char* path) override;
    bool QueryValue(RegistryKey key, const char* name, void* buffer, std::uint32_t& size) override;
    std::optional<RegistryValue> ReadValue(RegistryKey key, const std::string& name) override;
    void CloseKey(RegistryKey key) override;
    const std::string* OpenKeyPath(RegistryKey key) const;

    // TrayIcons: the shell's icon, present or not, and every call in `trayLog`.
    bool AddTrayIcon(WindowHandle window, const TrayIconView& icon) override;
    bool ModifyTrayIcon(WindowHandle window, const TrayIconView& icon) override;
    bool DeleteTrayIcon(WindowHandle window) override;

    // PopupMenu: records the rows shown, answers from `menuChoices` (0 when empty).
    int TrackPopup(WindowHandle owner, const std::vector<MenuItemView>& items) override;

    // HelpViewer
    void ShowHelp(WindowHandle owner, const std::string& file, const std::string& topic) override;

    // Scripted environment.
    PixelSize screen{1024, 768};
    int dpi = 96;  // every monitor's
    MemoryStatus memory{1000, 1000, 1000, 1000};
    LocalTime time{12, 0, 0};
    std::string decimalSymbol = ".";
    std::uint64_t tickMs = 0;
    OsVersionInfo version{true, 2, 10, 0};
    std::deque<double> cpuReadings;
    std::string programFolder = "C:\\Dorvanix";
    std::map<std::string, std::string> files;
    // Paths this process may not write (a read-only file, a folder of that name), with the system's reason.
    std::map<std::string, std::string> unwritable;
    // The program killed during the file change of this number (0 the first): a copy or write leaves half its
    // bytes, a replace does not happen, and no later change reaches the disk. -1: never.
    int killAtStep = -1;
    int fileSteps = 0;
    // Registry values by "root\\key\\value name" ("DynData\\PerfStats\\StatData\\KERNEL\\CPUUsage").
    std::map<std::string, std::string> registryValues;
    // Their types for ReadValue (Other when absent): text up to its first NUL, a number from 4 bytes.
    std::map<std::string, RegistryValueType> registryTypes;

    // What the core did.
    std::vector<FakeWindow> windows;
    std::map<TimerId, int> timers;
    std::vector<std::string> log;        // ordered record of window, timer, counter and file calls
    std::vector<std::string> iniReads;   // "Section/Key" per read
    std::vector<std::string> iniWrites;  // "Section/Key=value" per write, the value as the core passed it
    int beeps = 0;
    std::vector<std::string>
        drawing;  // "clear", "line 50.00,50.00-50.00,90.00 230", "pen 2", "face 1", "scale 144", ...
    std::map<DialLabelId, LabelView> labels;
    std::vector<std::string> openKeys;  // "DynData\\PerfStats\\StatData" while open
    std::vector<std::string> registryLog;
    int pumps = 0;
    bool ended = false;
    bool queryOpen = false;
    // Runs inside a pump pass, to model messages arriving there.
    std::function<void()> onPump;

    // Tray, menu, help and questions.
    bool shellReady = true;  // false: every add fails, as before the shell starts
    bool trayPresent = false;
    TrayIconView trayIcon;
    std::vector<std::string> trayLog;  // "add 0 0 Dorvanix", "modify 1 5 CPU:57%", "delete"
    std::deque<int> menuChoices;
    std::vector<std::vector<MenuItemView>> popups;
    std::deque<bool> answers;  // AskYesNo's answers; No when empty
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    FakeDialogs dialogs;
    FakeShell shell;
    std::vector<std::string> helpShown;  // "Dorvanix.chm" or "Dorvanix.chm::/html/..."
    int drags = 0;
    WindowHandle foreground = nullptr;
};

std::string CrLfLines(std::initializer_list<const char*> lines);
// The entries of a log, each closed by a semicolon, to compare an order in one line.
std::string Joined(const std::vector<std::string>& log);
// The entries of a log that start with this prefix ("line ", "lamp", "add").
std::vector<std::string> Starting(const std::vector<std::string>& log, const std::string& prefix);

}  // namespace dorv::test

namespace dorv::test {

// The core wired to a fake host; the host is declared first so it outlives the app.
struct FakeMeter {
    FakeHost host;
    MeterApp app{host.platform()};
};

// Starts the meter from a meter.ini of these lines, as the program's entry does.
void StartMeter(FakeMeter& meter, const std::vector<const char*>& lines);

}  // namespace dorv::test
