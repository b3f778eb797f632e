#pragma once
// The dialogs of a benchmark: no message box is expected, so one that comes means the pool was
// not laid out as planned, and the benchmark that saw it is reported as failed.

#include <benchmark/benchmark.h>

#include <string>

#include "core/UnattendedDialogs.h"

namespace brackwell::bench {

class SilentDialogs final : public UnattendedDialogs {
public:
    // Fails the benchmark, naming the first message box, when any was shown.
    void FailOnMessages(benchmark::State& state) const;

private:
    void Show(const std::string& title, const std::string& text) override;

    int shown_ = 0;
    std::string first_;
};

}  // namespace brackwell::bench
