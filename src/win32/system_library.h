#pragma once
#include <windows.h>

namespace lorvane::win32 {

// A function of a system library loaded at its first use rather than at start: the shell
// and the file dialogs are large, and most sessions need them late or never.
template <typename Function>
Function* LoadSystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr) module = LoadLibraryW(library);  // systems without the search flag
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace lorvane::win32
