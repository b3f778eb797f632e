#pragma once
// The start field "POOLSTART.BKT": "*START*", StartLines 0..93 (teams, title, regions,
// points, seeds, comments, finalized flag) and "*END*"; 96 lines.

#include "core/Dialogs.h"
#include "core/Model.h"

namespace brackwell {

inline constexpr const char* kStartFileName = "POOLSTART.BKT";

// The points per round the setup window lets a field be finalized with: numeric values 1 to 99.
inline constexpr int kLowestRoundPoints = 1;
inline constexpr int kHighestRoundPoints = 99;
bool RoundPointsInRange(const std::string& text);

// Loads the start field into StartLines and sets TournamentTitle. A missing, unreadable or empty
// file, or a framed one going on past StartLines 100, gives the default field silently; one not
// framed by "*START*" and "*END*" gives it after a message, and so does a line longer than
// kMaxLineLength. Entries past the lines of a short file keep what they held. A finalized field
// whose points per round are out of range gives the same message, and those rounds get their
// default points; the rest of the field is kept.
void ReadStartFile(modBrackwell& model, Dialogs& dialogs);

// How a reading of the start file ended.
enum class StartFileRead {
    Loaded,      // the file's lines were taken
    Missing,     // no such file: the defaults, silently
    Unreadable,  // not a regular file, no permission, empty or past StartLines 100: the defaults, silently
    Malformed,   // not framed, or a line too long: the defaults after the message
    BadPoints,   // finalized with points out of range: the message, and default points for those rounds
};
// ReadStartFile, telling how it went (for a check of the folder); for BadPoints, pointsReplaced
// (when given) names the rounds and what they held: round 1 "0", round 6 "32767".
StartFileRead ReadStartFileOutcome(modBrackwell& model, Dialogs& dialogs, std::string* pointsReplaced = nullptr);

// The 96 lines of the start file for StartLines 0..93. Each entry stays one line: a line break
// in a comment is stored as "|", anywhere else as a blank.
std::string StartFileContents(const StartLinesArray& lines);
// Writes the start file; on failure shows the writer's message, keeps the old file, returns false.
bool WriteStartFile(const modBrackwell& model, Dialogs& dialogs, const StartLinesArray& lines);

}  // namespace brackwell
