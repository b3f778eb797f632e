#pragma once
// The one lenient conversion behind every "numeric value" of a text, and the one rounding.

#include <cstdint>
#include <string_view>

namespace brackwell {

// The longest number at the start of text after blanks (sign, digits, fraction, exponent);
// 0 when there is none. "145abc" is 145, " 7" is 7, "x" is 0.
double NumericValue(std::string_view text);

// Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

// A number as a 16-bit counter takes it: rounded half to even, kept inside the range.
std::int16_t ClampToInt16(double value);
// 16-bit addition that stops at the range's ends instead of wrapping.
inline std::int16_t AddInt16(std::int16_t a, std::int16_t b) {
    const int sum = a + b;
    return static_cast<std::int16_t>(sum > 32767 ? 32767 : sum < -32768 ? -32768 : sum);
}

}  // namespace brackwell
