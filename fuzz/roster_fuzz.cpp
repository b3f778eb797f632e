// The roster check on any bytes: the error copy holds every line of the roster, each bad one
// after its marker; a good roster written back from its records reads back to the same file.

#include "core/RosterFile.h"
#include "fuzz/support/FuzzFolder.h"

using namespace brackwell;

namespace {
// Lines as every reader splits them: at LF, one CR before it dropped, a last line without a
// line end counted.
std::vector<std::string> SplitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t lf = bytes.find('\n');
        std::string_view line = bytes.substr(0, lf);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        if (lf == std::string_view::npos) break;
        bytes.remove_prefix(lf + 1);
    }
    return lines;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FreshFolder();
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::string roster = fuzz::PathIn(kRosterFileName);
    fuzz::WriteFile(roster, bytes);
    const modBrackwell model(fuzz::Folder());
    fuzz::AnsweringDialogs dialogs;
    if (!ValidateRosterFile(model, dialogs)) {
        const std::vector<std::string> copy = SplitLines(fuzz::ReadFile(fuzz::PathIn(kRosterErrorFileName)));
        std::size_t at = 0;
        for (const std::string& line : SplitLines(bytes)) {
            if (const char* marker = RosterLineMarker(line))
                fuzz::Expect(at < copy.size() && copy[at++] == marker, "a bad line is marked in the copy");
            fuzz::Expect(at < copy.size() && copy[at++] == line, "every line reaches the copy");
        }
        fuzz::Expect(at == copy.size(), "the copy holds nothing else");
        return 0;
    }
    const LineReadResult records = ReadRosterDisplayLines(model);
    fuzz::Expect(records.ok(), "a good roster reads");
    fuzz::Expect(WriteRoster(model, dialogs, records.lines), "a roster can be written");
    const std::string written = fuzz::ReadFile(roster);
    fuzz::Expect(ValidateRosterFile(model, dialogs), "a written roster is good");
    fuzz::Expect(WriteRoster(model, dialogs, ReadRosterDisplayLines(model).lines) && fuzz::ReadFile(roster) == written,
                 "a written roster reads back unchanged");
    return 0;
}
