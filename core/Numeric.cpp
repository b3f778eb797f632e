#include "core/Numeric.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace brackwell {

double NumericValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    std::size_t mantissaDigits = i - digitsStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
        mantissaDigits += i - fractionStart;
    }
    if (mantissaDigits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t expStart = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
        if (j > expStart) end = j;
    }
    // from_chars reads the same number under any locale the program runs in (strtod would take
    // "1.5" as 1 where the decimal point is a comma); it takes no "+", so the sign is ours.
    const bool negative = text[start] == '-';
    const std::size_t numberStart = text[start] == '+' || negative ? start + 1 : start;
    double value = 0.0;
    const auto [ptr, error] = std::from_chars(text.data() + numberStart, text.data() + end, value);
    if (error != std::errc() || !std::isfinite(value)) return 0.0;
    return negative ? -value : value;
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return 0.0;
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5) return lower + 1.0;
    if (fraction < 0.5) return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

std::int16_t ClampToInt16(double value) {
    if (std::isnan(value)) return 0;
    value = RoundHalfEven(value);
    if (value < -32768.0) return -32768;
    if (value > 32767.0) return 32767;
    return static_cast<std::int16_t>(value);
}

}  // namespace brackwell
