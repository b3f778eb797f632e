#include "outlook/OutlookJobs.h"

#include <chrono>
#include <memory>
#include <utility>

namespace brackwell {

namespace {

// The progress bar moves at most this often, however often the computation reports.
constexpr std::chrono::milliseconds kProgressInterval{100};

}  // namespace

OutlookJobs::~OutlookJobs() { Stop(); }

void OutlookJobs::Stop() {
    stopped_ = true;
    CancelAll();
    Join();
}

void OutlookJobs::Queue(QString working, Work work, bool urgent) {
    if (stopped_) return;
    if (urgent) queue_.push_front({std::move(working), std::move(work)});
    else queue_.push_back({std::move(working), std::move(work)});
    if (!Busy()) StartNext();
}

void OutlookJobs::CancelAll() {
    queue_.clear();
    cancelled_ = true;
}

void OutlookJobs::Join() {
    if (worker_.joinable()) worker_.join();
}

void OutlookJobs::StartNext() {
    if (queue_.empty()) return;
    Job job = std::move(queue_.front());
    queue_.pop_front();
    cancelled_ = false;
    emit Started(job.working);
    worker_ = std::thread([this, work = std::move(job.work)] {
        auto lastReport = std::chrono::steady_clock::now() - kProgressInterval;
        const OutlookProgress progress = [this, &lastReport](std::uint64_t done, std::uint64_t total) {
            const auto now = std::chrono::steady_clock::now();
            if (total > 0 && now - lastReport >= kProgressInterval) {
                lastReport = now;
                const double share = static_cast<double>(done) / static_cast<double>(total);
                QMetaObject::invokeMethod(this, [this, share] { emit Progressed(share); }, Qt::QueuedConnection);
            }
            return !cancelled_.load();
        };
        std::function<void()> apply;
        std::exception_ptr failure;
        try {
            apply = work(progress);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(this, [this, apply, failure] { Done(apply, failure); }, Qt::QueuedConnection);
    });
}

void OutlookJobs::Done(const std::function<void()>& apply, const std::exception_ptr& failure) {
    Join();
    if (stopped_) return;
    const bool cancelled = !failure && !apply;
    if (apply) apply();
    emit Finished(cancelled, failure);
    if (!Busy()) StartNext();
}

}  // namespace brackwell
