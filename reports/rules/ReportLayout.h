#pragma once
// The layout every report shares: the header block, centring, "000" numbers, cut-or-pad
// columns and the page counting that ends a page with a form-feed line.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell::reports {

// round(width / 2 - length / 2) with halves to even, 0 when negative.
std::size_t CentringIndent(double width, std::size_t length);
// round(half - round(length / 2)): the indent of the reports whose title is centred with the
// text's half rounded first.
std::size_t HalfRoundedIndent(double half, std::size_t length);
std::string Blanks(std::ptrdiff_t count);  // empty for a count of 0 or less
std::string Dashes(std::ptrdiff_t count);
// At least three digits, zero-padded: 7 "007", 123 "123", 1000 "1000", -5 "-005".
std::string Padded3(long value);
// text cut or padded with blanks to exactly width characters.
std::string Fit(std::string_view text, std::size_t width);
// The same appended to out, for a line built piece by piece.
void AppendFit(std::string& out, std::string_view text, std::size_t width);

// The line of a page break: the form-feed character alone.
inline constexpr std::string_view kFormFeedLine = "\f";

// The work file being built: CR LF after every line, a page's lines counted.
class ReportText {
public:
    // text with every control byte as a blank.
    void Line(std::string_view text);
    void FormFeed();  // a line holding the form-feed character alone
    // " ", title and report name centred over width, " ".
    void HeaderBlock(const std::string& title, std::string_view reportName, double width);
    const std::string& text() const { return text_; }

    int pageLines = 0;  // each report counts and resets it by its own rule

private:
    std::string text_;
};

// Replaces TEMPPRT.TXT with the report; false after the writer's message.
bool WriteWorkFile(const modBrackwell& model, Dialogs& dialogs, const ReportText& report);

}  // namespace brackwell::reports
