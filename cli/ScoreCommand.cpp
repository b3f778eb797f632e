#include "cli/ScoreCommand.h"

#include <optional>

#include "cli/CommandLine.h"
#include "cli/FolderCommand.h"
#include "cli/ConsoleDialogs.h"
#include "cli/DefaultAppFolder.h"
#include "core/OutputText.h"
#include "core/BracketView.h"
#include "core/FolderScoring.h"
#include "core/Model.h"
#include "core/Scoring.h"

namespace brackwell::cli {

namespace {
struct ScoreOptions {
    std::optional<std::string> folder;
    std::vector<std::string> files;
    bool help = false;
};

// The options, or the complaint about them.
std::optional<std::string> ParseOptions(const std::vector<std::string>& args, ScoreOptions& options) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.empty() || arg[0] != '-') {
            if (arg.empty() || arg.find('/') != std::string::npos)
                return "\"" + arg + "\" is not a file name of the application folder (name the folder with --folder)";
            options.files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--folder") {
            if (i + 1 == args.size()) return std::string("--folder needs a folder");
            options.folder = args[++i];
        } else if (arg.rfind("--folder=", 0) == 0) {
            options.folder = arg.substr(9);
        } else {
            return "unknown option \"" + arg + "\"";
        }
    }
    if (options.folder && options.folder->empty()) return std::string("--folder needs a folder");
    return std::nullopt;
}

// Names come from file names and file contents, which may hold a tab or a line break: those
// become blanks, so that every row has the header's columns.
void AppendRow(std::string& table, const ScoreRecord& record) {
    for (const std::string* text : {&record.FileName, &record.PlayerName}) {
        table += OutputField(*text);
        table += '\t';
    }
    for (const std::int16_t number : {record.Score, record.MaxScore, record.Correct, record.Wrong}) {
        table += std::to_string(number);
        table += '\t';
    }
    table += OutputField(record.Champion);
    table += '\t';
    table += OutputField(record.RunnerUp);
    table += '\t';
    table += std::to_string(record.TieBreak);
    table += '\n';
}

// The standings as the standings window fills them: the results shown on the bracket as
// "Enter Game Results" shows them, every file scored against that bracket.
std::optional<std::string> ScoreFolder(const std::string& folder, const std::vector<std::string>& files,
                                       Dialogs& dialogs) {
    modBrackwell model(folder);
    PlainBracketView results;
    if (!ShowFolderResults(model, results, dialogs)) return std::nullopt;

    std::string table = "FileName\tPlayerName\tScore\tMaxScore\tCorrect\tWrong\tChampion\tRunnerUp\tTieBreak\n";
    ScoreSelectionFiles(model, results, dialogs, files.empty() ? SelectionFileNames(folder) : files,
                        [&table](std::size_t, const ScoreRecord& record) { AppendRow(table, record); });
    return table;
}
}  // namespace

int RunScoreCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    ScoreOptions options;
    const std::optional<std::string> complaint = ParseOptions(args, options);
    std::string folder;
    if (const auto ended = StartFolderCommand("score", complaint, options.help, options.folder, folder, out, err))
        return *ended;
    ConsoleDialogs dialogs(err);
    const std::optional<std::string> table = ScoreFolder(folder, options.files, dialogs);
    if (!table) return kExitFailure;
    out.write(table->data(), static_cast<std::streamsize>(table->size()));
    if (!out.flush()) {
        err << kProgramName << " score: the standings could not be written to standard output\n";
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace brackwell::cli
