#include "outlook/rules/PrizeFile.h"

#include <charconv>
#include <cmath>

#include "core/FileSystem.h"
#include "core/LineFile.h"

namespace brackwell {

namespace {

// Longer than any amount of kLargestPrize with its decimals, short enough to quote in a message.
constexpr std::size_t kLongestPrizeLine = 64;

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string LineProblem(std::size_t line, const std::string& what) {
    return std::string(kPrizeFileName) + ", line " + std::to_string(line) + ": " + what;
}

}  // namespace

std::optional<double> PrizeAmount(std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty() || text == ".") return std::nullopt;
    bool point = false;
    for (const char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c < '0' || c > '9') {
            return std::nullopt;
        }
    }
    double amount = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), amount, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !(amount <= kLargestPrize)) return std::nullopt;
    return amount;
}

std::string PrizeAmountText(double amount) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, amount, std::chars_format::fixed);
    return error == std::errc() ? std::string(buffer, end) : std::string("0");
}

PrizeFileContents ReadPrizeFile(const std::string& folder) {
    PrizeFileContents contents;
    const LineReadResult read = ReadLineFile(folder + "/" + kPrizeFileName, kMostPaidPlaces, kLongestPrizeLine);
    if (read.status == LineReadStatus::Missing) return contents;
    contents.present = true;
    // Blank lines at the end are no places; a blank line before an amount would shift the places.
    std::size_t count = read.lines.size();
    while (count > 0 && TrimBlanks(read.lines[count - 1]).empty()) --count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<double> amount = PrizeAmount(read.lines[i]);
        if (!amount) {
            contents.problem = LineProblem(i + 1, "\"" + read.lines[i] +
                                                      "\" is not a prize. Each line holds the prize of one place, "
                                                      "place 1 first, as a number such as 100 or 12.50.");
            return contents;
        }
        contents.prizes.push_back(*amount);
    }
    switch (read.status) {
        case LineReadStatus::Ok:
        case LineReadStatus::Missing:
            break;
        case LineReadStatus::Unreadable:
            contents.problem = std::string(kPrizeFileName) + " could not be read (it is not a file this program may read).";
            break;
        case LineReadStatus::TooManyLines:
            contents.problem = std::string(kPrizeFileName) + " holds more than " + std::to_string(kMostPaidPlaces) +
                               " lines, more paid places than a pool has.";
            break;
        case LineReadStatus::LineTooLong:
            contents.problem = LineProblem(read.lines.size() + 1, "the line is too long to be a prize.");
            break;
    }
    return contents;
}

std::string PrizeFileText(const std::vector<double>& prizes) {
    std::string text;
    for (const double prize : prizes) AppendLine(text, PrizeAmountText(prize));
    return text;
}

bool WritePrizeFile(const std::string& folder, const std::vector<double>& prizes) {
    return ReplaceFile(folder + "/" + kPrizeFileName, PrizeFileText(prizes));
}

}  // namespace brackwell
