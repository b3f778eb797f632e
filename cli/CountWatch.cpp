#include "cli/CountWatch.h"

#include "cli/CommandLine.h"

namespace brackwell::cli {

namespace {
// A count that ends sooner shows nothing.
constexpr auto kQuietFor = std::chrono::seconds(2);
constexpr auto kShowEvery = std::chrono::milliseconds(250);

std::string Duration(double seconds) {
    if (seconds < 120) return std::to_string(static_cast<long long>(seconds + 0.5)) + " s";
    if (seconds < 120 * 60) return std::to_string(static_cast<long long>(seconds / 60 + 0.5)) + " min";
    return std::to_string(static_cast<long long>(seconds / 3600 + 0.5)) + " h";
}

std::string Percent(double fraction) { return std::to_string(static_cast<int>(fraction * 100)) + "%"; }
}  // namespace

CountWatch::CountWatch(std::ostream& err, bool terminal, std::optional<std::uint64_t> timeLimitSeconds,
                       std::string done)
    : err_(err),
      terminal_(terminal),
      timeLimit_(timeLimitSeconds),
      done_(std::move(done)),
      start_(std::chrono::steady_clock::now()) {}

CountWatch::~CountWatch() { Clear(); }

OutlookProgress CountWatch::Progress() {
    return [this](std::uint64_t done, std::uint64_t total) { return Report(done, total); };
}

bool CountWatch::Report(std::uint64_t done, std::uint64_t total) {
    const auto now = std::chrono::steady_clock::now();
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    fraction_ = total > 0 ? static_cast<double>(done) / static_cast<double>(total) : 1.0;
    if (timeLimit_ && elapsed >= static_cast<double>(*timeLimit_)) {
        timedOut_ = true;
        return false;
    }
    if (!terminal_ || now - start_ < kQuietFor || now - lastShown_ < kShowEvery) return true;
    lastShown_ = now;
    std::string line = std::string(kProgramName) + " outlook: " + Percent(fraction_) + " " + done_ + ", ";
    // Once every outcome is counted, the search for the best and worst places may still run.
    if (done >= total) line += "finding the best and worst places, ";
    line += Duration(elapsed) + " so far";
    if (fraction_ > 0 && done < total) line += ", about " + Duration(elapsed * (1 - fraction_) / fraction_) + " to go";
    const std::size_t width = line.size();
    // Blanks over the end of a longer line shown before.
    if (width < shownWidth_) line += std::string(shownWidth_ - width, ' ');
    shownWidth_ = width;
    err_ << '\r' << line << std::flush;
    return true;
}

std::string CountWatch::TimedOutMessage() const {
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    std::string message = std::string(kProgramName) + " outlook: stopped at the time limit of " +
                          std::to_string(*timeLimit_) + " s with " + Percent(fraction_) + " " + done_;
    if (fraction_ > 0) message += "; the whole would take about " + Duration(elapsed / fraction_);
    return message + " (--part shares the work out among several machines)\n";
}

void CountWatch::Clear() {
    if (shownWidth_ == 0) return;
    err_ << '\r' << std::string(shownWidth_, ' ') << '\r' << std::flush;
    shownWidth_ = 0;
}

}  // namespace brackwell::cli
