#include "core/PrintSetup.h"

#include <algorithm>
#include <exception>
#include <vector>

namespace brackwell {

const char* const kPrintFontMissingMessage =
    "Brackwell attempted to use the default font: *Courier New*\r\n"
    "But, this font isn't supported by your selected printer..\r\n\r\n"
    "Please select another font from the following options.\r\n\r\n"
    "Fixed-Pitch fonts will produce the most readable report.";

bool PrintSetup(PrintDevice& printer, Dialogs& dialogs, const std::string& orientation,
                const std::string& dialogFlag) {
    const Orientation wanted = orientation == "Landscape" ? Orientation::Landscape : Orientation::Portrait;
    if (dialogFlag == "yes") {
        PrintRequest request{wanted};
        try {
            if (!dialogs.PrintDialog(request)) return false;
        } catch (const std::exception&) {
            return false;  // a dialog that fails counts as cancelled
        }
    }

    const std::vector<std::string> fonts = printer.FontNames();
    const bool found = std::find(fonts.begin(), fonts.end(), kPrintFontName) != fonts.end();
    if (found) {
        FontChoice font = printer.Font();
        font.name = kPrintFontName;
        font.size = kPrintFontSize;
        printer.SetFont(font);
    }
    printer.SetPageOrientation(wanted);
    if (found) return true;

    dialogs.Message(kPrintFontMissingMessage);
    const std::optional<FontChoice> chosen = dialogs.FontDialog(printer.Font());
    if (!chosen) return false;
    printer.SetFont(*chosen);
    return true;
}

}  // namespace brackwell
