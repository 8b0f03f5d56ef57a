#include "win32_shell.h"

// After windows.h, which they need.
#include <objbase.h>
#include <shellapi.h>

#include <cstring>

#include "win32_system_library.h"
#include "win32_text.h"
#include "win32_window_handle.h"

namespace dorv {
namespace {

// Owns a kernel handle (process, thread) and closes it once.
class KernelHandle {
public:
    explicit KernelHandle(HANDLE handle) : handle_(handle) {}
    ~KernelHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

private:
    HANDLE handle_;
};

// Owns the clipboard while it is open. Another program may hold it for a moment (a clipboard viewer reading
// what was just copied), so opening is tried a few times before giving up.
class ClipboardSession {
public:
    explicit ClipboardSession(HWND owner) {
        constexpr int kAttempts = 5;
        constexpr DWORD kPauseMs = 20;
        for (int attempt = 0; attempt < kAttempts && !open_; ++attempt) {
            if (attempt > 0)
                Sleep(kPauseMs);
            open_ = OpenClipboard(owner) != FALSE;
        }
    }
    ~ClipboardSession() {
        if (open_)
            CloseClipboard();
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;
    bool IsOpen() const { return open_; }

private:
    bool open_ = false;
};

// Global memory for the clipboard: ours until SetClipboardData takes it.
class GlobalBlock {
public:
    explicit GlobalBlock(std::size_t bytes) : memory_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~GlobalBlock() {
        if (memory_)
            GlobalFree(memory_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL Get() const { return memory_; }
    HGLOBAL Release() {
        HGLOBAL memory = memory_;
        memory_ = nullptr;
        return memory;
    }

private:
    HGLOBAL memory_;
};

}  // namespace

bool Win32Shell::CopyTextToClipboard(WindowHandle owner, const std::string& text) {
    const std::wstring wide = Widen(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    GlobalBlock block(bytes);
    if (!block.Get())
        return false;
    void* target = GlobalLock(block.Get());
    if (!target)
        return false;
    std::memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(block.Get());

    ClipboardSession clipboard(ToHwnd(owner));
    if (!clipboard.IsOpen() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, block.Get()))
        return false;
    block.Release();  // the clipboard owns it now
    return true;
}

bool Win32Shell::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Shell::StartProgram(const std::string& path) {
    // An empty path would start nothing useful (or whatever the search finds): refuse it.
    if (path.empty())
        return false;
    const std::wstring program = Widen(path);
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    KernelHandle processHandle(process.hProcess);
    KernelHandle threadHandle(process.hThread);
    return true;
}

Win32Shell::~Win32Shell() {
    using UninitializeFn = void(WINAPI*)();
    if (inApartment_)
        if (const auto uninitialize = Proc<UninitializeFn>(ole32_.get(), "CoUninitialize"))
            uninitialize();
}

// ShellExecuteW may hand the address to a COM handler, so the calling thread must be in a single-threaded
// apartment. Nothing else of the program needs COM, so ole32 too waits for the first address.
void Win32Shell::StartShell() {
    if (started_)
        return;
    started_ = true;
    ole32_.reset(LoadSystemLibrary(L"ole32.dll"));
    using InitializeFn = HRESULT(WINAPI*)(LPVOID, DWORD);
    if (const auto initialize = Proc<InitializeFn>(ole32_.get(), "CoInitializeEx")) {
        // S_FALSE: already in this apartment, and still owed an uninitialize; a thread in another apartment
        // (RPC_E_CHANGED_MODE) keeps its own.
        const HRESULT result = initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
        inApartment_ = result == S_OK || result == S_FALSE;
    }
    shell32_.reset(LoadSystemLibrary(L"shell32.dll"));
}

std::intptr_t Win32Shell::OpenAddress(const std::string& url) {
    StartShell();
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    const auto shellExecute = Proc<ShellExecuteFn>(shell32_.get(), "ShellExecuteW");
    if (!shellExecute)
        return SE_ERR_DLLNOTFOUND;
    const std::wstring address = Widen(url);
    HINSTANCE result = shellExecute(GetDesktopWindow(), L"open", address.c_str(), nullptr, L"", SW_SHOWNORMAL);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace dorv
