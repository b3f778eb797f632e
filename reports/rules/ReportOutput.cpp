#include "reports/rules/ReportOutput.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

#include "core/LineFile.h"
#include "core/Numeric.h"
#include "core/OutputText.h"
#include "core/PrintSetup.h"
#include "core/TextHelpers.h"
#include "reports/rules/ReportGenerators.h"
#include "reports/rules/ReportLayout.h"

namespace brackwell {

const char* const kPrinterErrorMessage = "Error in attempting to print to the printer\r\nCheck you printer for proper attachment";

namespace {

// Half an inch of the page is kept free; one character of 10-point Courier New is 120 twips wide.
constexpr int kPageAllowanceTwips = 720;
constexpr int kCharacterTwips = 120;
// A work file is a few thousand lines at most; the bound only keeps a strange file in check.
constexpr std::size_t kMaxWorkFileLines = 10'000'000;

std::vector<std::string> ReadWorkLines(const modBrackwell& model) {
    LineReadResult read = ReadLineFile(model.AppFilePath(kWorkFileName), kMaxWorkFileLines);
    switch (read.status) {
        case LineReadStatus::Ok: return std::move(read.lines);
        case LineReadStatus::Missing: throw std::runtime_error("File not found");
        default: throw std::runtime_error("Input past end of file");
    }
}

}  // namespace

void PrintWorkFile(const modBrackwell& model, PrintDevice& printer, Dialogs& dialogs, const std::string& key,
                   bool useDefaultPrinter) {
    const ReportInfo* report = ReportByKey(key);
    const bool landscape = report != nullptr && report->orientation == Orientation::Landscape;
    if (!PrintSetup(printer, dialogs, landscape ? "Landscape" : "Portrait", useDefaultPrinter ? "" : "yes")) return;

    const std::vector<std::string> lines = ReadWorkLines(model);
    std::size_t longest = 0;
    for (const std::string& line : lines) longest = std::max(longest, TrimTrailingSpaces(line).size());

    const double free = static_cast<double>(printer.PageWidthTwips()) - kPageAllowanceTwips -
                        static_cast<double>(longest) * kCharacterTwips;
    const double margin = RoundHalfEven(free / 2);
    // A shift left from an earlier report must not move this one.
    printer.SetOriginShift(margin > 0 ? static_cast<int>(margin) : 0, 0);

    // Only a line holding the form feed alone breaks the page; any other line is printed whole,
    // with a control byte in it shown as a blank.
    for (const std::string& line : lines) {
        if (line == reports::kFormFeedLine)
            printer.NewPage();
        else
            printer.PrintLine(OutputField(line));
    }
    printer.EndDocument();
}

bool WriteOutputRoutine(const modBrackwell& model, PrintDevice& printer, Dialogs& dialogs, const std::string& key,
                        const OutputSettings& settings) {
    if (!settings.toPrinter) return CopyWorkFileToReport(model, dialogs, key);
    try {
        PrintWorkFile(model, printer, dialogs, key, settings.useDefaultPrinter);
        return true;
    } catch (const std::exception& error) {
        dialogs.MessageBox(std::string(error.what()) + "\r\n" + kPrinterErrorMessage, MsgButtons::OK,
                           MsgIcon::Critical, kOutputRoutineTitle);
        return false;
    }
}

}  // namespace brackwell
