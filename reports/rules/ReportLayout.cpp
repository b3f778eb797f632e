#include "reports/rules/ReportLayout.h"

#include "core/Numeric.h"
#include "core/OutputText.h"
#include "core/WriteFailure.h"
#include "reports/rules/ReportGenerators.h"

namespace brackwell::reports {

namespace {
std::size_t NonNegative(double value) { return value > 0 ? static_cast<std::size_t>(value) : 0; }
}  // namespace

std::size_t CentringIndent(double width, std::size_t length) {
    return NonNegative(RoundHalfEven(width / 2 - static_cast<double>(length) / 2));
}

std::size_t HalfRoundedIndent(double half, std::size_t length) {
    return NonNegative(RoundHalfEven(half - RoundHalfEven(static_cast<double>(length) / 2)));
}

std::string Blanks(std::ptrdiff_t count) { return count > 0 ? std::string(static_cast<std::size_t>(count), ' ') : ""; }
std::string Dashes(std::ptrdiff_t count) { return count > 0 ? std::string(static_cast<std::size_t>(count), '-') : ""; }

std::string Padded3(long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string Fit(std::string_view text, std::size_t width) {
    std::string out;
    AppendFit(out, text, width);
    return out;
}

void AppendFit(std::string& out, std::string_view text, std::size_t width) {
    const std::string_view kept = text.substr(0, width);
    out.append(kept).append(width - kept.size(), ' ');
}

void ReportText::Line(std::string_view text) {
    // Names and titles come from files that may hold any byte; a control byte in a report shows
    // as a blank, as on the command line, so only FormFeed makes a page break.
    text_ += OutputField(text);
    text_ += "\r\n";
}

void ReportText::FormFeed() { text_ += kFormFeedLine; text_ += "\r\n"; }

void ReportText::HeaderBlock(const std::string& title, std::string_view reportName, double width) {
    Line(" ");
    Line(Blanks(static_cast<std::ptrdiff_t>(CentringIndent(width, title.size()))) + title);
    Line(Blanks(static_cast<std::ptrdiff_t>(CentringIndent(width, reportName.size()))) + std::string(reportName));
    Line(" ");
}

// The work file is made again by every report, so it does not wait for the disk.
bool WriteWorkFile(const modBrackwell& model, Dialogs& dialogs, const ReportText& report) {
    return ReplaceFileOrReport(dialogs, model.AppFilePath(kWorkFileName), report.text(), Durability::Deferred);
}

}  // namespace brackwell::reports
