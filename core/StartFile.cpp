#include "core/StartFile.h"

#include "core/LineFile.h"
#include "core/Numeric.h"
#include "core/TextHelpers.h"
#include "core/WriteFailure.h"

namespace brackwell {

namespace {
constexpr std::size_t kMaxStartLines = 101;  // StartLines 0..100 after the start marker
constexpr const char* kStartFileProblem = "Problem with file, will use default values";

// A finalized field holds the points the setup window let through; points out of that range
// (typed into the file by hand) would score below zero or past any sum. Those rounds get their
// default points. The rounds changed, as "round 1 \"0\", round 6 \"32767\"" (empty when none).
std::string KeepPointsInRange(StartLinesArray& lines) {
    std::string changed;
    if (lines[kFinalizedLine] != "1") return changed;  // a setup still being typed may hold anything
    const StartLinesArray defaults = DefaultStartLines();
    for (int round = 0; round < 6; ++round) {
        std::string& points = lines[kFirstPointsLine + round];
        if (RoundPointsInRange(points)) continue;
        if (!changed.empty()) changed += ", ";
        changed += "round " + std::to_string(round + 1) + " \"" + points + "\"";
        points = defaults[kFirstPointsLine + round];
    }
    return changed;
}

void UseDefaults(modBrackwell& model) {
    LoadDefaultStartLines(model.StartLines);
    model.TournamentTitle = model.StartLines[kTitleLine];
}
}  // namespace

bool RoundPointsInRange(const std::string& text) {
    const double value = NumericValue(text);
    return value >= kLowestRoundPoints && value <= kHighestRoundPoints;
}

void ReadStartFile(modBrackwell& model, Dialogs& dialogs) { ReadStartFileOutcome(model, dialogs); }

StartFileRead ReadStartFileOutcome(modBrackwell& model, Dialogs& dialogs, std::string* pointsReplaced) {
    const LineReadResult read = ReadLineFile(model.AppFilePath(kStartFileName), 1 + kMaxStartLines);
    const bool lineTooLong = read.status == LineReadStatus::LineTooLong;
    if (read.lines.empty() && !lineTooLong) {
        UseDefaults(model);  // missing, unreadable or empty: nothing was read
        return read.status == LineReadStatus::Missing ? StartFileRead::Missing : StartFileRead::Unreadable;
    }
    const bool framed = !read.lines.empty() && read.lines[0] == kStartMarker;
    if (framed && (read.status == LineReadStatus::TooManyLines || read.status == LineReadStatus::Unreadable)) {
        UseDefaults(model);  // a read error after the start marker
        return StartFileRead::Unreadable;
    }
    if (!framed || lineTooLong || read.lines.back() != kEndMarker) {
        dialogs.Message(kStartFileProblem);
        UseDefaults(model);
        return StartFileRead::Malformed;
    }
    // Lines beyond those in the file keep what they held before.
    for (std::size_t i = 1; i < read.lines.size(); ++i) model.StartLines[i - 1] = read.lines[i];
    model.TournamentTitle = model.StartLines[kTitleLine];
    std::string replaced = KeepPointsInRange(model.StartLines);
    if (replaced.empty()) return StartFileRead::Loaded;
    dialogs.Message(kStartFileProblem);
    if (pointsReplaced != nullptr) *pointsReplaced = std::move(replaced);
    return StartFileRead::BadPoints;
}

std::string StartFileContents(const StartLinesArray& lines) {
    std::string contents;
    AppendLine(contents, kStartMarker);
    for (int i = 0; i < kStartEndLine; ++i) {
        const bool comment = i == kComment1Line || i == kComment2Line;
        AppendLine(contents, comment ? CommentToOneLine(lines[i]) : BlankLineBreaks(lines[i]));
    }
    AppendLine(contents, kEndMarker);
    return contents;
}

bool WriteStartFile(const modBrackwell& model, Dialogs& dialogs, const StartLinesArray& lines) {
    return ReplaceFileOrReport(dialogs, model.AppFilePath(kStartFileName), StartFileContents(lines));
}

}  // namespace brackwell
