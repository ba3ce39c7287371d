#include "win32/background_work.h"

#include <windows.h>

namespace lorvane::win32 {

namespace {

struct PooledCall {
    void (*work)(void*);
    void* parameter;
};

void CALLBACK RunPooledCall(PTP_CALLBACK_INSTANCE, void* parameter) {
    const std::unique_ptr<PooledCall> call(static_cast<PooledCall*>(parameter));
    call->work(call->parameter);
}

}  // namespace

bool RunOnPooledThread(void (*work)(void* parameter), void* parameter) {
    auto call = std::make_unique<PooledCall>(PooledCall{work, parameter});
    const bool submitted = TrySubmitThreadpoolCallback(RunPooledCall, call.get(), nullptr);
    if (submitted) call.release();  // the pooled thread owns it now
    return submitted;
}

}  // namespace lorvane::win32
