#pragma once
// Numbered pieces of work spread over every core, with progress reported one call at a time
// and a prompt stop when the progress callback asks for it.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>

#include "outlook/rules/Outlook.h"

namespace brackwell {

class OutlookWork {
public:
    OutlookWork(std::uint64_t total, const OutlookProgress& progress, int threads = 0);

    // Runs task(0) .. task(count - 1), each once, on the threads. An exception of a task is
    // passed on once every thread has stopped. False when cancelled.
    bool Run(std::uint64_t count, const std::function<void(std::uint64_t)>& task);
    // Adds work done; false once the computation is cancelled (the caller then stops).
    bool Advance(std::uint64_t done);
    bool Cancelled() const { return cancelled_.load(std::memory_order_relaxed); }
    // The whole, when it is known only once the work is split (before Run).
    void Expect(std::uint64_t total) { total_ = total; }
    std::uint64_t Total() const { return total_; }
    // The closing report of all the work done; false when it cancels.
    bool Finish();

private:
    void Report(bool force);

    std::uint64_t total_;
    OutlookProgress progress_;
    int threads_;
    std::atomic<std::uint64_t> done_{0};
    std::atomic<bool> cancelled_{false};
    std::mutex reporting_;
    std::chrono::steady_clock::time_point lastReport_;
};

}  // namespace brackwell
