#pragma once
// The roster "PLAYERNAMES.CSV": a header record and one record per participant, each record
// 126 characters of four quoted, blank-padded, comma-separated fields (name 25, selection file
// name 33, e-mail 43, phone 14). The editor's list holds a participant as a 118-character
// display line: the four padded fields joined by single blanks.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/Dialogs.h"
#include "core/LineFile.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kRosterFileName = "PLAYERNAMES.CSV";
// The copy of a faulty roster with each bad record marked, for the organiser to mend.
inline constexpr const char* kRosterErrorFileName = "PLAYERNAMES.TXT";

inline constexpr std::size_t kRosterNameWidth = 25;
inline constexpr std::size_t kRosterFileNameWidth = 33;
inline constexpr std::size_t kRosterEmailWidth = 43;
inline constexpr std::size_t kRosterPhoneWidth = 14;
inline constexpr std::size_t kRosterRecordLength = 126;
inline constexpr std::size_t kRosterDisplayLength = 118;

// No pool has rosters near these; a file beyond them is not a roster and is reported as faulty.
inline constexpr std::size_t kMaxRosterLines = 32768;
inline constexpr std::size_t kMaxRosterLineLength = 1024;

inline constexpr const char* kRosterTooLongMarker = "**Following Record was too long**";
inline constexpr const char* kRosterBadFormatMarker = "**Formatting of following record incorrect**";
inline constexpr const char* kRosterTooShortMarker = "** Following record too short**";

struct RosterRecord {
    std::string name;
    std::string fileName;
    std::string email;
    std::string phone;
};

// The 126-character record: each field cut to its width and padded with blanks. A line break
// inside a field becomes a blank, so a record always stays one line of the file.
std::string RosterRecordLine(const RosterRecord& record);
// The header record: "Name", "FileName", "Email", "Phone" in the four fields.
std::string RosterHeaderLine();
// True when line has the record form: 126 bytes, quotes and commas at their columns.
bool IsRosterRecordLine(std::string_view line);
// The marker that precedes a bad line in the error copy; nullptr for a good line.
const char* RosterLineMarker(std::string_view line);
// The four fields of a record line (columns 2..26, 30..62, 66..108, 112..125), blanks kept;
// a short line gives short or empty fields.
RosterRecord ParseRosterRecord(std::string_view line);

// The display line of the editor's four fields. A field longer than its width is cut to that
// width in the field itself, so the editor shows what will be stored.
std::string RosterDisplayLine(std::string& name, std::string& fileName, std::string& email, std::string& phone);
// The display line of a record (fields cut to and padded to their widths).
std::string DisplayLineOf(const RosterRecord& record);
// The four fields of a display line (positions 1..25, 27..59, 61..103, 105..118), blanks kept.
RosterRecord ParseRosterDisplayLine(std::string_view line);

// Checks every line of the roster. A good roster removes any old error copy and gives true.
// Otherwise the error copy is written (each bad line preceded by its marker), the organiser is
// told where it is, and false is returned; a roster that cannot be read (missing, a folder, no
// permission, beyond the bounds above) is never reported as good.
bool ValidateRosterFile(const modBrackwell& model, Dialogs& dialogs);

// Replaces the roster with the header record alone; on failure shows the writer's message,
// keeps the old roster and returns false.
bool WriteRosterHeader(const modBrackwell& model, Dialogs& dialogs);

struct RosterReadResult {
    std::vector<RosterRecord> records;  // in file order, the header skipped
    LineReadStatus status = LineReadStatus::Ok;
    bool ok() const { return status == LineReadStatus::Ok; }
};
RosterReadResult ReadRosterRecords(const modBrackwell& model);
// The records as display lines, in file order; status as ReadRosterRecords.
LineReadResult ReadRosterDisplayLines(const modBrackwell& model);

// Replaces the roster with the header and one record per display line, in one atomic write;
// on failure shows the writer's message, keeps the old roster and returns false.
bool WriteRoster(const modBrackwell& model, Dialogs& dialogs, const std::vector<std::string>& displayLines);

}  // namespace brackwell
