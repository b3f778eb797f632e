#include "core/LineFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/FileSystem.h"

namespace brackwell {

namespace {
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() {
        if (fd_ >= 0) close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

// The exact name is tried first, so the common case costs one system call; the folder is
// searched for another case of the name only when that fails.
int OpenForReading(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 || errno != ENOENT) return fd;
    const std::string existing = ResolveExistingName(path);
    if (existing == path) {
        errno = ENOENT;
        return -1;
    }
    return open(existing.c_str(), O_RDONLY | O_CLOEXEC);
}

// Splits bytes into lines as they arrive; a line ends at LF, and a CR just before it is dropped.
class LineSplitter {
public:
    LineSplitter(LineReadResult& result, std::size_t maxLines, std::size_t maxLineLength)
        : result_(result), maxLines_(maxLines), maxLineLength_(maxLineLength) {}

    // False once the reader has seen enough to stop.
    bool Feed(const char* data, std::size_t size) {
        const char* const end = data + size;
        while (data < end) {
            const char* lf = static_cast<const char*>(std::memchr(data, '\n', static_cast<std::size_t>(end - data)));
            if (lf == nullptr) return Append(data, static_cast<std::size_t>(end - data));
            if (!Append(data, static_cast<std::size_t>(lf - data)) || !Finish()) return false;
            data = lf + 1;
        }
        return true;
    }

    void End() {
        if (pending_) Finish();
    }

private:
    bool Append(const char* data, std::size_t size) {
        if (size == 0) return true;
        if (!pending_ && result_.lines.size() == maxLines_) {
            result_.status = LineReadStatus::TooManyLines;
            return false;
        }
        // One byte more than the limit is allowed for the CR of a CR LF.
        if (current_.size() + size > maxLineLength_ + 1) {
            result_.status = LineReadStatus::LineTooLong;
            return false;
        }
        current_.append(data, size);
        pending_ = true;
        return true;
    }

    bool Finish() {
        if (!pending_ && result_.lines.size() == maxLines_) {
            result_.status = LineReadStatus::TooManyLines;
            return false;
        }
        if (!current_.empty() && current_.back() == '\r') current_.pop_back();
        if (current_.size() > maxLineLength_) {
            result_.status = LineReadStatus::LineTooLong;
            return false;
        }
        result_.lines.push_back(std::move(current_));
        current_.clear();
        pending_ = false;
        return true;
    }

    LineReadResult& result_;
    std::size_t maxLines_;
    std::size_t maxLineLength_;
    std::string current_;
    bool pending_ = false;
};
}  // namespace

LineReadResult ReadLineFile(const std::string& path, std::size_t maxLines, std::size_t maxLineLength) {
    LineReadResult result;
    const FileHandle file(OpenForReading(path));
    if (file.get() < 0) {
        result.status = errno == ENOENT || errno == ENOTDIR ? LineReadStatus::Missing : LineReadStatus::Unreadable;
        return result;
    }
    // Most files the pool reads are a few kilobytes: room for all their lines up front.
    result.lines.reserve(maxLines < 256 ? maxLines : 256);
    LineSplitter splitter(result, maxLines, maxLineLength);
    char buffer[16 * 1024];
    for (;;) {
        const ssize_t n = read(file.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.status = LineReadStatus::Unreadable;
            return result;
        }
        if (n == 0) break;
        if (!splitter.Feed(buffer, static_cast<std::size_t>(n))) return result;
    }
    splitter.End();
    return result;
}

void AppendLine(std::string& out, std::string_view line) {
    out.append(line);
    out.append("\r\n");
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string out;
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    out.reserve(size);
    for (const auto& line : lines) AppendLine(out, line);
    return out;
}

}  // namespace brackwell
