#include "core/PrintTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "core/FileSystem.h"

namespace brackwell {

const char* const kNoPrinterMessage =
    "No printer is installed on this computer. To print to a PDF file instead, choose \"PDF file\".";

namespace {

constexpr const char* kPdfExtension = ".pdf";
// Past this many numbered files beside it, something other than printouts is filling the folder.
constexpr int kMaxPdfNumber = 99999;

bool EndsWithPdf(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    for (char& c : end) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return end == kPdfExtension;
}

// Why nothing can be written at path, in the system's words; empty when no reason shows.
std::string WriteProblem(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return std::strerror(EISDIR);
        return ::access(path.c_str(), W_OK) == 0 ? std::string() : std::strerror(errno);
    }
    const std::string folder = FolderOf(path);
    if (::stat(folder.c_str(), &info) != 0) return std::strerror(errno);
    if (!S_ISDIR(info.st_mode)) return std::strerror(ENOTDIR);
    return ::access(folder.c_str(), W_OK) == 0 ? std::string() : std::strerror(errno);
}

}  // namespace

std::string WithPdfExtension(const std::string& path) { return EndsWithPdf(path) ? path : path + kPdfExtension; }

std::optional<std::string> AskPdfFile(Dialogs& dialogs, const std::string& folder, const std::string& name) {
    FileDialogRequest request;
    request.title = kPdfFileDialogTitle;
    request.filter = kPdfFileFilter;
    request.initialPath = folder + "/" + name + kPdfExtension;
    request.defaultExtension = "pdf";
    request.promptOverwrite = true;
    const std::optional<std::string> chosen = dialogs.SaveFile(request);
    if (!chosen || chosen->empty()) return std::nullopt;
    return WithPdfExtension(*chosen);
}

void PrintDocument(PrintDevice& printer, const std::vector<std::string>& lines, const std::string& pdfFile) {
    if (!pdfFile.empty()) printer.PrintNextToPdf(pdfFile);
    for (const std::string& line : lines) printer.PrintLine(line);
    printer.EndDocument();
}

bool PathTaken(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::string UnusedPdfPath(const std::string& path, const std::function<bool(const std::string&)>& taken) {
    if (!taken(path)) return path;
    const std::string stem = EndsWithPdf(path) ? path.substr(0, path.size() - 4) : path;
    const std::string extension = EndsWithPdf(path) ? path.substr(path.size() - 4) : std::string(kPdfExtension);
    for (int number = 2; number <= kMaxPdfNumber; ++number) {
        const std::string candidate = stem + "-" + std::to_string(number) + extension;
        if (!taken(candidate)) return candidate;
    }
    throw std::runtime_error(PdfFileFailure(path));
}

std::string PdfFileFailure(const std::string& path) {
    const std::string problem = WriteProblem(path);
    return "The PDF file " + path + " could not be written" + (problem.empty() ? "" : ": " + problem) + ".";
}

std::string PrinterFailure(const std::string& printerName, PrinterStep step) {
    const std::string printer = printerName.empty() ? "The default printer" : "The printer " + printerName;
    return printer + (step == PrinterStep::Start ? " could not be started." : " did not take the printout.");
}

}  // namespace brackwell
