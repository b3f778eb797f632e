#pragma once
// The inner loops of the outlook over rows of 16-bit totals, one lane per participant, rows a
// whole number of OutlookPoints::kLaneBlock lanes long. Padding lanes hold kPaddingTotal, which
// no real total reaches.
//
// Each kernel exists twice: built for AVX2, picked at run time where the processor has it, and
// built for the x86-64 baseline (or any other processor) as the portable fallback.

#include <cstdint>

namespace brackwell {

inline constexpr std::int16_t kPaddingTotal = -32768;

struct OutlookKernel {
    const char* Name;
    // out = a + b, lane by lane.
    void (*Add)(std::int16_t* out, const std::int16_t* a, const std::int16_t* b, int lanes);
    // The same for `count` consecutive rows: out row r = row r + b (out may be rows).
    void (*AddRows)(std::int16_t* out, const std::int16_t* rows, int count, const std::int16_t* b, int lanes);
    // The highest total of the row; `tied` gets how many lanes hold it.
    std::int16_t (*Top)(const std::int16_t* row, int lanes, int& tied);
    // The first lane holding the value.
    int (*Find)(const std::int16_t* row, int lanes, std::int16_t value);
    // The number of lanes above the value.
    int (*CountAbove)(const std::int16_t* row, int lanes, std::int16_t value);
    // low/high = the lowest/highest total of each lane over `rows` consecutive rows.
    void (*Bounds)(const std::int16_t* rows, int count, int lanes, std::int16_t* low, std::int16_t* high);
    // out = a + b, lane by lane, and the number of lanes of out above the value: one pass where
    // a walk down the open games counts at every step.
    int (*AddCountAbove)(std::int16_t* out, const std::int16_t* a, const std::int16_t* b, int lanes, std::int16_t value);
    // The lanes whose total lies above `above` or below `below`, into `out`; how many.
    int (*Outside)(const std::int16_t* row, const std::int16_t* above, const std::int16_t* below, int lanes, int* out);
    // The highest total of the row below the value (kPaddingTotal when none); `tied` gets how
    // many lanes hold it.
    std::int16_t (*TopBelow)(const std::int16_t* row, int lanes, std::int16_t value, int& tied);
    // The columns of the lanes `wanted` (ascending) over `count` consecutive rows, 1 to 16: 16
    // values each (the last row repeated past `count`), column k at [16k, 16k + 16).
    void (*Columns)(const std::int16_t* rows, int count, int lanes, const int* wanted, int n, std::int16_t* columns);
    // Of 16 rows at once, the totals of n candidates as columns (candidate k's rows at
    // [16k, 16k + 16)), ranked by the highest `levels` totals of each row: for each candidate and
    // row, how many totals lie above it (`levels` when that many or more do) and, when fewer do,
    // how many candidates hold its total (else 0); `among` gets per candidate the rows where
    // fewer do, bit r for row r.
    void (*TopRanks)(const std::int16_t* columns, int n, int levels, std::int16_t* above, std::int16_t* tied,
                     std::uint16_t* among);
};

// The fastest kernel this processor runs.
const OutlookKernel& FastestKernel();
const OutlookKernel& PortableKernel();

}  // namespace brackwell
