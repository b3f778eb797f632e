// The window as the program opens it, with the real generators. Kept apart so that tests,
// which script the generators, link without them.
#include "reports/frmPoolReports.h"

namespace brackwell {

frmPoolReports::frmPoolReports(modBrackwell& model, Platform& platform, ReportsWindowHooks hooks, QWidget* parent)
    : frmPoolReports(model, platform, std::move(hooks), GenerateReport, parent) {}

}  // namespace brackwell
