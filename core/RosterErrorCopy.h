#pragma once
// The error copy of a roster, made as the roster is read: every line of it, good or bad and of
// any length, with each bad line preceded by its marker. Lines are held only up to one byte past
// the record length; a longer line is known to be too long and is passed on as it comes, so a
// roster of any size is copied whole in bounded memory.

#include <cstddef>
#include <string>
#include <string_view>

namespace brackwell {

class RosterErrorCopy {
public:
    // Takes the roster's bytes as they are read.
    void Feed(std::string_view bytes);
    // Ends the last line (one without a line end counts, as for every reader).
    void End();

    // Copy bytes ready to be written; the caller takes them away with TakeOutput.
    std::string TakeOutput();
    std::size_t pendingOutput() const { return out_.size(); }

    std::size_t lines() const { return lines_; }
    std::size_t badLines() const { return bad_; }

private:
    void Byte(char c);
    void EndLine();

    std::string line_;       // the current line while it may still be a record
    bool overlong_ = false;  // the current line has been passed on as too long
    bool heldCr_ = false;    // an overlong line's last byte so far is a CR, which may start CR LF
    std::size_t lines_ = 0;
    std::size_t bad_ = 0;
    std::string out_;
};

}  // namespace brackwell
