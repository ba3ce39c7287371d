#pragma once
#include <memory>
#include <utility>

namespace lorvane::win32 {

// Runs `work` on one of the system's pooled threads, which stay ready between folders: a
// thread of its own costs 8 ms to start under Wine, more than listing a small folder takes.
// A pooled thread held for long (a check on a server that is gone) makes the pool start
// another, so nothing waits behind it. False, with `work` not run, when the pool refuses.
bool RunOnPooledThread(void (*work)(void* parameter), void* parameter);

// The same for an owned job: the pooled thread takes it and runs `work` on it; when the pool
// refuses, it is given back to the caller, who then runs it itself rather than lose it.
template <typename Job>
std::unique_ptr<Job> RunOnPooledThread(std::unique_ptr<Job> job, void (*work)(const Job& job)) {
    struct Pending {
        std::unique_ptr<Job> job;
        void (*work)(const Job&);
    };
    auto pending = std::make_unique<Pending>(Pending{std::move(job), work});
    const auto run = [](void* parameter) {
        const std::unique_ptr<Pending> owned(static_cast<Pending*>(parameter));
        owned->work(*owned->job);
    };
    if (RunOnPooledThread(run, pending.get())) {
        pending.release();  // the pooled thread owns it now
        return nullptr;
    }
    return std::move(pending->job);
}

}  // namespace lorvane::win32
