#include "core/LineFile.h"

#include <cerrno>
#include <cstring>

#include "core/FileSystem.h"

namespace brackwell {

namespace {
// Where the lines go: a growing vector, or a fixed row of strings whose storage is reused.
class VectorSink {
public:
    explicit VectorSink(std::vector<std::string>& lines) : lines_(lines) {}
    std::size_t count() const { return lines_.size(); }
    std::string& Begin() { return lines_.emplace_back(); }
    void Drop() { lines_.pop_back(); }

private:
    std::vector<std::string>& lines_;
};

class SpanSink {
public:
    explicit SpanSink(std::span<std::string> lines) : lines_(lines) {}
    std::size_t count() const { return count_; }
    std::string& Begin() {
        std::string& line = lines_[count_++];
        line.clear();
        return line;
    }
    void Drop() { lines_[--count_].clear(); }

private:
    std::span<std::string> lines_;
    std::size_t count_ = 0;
};

// Splits bytes into lines as they arrive, straight into the sink's strings; a line ends at LF,
// and a CR just before it is dropped. A line cut off by a bound is taken back out.
template <typename Sink>
class LineSplitter {
public:
    LineSplitter(Sink& sink, std::size_t maxLines, std::size_t maxLineLength)
        : sink_(sink), maxLines_(maxLines), maxLineLength_(maxLineLength) {}

    LineReadStatus status() const { return status_; }

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
        if (current_ != nullptr) Finish();
    }

private:
    bool Start() {
        if (current_ != nullptr) return true;
        if (sink_.count() == maxLines_) {
            status_ = LineReadStatus::TooManyLines;
            return false;
        }
        current_ = &sink_.Begin();
        return true;
    }

    bool TooLong() {
        sink_.Drop();
        current_ = nullptr;
        status_ = LineReadStatus::LineTooLong;
        return false;
    }

    bool Append(const char* data, std::size_t size) {
        if (size == 0) return true;
        if (!Start()) return false;
        // One byte more than the limit is allowed for the CR of a CR LF.
        if (current_->size() + size > maxLineLength_ + 1) return TooLong();
        current_->append(data, size);
        return true;
    }

    bool Finish() {
        if (!Start()) return false;
        if (!current_->empty() && current_->back() == '\r') current_->pop_back();
        if (current_->size() > maxLineLength_) return TooLong();
        current_ = nullptr;
        return true;
    }

    Sink& sink_;
    std::size_t maxLines_;
    std::size_t maxLineLength_;
    std::string* current_ = nullptr;
    LineReadStatus status_ = LineReadStatus::Ok;
};

template <typename Sink>
LineReadStatus ReadInto(const std::string& path, Sink& sink, std::size_t maxLines, std::size_t maxLineLength) {
    const FileHandle file(OpenFileForReading(path));
    if (file.get() < 0)
        return errno == ENOENT || errno == ENOTDIR ? LineReadStatus::Missing : LineReadStatus::Unreadable;
    LineSplitter<Sink> splitter(sink, maxLines, maxLineLength);
    bool stopped = false;
    const bool read = ReadInChunks(file.get(), [&](std::string_view chunk) {
        stopped = !splitter.Feed(chunk.data(), chunk.size());
        return !stopped;
    });
    if (!read) return LineReadStatus::Unreadable;
    if (stopped) return splitter.status();
    splitter.End();
    return splitter.status();
}
}  // namespace

LineReadResult ReadLineFile(const std::string& path, std::size_t maxLines, std::size_t maxLineLength) {
    LineReadResult result;
    // Most files the pool reads are a few kilobytes: room for all their lines up front.
    result.lines.reserve(maxLines < 256 ? maxLines : 256);
    VectorSink sink(result.lines);
    result.status = ReadInto(path, sink, maxLines, maxLineLength);
    return result;
}

LineCountResult ReadLineFileInto(const std::string& path, std::span<std::string> lines, std::size_t maxLineLength) {
    SpanSink sink(lines);
    const LineReadStatus status = ReadInto(path, sink, lines.size(), maxLineLength);
    return {sink.count(), status};
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
