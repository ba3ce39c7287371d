#pragma once
#include <windows.h>

#include <functional>

#include "win32/owned.h"

namespace lorvane::win32 {

// While a handler the user started runs, its waits and message boxes pump the thread's
// messages: a click, key, drop or menu command for the window found in the queue then
// would run inside that handler, and change the window under the question it asks. The
// gate sees every message the thread takes from its queue, and while a handler runs turns
// such input for the window or its controls into nothing, with one beep for the handler:
// the window refuses it as a disabled window does. Other top-level windows (the message
// box, the input box, the file dialog, the About window) take their input as ever. Input
// still in the queue when the handler ends (the folder wait leaves there what comes before
// it shows) runs after it, as before.
class InputGate {
public:
    InputGate() = default;
    ~InputGate();
    InputGate(const InputGate&) = delete;
    InputGate& operator=(const InputGate&) = delete;

    // Guards `window` from now on. Refused the hook, or with another gate holding the thread,
    // input comes in as it always did.
    void Install(HWND window, std::function<void()> beep);

    // A handler entered from a notification, for as long as it runs; handlers nest.
    class Handling {
    public:
        explicit Handling(InputGate* gate) : gate_(gate) {
            if (gate_ != nullptr) ++gate_->depth_;
        }
        ~Handling() {
            if (gate_ != nullptr && --gate_->depth_ == 0) gate_->beeped_ = false;
        }
        Handling(const Handling&) = delete;
        Handling& operator=(const Handling&) = delete;

    private:
        InputGate* gate_;
    };

private:
    static LRESULT CALLBACK Hooked(int code, WPARAM removal, LPARAM message);
    void Screen(MSG& message);

    // Refused, the hook stays until the thread ends and, finding no gate, passes everything.
    Owned<HHOOK, UnhookWindowsHookEx> hook_;
    HWND window_ = nullptr;
    std::function<void()> beep_;
    int depth_ = 0;
    bool beeped_ = false;
};

}  // namespace lorvane::win32
