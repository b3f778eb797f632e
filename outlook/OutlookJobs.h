#pragma once
// The outlook window's long counts, one after another on a worker thread, so the window and the
// bracket window stay usable. Progress reaches the window at most ten times a second; what a job
// gives back is applied on the window's thread; Cancel stops the running job and drops the
// queued ones, and destruction stops and joins.

#include <QObject>
#include <QString>

#include <atomic>
#include <deque>
#include <exception>
#include <functional>
#include <thread>

#include "outlook/rules/Outlook.h"

namespace brackwell {

class OutlookJobs final : public QObject {
    Q_OBJECT

public:
    // Runs on the worker; returns what to do with its result on the window's thread, or an
    // empty function when progress was cancelled.
    using Work = std::function<std::function<void()>(const OutlookProgress& progress)>;

    explicit OutlookJobs(QObject* parent = nullptr) : QObject(parent) {}
    ~OutlookJobs() override;

    // What the status line says while it runs, and the work; an urgent job goes before those
    // already waiting (the one running finishes first).
    void Queue(QString working, Work work, bool urgent = false);
    void CancelAll();
    // CancelAll, waiting for the running job to stop; nothing of it reaches the window after.
    void Stop();
    bool Busy() const { return worker_.joinable(); }

signals:
    void Started(const QString& working);
    void Progressed(double share);
    // Cancelled: the job was stopped before its end. failure: what it threw, if anything.
    void Finished(bool cancelled, const std::exception_ptr& failure);

private:
    struct Job {
        QString working;
        Work work;
    };
    void StartNext();
    void Done(const std::function<void()>& apply, const std::exception_ptr& failure);
    void Join();

    std::deque<Job> queue_;
    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    bool stopped_ = false;
};

}  // namespace brackwell
