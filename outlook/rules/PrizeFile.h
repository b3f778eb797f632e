#pragma once
// The prizes of the paid places, kept in the application folder as "PRIZES.TXT": one amount a
// line, place 1 first (any unit: money or shares of the pot). The organiser sets them in the
// outlook window; a person may also write the file by hand, so a line that is not an amount is
// named in a message and nothing is read past it, and the file is left as it is.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brackwell {

inline constexpr const char* kPrizeFileName = "PRIZES.TXT";
// More paid places than any office pool has participants; a longer file is not a prize list.
inline constexpr std::size_t kMostPaidPlaces = 1000;
// The largest amount taken: any sum of prizes stays exact to the cent in a double.
inline constexpr double kLargestPrize = 1e12;

struct PrizeFileContents {
    std::vector<double> prizes;  // place 1 first; the places read before any faulty line
    bool present = false;        // a file of that name was there
    std::string problem;         // empty when the file was read whole (or is not there)
};

// The amount a prize field holds: digits with at most one decimal point, blanks around them
// allowed, 0 to kLargestPrize. Nothing for anything else (signs, exponents, commas, text).
std::optional<double> PrizeAmount(std::string_view text);
// The amount as written to the file and shown in the window: the shortest decimal that reads
// back as the same number ("25", "12.5", "0.333").
std::string PrizeAmountText(double amount);

// Reads the folder's prize file. A missing file is no prizes and no problem.
PrizeFileContents ReadPrizeFile(const std::string& folder);
// The file's bytes for a list of prizes, each line ending in CR LF.
std::string PrizeFileText(const std::vector<double>& prizes);
// Replaces the folder's prize file as a whole (the old one stays on failure); false on failure.
bool WritePrizeFile(const std::string& folder, const std::vector<double>& prizes);

}  // namespace brackwell
