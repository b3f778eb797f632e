#include "core/RosterErrorCopy.h"

#include "core/LineFile.h"
#include "core/RosterFile.h"

namespace brackwell {

void RosterErrorCopy::Feed(std::string_view bytes) {
    while (!bytes.empty()) {
        if (!overlong_) {
            Byte(bytes.front());
            bytes.remove_prefix(1);
            continue;
        }
        // The rest of an overlong line, up to its line end, is passed on in one piece.
        const std::size_t lf = bytes.find('\n');
        const std::string_view run = bytes.substr(0, lf);
        if (!run.empty()) {
            if (heldCr_) out_ += '\r';
            heldCr_ = run.back() == '\r';
            out_.append(run.data(), run.size() - (heldCr_ ? 1 : 0));
        }
        if (lf == std::string_view::npos) return;
        EndLine();
        bytes.remove_prefix(lf + 1);
    }
}

void RosterErrorCopy::Byte(char c) {
    if (c == '\n') {
        EndLine();
        return;
    }
    line_ += c;
    // A record and the CR of its CR LF fit; one byte more and the line is too long whatever
    // follows, so it is marked and passed on from here.
    if (line_.size() > kRosterRecordLength + 1) {
        overlong_ = true;
        ++bad_;
        AppendLine(out_, kRosterTooLongMarker);
        heldCr_ = line_.back() == '\r';
        if (heldCr_) line_.pop_back();
        out_ += line_;
        line_.clear();
    }
}

void RosterErrorCopy::EndLine() {
    ++lines_;
    if (overlong_) {
        // A held CR was the CR of the line end.
        out_ += "\r\n";
        overlong_ = heldCr_ = false;
        return;
    }
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (const char* marker = RosterLineMarker(line_)) {
        AppendLine(out_, marker);
        ++bad_;
    }
    AppendLine(out_, line_);
    line_.clear();
}

void RosterErrorCopy::End() {
    if (overlong_ || !line_.empty()) EndLine();
}

std::string RosterErrorCopy::TakeOutput() {
    std::string taken;
    taken.swap(out_);
    return taken;
}

}  // namespace brackwell
