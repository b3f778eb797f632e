#include "bench/support/SilentDialogs.h"

namespace brackwell::bench {

void SilentDialogs::Show(const std::string& title, const std::string& text) {
    if (shown_++ == 0) first_ = "\"" + title + "\": " + text;
}

void SilentDialogs::FailOnMessages(benchmark::State& state) const {
    if (shown_ == 0) return;
    const std::string error = "unexpected message box " + first_ + " (" + std::to_string(shown_) + " in all)";
    state.SkipWithError(error.c_str());
}

}  // namespace brackwell::bench
