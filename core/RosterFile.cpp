#include "core/RosterFile.h"

#include <array>

#include "core/FileSystem.h"
#include "core/RosterErrorCopy.h"
#include "core/TextHelpers.h"
#include "core/WriteFailure.h"

namespace brackwell {

namespace {
constexpr std::array<std::size_t, 8> kQuoteColumns = {1, 27, 29, 63, 65, 109, 111, 126};
constexpr std::array<std::size_t, 3> kCommaColumns = {28, 64, 110};

// Columns first .. first + width - 1 (1-based) of line, as far as the line reaches.
std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
    if (first > line.size()) return {};
    return line.substr(first - 1, width);
}

std::string Fit(std::string_view text, std::size_t width) { return PadRight(text.substr(0, width), width); }

std::string StoredField(std::string_view text, std::size_t width) { return BlankLineBreaks(Fit(text, width)); }

// The four fields, each made to its width by fit, between open and close and separated.
template <typename FitField>
std::string JoinFields(const RosterRecord& record, std::string_view open, std::string_view separator,
                       std::string_view close, FitField fit) {
    std::string line(open);
    line += fit(record.name, kRosterNameWidth);
    line += separator;
    line += fit(record.fileName, kRosterFileNameWidth);
    line += separator;
    line += fit(record.email, kRosterEmailWidth);
    line += separator;
    line += fit(record.phone, kRosterPhoneWidth);
    line += close;
    return line;
}

// The four fields of a line whose fields start at the given columns (1-based), blanks kept.
RosterRecord FieldsAt(std::string_view line, const std::array<std::size_t, 4>& starts) {
    return {std::string(Columns(line, starts[0], kRosterNameWidth)),
            std::string(Columns(line, starts[1], kRosterFileNameWidth)),
            std::string(Columns(line, starts[2], kRosterEmailWidth)),
            std::string(Columns(line, starts[3], kRosterPhoneWidth))};
}

void CutTo(std::string& field, std::size_t width) {
    if (field.size() > width) field.resize(width);
}

void ShowRosterError(Dialogs& dialogs, const std::string& errorCopyPath) {
    dialogs.Message(std::string("There is a problem found with the file containing your player names.") + kCrLf +
                        "Possibly someone has edited this file with another program." + kCrLf + kCrLf +
                        "The file: " + errorCopyPath + kCrLf +
                        " is a copy of the original file with the error records identified." + kCrLf + kCrLf +
                        "You can either go back to a backup copy of this file or attempt" + kCrLf +
                        "to correct the error(s) in this copy and then rename it to" + kCrLf + "PLAYERNAMES.CSV." +
                        kCrLf + kCrLf + "See the help file for additional instructions",
                    "** ERROR Found in PLAYERNAMES.CSV file **");
}

LineReadResult ReadRosterLines(const modBrackwell& model) {
    return ReadLineFile(model.AppFilePath(kRosterFileName), kMaxRosterLines, kMaxRosterLineLength);
}
}  // namespace

std::string RosterRecordLine(const RosterRecord& record) {
    return JoinFields(record, "\"", "\",\"", "\"", StoredField);
}

std::string RosterHeaderLine() { return RosterRecordLine({"Name", "FileName", "Email", "Phone"}); }

bool IsRosterRecordLine(std::string_view line) {
    if (line.size() != kRosterRecordLength) return false;
    for (std::size_t column : kQuoteColumns)
        if (line[column - 1] != '"') return false;
    for (std::size_t column : kCommaColumns)
        if (line[column - 1] != ',') return false;
    return true;
}

const char* RosterLineMarker(std::string_view line) {
    if (IsRosterRecordLine(line)) return nullptr;
    if (line.size() > kRosterRecordLength) return kRosterTooLongMarker;
    if (line.size() == kRosterRecordLength) return kRosterBadFormatMarker;
    return kRosterTooShortMarker;
}

RosterRecord ParseRosterRecord(std::string_view line) { return FieldsAt(line, {2, 30, 66, 112}); }

std::string DisplayLineOf(const RosterRecord& record) { return JoinFields(record, "", " ", "", Fit); }

std::string RosterDisplayLine(std::string& name, std::string& fileName, std::string& email, std::string& phone) {
    CutTo(name, kRosterNameWidth);
    CutTo(fileName, kRosterFileNameWidth);
    CutTo(email, kRosterEmailWidth);
    CutTo(phone, kRosterPhoneWidth);
    return DisplayLineOf({name, fileName, email, phone});
}

RosterRecord ParseRosterDisplayLine(std::string_view line) { return FieldsAt(line, {1, 27, 61, 105}); }

bool ValidateRosterFile(const modBrackwell& model, Dialogs& dialogs) {
    const std::string errorCopyPath = model.AppFilePath(kRosterErrorFileName);
    const FileHandle roster(OpenFileForReading(model.AppFilePath(kRosterFileName)));
    // The copy is written as the roster is read and kept only when a line is bad. When the
    // roster cannot be read to its end there is no whole copy to give: an earlier one, perhaps
    // being mended, is left alone.
    FileReplacement copy(ReplacementTarget(errorCopyPath), Durability::Synced);
    RosterErrorCopy marked;
    constexpr std::size_t kFlushAt = 64 * 1024;
    // The whole roster is checked even when the copy cannot be written; Commit then fails.
    const bool read = roster.get() >= 0 && ReadInChunks(roster.get(), [&](std::string_view chunk) {
        marked.Feed(chunk);
        if (marked.pendingOutput() >= kFlushAt) copy.Append(marked.TakeOutput());
        return true;
    });
    if (!read) {
        ShowRosterError(dialogs, errorCopyPath);
        return false;
    }
    marked.End();
    if (marked.badLines() == 0 && marked.lines() <= kMaxRosterLines) {
        DeleteFileIfPresent(errorCopyPath);
        return true;
    }
    if (!copy.Append(marked.TakeOutput()) || !copy.Commit()) ReportWriteFailure(dialogs, errorCopyPath);
    ShowRosterError(dialogs, errorCopyPath);
    return false;
}

bool WriteRosterHeader(const modBrackwell& model, Dialogs& dialogs) { return WriteRoster(model, dialogs, {}); }

RosterReadResult ReadRosterRecords(const modBrackwell& model) {
    const LineReadResult read = ReadRosterLines(model);
    RosterReadResult result;
    result.status = read.status;
    if (read.lines.size() > 1) result.records.reserve(read.lines.size() - 1);
    for (std::size_t i = 1; i < read.lines.size(); ++i) result.records.push_back(ParseRosterRecord(read.lines[i]));
    return result;
}

LineReadResult ReadRosterDisplayLines(const modBrackwell& model) {
    const RosterReadResult read = ReadRosterRecords(model);
    LineReadResult result;
    result.status = read.status;
    result.lines.reserve(read.records.size());
    for (const RosterRecord& record : read.records) result.lines.push_back(DisplayLineOf(record));
    return result;
}

bool WriteRoster(const modBrackwell& model, Dialogs& dialogs, const std::vector<std::string>& displayLines) {
    std::string contents;
    contents.reserve((displayLines.size() + 1) * (kRosterRecordLength + 2));
    AppendLine(contents, RosterHeaderLine());
    for (const std::string& line : displayLines) AppendLine(contents, RosterRecordLine(ParseRosterDisplayLine(line)));
    return ReplaceFileOrReport(dialogs, model.AppFilePath(kRosterFileName), contents);
}

}  // namespace brackwell
