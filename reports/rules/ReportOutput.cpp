#include "reports/rules/ReportOutput.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <stdexcept>

#include "core/LineFile.h"
#include "core/Numeric.h"
#include "core/OutputText.h"
#include "core/PrintSetup.h"
#include "core/PrintTarget.h"
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
                   bool useDefaultPrinter, const std::string& pdfFile) {
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

    // Nothing between this and the first line can fail, so the file is not left waiting for
    // another printout.
    if (!pdfFile.empty()) printer.PrintNextToPdf(pdfFile);
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
    if (settings.target == OutputTarget::ReportFile) return CopyWorkFileToReport(model, dialogs, key);
    const bool toPrinter = settings.target == OutputTarget::Printer;
    try {
        std::string pdfFile;
        if (!toPrinter) {
            const std::optional<std::string> chosen = AskPdfFile(dialogs, model.AppFolder, key);
            if (!chosen) return true;
            pdfFile = *chosen;
        }
        PrintWorkFile(model, printer, dialogs, key, !toPrinter || settings.useDefaultPrinter, pdfFile);
        return true;
    } catch (const std::exception& error) {
        const std::string description = error.what();
        dialogs.MessageBox(toPrinter ? description + "\r\n" + kPrinterErrorMessage : description, MsgButtons::OK,
                           MsgIcon::Critical, kOutputRoutineTitle);
        return false;
    }
}

}  // namespace brackwell
