#pragma once
#include <windows.h>

#include <memory>
#include <type_traits>

namespace lorvane::win32 {

// A system object freed by its own function when its owner goes, and never when there is none.
template <auto Free>
struct FreeWith {
    template <typename Handle>
    void operator()(Handle handle) const {
        Free(handle);
    }
};

template <typename Handle, auto Free>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, FreeWith<Free>>;

using OwnedHandle = Owned<HANDLE, CloseHandle>;
using OwnedIcon = Owned<HICON, DestroyIcon>;
using OwnedWindow = Owned<HWND, DestroyWindow>;

}  // namespace lorvane::win32
