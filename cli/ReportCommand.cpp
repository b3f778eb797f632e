#include "cli/ReportCommand.h"

#include <array>
#include <optional>

#include "cli/CommandLine.h"
#include "cli/FolderCommand.h"
#include "cli/ConsoleDialogs.h"
#include "cli/DefaultAppFolder.h"
#include "core/FolderScoring.h"
#include "core/StartFile.h"
#include "reports/rules/ReportGenerators.h"
#include "reports/rules/ReportWorkLock.h"
#include "reports/rules/RunPool.h"

namespace brackwell::cli {

namespace {
struct ReportOptions {
    std::optional<std::string> folder;
    std::optional<std::string> title;
    std::array<bool, kReportCount> chosen{};
    bool help = false;
};

// The report an argument names: its key, or its index 0..6 in the report window.
std::optional<int> ReportIndex(const std::string& arg) {
    if (arg.size() == 1 && arg[0] >= '0' && arg[0] < '0' + kReportCount) return arg[0] - '0';
    for (int index = 0; index < kReportCount; ++index)
        if (arg == ReportAt(index).key) return index;
    return std::nullopt;
}

// The options, or the complaint about them.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, ReportOptions& options) {
    bool any = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--all") {
            options.chosen.fill(true);
            any = true;
        } else if (arg == "--folder" || arg == "--title") {
            if (i + 1 == args.size()) return arg + " needs a value";
            (arg == "--folder" ? options.folder : options.title) = args[++i];
        } else if (arg.rfind("--folder=", 0) == 0) {
            options.folder = arg.substr(9);
        } else if (arg.rfind("--title=", 0) == 0) {
            options.title = arg.substr(8);
        } else if (const std::optional<int> index = ReportIndex(arg)) {
            options.chosen[static_cast<std::size_t>(*index)] = true;
            any = true;
        } else {
            return "\"" + arg + "\" is neither an option nor a report";
        }
    }
    if (options.folder && options.folder->empty()) return std::string("--folder needs a folder");
    if (!any && !options.help) return std::string("name at least one report, or --all");
    return std::nullopt;
}
}  // namespace

int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ReportOptions options;
    const std::optional<std::string> complaint = ParseOptions(args, options);
    std::string folder;
    if (const auto ended = StartFolderCommand("report", complaint, options.help, options.folder, folder, out, err))
        return *ended;
    ConsoleDialogs dialogs(err);
    const ReportWorkLock lock(folder);
    if (lock.Busy()) {
        dialogs.Message(kReportsBusyMessage, "brackwell-cli report");
        return kExitFailure;
    }
    modBrackwell model(folder);
    ReadStartFile(model, dialogs);
    const ReportRequest request{options.title ? *options.title : model.TournamentTitle,
                                SelectionFileNames(folder)};
    bool failed = false;
    reports::RunPool pool;
    // In the report window's order, whatever the order named, as "Create Selected Reports" runs them.
    for (int index = 0; index < kReportCount; ++index) {
        if (!options.chosen[static_cast<std::size_t>(index)]) continue;
        const ReportOutcome outcome = RunReportGenerator(index, model, dialogs, request, pool);
        if (outcome == ReportOutcome::Failed) {
            failed = true;
        } else if (outcome == ReportOutcome::Written) {
            if (CopyWorkFileToReport(model, dialogs, ReportAt(index).key))
                out << model.AppFilePath(ReportAt(index).outputFile) << '\n';
            else
                failed = true;
        }
    }
    if (!out.flush()) failed = true;
    return failed ? kExitFailure : kExitOk;
}

}  // namespace brackwell::cli
