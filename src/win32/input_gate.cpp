#include "win32/input_gate.h"

#include <utility>

#include "win32/dropped_files.h"
#include "win32/user_input.h"

namespace lorvane::win32 {

namespace {

// A hook procedure is handed no pointer of its own. The hook is this thread's alone, so the
// thread's gate is found here, set for exactly as long as that gate is installed.
thread_local InputGate* threadGate = nullptr;

// Pen and touch as pointers (Windows 8 and later, newer than the headers this builds with).
constexpr UINT kNcPointerUpdate = 0x0241, kNcPointerUp = 0x0243, kPointerUpdate = 0x0245, kPointerUp = 0x0247,
               kPointerEnter = 0x0249, kPointerLeave = 0x024A;

enum class Input { None, Motion, FollowUp, Action };

Input KindOf(UINT message) {
    switch (message) {
        // The pointer moving or resting acts on nothing; the folder wait sets its cursor on it.
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
        case WM_MOUSEHOVER:
        case WM_MOUSELEAVE:
        case WM_NCMOUSEHOVER:
        case WM_NCMOUSELEAVE:
        case kNcPointerUpdate:
        case kPointerUpdate:
        case kPointerEnter:
        case kPointerLeave: return Input::Motion;
        // The rest of a keystroke or click begun before: the press that started the handler,
        // or one already refused. Refused without a beep of its own, else every click or key
        // that opens a message box would beep.
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_XBUTTONUP:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
        case WM_NCMBUTTONUP:
        case WM_NCXBUTTONUP:
        case kNcPointerUp:
        case kPointerUp: return Input::FollowUp;
        default: break;
    }
    // Menus (and other programs) post their commands; the controls and the shortcut keys send
    // theirs, which no queue holds.
    return IsUserInput(message) ? Input::Action : Input::None;
}

}  // namespace

InputGate::~InputGate() {
    if (threadGate == this) threadGate = nullptr;
}

void InputGate::Install(HWND window, std::function<void()> beep) {
    if (threadGate) return;  // one gate a thread: the hook finds it by the thread
    hook_.reset(SetWindowsHookExW(WH_GETMESSAGE, Hooked, nullptr, GetCurrentThreadId()));
    if (!hook_) return;
    window_ = window;
    beep_ = std::move(beep);
    threadGate = this;
}

LRESULT CALLBACK InputGate::Hooked(int code, WPARAM removal, LPARAM message) {
    // A message only looked at comes again when it is taken.
    if (code == HC_ACTION && removal == PM_REMOVE && threadGate) {
        threadGate->Screen(*reinterpret_cast<MSG*>(message));
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

void InputGate::Screen(MSG& message) {
    if (!depth_) return;  // no handler running
    const Input kind = KindOf(message.message);
    if (kind == Input::None || kind == Input::Motion) return;
    if (message.hwnd == nullptr || (message.hwnd != window_ && !IsChild(window_, message.hwnd))) return;
    if (message.message == WM_DROPFILES) DiscardDrop(reinterpret_cast<HDROP>(message.wParam));
    message.message = WM_NULL;
    message.wParam = {};
    message.lParam = {};
    if (kind == Input::Action && !beeped_) {
        beeped_ = true;
        if (beep_) beep_();
    }
}

}  // namespace lorvane::win32
