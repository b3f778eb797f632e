#pragma once
// Readies the printer for a text printout (the reports and the standings summary): the print
// dialog on request, 10-point "Courier New" when the printer has it so that blank-padded
// columns line up, the orientation, and the organiser's own choice of font when it is missing.

#include <string>

#include "core/Dialogs.h"
#include "core/PrintDevice.h"

namespace brackwell {

inline constexpr const char* kPrintFontName = "Courier New";
inline constexpr double kPrintFontSize = 10;

extern const char* const kPrintFontMissingMessage;

// orientation is "Landscape" or anything else for portrait; dialogFlag "yes" shows the print
// dialog first. True when printing may go ahead; false when a dialog was cancelled.
bool PrintSetup(PrintDevice& printer, Dialogs& dialogs, const std::string& orientation,
                const std::string& dialogFlag);

}  // namespace brackwell
