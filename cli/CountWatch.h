#pragma once
// A long count seen from the command line: how far it has got, on a terminal once it has run a
// few seconds (nothing otherwise, so that scripts and logs stay clean), and a time limit that
// stops it through the engine's progress callback.

#include <chrono>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "outlook/rules/Outlook.h"

namespace brackwell::cli {

class CountWatch {
public:
    // `done`: what the work does, for the progress line ("counted", "simulated").
    CountWatch(std::ostream& err, bool terminal, std::optional<std::uint64_t> timeLimitSeconds, std::string done);
    ~CountWatch();
    CountWatch(const CountWatch&) = delete;
    CountWatch& operator=(const CountWatch&) = delete;

    // The callback for the engine; it must not outlive the watch.
    OutlookProgress Progress();
    bool TimedOut() const { return timedOut_; }
    // Why the count stopped at the time limit, with how far it got.
    std::string TimedOutMessage() const;
    // Takes the progress line off the terminal.
    void Clear();

private:
    bool Report(std::uint64_t done, std::uint64_t total);

    std::ostream& err_;
    bool terminal_;
    std::optional<std::uint64_t> timeLimit_;
    std::string done_;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastShown_{};
    std::size_t shownWidth_ = 0;
    bool timedOut_ = false;
    double fraction_ = 0;  // of the work, when last reported
};

}  // namespace brackwell::cli
