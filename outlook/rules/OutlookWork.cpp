#include "outlook/rules/OutlookWork.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace brackwell {

namespace {
// Often enough for a smooth progress bar, rarely enough to cost nothing.
constexpr auto kReportInterval = std::chrono::milliseconds(25);
}  // namespace

OutlookWork::OutlookWork(std::uint64_t total, const OutlookProgress& progress, int threads)
    : total_(total),
      progress_(progress),
      threads_(threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))),
      lastReport_(std::chrono::steady_clock::now()) {}

bool OutlookWork::Run(std::uint64_t count, const std::function<void(std::uint64_t)>& task) {
    std::atomic<std::uint64_t> next{0};
    std::exception_ptr failure;
    std::mutex failureLock;
    auto worker = [&] {
        try {
            for (std::uint64_t i = next++; i < count && !Cancelled(); i = next++) task(i);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            if (!failure) failure = std::current_exception();
            cancelled_ = true;
        }
    };
    std::vector<std::thread> helpers;
    for (std::uint64_t t = 1; t < std::min<std::uint64_t>(threads_, count); ++t) helpers.emplace_back(worker);
    worker();
    for (std::thread& helper : helpers) helper.join();
    if (failure) std::rethrow_exception(failure);
    return !Cancelled();
}

bool OutlookWork::Advance(std::uint64_t done) {
    done_.fetch_add(done, std::memory_order_relaxed);
    Report(false);
    return !Cancelled();
}

bool OutlookWork::Finish() {
    Report(true);
    return !Cancelled();
}

void OutlookWork::Report(bool force) {
    if (!progress_ || Cancelled()) return;
    std::unique_lock<std::mutex> lock(reporting_, std::defer_lock);
    if (force) lock.lock();
    else if (!lock.try_lock()) return;
    const auto now = std::chrono::steady_clock::now();
    // Another thread may have cancelled while this one waited for its turn.
    if (Cancelled() || (!force && now - lastReport_ < kReportInterval)) return;
    lastReport_ = now;
    const std::uint64_t done = force ? total_ : std::min(done_.load(std::memory_order_relaxed), total_);
    if (!progress_(done, total_)) cancelled_ = true;
}

}  // namespace brackwell
