#pragma once
// Reading and writing the pool's line files. Lines end in CR LF (LF alone is accepted when
// reading); a reader states how many lines and how long a line it will take, so no file,
// however large or strange, makes it hold more than that.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brackwell {

inline constexpr std::size_t kMaxLineLength = 64 * 1024;

enum class LineReadStatus {
    Ok,            // every line of the file was read
    Missing,       // no such file
    Unreadable,    // a folder, no permission, or a read error
    TooManyLines,  // the file goes on past maxLines; the first maxLines are kept
    LineTooLong,   // a line is longer than maxLineLength; the lines before it are kept
};

struct LineReadResult {
    std::vector<std::string> lines;
    LineReadStatus status = LineReadStatus::Ok;
    bool ok() const { return status == LineReadStatus::Ok; }
};

// Reads path (any case of its name) line by line.
LineReadResult ReadLineFile(const std::string& path, std::size_t maxLines,
                            std::size_t maxLineLength = kMaxLineLength);

struct LineCountResult {
    std::size_t count = 0;  // lines read into the row
    LineReadStatus status = LineReadStatus::Ok;
    bool ok() const { return status == LineReadStatus::Ok; }
};

// Reads path into lines[0], lines[1], ..., at most lines.size() of them, reusing the strings'
// storage: for readers run over many files in a row. Entries past the lines read keep theirs.
LineCountResult ReadLineFileInto(const std::string& path, std::span<std::string> lines,
                                 std::size_t maxLineLength = kMaxLineLength);

// The lines, each followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
void AppendLine(std::string& out, std::string_view line);

}  // namespace brackwell
