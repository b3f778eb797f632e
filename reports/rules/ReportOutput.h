#pragma once
// The output routine: the work file "TEMPPRT.TXT" of one report goes to the printer, or is
// copied byte for byte to the report's own file ("RPTOPT1.TXT" .. "RPTOPT7.TXT") through
// CopyWorkFileToReport (ReportGenerators.h), which the command line's reports use too.

#include <string>

#include "core/Dialogs.h"
#include "core/Model.h"
#include "core/PrintDevice.h"

namespace brackwell {

inline constexpr const char* kOutputRoutineTitle = "Brackwell - frmPoolReports, Write Output Routine";
extern const char* const kPrinterErrorMessage;

// Prints the work file in the report's orientation, the longest line centred across the page
// less half an inch; a line holding a form feed alone starts a new page, and a control byte in
// any other line is printed as a blank. With
// useDefaultPrinter false the print dialog comes first. A cancelled dialog skips the printout
// and still counts as done. A pdfFile, when given, is where this printout goes instead.
void PrintWorkFile(const modBrackwell& model, PrintDevice& printer, Dialogs& dialogs, const std::string& key,
                   bool useDefaultPrinter, const std::string& pdfFile = {});

// ReportFile: the report's own RPTOPTn.TXT (the file and mail destinations).
enum class OutputTarget { Printer, PdfFile, ReportFile };

struct OutputSettings {
    OutputTarget target = OutputTarget::Printer;
    bool useDefaultPrinter = true;  // for the printer only
};

// The printer, a PDF file asked for in a save dialog proposing the report's key + ".pdf" in the
// application folder (cancelled: skipped, and done), or the report's file. A failure is shown
// under kOutputRoutineTitle (for the printer with kPrinterErrorMessage after the description)
// and gives false.
bool WriteOutputRoutine(const modBrackwell& model, PrintDevice& printer, Dialogs& dialogs, const std::string& key,
                        const OutputSettings& settings);

}  // namespace brackwell
