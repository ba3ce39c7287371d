#include "win32/binder.h"

namespace lorvane::win32 {

void Binder::Follow() {
    Attach();
    entry_.control->SyncView = [this] { Sync(); };
    Sync();
}

void Binder::Sync() {
    context_.syncing = true;
    EnableWindow(hwnd_, entry_.control->Enabled());
    Show();
    context_.syncing = false;
}

LRESULT Binder::KeyToItem(UINT, WPARAM) { return -1; }

void Binder::Notified(int) {}

}  // namespace lorvane::win32
