#pragma once
// Owners for the Win32 handles the host creates: each handle has exactly one owner, and its release is the
// owner's destructor (or reset). Handles the system owns (shared icons, stock objects) are never put here.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace dorv {

struct GdiObjectRelease {
    void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct MemoryDcRelease {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconRelease {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct ModuleRelease {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct KeyRelease {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
struct WindowRelease {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct MenuRelease {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

template <typename Handle, typename Release>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, Release>;

// A pen, brush, font, bitmap or region of our own making.
template <typename Handle>
using GdiObject = UniqueHandle<Handle, GdiObjectRelease>;
// A DC from CreateCompatibleDC.
using MemoryDc = UniqueHandle<HDC, MemoryDcRelease>;
// An icon loaded without LR_SHARED.
using IconOwner = UniqueHandle<HICON, IconRelease>;
using ModuleOwner = UniqueHandle<HMODULE, ModuleRelease>;
using KeyOwner = UniqueHandle<HKEY, KeyRelease>;
// A window the host destroys itself; one the system destroyed first is released at its WM_NCDESTROY.
using WindowOwner = UniqueHandle<HWND, WindowRelease>;
using MenuOwner = UniqueHandle<HMENU, MenuRelease>;

// A DC borrowed with GetDC (null window: the screen), given back with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window = nullptr) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// An object selected into a DC for one scope; the DC's previous object comes back at the end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (old_)
            SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A kernel handle whose "none" is INVALID_HANDLE_VALUE (files).
class FileOwner {
public:
    explicit FileOwner(HANDLE handle) : handle_(handle) {}
    ~FileOwner() {
        if (valid())
            CloseHandle(handle_);
    }
    FileOwner(const FileOwner&) = delete;
    FileOwner& operator=(const FileOwner&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace dorv
