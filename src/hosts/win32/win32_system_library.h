#pragma once
// DLLs loaded at run time: from the system folder only, with typed entry points.
#include <windows.h>

namespace dorv {

// The program's own folder is writable and must never supply a DLL. The caller owns the handle (FreeLibrary).
HMODULE LoadSystemLibrary(const wchar_t* name);

// An entry point of a loaded module as a typed function pointer; null when the module or the name is missing.
template <typename Fn>
Fn Proc(HMODULE module, const char* name) {
    return module ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace dorv
