#pragma once
// Printing to a PDF file: asking for the file of one printout, the rule that keeps a printout
// from replacing a file nobody agreed to replace, and what a failed printout says.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Dialogs.h"
#include "core/PrintDevice.h"

namespace brackwell {

// The destination of the report window, and the standings' button, that print to a PDF file.
inline constexpr const char* kPdfFileCaption = "PDF file";
inline constexpr const char* kPdfFileDialogTitle = "Print to PDF file";
inline constexpr const char* kPdfFileFilter = "PDF files (*.pdf) | *.pdf";

// The save dialog of one printout, proposing name + ".pdf" in folder; the dialog itself asks
// before it replaces a file. A name chosen without ".pdf" gets it. nullopt when cancelled.
std::optional<std::string> AskPdfFile(Dialogs& dialogs, const std::string& folder, const std::string& name);

// One document of these lines, on the printer or, when pdfFile is given, in that file.
void PrintDocument(PrintDevice& printer, const std::vector<std::string>& lines, const std::string& pdfFile);

// path with ".pdf" added unless it ends in it (any case).
std::string WithPdfExtension(const std::string& path);

// The file a printout writes to when nobody chose that file for this printout (the file named by
// $BRACKWELL_PRINT_PDF, or the one the print dialog chose for an earlier printout): the file itself
// while nothing of that name is there, else the first of "NAME-2.pdf", "NAME-3.pdf", ... beside
// it that is free. So the reports of a run, and a second run, each get their own file.
std::string UnusedPdfPath(const std::string& path, const std::function<bool(const std::string&)>& taken);
// Anything at path, a dangling link included, takes the name.
bool PathTaken(const std::string& path);

// The descriptions of a printout that failed.
extern const char* const kNoPrinterMessage;
// Names the file, and why it could not be written when the file system tells.
std::string PdfFileFailure(const std::string& path);
// A printer that could not begin the printout, or that failed it once begun. An empty name
// is the system's default printer.
enum class PrinterStep { Start, Print };
std::string PrinterFailure(const std::string& printerName, PrinterStep step);

}  // namespace brackwell
