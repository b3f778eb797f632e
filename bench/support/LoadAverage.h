#pragma once
// The machine's load when a timing starts, printed beside it: a figure taken on a busy machine
// says so.

namespace brackwell::bench {

// The one-minute load average, or -1 where the system does not tell it.
double LoadAverage();

}  // namespace brackwell::bench
